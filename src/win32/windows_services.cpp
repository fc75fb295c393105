#include "win32/windows_services.h"

#include <windows.h>

#include "about/host_services.h"
#include "forms/runtime_error.h"

namespace about {
namespace {

using OpenFunction = LONG(WINAPI*)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
using QueryFunction = LONG(WINAPI*)(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
using CloseFunction = LONG(WINAPI*)(HKEY);

forms::RuntimeError FileNotFound() {
  return {53, "File not found"};
}
forms::RuntimeError BadFileName() {
  return {52, "Bad file name or number"};
}

}  // namespace

WindowsRegistry::WindowsRegistry(const char* library) : library_(LoadLibraryA(library)) {}

WindowsRegistry::~WindowsRegistry() {
  for (const auto& [number, key] : opened_) {
    RegCloseKey(number);
  }
  if (library_ != nullptr) {
    FreeLibrary(static_cast<HMODULE>(library_));
  }
}

void* WindowsRegistry::Function(const char* name, void*& cached) {
  if (cached == nullptr && library_ != nullptr) {
    cached = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library_), name));
  }
  return cached;
}

// Root keys are the host's predefined handles, 32-bit values that widen with their sign.
void* WindowsRegistry::HostKey(RegistryKey key) const {
  const auto found = opened_.find(key);
  if (found != opened_.end()) {
    return found->second;
  }
  return reinterpret_cast<void*>(static_cast<LONG_PTR>(key));
}

RegistryStatus WindowsRegistry::RegOpenKeyExA(RegistryKey key, const std::string& subKey,
                                              std::int32_t options, std::int32_t access,
                                              RegistryKey& opened) {
  auto open = reinterpret_cast<OpenFunction>(Function("RegOpenKeyExA", open_));
  if (open == nullptr) {
    return ERROR_PROC_NOT_FOUND;
  }
  HKEY handle = nullptr;
  const LONG status = open(static_cast<HKEY>(HostKey(key)), subKey.c_str(),
                           static_cast<DWORD>(options), static_cast<REGSAM>(access), &handle);
  if (status == ERROR_SUCCESS) {
    opened = nextKey_++;
    opened_[opened] = handle;
  }
  return status;
}

RegistryStatus WindowsRegistry::RegQueryValueExA(RegistryKey key, const std::string& valueName,
                                                 std::int32_t& type, std::span<std::uint8_t> data,
                                                 std::int32_t& dataSize) {
  auto query = reinterpret_cast<QueryFunction>(Function("RegQueryValueExA", query_));
  if (query == nullptr || !opened_.contains(key) || dataSize < 0 ||
      static_cast<std::size_t>(dataSize) > data.size()) {
    return query == nullptr ? ERROR_PROC_NOT_FOUND : ERROR_INVALID_PARAMETER;
  }
  DWORD valueType = 0;
  auto size = static_cast<DWORD>(dataSize);
  const LONG status = query(static_cast<HKEY>(HostKey(key)), valueName.c_str(), nullptr, &valueType,
                            data.data(), &size);
  type = static_cast<std::int32_t>(valueType);
  dataSize = static_cast<std::int32_t>(size);
  return status;
}

RegistryStatus WindowsRegistry::RegCloseKey(RegistryKey key) {
  auto close = reinterpret_cast<CloseFunction>(Function("RegCloseKey", close_));
  const auto found = opened_.find(key);
  if (close == nullptr || found == opened_.end()) {
    return close == nullptr ? ERROR_PROC_NOT_FOUND : ERROR_INVALID_HANDLE;
  }
  const LONG status = close(static_cast<HKEY>(found->second));
  opened_.erase(found);
  return status;
}

void WindowsProgramStarter::Shell(const std::string& programPath, int windowStyle) {
  if (programPath.empty() || programPath.find('\0') != std::string::npos) {
    throw FileNotFound();
  }
  std::string commandLine = "\"" + programPath + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(windowStyle);  // 1: normal size and place, focused
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    throw FileNotFound();
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::string WindowsFileSystem::Dir(const std::string& path) {
  if (path.find_first_of(std::string("\0<>\"|?*", 7)) != std::string::npos) {
    throw BadFileName();
  }
  const DWORD attributes =
      path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
  constexpr DWORD kNotOrdinary =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kNotOrdinary) != 0) {
    return "";
  }
  return path.substr(path.find_last_of("\\/:") + 1);
}

std::unique_ptr<Registry> MakeHostRegistry() {
  return std::make_unique<WindowsRegistry>();
}
std::unique_ptr<ProgramStarter> MakeHostProgramStarter() {
  return std::make_unique<WindowsProgramStarter>();
}
std::unique_ptr<FileSystem> MakeHostFileSystem() {
  return std::make_unique<WindowsFileSystem>();
}

}  // namespace about
