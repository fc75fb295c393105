#pragma once

#include <string>

#include "about/system_services.h"

namespace about {

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Where the registry names the tool: its program file, or else the folder that holds it.
inline constexpr const char* kPrimaryKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kPrimaryValue = "PATH";
inline constexpr const char* kFallbackKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kFallbackValue = "MSINFO";

// Starts the host's system information tool that the registry names, or says that it cannot.
// No error leaves it.
void StartSysInfo(SystemServices& host);

// Reads one registry value as text into KeyVal; False, with KeyVal empty, when it cannot.
// A run-time error inside it passes to the caller.
bool GetKeyValue(Registry& registry, RegistryKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

}  // namespace about
