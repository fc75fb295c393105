#include "app/field_changes.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

namespace app {
namespace {

using Places = std::set<std::pair<float, float>>;  // Left and Top of each area to repaint

Places PlacesOf(const std::vector<forms::Control>& areas) {
  Places places;
  for (const forms::Control& area : areas) {
    places.emplace(area.Left, area.Top);
  }
  return places;
}

// After a first showing, a change names the places that show something else: old and new.
TEST(FieldChangesTest, NamesTheOldAndTheNewPlaceOfWhatChanged) {
  using Form = playfield::Form1;
  const std::vector<
      std::tuple<const char*, std::function<void(Form&)>, std::function<Places(Form&)>>>
      cases = {
          {"nothing", [](Form&) {}, [](Form&) { return Places{}; }},
          {"a target moves", [](Form& f) { f.c(1).Left += 100; },
           [](Form& f) {
             return Places{{f.c(1).Left, f.c(1).Top}, {f.c(1).Left + 100, f.c(1).Top}};
           }},
          {"a target is hit", [](Form& f) { f.b(2).Visible = false; },
           [](Form& f) {
             return Places{{f.b(2).Left, f.b(2).Top}};
           }},
          {"the shot is fired", [](Form& f) { f.f.Visible = true; },
           [](Form&) {
             return Places{{0, 4440}};
           }},
          {"the line moves", [](Form& f) { f.Line1.Y1 = f.Line1.Y2 = 5055; },
           [](Form&) {
             return Places{{-120, 5040}, {-120, 5055}};
           }},
      };
  for (const auto& [name, change, expected] : cases) {
    Form form;
    playfield::Form_Load(form);
    FieldChanges changes;
    EXPECT_EQ(changes.Since(form).size(), 8u) << "first: six targets, the cannon, the line";
    const Places places = expected(form);
    change(form);
    EXPECT_EQ(PlacesOf(changes.Since(form)), places) << name;
    EXPECT_TRUE(changes.Since(form).empty()) << name << ": shown already";
  }
}

}  // namespace
}  // namespace app
