#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "about/about_box.h"
#include "about/system_info.h"
#include "fakes/fake_services.h"

namespace about {
namespace {

using fakes::Bytes;
using fakes::RegistryValue;

const std::string kPrimary = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFallback = "SOFTWARE\\Microsoft\\Shared Tools Location";

std::vector<std::uint8_t> WithZero(const std::string& text) {
  std::vector<std::uint8_t> bytes = Bytes(text);
  bytes.push_back(0);
  return bytes;
}

TEST(StartSysInfoTest, WhatIsStartedForWhatTheRegistryHolds) {
  struct Case {
    const char* name;
    std::optional<RegistryValue> primary;
    std::optional<RegistryValue> fallback;
    std::set<std::string> files;
    bool startFails;
    std::vector<std::string> started;
    std::vector<std::string> openedKeys;
  };
  const std::string tool = "C:\\Program Files\\Info\\msinfo32.exe";
  const std::string folder = "C:\\Tools";
  const std::string inFolder = folder + "\\MSINFO32.EXE";
  const std::string long1024(1023, 'a');
  for (const Case& test : std::vector<Case>{
           {"primary",
            RegistryValue{.bytes = WithZero(tool)},
            RegistryValue{.bytes = WithZero(folder)},
            {},
            false,
            {tool},
            {kPrimary}},
           {"primary without its zero",
            RegistryValue{.bytes = Bytes(tool)},
            {},
            {},
            false,
            {tool},
            {kPrimary}},
           {"fallback folder holds the tool",
            {},
            RegistryValue{.bytes = WithZero(folder)},
            {inFolder},
            false,
            {inFolder},
            {kFallback}},
           {"fallback folder lacks it",
            {},
            RegistryValue{.bytes = WithZero(folder)},
            {},
            false,
            {},
            {kFallback}},
           {"neither key", {}, {}, {}, false, {}, {}},
           {"1024 bytes are read",
            RegistryValue{.bytes = WithZero(long1024)},
            {},
            {},
            false,
            {long1024},
            {kPrimary}},
           {"1025 bytes count as missing",
            RegistryValue{.bytes = WithZero(long1024 + "a")},
            {},
            {},
            false,
            {},
            {kPrimary}},
           {"1025 bytes that the registry calls a success count as missing",
            RegistryValue{.bytes = WithZero(tool), .reportedSize = 1025},
            RegistryValue{.bytes = WithZero(folder)},
            {inFolder},
            false,
            {inFolder},
            {kPrimary, kFallback}},
           {"no data bytes", RegistryValue{.bytes = {}}, {}, {}, false, {}, {kPrimary}},
           {"an expandable text leaves the path empty",
            RegistryValue{.type = kRegExpandSz, .bytes = WithZero(tool)},
            {},
            {},
            false,
            {},
            {kPrimary}},
           {"a start that fails",
            RegistryValue{.bytes = WithZero(tool)},
            {},
            {},
            true,
            {},
            {kPrimary}},
       }) {
    fakes::Services fake;
    if (test.primary) {
      fake.registry.keys[kPrimary]["PATH"] = *test.primary;
    }
    if (test.fallback) {
      fake.registry.keys[kFallback]["MSINFO"] = *test.fallback;
    }
    fake.files.files = test.files;
    fake.programs.fails = test.startFails;
    StartSysInfo(fake.host);

    EXPECT_EQ(fake.programs.started, test.started) << test.name;
    const bool message = test.started.empty();
    EXPECT_EQ(fake.messages.shown,
              message ? std::vector<std::string>{"System Information Is Unavailable At This Time"}
                      : std::vector<std::string>{})
        << test.name;
    EXPECT_EQ(fake.registry.opened, test.openedKeys) << test.name;
    EXPECT_EQ(fake.registry.openKeys, 0) << test.name << ": every opened key is closed";
    for (const std::int32_t access : fake.registry.accessAsked) {
      EXPECT_EQ(access, 0x20019) << test.name << ": read rights only";
    }
  }
}

TEST(StartSysInfoTest, EveryPressStartsTheToolAgain) {
  fakes::Services fake;
  fake.registry.keys[kPrimary]["PATH"] = {.bytes = WithZero("/usr/bin/hardinfo")};
  cmdSysInfo_Click(fake.host);
  cmdSysInfo_Click(fake.host);
  EXPECT_EQ(fake.programs.started.size(), 2u);
}

TEST(GetKeyValueTest, ValueTypesAsText) {
  struct Case {
    const char* name;
    std::int32_t type;
    std::vector<std::uint8_t> bytes;
    std::string text;
  };
  for (const Case& test : std::vector<Case>{
           {"text", kRegSz, WithZero("abc"), "abc"},
           {"a number", kRegDword, {0x05, 0x01, 0x00, 0x00}, "&h000105"},
           {"a number with no zero at its end", kRegDword, {1, 2, 3, 4}, "&h04030201"},
           {"another type is found and leaves KeyVal", 3, {1, 2}, "kept"},
       }) {
    fakes::Registry registry;
    registry.keys["K"]["V"].type = test.type;
    registry.keys["K"]["V"].bytes = test.bytes;
    std::string value = "kept";
    EXPECT_TRUE(GetKeyValue(registry, kHkeyLocalMachine, "K", "V", value)) << test.name;
    EXPECT_EQ(value, test.text) << test.name;
  }
  fakes::Registry registry;
  registry.keys["K"] = {};
  for (const auto& [key, name] :
       std::vector<std::pair<std::string, std::string>>{{"K", "missing"}, {"none", "V"}}) {
    std::string value = "kept";
    EXPECT_FALSE(GetKeyValue(registry, kHkeyLocalMachine, key, name, value));
    EXPECT_EQ(value, "");
  }
}

// A registry that answers anything at all: any status, type and size, any bytes.
class ArbitraryRegistry : public Registry {
 public:
  explicit ArbitraryRegistry(std::mt19937& random) : random_(random) {}
  RegistryStatus RegOpenKeyExA(RegistryKey, const std::string&, std::int32_t, std::int32_t,
                               RegistryKey& opened) override {
    opened = 7;
    return Pick(0, 3) == 0 ? kErrorFileNotFound : kErrorSuccess;
  }
  RegistryStatus RegQueryValueExA(RegistryKey, const std::string&, std::int32_t& type,
                                  std::span<std::uint8_t> data, std::int32_t& size) override {
    type = Pick(0, 8);
    // Bytes from a cheap stream seeded once per answer: the byte values matter, not their quality.
    std::uint64_t stream = static_cast<std::uint64_t>(Pick(0, 1 << 30));
    const int written = Pick(0, static_cast<int>(data.size()));
    for (int i = 0; i < written; ++i) {
      stream = stream * 6364136223846793005u + 1442695040888963407u;
      data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(stream >> 56);
    }
    const int choice = Pick(0, 9);
    size = choice == 0 ? Pick(-5, 0) : choice == 1 ? Pick(1025, 1 << 30) : Pick(0, 1100);
    return Pick(0, 5) == 0 ? kErrorMoreData : kErrorSuccess;
  }
  RegistryStatus RegCloseKey(RegistryKey) override { return kErrorSuccess; }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::mt19937& random_;
};

TEST(GetKeyValueTest, AMillionArbitraryAnswersGiveADefinedResult) {
  std::mt19937 random(1024);
  ArbitraryRegistry registry(random);
  int found = 0;
  int errors = 0;
  for (int i = 0; i < 1'000'000; ++i) {
    std::string value = "before";
    try {
      const bool result = GetKeyValue(registry, kHkeyLocalMachine, "K", "V", value);
      found += result;
      ASSERT_LE(value.size(), 2 + 2 * 1024u);
      if (!result) {
        ASSERT_EQ(value, "");
      }
    } catch (const forms::RuntimeError& error) {
      ASSERT_EQ(error.Number(), 5);
      ++errors;
    }
  }
  EXPECT_GT(found, 0);
  EXPECT_GT(errors, 0);
}

// Records the window operations the handlers ask for, in order.
struct Windows : AboutWindows {
  explicit Windows(playfield::Form1& form) : form_(form) {}
  void ShowAbout() override {
    calls.push_back("show at " + std::to_string(form_.Timer1.Interval()));
  }
  void UnloadAbout() override { calls.push_back("unload"); }
  std::vector<std::string> calls;

 private:
  playfield::Form1& form_;
};

TEST(AboutBoxTest, OpeningPausesAndOnlyOkResumes) {
  playfield::Form1 form;
  Windows windows(form);
  Label4_Click(form, windows);
  Label4_Click(form, windows);
  EXPECT_EQ(form.Timer1.Interval(), 0);
  cmdOK_Click(&form, windows);
  EXPECT_EQ(form.Timer1.Interval(), 1);
  EXPECT_EQ(windows.calls, (std::vector<std::string>{"show at 0", "show at 0", "unload"}));

  form.Timer1.SetInterval(0);
  cmdOK_Click(nullptr, windows);  // the main window is gone: nothing of it is touched
  EXPECT_EQ(form.Timer1.Interval(), 0);
  EXPECT_EQ(windows.calls.back(), "unload");

  frmAbout box;
  Form_Load(box);
  EXPECT_EQ(box.Caption, "About vexal");
}

}  // namespace
}  // namespace about
