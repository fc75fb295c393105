#include "posix/posix_services.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "about/system_info.h"
#include "fakes/fake_services.h"

namespace about {
namespace {

namespace fs = std::filesystem;

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// What the tools that ran wrote in the log, one path a line.
std::string Ran(const fs::path& log) {
  return (std::stringstream() << std::ifstream(log).rdbuf()).str();
}

struct Case {
  std::vector<std::string> tools;  // "a/name" or "b/name"; "-" before it: not executable
  std::string value;               // the registry's value; empty: the stand-in registry
  std::string started;             // the tool started, as "a/name"; empty: the message instead
};

// Folders a and b, in that order on PATH, hold tools that write their path in a log when they
// run. The stand-in registry names the first tool of its list that a folder holds, the earlier
// folder first; a value of the registry is one program path, never split at blanks, never given
// to a shell.
TEST(PosixServicesTest, TheFirstToolOfTheListIsStartedAndAValueIsNeverAShellCommand) {
  char pattern[] = "/tmp/vexal-host-XXXXXX";
  const fs::path root = mkdtemp(pattern);
  const fs::path log = root / "ran";
  const std::string marker = (root / "made").string();
  const std::vector<Case> cases = {
      {{"a/xfce4-taskmanager", "b/hardinfo"}, "", "b/hardinfo"},
      {{"b/kinfocenter", "a/kinfocenter"}, "", "a/kinfocenter"},
      {{"a/mate-system-monitor", "a/gnome-system-monitor"}, "", "a/gnome-system-monitor"},
      {{"-a/hardinfo", "b/xfce4-taskmanager"}, "", "b/xfce4-taskmanager"},
      {{"a/top"}, "", ""},
      {{"a/my tool"}, "/bin/echo; /usr/bin/touch " + marker, ""},
      {{"a/my tool"}, "CASE/a/my", ""},
      {{"a/my tool"}, "CASE/a/my tool", "a/my tool"}};
  const std::string savedPath = std::getenv("PATH");
  PosixProgramStarter programs;
  PosixFileSystem files;
  std::string expectedLog;
  for (int number = 0; const Case& test : cases) {
    const fs::path folder = root / std::to_string(++number);
    for (const char* name : {"a", "b"}) {
      fs::create_directories(folder / name);
    }
    for (std::string tool : test.tools) {
      const bool executable = !tool.starts_with('-');
      tool.erase(0, executable ? 0 : 1);
      std::ofstream(folder / tool) << "#!/bin/sh\necho \"$0\" >> '" << log.string() << "'\n";
      fs::permissions(folder / tool, executable ? fs::perms::owner_all : fs::perms::owner_read);
    }
    setenv("PATH", ((folder / "a").string() + ":" + (folder / "b").string()).c_str(), 1);
    const std::string value =
        test.value.starts_with("CASE/") ? folder.string() + test.value.substr(4) : test.value;
    fakes::Registry registry;
    registry.keys[kToolKey]["PATH"] = {.bytes = fakes::Bytes(value)};
    StandInRegistry standIn;
    fakes::Host messages;
    SystemServices host{value.empty() ? static_cast<Registry&>(standIn) : registry, programs, files,
                        messages};
    StartSysInfo(host);
    EXPECT_EQ(messages.shown.empty(), !test.started.empty()) << number;
    if (!test.started.empty()) {
      expectedLog += (folder / test.started).string() + "\n";
    }
    for (int waited = 0; Ran(log) != expectedLog && waited < 500; ++waited) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(Ran(log), expectedLog) << number;
  }
  EXPECT_FALSE(fs::exists(marker)) << "a value ran as a shell command";
  setenv("PATH", (root / "1" / "b").c_str(), 1);  // which holds a tool
  RegistryKey key = 0;
  EXPECT_EQ(StandInRegistry().RegOpenKeyExA(static_cast<RegistryKey>(0x80000002u), kToolKey, 0,
                                            0x2003F, key),
            5)
      << "read rights only";
  setenv("PATH", savedPath.c_str(), 1);
  fs::remove_all(root);
}

}  // namespace
}  // namespace about
