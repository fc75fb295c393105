#include "assets/pictures.h"

#include <cstdint>
#include <utility>
#include <vector>

// The art is kept one picture row to a source line.
// clang-format off
namespace assets {
namespace {

constexpr std::uint32_t kBrightGreen = 0xFF00FF00;
constexpr std::uint32_t kDarkGreen = 0xFF008000;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kNearWhite = 0xFFF2FAFA;

using Palette = std::vector<std::pair<char, std::uint32_t>>;

const Palette kGreens = {{'G', kBrightGreen}, {'g', kDarkGreen}, {'.', kBlack}};

}  // namespace

const forms::Bitmap& OvalTarget() {
  static const forms::Bitmap picture = forms::BitmapFromArt(
      {
          "......gggggg......",
          "....ggGGGGGGgg....",
          "...gGGGGGGGGGGg...",
          "..gGGGGGGGGGGGGg..",
          ".gGGGGGGGGGGGGGGg.",
          ".gGGGGGGGGGGGGGGg.",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          ".gGGGGGGGGGGGGGGg.",
          ".gGGGGGGGGGGGGGGg.",
          "..gGGGGGGGGGGGGg..",
          "...gGGGGGGGGGGg...",
          "....ggGGGGGGgg....",
          "......gggggg......",
      },
      kGreens);
  return picture;
}

const forms::Bitmap& SquareTarget() {
  static const forms::Bitmap picture = forms::BitmapFromArt(
      {
          "gggggggggggggggggg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gGGGGGGGGGGGGGGGGg",
          "gggggggggggggggggg",
      },
      kGreens);
  return picture;
}

// A turret on a bar of three cells.
const forms::Bitmap& Cannon() {
  static const forms::Bitmap picture = forms::BitmapFromArt(
      {
          "............gggggggggggg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gGGGGGGGGGGg..............",
          "............gggggggggggg..............",
          "gggggggggggggggggggggggggggggggggggggg",
          "gGGGGGGGGGGggGGGGGGGGGGggGGGGGGGGGGGGg",
          "gGGGGGGGGGGggGGGGGGGGGGggGGGGGGGGGGGGg",
          "gGGGGGGGGGGggGGGGGGGGGGggGGGGGGGGGGGGg",
          "gGGGGGGGGGGggGGGGGGGGGGggGGGGGGGGGGGGg",
          "gGGGGGGGGGGggGGGGGGGGGGggGGGGGGGGGGGGg",
          "gGGGGGGGGGGggGGGGGGGGGGggGGGGGGGGGGGGg",
          "gGGGGGGGGGGggGGGGGGGGGGggGGGGGGGGGGGGg",
          "gGGGGGGGGGGggGGGGGGGGGGggGGGGGGGGGGGGg",
          "gGGGGGGGGGGggGGGGGGGGGGggGGGGGGGGGGGGg",
          "gggggggggggggggggggggggggggggggggggggg",
      },
      kGreens);
  return picture;
}

const forms::Bitmap& Shot() {
  static const forms::Bitmap picture = forms::BitmapFromArt({"ww", "ww", "ww"}, {{'w', kNearWhite}});
  return picture;
}

// The playfield in small: two targets, a shot on its way up, the cannon, the ground line, the
// counters and the About caption. Colours from the sixteen-colour palette; '.' is transparent.
const forms::Bitmap& WindowIcon() {
  static const forms::Bitmap picture = forms::BitmapFromArt(
      {
          "................................",
          "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
          ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
          ".kkkkkgggkkkkkkkkkkkkgggggggkkk.",
          ".kkkkgGGGgkkkkkyykkkkgGGGGGgkkk.",
          ".kkkgGGGGGgkkkkyykkkkgGGGGGgkkk.",
          ".kkkgGGGGGgkkkkyykkkkgGGGGGgkkk.",
          ".kkkkgGGGgkkkkkkkkkkkgGGGGGgkkk.",
          ".kkkkkgggkkkkkkwwkkkkgggggggkkk.",
          ".kkkkkkkkkkkkkkwwkkkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkkkwwkkkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkkkwwkkkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkggggggkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkgGGGGgkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkgGGGGgkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkgGGGGgkkkkkkkkkkkk.",
          ".kkkkkkkkggggggggggggggkkkkkkkk.",
          ".kkkkkkkkgGGGGGGGGGGGGgkkkkkkkk.",
          ".kkkkkkkkgGGGGGGGGGGGGgkkkkkkkk.",
          ".kkkkkkkkggggggggggggggkkkkkkkk.",
          ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.",
          ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
          ".kkkrrrkkkrrrkkkrrrkkkkkkkkkkkk.",
          ".kkkrrrkkkrrrkkkrrrkkkkkkkkkkkk.",
          ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
          ".kkkkkkkyyyyyyyyyyyyyyyykkkkkkk.",
          ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
          "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
          "................................",
      },
      {{'.', 0x00000000},
       {'k', 0xFF000000},
       {'g', 0xFF008000},
       {'G', 0xFF00FF00},
       {'w', 0xFFFFFFFF},
       {'y', 0xFFFFFF00},
       {'r', 0xFFFF0000}});
  return picture;
}

}  // namespace assets
// clang-format on
