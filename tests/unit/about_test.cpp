#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/system_info.h"
#include "fakes/fake_services.h"

namespace about {
namespace {

using fakes::Bytes;
using fakes::RegistryValue;
using Value = std::optional<RegistryValue>;

Value Text(const std::string& text, bool withZero = true, std::int32_t type = kRegSz) {
  return RegistryValue{.type = type, .bytes = Bytes(text, withZero)};
}

const std::string kPrimary = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFallback = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kUnavailable = "System Information Is Unavailable At This Time";
const std::string kTool = "C:\\Program Files\\Info\\msinfo32.exe";
const std::string kFolder = "C:\\Tools";
const std::string kInFolder = kFolder + "\\MSINFO32.EXE";
const std::string k1023(1023, 'a');
constexpr int kNormalFocus = 1;  // the tool's window, shown and active
constexpr int kOkOnly = 0;
constexpr std::int32_t kRegExpandSz = 2;  // a text with variables to expand: not a path

TEST(StartSysInfoTest, WhatIsStartedForWhatTheRegistryHolds) {
  struct Case {
    const char* name;
    Value primary, fallback;
    bool toolInFolder, startFails;
    std::string started;  // empty: the message instead
    std::size_t keysOpened;
  };
  const std::vector<Case> cases = {
      {"primary", Text(kTool), Text(kFolder), true, false, kTool, 1},
      {"without its zero", Text(kTool, false), {}, false, false, kTool, 1},
      {"fallback", {}, Text(kFolder), true, false, kInFolder, 1},
      {"fallback lacks the tool", {}, Text(kFolder), false, false, "", 1},
      {"neither key", {}, {}, true, false, "", 0},
      {"1024 bytes", Text(k1023), {}, false, false, k1023, 1},
      {"1025 bytes", Text(k1023 + "a"), {}, false, false, "", 1},
      {"1025 bytes and success", RegistryValue{.bytes = Bytes(kTool), .reportedSize = 1025},
       Text(kFolder), true, false, kInFolder, 2},
      {"no data bytes", RegistryValue{.bytes = {}}, Text(kFolder), true, false, "", 1},
      {"one byte", Text("x", false), {}, false, false, "x", 1},
      {"an expandable text", Text(kTool, true, kRegExpandSz), {}, false, false, "", 1},
      {"a number", Text("\x01\x02\x03\xAB", false, kRegDword), {}, false, false, "&hAB030201", 1},
      {"zero ends a number",
       Text(std::string("\x05\x01\x00", 3), true, kRegDword),
       {},
       false,
       false,
       "&h000105",
       1},
      {"a start that fails", Text(kTool), Text(kFolder), true, true, "", 1}};
  for (const Case& test : cases) {
    fakes::Services fake;
    if (test.primary) {
      fake.registry.keys[kPrimary]["PATH"] = *test.primary;
    }
    if (test.fallback) {
      fake.registry.keys[kFallback]["MSINFO"] = *test.fallback;
    }
    if (test.toolInFolder) {
      fake.recorded.files = {kInFolder};
    }
    if (test.startFails) {
      fake.recorded.failing = {kTool};
    }
    StartSysInfo(fake.host);

    std::vector<std::string> seen = fake.recorded.started;
    seen.insert(seen.end(), fake.recorded.shown.begin(), fake.recorded.shown.end());
    EXPECT_EQ(seen, std::vector<std::string>{test.started.empty() ? kUnavailable : test.started})
        << test.name;
    EXPECT_EQ(fake.recorded.styles, std::vector<int>{test.started.empty() ? kOkOnly : kNormalFocus})
        << test.name;
    EXPECT_EQ(fake.registry.opened.size(), test.keysOpened) << test.name;
    EXPECT_TRUE(fake.registry.open.empty()) << test.name << ": every opened key is closed";
  }
}

}  // namespace
}  // namespace about
