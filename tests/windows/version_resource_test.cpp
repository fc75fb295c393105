#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

TEST(VersionResourceTest, TheProgramCarriesItsVersionResource) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::vector<char> info(GetFileVersionInfoSizeA(path, nullptr));
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()));
  const std::vector<std::pair<std::string, std::string>> cases = {{"ProductName", "vexal"},
                                                                  {"InternalName", "Vexal"},
                                                                  {"OriginalFilename", "Vexal.exe"},
                                                                  {"FileVersion", "1.00"},
                                                                  {"ProductVersion", "1.00"}};
  for (const auto& [name, expected] : cases) {
    char* value = nullptr;
    UINT length = 0;
    const std::string query = "\\StringFileInfo\\040904B0\\" + name;
    ASSERT_TRUE(
        VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length));
    EXPECT_STREQ(value, expected.c_str()) << name;
  }
}

}  // namespace
