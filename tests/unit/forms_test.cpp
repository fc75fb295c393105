#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "forms/colour.h"
#include "forms/control_array.h"
#include "forms/counter.h"
#include "forms/image.h"
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

TEST(CounterTest, TextToNumberAndBack) {
  const std::vector<std::tuple<std::string, double, std::string>> texts = {
      {"0", 0, "0"},  {"15", 15, "15"},    {" 7 ", 7, "7"},   {"-3", -3, "-3"},
      {"+4", 4, "4"}, {"1.5", 1.5, "1.5"}, {"-0", -0.0, "0"}, {"1E15", 1e15, "1E+15"}};
  for (const auto& [text, value, back] : texts) {
    EXPECT_EQ(TextToDouble(text), value) << text;
    EXPECT_EQ(DoubleToText(value), back) << value;
  }
  for (const std::string text : {"", " ", "1x", "1 2", "inf", "nan", "--1"}) {
    EXPECT_EQ(ErrorNumberOf([&] { TextToDouble(text); }), 13) << '"' << text << '"';
  }
  Label counter({}, "99999", {});
  AddOne(counter);
  EXPECT_EQ(counter.Caption(), "100000");
  const std::vector<double> leading = {LeadingNumber("15x"), LeadingNumber(" +7 "),
                                       LeadingNumber("x"), LeadingNumber("inf")};
  EXPECT_EQ(leading, (std::vector<double>{15, 7, 0, 0})) << "the leading number, 0 for none";
}

// The web build reads numbers with strtod: it must read what from_chars reads, and stop where
// from_chars stops.
TEST(CounterTest, StrtodReadsAsFromCharsDoes) {
  for (const std::string text :
       {"12",   "-3.5", "+1",        " 1",    "\t1",    "-",   "-+1", "0x10",
        "-0x1", "1e3",  "1e",        "1e400", "1e-400", ".5",  "5.",  "abc",
        "",     "inf",  "-infinity", "nan",   "1x",     "12 ", "1,5"}) {
    double expected = 7;
    double read = 7;
    EXPECT_EQ(ReadNumberByStrtod(text, read) - text.data(),
              ReadNumber(text, expected) - text.data())
        << '"' << text << '"';
    EXPECT_TRUE(read == expected || (std::isnan(read) && std::isnan(expected)))
        << '"' << text << '"';
  }
}

// The runtime's errors, by their numbers.
TEST(RuntimeErrorTest, ModelOperationsThatRaise) {
  ControlArray<Image> row(Image{{.Left = 480}});
  row.Load(2);
  EXPECT_FALSE(row(2).Visible) << "a new element starts hidden";
  row(2).Left = 0;
  EXPECT_EQ(row(0).Left, 480) << "elements are copies, not aliases";
  Timer timer(1);
  const std::vector<int> numbers = {
      ErrorNumberOf([&] { row(-1); }),
      ErrorNumberOf([&] { row(3); }),
      ErrorNumberOf([&] { row.Load(2); }),
      ErrorNumberOf([&] { timer.SetInterval(-1); }),
      ErrorNumberOf([] { ToRgb(0x80000019); }),
      ErrorNumberOf([] { ToSingle(-1e39); }),
      ErrorNumberOf([] { ToSingle(std::numeric_limits<double>::quiet_NaN()); }),
      ErrorNumberOf([] { ToSingle(-std::numeric_limits<float>::max()); }),
      ErrorNumberOf([&] { timer.SetInterval(1); })};
  EXPECT_EQ(numbers, (std::vector<int>{340, 340, 360, 380, 380, 6, 6, 0, 0}));
}

}  // namespace
}  // namespace forms
