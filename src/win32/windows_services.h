#pragma once

#include <map>

#include "about/system_services.h"

// The host services on Windows: the registry of "advapi32", process creation and file
// attributes.
namespace about {

// The three registry functions are looked up by name in "advapi32" when each is first called;
// where one is missing every call of it fails, so both lookups fail and the message appears.
class WindowsRegistry : public Registry {
 public:
  explicit WindowsRegistry(const char* library = "advapi32");
  ~WindowsRegistry() override;

  RegistryStatus RegOpenKeyExA(RegistryKey key, const std::string& subKey, std::int32_t options,
                               std::int32_t access, RegistryKey& opened) override;
  RegistryStatus RegQueryValueExA(RegistryKey key, const std::string& valueName, std::int32_t& type,
                                  std::span<std::uint8_t> data, std::int32_t& dataSize) override;
  RegistryStatus RegCloseKey(RegistryKey key) override;

 private:
  void* Function(const char* name, void*& cached);
  void* HostKey(RegistryKey key) const;

  void* library_;
  void* open_ = nullptr;
  void* query_ = nullptr;
  void* close_ = nullptr;
  // Opened keys by the 32-bit numbers the lookup holds them by.
  std::map<RegistryKey, void*> opened_;
  RegistryKey nextKey_ = 1;
};

// The path is the new process's application name, never parsed out of a command line, so a
// path with blanks cannot start a program named by its first word.
class WindowsProgramStarter : public ProgramStarter {
 public:
  void Shell(const std::string& programPath, int windowStyle) override;
};

// An ordinary file by its attributes: not a folder, not hidden, not a system file.
class WindowsFileSystem : public FileSystem {
 public:
  std::string Dir(const std::string& path) override;
};

}  // namespace about
