#pragma once

#include <cstdint>
#include <span>
#include <string>

// The host services that the About box calls, each behind a small interface with one
// implementation per host. Every failure that the host reports as an error raises a
// forms::RuntimeError.
namespace about {

using RegistryKey = std::int32_t;
using RegistryStatus = std::int32_t;

inline constexpr RegistryStatus kErrorSuccess = 0;
inline constexpr RegistryStatus kErrorFileNotFound = 2;
inline constexpr RegistryStatus kErrorAccessDenied = 5;
inline constexpr RegistryStatus kErrorInvalidHandle = 6;
inline constexpr RegistryStatus kErrorMoreData = 234;

inline constexpr RegistryKey kHkeyLocalMachine = static_cast<RegistryKey>(0x80000002u);
inline constexpr std::int32_t kKeyRead = 0x20019;  // query value, enumerate, notify, read control

inline constexpr std::int32_t kRegSz = 1;
inline constexpr std::int32_t kRegDword = 4;

// The host registry, read with its own status codes and raw bytes.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual RegistryStatus RegOpenKeyExA(RegistryKey key, const std::string& subKey,
                                       std::int32_t options, std::int32_t access,
                                       RegistryKey& opened) = 0;
  // On entry dataSize is the buffer's size; on success it is the number of bytes stored.
  virtual RegistryStatus RegQueryValueExA(RegistryKey key, const std::string& valueName,
                                          std::int32_t& type, std::span<std::uint8_t> data,
                                          std::int32_t& dataSize) = 0;
  virtual RegistryStatus RegCloseKey(RegistryKey key) = 0;
};

// Starts a program on its own, waiting for nothing; a program that cannot be started raises.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual void Shell(const std::string& programPath, int windowStyle) = 0;
};

// The file test: the file's name when an ordinary file (not a folder, not hidden) has this
// path, "" when none has; a malformed path raises.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual std::string Dir(const std::string& path) = 0;
};

// An application-modal message box titled with the application title; returns once closed.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual void MsgBox(const std::string& prompt, int buttons) = 0;
};

struct SystemServices {
  Registry& registry;
  ProgramStarter& programs;
  FileSystem& files;
  MessageBoxService& messages;
};

}  // namespace about
