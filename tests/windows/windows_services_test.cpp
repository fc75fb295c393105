#include "win32/windows_services.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "about/system_info.h"
#include "fakes/fake_services.h"

namespace about {
namespace {

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::vector<std::string> kNoToolShown = {"System Information Is Unavailable At This Time"};

// Wine's registry has the tool's key without its PATH value: the button says the tool is
// unavailable until the value names Wine's tool, as the tool's installer would write it.
TEST(WindowsRegistryTest, TheHostsSystemInformationToolIsFoundAndStarted) {
  WindowsRegistry registry;
  WindowsFileSystem files;
  fakes::Host recorded;
  SystemServices host{registry, recorded, files, recorded};
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  std::string path;
  if (!GetKeyValue(registry, kHkeyLocalMachine, kToolKey, "PATH", path)) {
    StartSysInfo(host);
    EXPECT_EQ(recorded.shown, kNoToolShown);
    path = std::string(system) + "\\msinfo32.exe";
    ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, kToolKey, "PATH", REG_SZ, path.c_str(),
                              static_cast<DWORD>(path.size() + 1)),
              0);
  }
  EXPECT_FALSE(files.Dir(path).empty()) << path << " is no program file";
  EXPECT_EQ(files.Dir(std::string(system) + "\\..") + files.Dir("C:\\none.exe"), "");
  EXPECT_THROW(files.Dir("C:\\a|b"), forms::RuntimeError);
  recorded.started.clear();
  StartSysInfo(host);
  EXPECT_EQ(recorded.started, std::vector<std::string>{path});

  WindowsRegistry missing("vexal-no-such-library");
  recorded.shown.clear();
  SystemServices without{missing, recorded, files, recorded};
  StartSysInfo(without);
  EXPECT_EQ(recorded.shown, kNoToolShown);
}

// The path is one program, blanks and all: where it names no file, a "C:\Program.exe" is not
// started in its place. Both are copies of this test program, which then ends at once.
TEST(WindowsProgramStarterTest, APathWithBlanksIsOneProgram) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string tool = "C:\\Program Files\\x y\\tool.exe";
  CreateDirectoryA("C:\\Program Files\\x y", nullptr);
  ASSERT_TRUE(CopyFileA(self, "C:\\Program.exe", FALSE));
  WindowsProgramStarter programs;
  EXPECT_THROW(programs.Shell(tool, 1), forms::RuntimeError);
  ASSERT_TRUE(CopyFileA(self, tool.c_str(), FALSE));
  EXPECT_NO_THROW(programs.Shell(tool, 1));
  DeleteFileA("C:\\Program.exe");
}

}  // namespace
}  // namespace about
