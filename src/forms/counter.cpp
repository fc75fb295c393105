#include "forms/counter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "forms/runtime_error.h"

namespace forms {
namespace {

constexpr double kIncrement = 1.0;
constexpr int kSignificantDigits = 15;  // as many as a double holds for every decimal text

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

double TextToDouble(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
    throw errors::TypeMismatch();
  }
  return value;
}

double LeadingNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }
  double value = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && std::isfinite(value) ? value : 0;
}

std::string DoubleToText(double value) {
  if (value == 0) {
    return "0";  // also for -0
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.*G", kSignificantDigits, value);
  return text;
}

double CounterValue(const Label& counter) {
  return TextToDouble(counter.Caption());
}

void AddOne(Label& counter) {
  counter.SetCaption(DoubleToText(CounterValue(counter) + kIncrement));
}

}  // namespace forms
