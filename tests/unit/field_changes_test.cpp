#include "app/field_changes.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>

namespace app {
namespace {

using Area = std::tuple<float, float, float, float>;  // Left, Top, Width, Height in twips
using Areas = std::set<Area>;

Areas AreasOf(const std::vector<forms::Control>& controls) {
  Areas areas;
  for (const forms::Control& area : controls) {
    areas.emplace(area.Left, area.Top, area.Width, area.Height);
  }
  return areas;
}

// After a first showing, a change names the areas that show something else: old and new. A
// target's picture is 18 x 20 pixels, the shot's 2 x 3.
TEST(FieldChangesTest, NamesTheOldAndTheNewAreaOfWhatChanged) {
  using Form = playfield::Form1;
  const std::vector<std::tuple<const char*, std::function<void(Form&)>, Areas>> cases = {
      {"nothing", [](Form&) {}, {}},
      {"a target moves",
       [](Form& f) { f.c(1).Left += 100; },
       {{1350, 3480, 270, 300}, {1450, 3480, 270, 300}}},
      {"a target is hit", [](Form& f) { f.b(2).Visible = false; }, {{3180, 3000, 270, 300}}},
      {"the shot is fired", [](Form& f) { f.f.Visible = true; }, {{0, 4440, 30, 45}}},
  };
  for (const auto& [name, change, expected] : cases) {
    Form form;
    playfield::Form_Load(form);
    FieldChanges changes;
    EXPECT_EQ(changes.Since(form).size(), 8u) << "first: six targets, the cannon, the line";
    change(form);
    EXPECT_EQ(AreasOf(changes.Since(form)), expected) << name;
    EXPECT_TRUE(changes.Since(form).empty()) << name << ": shown already";
  }
}

}  // namespace
}  // namespace app
