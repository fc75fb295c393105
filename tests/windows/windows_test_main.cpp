// The Windows test program. Copied under another name it is a stand-in program: started, it
// only leaves a mark beside itself ("NAME.ran") and ends, so tests see what was started.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string self = path;
  if (self.substr(self.find_last_of('\\') + 1) != "vexal_windows_tests.exe") {
    const HANDLE mark = CreateFileA((self + ".ran").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(mark);
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
