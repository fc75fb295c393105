#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "forms/colour.h"
#include "forms/control_array.h"
#include "forms/counter.h"
#include "forms/event_boundary.h"
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
// What the player reads when a statement raises an error that nothing traps; empty if none.
std::string ReportOf(const std::function<void()>& statement) {
  std::string report;
  EventBoundary events([&](const RuntimeError& error) { report = ErrorReportText(error); });
  events.Raise(statement);
  return report;
}

// Each way the program can fail, under its own number and description.
TEST(RuntimeErrorTest, EachPathIsReportedUnderItsOwnNumber) {
  ControlArray<Image> row(Image{{.Left = 480}});
  row.Load(2);
  EXPECT_FALSE(row(2).Visible) << "a new element starts hidden";
  row(2).Left = 0;
  EXPECT_EQ(row(0).Left, 480) << "elements are copies, not aliases";
  Timer timer(1);
  const std::string invalid = "Run-time error '380':\n\nInvalid property value";
  const std::string overflow = "Run-time error '6':\n\nOverflow";
  const std::vector<std::pair<std::function<void()>, std::string>> cases = {
      {[&] { row(-1); }, "Run-time error '340':\n\nControl array element '-1' doesn't exist"},
      {[&] { row(3); }, "Run-time error '340':\n\nControl array element '3' doesn't exist"},
      {[&] { row.Load(2); }, "Run-time error '360':\n\nObject already loaded"},
      {[&] { timer.SetInterval(-1); }, invalid},
      {[] { ToRgb(0x80000019); }, invalid},
      {[] { ToSingle(-1e39); }, overflow},
      {[] { ToSingle(std::numeric_limits<double>::quiet_NaN()); }, overflow},
      {[] { TextToDouble("7x"); }, "Run-time error '13':\n\nType mismatch"},
      {[] { throw std::bad_alloc(); }, "Run-time error '7':\n\nOut of memory"},
      {[] { throw std::length_error("vector"); }, "Run-time error '51':\n\nInternal error: vector"},
      {[] { ToSingle(-std::numeric_limits<float>::max()); }, ""},
      {[&] { timer.SetInterval(1); }, ""}};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(ReportOf(cases[i].first), cases[i].second) << "case " << i;
  }
}

}  // namespace
}  // namespace forms
