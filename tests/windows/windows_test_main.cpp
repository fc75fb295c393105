// The Windows test program. Copied under another name it is a stand-in program that ends at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (!std::string(path).ends_with("\\vexal_windows_tests.exe")) {
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
