#include "qt/posix_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "about/system_info.h"
#include "fakes/fake_services.h"

namespace about {
namespace {

namespace fs = std::filesystem;

// In a folder of its own, alone on PATH: tools that add a mark each time they run, and presses of
// System Info with the stand-in registry or with a registry that holds a given value. The value
// is one program path: never split at blanks, never given to a shell.
TEST(PosixServicesTest, TheToolOnPathIsStartedAndAValueIsNeverAShellCommand) {
  char pattern[] = "/tmp/vexal-host-XXXXXX";
  const fs::path folder = mkdtemp(pattern);
  const std::string savedPath = std::getenv("PATH");
  setenv("PATH", folder.c_str(), 1);
  for (const std::string tool : {"gnome-system-monitor", "my tool"}) {
    std::ofstream(folder / tool) << "#!/bin/sh\necho >> '" << (folder / tool).string() << ".ran'\n";
    fs::permissions(folder / tool, fs::perms::owner_all);
  }
  const std::string marker = (folder / "made").string();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "gnome-system-monitor"},  // the stand-in registry
      {"/bin/echo; /usr/bin/touch " + marker, ""},
      {(folder / "my").string(), ""},
      {(folder / "my tool").string(), "my tool"}};
  PosixProgramStarter programs;
  PosixFileSystem files;
  for (const auto& [value, started] : cases) {
    fakes::Registry registry;
    registry.keys[kPrimaryKey][kPrimaryValue] = {.bytes = fakes::Bytes(value)};
    StandInRegistry standIn;
    fakes::Host messages;
    SystemServices host{value.empty() ? static_cast<Registry&>(standIn) : registry, programs, files,
                        messages};
    StartSysInfo(host);
    EXPECT_EQ(messages.shown.empty(), !started.empty()) << value;
    for (int waited = 0; !started.empty() && waited < 500; ++waited) {
      if (fs::exists(folder / (started + ".ran")))
        break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  // Each tool ran once, for its own case, and the command in a value never ran.
  for (const std::string tool : {"gnome-system-monitor", "my tool"}) {
    std::ifstream marks(folder / (tool + ".ran"));
    EXPECT_EQ(std::count(std::istreambuf_iterator<char>(marks), {}, '\n'), 1) << tool;
  }
  EXPECT_FALSE(fs::exists(marker));
  RegistryKey key = 0;
  EXPECT_EQ(StandInRegistry().RegOpenKeyExA(kHkeyLocalMachine, kPrimaryKey, 0, 0x2003F, key),
            kErrorAccessDenied)
      << "read rights only";
  setenv("PATH", savedPath.c_str(), 1);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace about
