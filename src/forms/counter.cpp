#include "forms/counter.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

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

// The decimal number at the start of the text, as std::from_chars reads it: no blank, no "+"
// and no hexadecimal. Returns where the number ends, or the text's start when none is there.
const char* ReadDouble(std::string_view text, double& value) {
#if defined(__cpp_lib_to_chars)
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() ? stop : text.data();
#else
  // A standard library without from_chars for doubles (the web build's): strtod on the same
  // terms, where it alone reads a leading blank or "+", and "0x" as the start of a hex number.
  const std::size_t digits = !text.empty() && text.front() == '-' ? 1 : 0;
  if (text.empty() || text.front() == '+' || std::isspace(static_cast<unsigned char>(text[0]))) {
    return text.data();
  }
  if (text.substr(digits, 2) == "0x" || text.substr(digits, 2) == "0X") {
    value = 0;
    return text.data() + digits + 1;
  }
  const std::string copy(text);
  char* stop = nullptr;
  value = std::strtod(copy.c_str(), &stop);
  return text.data() + (stop - copy.c_str());
#endif
}

}  // namespace

double TextToDouble(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }
  double value = 0;
  const char* end = text.data() + text.size();
  if (text.empty() || ReadDouble(text, value) != end || !std::isfinite(value)) {
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
  return ReadDouble(text, value) != text.data() && std::isfinite(value) ? value : 0;
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
