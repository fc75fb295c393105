#pragma once

#include <array>
#include <optional>
#include <string>

#include "about/system_services.h"

// The host services on Linux and other POSIX hosts, which have no registry of their own.
namespace about {

// Holds the one value the About box looks for: the full path of the first system information
// program that PATH holds, found afresh whenever the key is opened. With none found the key
// does not exist. Like the local-machine keys of a host with a registry, it grants read rights
// only.
class StandInRegistry : public Registry {
 public:
  static constexpr std::array<const char*, 5> kSystemInfoTools = {
      "hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor",
      "xfce4-taskmanager"};

  RegistryStatus RegOpenKeyExA(RegistryKey key, const std::string& subKey, std::int32_t options,
                               std::int32_t access, RegistryKey& opened) override;
  RegistryStatus RegQueryValueExA(RegistryKey key, const std::string& valueName, std::int32_t& type,
                                  std::span<std::uint8_t> data, std::int32_t& dataSize) override;
  RegistryStatus RegCloseKey(RegistryKey key) override;

 private:
  std::optional<std::string> toolPath_;  // while the key is open
};

// The first of the tools, in the list's order, that a folder on PATH holds as an executable.
std::optional<std::string> FindSystemInfoTool();

// Runs the path itself as the program: never split at blanks, never given to a shell. The
// program is detached from this process, so nothing waits for it.
class PosixProgramStarter : public ProgramStarter {
 public:
  void Shell(const std::string& programPath, int windowStyle) override;
};

class PosixFileSystem : public FileSystem {
 public:
  std::string Dir(const std::string& path) override;
};

}  // namespace about
