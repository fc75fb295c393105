#include "forms/bitmap.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

Bitmap BitmapFromArt(const std::vector<std::string_view>& rows,
                     const std::vector<std::pair<char, std::uint32_t>>& palette) {
  Bitmap bitmap;
  bitmap.Height = static_cast<int>(rows.size());
  bitmap.Width = static_cast<int>(rows.at(0).size());  // a picture has at least one row
  for (const std::string_view row : rows) {
    if (static_cast<int>(row.size()) != bitmap.Width) {
      throw std::invalid_argument("picture rows differ in width");
    }
    for (const char symbol : row) {
      const auto entry = std::find_if(palette.begin(), palette.end(),
                                      [symbol](const auto& pair) { return pair.first == symbol; });
      if (entry == palette.end()) {
        throw std::invalid_argument("picture symbol not in its palette");
      }
      bitmap.Pixels.push_back(entry->second);
    }
  }
  return bitmap;
}

}  // namespace forms
