// Reads a running Windows program's label texts the way accessibility tools do: the window
// texts of its static controls, read from another process of the same Wine prefix.
// Usage: read_label TEXT          prints the text of the label just right of the label TEXT
//        read_label --shows TEXT   succeeds once a label shows TEXT
//        read_label --repaint TITLE  draws the window with that title whole again, as a test's
//                                    reference for what partial repaints left
#include <windows.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Labels = std::vector<std::tuple<LONG, LONG, std::string>>;  // top, left, text

BOOL CALLBACK CollectLabel(HWND control, LPARAM labels) {
  char type[16] = {};
  char text[256] = {};
  RECT place{};
  GetClassNameA(control, type, sizeof type);
  GetWindowTextA(control, text, sizeof text);
  GetWindowRect(control, &place);
  if (lstrcmpiA(type, "Static") == 0 && IsWindowVisible(control)) {
    reinterpret_cast<Labels*>(labels)->emplace_back(place.top, place.left, text);
  }
  return TRUE;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM labels) {
  EnumChildWindows(window, CollectLabel, labels);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string wanted = argv[argc - 1];
  if (std::string(argv[1]) == "--repaint") {
    const HWND window = FindWindowA(nullptr, wanted.c_str());
    return window != nullptr &&
                   RedrawWindow(window, nullptr, nullptr,
                                RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN)
               ? 0
               : 1;
  }
  for (int tries = 0; tries < 50; ++tries, Sleep(200)) {
    Labels labels;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&labels));
    for (const auto& [top, left, text] : labels) {
      if (text != wanted) {
        continue;
      }
      if (std::string(argv[1]) == "--shows") {
        return 0;
      }
      const std::tuple<LONG, LONG, std::string>* right = nullptr;
      for (const auto& label : labels) {
        if (std::get<0>(label) == top && std::get<1>(label) > left &&
            (right == nullptr || std::get<1>(label) < std::get<1>(*right))) {
          right = &label;
        }
      }
      if (right != nullptr) {
        std::printf("%s\n", std::get<2>(*right).c_str());
        return 0;
      }
    }
  }
  std::fprintf(stderr, "no label found for %s\n", wanted.c_str());
  return 1;
}
