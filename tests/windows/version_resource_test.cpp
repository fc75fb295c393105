#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<char> OwnVersionInfo() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeA(path, &ignored));
  if (info.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data())) {
    return {};
  }
  return info;
}

TEST(VersionResourceTest, TheProgramCarriesItsVersionResource) {
  std::vector<char> info = OwnVersionInfo();
  ASSERT_FALSE(info.empty());
  struct Case {
    const char* name;
    const char* value;
  };
  for (const Case& test : std::vector<Case>{{"ProductName", "vexal"},
                                            {"InternalName", "Vexal"},
                                            {"OriginalFilename", "Vexal.exe"},
                                            {"FileVersion", "1.00"},
                                            {"ProductVersion", "1.00"}}) {
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + test.name;
    char* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(
        VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
        << test.name;
    EXPECT_STREQ(value, test.value) << test.name;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u) << "1.0";
  EXPECT_EQ(fixed->dwFileVersionLS, 0u) << ".0.0";
}

}  // namespace
