#include "about/posix_services.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "about/system_info.h"
#include "fakes/fake_services.h"

namespace about {
namespace {

namespace fs = std::filesystem;

// A folder of its own for each test, and PATH pointing only there while the test runs.
class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vexal-host-XXXXXX";
    folder_ = mkdtemp(pattern);
    const char* path = std::getenv("PATH");
    savedPath_ = path == nullptr ? "" : path;
    setenv("PATH", folder_.c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", savedPath_.c_str(), 1);
    fs::remove_all(folder_);
  }

  // A program that leaves a mark when it runs.
  fs::path Tool(const std::string& name) {
    const fs::path tool = folder_ / name;
    std::ofstream(tool) << "#!/bin/sh\n/usr/bin/touch '" << (folder_ / "ran").string() << "'\n";
    fs::permissions(tool, fs::perms::owner_all);
    return tool;
  }

  bool Ran(std::chrono::milliseconds within) const {
    const auto until = std::chrono::steady_clock::now() + within;
    while (std::chrono::steady_clock::now() < until) {
      if (fs::exists(folder_ / "ran")) {
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return fs::exists(folder_ / "ran");
  }

  void PressSysInfo() {
    SystemServices host{registry_, programs_, files_, messages_};
    StartSysInfo(host);
  }

  fs::path folder_;
  std::string savedPath_;
  StandInRegistry registry_;
  PosixProgramStarter programs_;
  PosixFileSystem files_;
  fakes::Messages messages_;
};

TEST_F(HostTest, ASystemInfoToolOnPathIsStarted) {
  Tool("gnome-system-monitor");
  PressSysInfo();
  EXPECT_TRUE(Ran(std::chrono::seconds(10)));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(HostTest, WithNoToolOnPathTheMessageIsShown) {
  Tool("not-a-system-tool");
  PressSysInfo();
  EXPECT_EQ(messages_.shown, std::vector<std::string>{kSysInfoUnavailable});
  EXPECT_FALSE(Ran(std::chrono::milliseconds(200)));
}

TEST_F(HostTest, TheWholeValueIsOneProgramAndNeverAShellCommand) {
  Tool("my tool");
  const fs::path marker = folder_ / "made";
  for (const auto& [value, starts] : std::vector<std::pair<std::string, bool>>{
           {"/bin/echo; /usr/bin/touch " + marker.string(), false},
           {"/bin/sh -c '/usr/bin/touch " + marker.string() + "'", false},
           {(folder_ / "my").string(), false},
           {(folder_ / "my tool").string(), true}}) {
    fakes::Services fake;
    fake.registry.keys[kPrimaryKey][kPrimaryValue] = {.bytes = fakes::Bytes(value)};
    SystemServices host{fake.registry, programs_, files_, fake.messages};
    StartSysInfo(host);
    EXPECT_EQ(fake.messages.shown.empty(), starts) << value;
  }
  EXPECT_TRUE(Ran(std::chrono::seconds(10)));
  EXPECT_FALSE(fs::exists(marker));
}

TEST_F(HostTest, TheStandInRegistryGrantsReadRightsOnly) {
  Tool("hardinfo");
  for (const auto& [access, status] : std::vector<std::pair<std::int32_t, RegistryStatus>>{
           {kKeyRead, kErrorSuccess}, {0x2003F, kErrorAccessDenied}}) {
    RegistryKey key = 0;
    EXPECT_EQ(registry_.RegOpenKeyExA(kHkeyLocalMachine, kPrimaryKey, 0, access, key), status);
    if (status == kErrorSuccess) {
      registry_.RegCloseKey(key);
    }
  }
  RegistryKey key = 0;
  EXPECT_EQ(registry_.RegOpenKeyExA(kHkeyLocalMachine, kFallbackKey, 0, kKeyRead, key),
            kErrorFileNotFound);
}

TEST_F(HostTest, TheFileTestSeesOrdinaryFilesOnly) {
  std::ofstream(folder_ / "plain");
  std::ofstream(folder_ / ".hidden");
  fs::create_directory(folder_ / "folder");
  for (const auto& [name, seen] : std::vector<std::pair<std::string, std::string>>{
           {"plain", "plain"}, {".hidden", ""}, {"folder", ""}, {"missing", ""}}) {
    EXPECT_EQ(files_.Dir((folder_ / name).string()), seen) << name;
  }
  const std::string malformed = (folder_ / "plain").string() + std::string(1, '\0') + "x";
  EXPECT_THROW(files_.Dir(malformed), forms::RuntimeError);
}

}  // namespace
}  // namespace about
