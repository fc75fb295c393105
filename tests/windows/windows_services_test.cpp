#include "about/windows_services.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "about/system_info.h"
#include "fakes/fake_services.h"

namespace about {
namespace {

constexpr RegistryKey kHkeyCurrentUser = static_cast<RegistryKey>(0x80000001u);
const char* kTestKey = "Software\\VexalTests";

// The real registry, with every access mask the lookup asks for written down.
class RecordingRegistry : public Registry {
 public:
  RegistryStatus RegOpenKeyExA(RegistryKey key, const std::string& subKey, std::int32_t options,
                               std::int32_t access, RegistryKey& opened) override {
    accessAsked.push_back(access);
    return real_.RegOpenKeyExA(key, subKey, options, access, opened);
  }
  RegistryStatus RegQueryValueExA(RegistryKey key, const std::string& name, std::int32_t& type,
                                  std::span<std::uint8_t> data, std::int32_t& size) override {
    return real_.RegQueryValueExA(key, name, type, data, size);
  }
  RegistryStatus RegCloseKey(RegistryKey key) override { return real_.RegCloseKey(key); }

  std::vector<std::int32_t> accessAsked;

 private:
  WindowsRegistry real_;
};

void SetValue(HKEY key, const char* name, DWORD type, const void* data, std::size_t size) {
  ASSERT_EQ(
      RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)),
      ERROR_SUCCESS);
}

TEST(WindowsRegistryTest, ValuesOfTheRealRegistryThroughGetKeyValue) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const std::string text = "C:\\Tools\\tool.exe";
  const DWORD number = 0x00000105;
  const std::string expandable = "%SystemRoot%\\tool.exe";
  const std::string large(2000, 'a');
  SetValue(key, "text", REG_SZ, text.c_str(), text.size() + 1);
  SetValue(key, "number", REG_DWORD, &number, sizeof number);
  SetValue(key, "expandable", REG_EXPAND_SZ, expandable.c_str(), expandable.size() + 1);
  SetValue(key, "large", REG_SZ, large.c_str(), large.size() + 1);
  RegCloseKey(key);

  struct Case {
    std::string key, value;
    bool found;
    std::string text;
  };
  RecordingRegistry registry;
  for (const Case& test :
       std::vector<Case>{{kTestKey, "text", true, text},
                         {kTestKey, "number", true, "&h000105"},
                         {kTestKey, "expandable", true, "unchanged"},
                         {kTestKey, "large", false, ""},
                         {kTestKey, "missing", false, ""},
                         {std::string(kTestKey) + "\\None", "text", false, ""}}) {
    std::string value = "unchanged";
    EXPECT_EQ(GetKeyValue(registry, kHkeyCurrentUser, test.key, test.value, value), test.found)
        << test.value;
    EXPECT_EQ(value, test.text) << test.value;
  }
  for (const std::int32_t access : registry.accessAsked) {
    EXPECT_EQ(access, KEY_READ) << "no write rights";
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
}

// Wine's own registry has the tool's key but leaves its PATH value out, so there the button
// says the tool is unavailable. Once the value names Wine's tool, as an installer of the tool
// would write it, the primary lookup finds a real program file and starts it.
TEST(WindowsRegistryTest, TheHostsSystemInformationKey) {
  WindowsRegistry registry;
  WindowsFileSystem files;
  RegistryKey opened = 0;
  ASSERT_EQ(registry.RegOpenKeyExA(kHkeyLocalMachine, kPrimaryKey, 0, KEY_READ, opened),
            ERROR_SUCCESS);
  registry.RegCloseKey(opened);

  fakes::Programs programs;
  fakes::Messages messages;
  SystemServices host{registry, programs, files, messages};
  std::string path;
  if (!GetKeyValue(registry, kHkeyLocalMachine, kPrimaryKey, kPrimaryValue, path)) {
    StartSysInfo(host);
    EXPECT_EQ(messages.shown, std::vector<std::string>{kSysInfoUnavailable});
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string tool = std::string(system) + "\\msinfo32.exe";
    ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, kPrimaryKey, kPrimaryValue, REG_SZ, tool.c_str(),
                              static_cast<DWORD>(tool.size() + 1)),
              ERROR_SUCCESS);
    ASSERT_TRUE(GetKeyValue(registry, kHkeyLocalMachine, kPrimaryKey, kPrimaryValue, path));
    EXPECT_EQ(path, tool);
  }
  EXPECT_FALSE(files.Dir(path).empty()) << path << " is no program file";
  programs.started.clear();
  StartSysInfo(host);
  EXPECT_EQ(programs.started, std::vector<std::string>{path});
}

TEST(WindowsRegistryTest, WithoutTheRegistryFunctionsTheButtonSaysUnavailable) {
  WindowsRegistry registry("vexal-no-such-library");
  WindowsFileSystem files;
  fakes::Programs programs;
  fakes::Messages messages;
  SystemServices host{registry, programs, files, messages};
  StartSysInfo(host);
  EXPECT_TRUE(programs.started.empty());
  EXPECT_EQ(messages.shown, std::vector<std::string>{kSysInfoUnavailable});
}

// A copy of this test program under another name, which marks that it ran.
std::string StandIn(const std::string& path) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  DeleteFileA((path + ".ran").c_str());
  return CopyFileA(self, path.c_str(), FALSE) ? path : "";
}

bool Ran(const std::string& path) {
  for (int waited = 0; waited < 100; ++waited) {
    if (GetFileAttributesA((path + ".ran").c_str()) != INVALID_FILE_ATTRIBUTES) {
      return true;
    }
    Sleep(50);
  }
  return false;
}

TEST(WindowsProgramStarterTest, APathWithBlanksIsOneProgram) {
  CreateDirectoryA("C:\\Program Files\\x y", nullptr);
  DeleteFileA("C:\\Program Files\\x y\\tool.exe");
  const std::string trap = StandIn("C:\\Program.exe");
  ASSERT_FALSE(trap.empty());
  WindowsProgramStarter programs;
  EXPECT_THROW(programs.Shell("C:\\Program Files\\x y\\tool.exe", 1), forms::RuntimeError);

  fakes::Services fake;
  fake.registry.keys[kPrimaryKey][kPrimaryValue] = {
      .bytes = fakes::Bytes("C:\\Program Files\\x y\\tool.exe")};
  WindowsFileSystem files;
  SystemServices host{fake.registry, programs, files, fake.messages};
  StartSysInfo(host);
  EXPECT_EQ(fake.messages.shown, std::vector<std::string>{kSysInfoUnavailable});

  const std::string tool = StandIn("C:\\Program Files\\x y\\tool.exe");
  programs.Shell(tool, 1);
  EXPECT_TRUE(Ran(tool));
  EXPECT_FALSE(Ran(trap)) << "C:\\Program.exe was started";
  DeleteFileA(trap.c_str());
  DeleteFileA(tool.c_str());
}

TEST(WindowsFileSystemTest, OrdinaryFilesByTheirAttributes) {
  const std::string folder = "C:\\vexal-files";
  CreateDirectoryA(folder.c_str(), nullptr);
  struct Case {
    const char* name;
    DWORD attributes;  // 0: a folder
    std::string seen;
  };
  WindowsFileSystem files;
  for (const Case& test : std::vector<Case>{{"plain.exe", FILE_ATTRIBUTE_NORMAL, "plain.exe"},
                                            {"hidden.exe", FILE_ATTRIBUTE_HIDDEN, ""},
                                            {"system.exe", FILE_ATTRIBUTE_SYSTEM, ""},
                                            {"folder", 0, ""}}) {
    const std::string path = folder + "\\" + test.name;
    if (test.attributes == 0) {
      CreateDirectoryA(path.c_str(), nullptr);
    } else {
      CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              test.attributes, nullptr));
    }
    EXPECT_EQ(files.Dir(path), test.seen) << test.name;
  }
  EXPECT_EQ(files.Dir(folder + "\\missing.exe"), "");
  EXPECT_THROW(files.Dir(folder + std::string(1, '\0') + "x"), forms::RuntimeError);
  EXPECT_THROW(files.Dir(folder + "\\a|b"), forms::RuntimeError);
}

}  // namespace
}  // namespace about
