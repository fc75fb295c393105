#pragma once

#include <gtest/gtest.h>

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

using namespace about;

struct RegistryValue {
  std::int32_t type = kRegSz;
  std::vector<std::uint8_t> bytes;
  std::optional<std::int32_t> reportedSize;  // a data size other than the bytes stored
};

// The text's bytes, with or without the terminating zero.
inline std::vector<std::uint8_t> Bytes(const std::string& text, bool withZero = true) {
  return {text.c_str(), text.c_str() + text.size() + (withZero ? 1 : 0)};
}

// Keys by their path below the local-machine root, which grants read rights only, as to most
// users. Handle i is the i-th key opened; every close is checked. It answers with the registry's
// own status numbers: 0 success, 2 not found, 5 access denied, 6 invalid handle, 87 invalid
// parameter, 234 more data.
struct Registry : about::Registry {
  std::map<std::string, std::map<std::string, RegistryValue>> keys;
  std::vector<std::string> opened;
  std::set<RegistryKey> open;  // handles not yet closed

  RegistryStatus RegOpenKeyExA(RegistryKey root, const std::string& key, std::int32_t options,
                               std::int32_t access, RegistryKey& handle) override {
    if (options != 0) {
      return 87;  // invalid parameter: the options are reserved
    }
    constexpr RegistryKey kLocalMachine = static_cast<RegistryKey>(0x80000002u);
    constexpr std::int32_t kReadRights = 0x20019;  // standard read, query, enumerate, notify
    if (root != kLocalMachine || !keys.contains(key) || (access & ~kReadRights) != 0) {
      return keys.contains(key) ? 5 : 2;
    }
    opened.push_back(key);
    open.insert(handle = static_cast<RegistryKey>(opened.size()));
    return 0;
  }
  RegistryStatus RegQueryValueExA(RegistryKey handle, const std::string& name, std::int32_t& type,
                                  std::span<std::uint8_t> data, std::int32_t& size) override {
    const auto& values = keys.at(opened.at(static_cast<std::size_t>(handle - 1)));
    if (!open.contains(handle) || !values.contains(name)) {
      return 2;
    }
    const RegistryValue& value = values.at(name);
    const auto room = static_cast<std::size_t>(size);
    type = value.type;
    size = value.reportedSize.value_or(static_cast<std::int32_t>(value.bytes.size()));
    if (value.bytes.size() > room) {
      return 234;
    }
    std::copy(value.bytes.begin(), value.bytes.end(), data.begin());
    return 0;
  }
  RegistryStatus RegCloseKey(RegistryKey handle) override {
    if (open.erase(handle) == 1) {
      return 0;
    }
    ADD_FAILURE() << "closed handle " << handle << ", which is not open";
    return 6;
  }
};

// Program start, file test and message box, remembering what they were asked: the programs
// started and the prompts shown, and the window style or buttons of each, in order.
struct Host : ProgramStarter, FileSystem, MessageBoxService {
  std::vector<std::string> started, shown;
  std::vector<int> styles;
  std::set<std::string> files;
  std::set<std::string> failing;  // programs that are there but do not start
  void Shell(const std::string& path, int windowStyle) override {
    if (failing.contains(path) || path.empty()) {
      throw forms::RuntimeError(53, "File not found");
    }
    started.push_back(path);
    styles.push_back(windowStyle);
  }
  std::string Dir(const std::string& path) override {
    return files.contains(path) ? path.substr(path.find_last_of('\\') + 1) : "";
  }
  void MsgBox(const std::string& prompt, int buttons) override {
    shown.push_back(prompt);
    styles.push_back(buttons);
  }
};

struct Services {
  Registry registry;
  Host recorded;
  SystemServices host{registry, recorded, recorded, recorded};
};

}  // namespace fakes
