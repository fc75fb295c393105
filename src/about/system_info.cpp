#include "about/system_info.h"

#include <array>

#include "forms/runtime_error.h"

namespace about {
namespace {

constexpr const char* kToolFile = "\\MSINFO32.EXE";
constexpr int kNormalFocusedWindow = 1;
constexpr int kOkOnly = 0;
constexpr std::size_t kBufferSize = 1024;

// Closes an opened key however GetKeyValue is left, an error passing through included.
class OpenKey {
 public:
  explicit OpenKey(Registry& registry) : registry_(registry) {}
  ~OpenKey() {
    if (handle != 0) {
      registry_.RegCloseKey(handle);
    }
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  RegistryKey handle{};

 private:
  Registry& registry_;
};

// The stored bytes as text: a terminating zero at the last stored position is dropped. The
// character at that position must exist; with no bytes it does not, and that is an invalid
// procedure call.
std::string StoredText(const std::array<std::uint8_t, kBufferSize>& buffer, std::int32_t size) {
  if (size < 1) {
    throw forms::errors::InvalidProcedureCall();
  }
  const auto length = static_cast<std::size_t>(size);
  const bool zeroAtEnd = buffer[length - 1] == 0;
  return std::string(buffer.begin(),
                     buffer.begin() + static_cast<std::ptrdiff_t>(zeroAtEnd ? length - 1 : length));
}

// "&h" and the character codes from the last to the first, two upper-case hex digits each.
// The formatting that follows, with no pattern, leaves such a text as it is.
std::string DwordText(const std::string& value) {
  constexpr const char* kHexDigits = "0123456789ABCDEF";
  std::string text = "&h";
  for (auto character = value.rbegin(); character != value.rend(); ++character) {
    const auto code = static_cast<unsigned char>(*character);
    text += kHexDigits[code >> 4];
    text += kHexDigits[code & 0xF];
  }
  return text;
}

}  // namespace

namespace {

// The primary value names the tool itself; the fallback names its folder, which must hold it.
bool StartFoundTool(SystemServices& host) {
  std::string path;
  if (!GetKeyValue(host.registry, kHkeyLocalMachine, kPrimaryKey, kPrimaryValue, path)) {
    if (!GetKeyValue(host.registry, kHkeyLocalMachine, kFallbackKey, kFallbackValue, path) ||
        host.files.Dir(path + kToolFile).empty()) {
      return false;
    }
    path += kToolFile;
  }
  host.programs.Shell(path, kNormalFocusedWindow);
  return true;
}

}  // namespace

bool GetKeyValue(Registry& registry, RegistryKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
  OpenKey key(registry);
  // Read rights only: asking for write rights too fails for every user who may only read.
  if (registry.RegOpenKeyExA(KeyRoot, KeyName, 0, kKeyRead, key.handle) != kErrorSuccess) {
    key.handle = 0;
    KeyVal = "";
    return false;
  }
  std::array<std::uint8_t, kBufferSize> buffer{};
  auto size = static_cast<std::int32_t>(buffer.size());
  std::int32_t type = 0;
  // Data larger than the buffer count as a missing value, whatever status came with them.
  if (registry.RegQueryValueExA(key.handle, SubKeyRef, type, buffer, size) != kErrorSuccess ||
      size > static_cast<std::int32_t>(buffer.size())) {
    KeyVal = "";
    return false;
  }
  const std::string value = StoredText(buffer, size);
  if (type == kRegSz) {
    KeyVal = value;
  } else if (type == kRegDword) {
    KeyVal = DwordText(value);
  }
  return true;
}

void StartSysInfo(SystemServices& host) {
  bool started = false;
  try {
    started = StartFoundTool(host);
  } catch (const forms::RuntimeError&) {
    // Every failure ends in the one message below.
  }
  if (!started) {
    host.messages.MsgBox(kSysInfoUnavailable, kOkOnly);
  }
}

}  // namespace about
