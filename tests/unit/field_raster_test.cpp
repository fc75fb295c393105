#include "web/field_raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include "app/field_changes.h"

namespace web {
namespace {

constexpr int kCssWidth = 208;
constexpr int kCssHeight = 400;

std::uint32_t PixelAt(const FieldRaster& raster, int x, int y) {
  std::uint32_t pixel = 0;
  std::memcpy(&pixel, raster.Bytes() + 4 * (static_cast<std::size_t>(y) * raster.Width() + x), 4);
  return pixel;
}

FieldRaster DrawnWhole(const playfield::Form1& form, double ratio) {
  FieldRaster raster;
  raster.Resize(ratio, kCssWidth, kCssHeight);
  raster.Draw(form, {0, 0, raster.Width(), raster.Height()});
  return raster;
}

playfield::Form1 LoadedForm() {
  playfield::Form1 form;
  playfield::Form_Load(form);
  return form;
}

// Every device pixel shows the CSS pixel whose rounded edges hold it: x*r < X + 0.5 <= (x+1)*r.
TEST(FieldRasterTest, EveryCssPixelCoversAWholeBlockOfDevicePixels) {
  const playfield::Form1 form = LoadedForm();
  const FieldRaster css = DrawnWhole(form, 1);
  for (const auto& [ratio, width, height] : std::vector<std::tuple<double, int, int>>{
           {1, 208, 400}, {1.25, 260, 500}, {1.5, 312, 600}, {2, 416, 800}, {3, 624, 1200}}) {
    const FieldRaster device = DrawnWhole(form, ratio);
    ASSERT_EQ(device.Width(), width) << ratio;
    ASSERT_EQ(device.Height(), height) << ratio;
    const auto cssOf = [ratio](int X) {
      return static_cast<int>(std::ceil((X + 0.5) / ratio)) - 1;
    };
    int differing = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        differing += PixelAt(device, x, y) != PixelAt(css, cssOf(x), cssOf(y));
      }
    }
    EXPECT_EQ(differing, 0) << "at ratio " << ratio;
  }
}

// A tick draws only what changed; the field must then be what a whole drawing gives.
TEST(FieldRasterTest, DrawingWhatChangedGivesTheWholeDrawing) {
  using Form = playfield::Form1;
  const std::vector<std::pair<const char*, std::function<void(Form&)>>> changes = {
      {"a target moves", [](Form& f) { f.c(1).Left += 100; }},
      {"a target leaves by the right", [](Form& f) { f.b(2).Left = 3100; }},
      {"a target is hit", [](Form& f) { f.b(2).Visible = false; }},
      {"the shot flies", [](Form& f) { f.f.Visible = true, f.f.Top -= 300; }},
      {"the cannon moves", [](Form& f) { f.p.Left -= 100; }},
      {"the line goes", [](Form& f) { f.Line1.Visible = false; }},
  };
  for (const double ratio : {1.0, 1.5, 2.0}) {
    for (const auto& [name, change] : changes) {
      Form form = LoadedForm();
      FieldRaster raster = DrawnWhole(form, ratio);
      app::FieldChanges changed;
      changed.Since(form);
      change(form);
      for (const forms::Control& area : changed.Since(form)) {
        raster.Draw(form, raster.ToDevice(area));
      }
      const FieldRaster whole = DrawnWhole(form, ratio);
      EXPECT_EQ(std::memcmp(raster.Bytes(), whole.Bytes(), 4u * whole.Width() * whole.Height()), 0)
          << name << " at ratio " << ratio;
    }
  }
}

}  // namespace
}  // namespace web
