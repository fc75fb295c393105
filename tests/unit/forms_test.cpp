#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/colour.h"
#include "forms/control_array.h"
#include "forms/counter.h"
#include "forms/event_boundary.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/single.h"
#include "forms/timer.h"

namespace forms {
namespace {

int ErrorNumberOf(const std::function<void()>& statement) {
  try {
    statement();
  } catch (const RuntimeError& error) {
    return error.Number();
  }
  return 0;
}

Label MakeLabel(std::string caption, bool autoSize = false) {
  return Label({.Left = 480, .Top = 5280, .Width = 90, .Height = 195}, std::move(caption),
               {.AutoSize = autoSize});
}

TEST(LabelTest, ChangeFiresInsideTheStatementOnlyForADifferentText) {
  struct Case {
    std::string before, after;
    int changes;
  };
  for (const Case& test :
       std::vector<Case>{{"0", "1", 1}, {"0", "0", 0}, {"", "", 0}, {"9", "10", 1}, {"1", "", 1}}) {
    Label label = MakeLabel(test.before);
    int changes = 0;
    std::string seen;
    label.Change = [&] {
      ++changes;
      seen = label.Caption();
    };
    label.SetCaption(test.after);
    EXPECT_EQ(changes, test.changes) << test.before << " -> " << test.after;
    if (test.changes > 0) {
      EXPECT_EQ(seen, test.after);
    }
  }
}

TEST(LabelTest, AutoSizeFitsTheCaptionAndKeepsLeftAndTop) {
  struct Case {
    bool autoSize;
    bool measured;
    float width;
  };
  for (const Case& test :
       std::vector<Case>{{true, true, 180}, {true, false, 90}, {false, true, 90}}) {
    Label label = MakeLabel("9", test.autoSize);
    if (test.measured) {
      label.SetTextMeasure([](const Label& l) {
        return TextExtent{.Width = 90.0f * static_cast<float>(l.Caption().size()), .Height = 180};
      });
    }
    label.SetCaption("10");
    EXPECT_EQ(label.Width, test.width);
    EXPECT_EQ(label.Left, 480);
    EXPECT_EQ(label.Top, 5280);
  }
}

TEST(CounterTest, TextToNumberAndBack) {
  struct Case {
    std::string text;
    double value;
  };
  for (const Case& test : std::vector<Case>{
           {"0", 0}, {"1", 1}, {"15", 15}, {" 7 ", 7}, {"-3", -3}, {"+4", 4}, {"1.5", 1.5}}) {
    EXPECT_EQ(TextToDouble(test.text), test.value) << test.text;
  }
  struct Back {
    double value;
    std::string text;
  };
  for (const Back& test : std::vector<Back>{{0, "0"},
                                            {-0.0, "0"},
                                            {1, "1"},
                                            {15, "15"},
                                            {99999, "99999"},
                                            {-3, "-3"},
                                            {0.5, "0.5"},
                                            {123456789012345, "123456789012345"},
                                            {1e15, "1E+15"}}) {
    EXPECT_EQ(DoubleToText(test.value), test.text) << test.value;
  }
  for (const std::string text : {"", " ", "abc", "1x", "1 2", "inf", "nan", "--1"}) {
    EXPECT_EQ(ErrorNumberOf([&] { TextToDouble(text); }), 13) << '"' << text << '"';
  }
}

TEST(CounterTest, AddOneReadsAddsAndWritesOnce) {
  struct Case {
    std::string before, after;
  };
  for (const Case& test :
       std::vector<Case>{{"0", "1"}, {"9", "10"}, {"14", "15"}, {"99999", "100000"}}) {
    Label counter = MakeLabel(test.before);
    int changes = 0;
    counter.Change = [&] { ++changes; };
    AddOne(counter);
    EXPECT_EQ(counter.Caption(), test.after);
    EXPECT_EQ(changes, 1);
  }
}

TEST(ControlArrayTest, LoadMakesAHiddenCopyOfElementZero) {
  const Bitmap picture{.Width = 1, .Height = 1, .Pixels = {0xFF00FF00}};
  ControlArray<Image> row(Image{{.Left = 480, .Top = 3000, .Width = 270, .Height = 300}, &picture});
  row.Load(2);
  const Image& copy = row(2);
  EXPECT_FALSE(copy.Visible);
  EXPECT_EQ(copy.Picture, &picture);
  EXPECT_EQ(copy.Left, 480);
  EXPECT_EQ(copy.Top, 3000);
  EXPECT_EQ(copy.Width, 270);
  EXPECT_EQ(copy.Height, 300);
  row(2).Left = 0;
  EXPECT_EQ(row(0).Left, 480) << "elements are copies, not aliases";
  EXPECT_FALSE(row.Exists(1));
}

TEST(ControlArrayTest, MissingElementsAndDoubleLoadsRaise) {
  ControlArray<Image> row(Image{});
  row.Load(1);
  for (const int index : {-1, 2, 3, 32767}) {
    EXPECT_EQ(ErrorNumberOf([&] { row(index); }), 340) << index;
  }
  EXPECT_EQ(ErrorNumberOf([&] { row.Load(1); }), 360);
  EXPECT_EQ(ErrorNumberOf([&] { row.Load(0); }), 360);
}

TEST(TimerTest, TellsItsHostWhenTheIntervalChanges) {
  Timer timer(1);
  int told = 0;
  timer.IntervalChanged = [&] { ++told; };
  EXPECT_TRUE(timer.Running());
  timer.SetInterval(1);
  EXPECT_EQ(told, 0);
  timer.SetInterval(0);
  EXPECT_FALSE(timer.Running());
  timer.SetInterval(1);
  EXPECT_EQ(told, 2);
  EXPECT_EQ(ErrorNumberOf([&] { timer.SetInterval(-1); }), 380);
  EXPECT_EQ(timer.Interval(), 1);
}

TEST(EventBoundaryTest, AnUntrappedErrorIsReportedOnceAndEndsAllEvents) {
  std::vector<std::string> reports;
  EventBoundary events(
      [&](const RuntimeError& error) { reports.push_back(ErrorReportText(error)); });
  int runs = 0;
  events.Raise([&] { ++runs; });
  EXPECT_FALSE(events.Ended());
  events.Raise([] { throw errors::ElementDoesNotExist(3); });
  events.Raise([&] { ++runs; });
  EXPECT_TRUE(events.Ended());
  EXPECT_EQ(runs, 1);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "Run-time error '340':\n\nControl array element '3' doesn't exist");
}

TEST(ColourTest, HostColourValuesAndTheStandardScheme) {
  struct Case {
    Colour colour;
    Rgb rgb;
  };
  for (const Case& test : std::vector<Case>{{0x000000FF, {255, 0, 0}},
                                            {0x0000FFFF, {255, 255, 0}},
                                            {0x00FF0000, {0, 0, 255}},
                                            {kMenuText, {0, 0, 0}},
                                            {kWindowText, {0, 0, 0}},
                                            {kButtonText, {0, 0, 0}},
                                            {kTitleBarText, {255, 255, 255}}}) {
    EXPECT_EQ(ToRgb(test.colour), test.rgb) << std::hex << test.colour;
  }
  EXPECT_EQ(ErrorNumberOf([] { ToRgb(0x80000019); }), 380);
}

TEST(SingleTest, StoresWholeTwipsExactlyAndRaisesOverflowBeyondSingle) {
  EXPECT_EQ(ToSingle(2880.0), 2880.0f);
  EXPECT_EQ(ToSingle(-35430.0), -35430.0f);
  for (const double value : {1e39, -1e39, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(ErrorNumberOf([&] { ToSingle(value); }), 6) << value;
  }
}

}  // namespace
}  // namespace forms
