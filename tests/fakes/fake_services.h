#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "about/system_services.h"
#include "forms/runtime_error.h"

// Host services that remember what was asked of them.
namespace fakes {

struct RegistryValue {
  std::int32_t type = about::kRegSz;
  std::vector<std::uint8_t> bytes;
  std::optional<std::int32_t> reportedSize;  // a data size other than the bytes stored
};

inline std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

class Registry : public about::Registry {
 public:
  std::map<std::string, std::map<std::string, RegistryValue>> keys;
  std::vector<std::string> opened;
  std::vector<std::int32_t> accessAsked;
  int openKeys = 0;

  about::RegistryStatus RegOpenKeyExA(about::RegistryKey root, const std::string& subKey,
                                      std::int32_t, std::int32_t access,
                                      about::RegistryKey& handle) override {
    accessAsked.push_back(access);
    const auto key = keys.find(subKey);
    if (root != about::kHkeyLocalMachine || key == keys.end()) {
      return about::kErrorFileNotFound;
    }
    opened.push_back(subKey);
    handle = static_cast<about::RegistryKey>(opened.size());
    ++openKeys;
    return about::kErrorSuccess;
  }

  about::RegistryStatus RegQueryValueExA(about::RegistryKey handle, const std::string& name,
                                         std::int32_t& type, std::span<std::uint8_t> data,
                                         std::int32_t& size) override {
    const auto& values = keys.at(opened.at(static_cast<std::size_t>(handle - 1)));
    const auto value = values.find(name);
    if (value == values.end()) {
      return about::kErrorFileNotFound;
    }
    const RegistryValue& stored = value->second;
    type = stored.type;
    if (stored.bytes.size() > static_cast<std::size_t>(size)) {
      size = static_cast<std::int32_t>(stored.bytes.size());
      return about::kErrorMoreData;
    }
    std::copy(stored.bytes.begin(), stored.bytes.end(), data.begin());
    size = stored.reportedSize.value_or(static_cast<std::int32_t>(stored.bytes.size()));
    return about::kErrorSuccess;
  }

  about::RegistryStatus RegCloseKey(about::RegistryKey) override {
    --openKeys;
    return about::kErrorSuccess;
  }
};

class Programs : public about::ProgramStarter {
 public:
  std::vector<std::string> started;
  bool fails = false;
  void Shell(const std::string& path, int) override {
    if (fails || path.empty()) {
      throw forms::RuntimeError(53, "File not found");
    }
    started.push_back(path);
  }
};

class Files : public about::FileSystem {
 public:
  std::set<std::string> files;
  std::string Dir(const std::string& path) override {
    return files.contains(path) ? path.substr(path.find_last_of('\\') + 1) : "";
  }
};

class Messages : public about::MessageBoxService {
 public:
  std::vector<std::string> shown;
  void MsgBox(const std::string& prompt, int) override { shown.push_back(prompt); }
};

struct Services {
  Registry registry;
  Programs programs;
  Files files;
  Messages messages;
  about::SystemServices host{registry, programs, files, messages};
};

}  // namespace fakes
