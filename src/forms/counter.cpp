#include "forms/counter.h"

#include <cctype>
#include <cerrno>
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

}  // namespace

const char* ReadNumber(std::string_view text, double& value) {
#if defined(__cpp_lib_to_chars)
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() ? stop : text.data();
#else
  return ReadNumberByStrtod(text, value);
#endif
}

// strtod alone reads a leading blank or "+", and "0x" as the start of a hexadecimal number; and
// it reads a number out of range as infinity or 0, where from_chars reads none.
const char* ReadNumberByStrtod(std::string_view text, double& value) {
  const std::size_t digits = !text.empty() && text.front() == '-' ? 1 : 0;
  if (text.empty() || text.front() == '+' || std::isspace(static_cast<unsigned char>(text[0]))) {
    return text.data();
  }
  if (text.substr(digits, 2) == "0x" || text.substr(digits, 2) == "0X") {
    value = 0;  // the sign of a zero shows nowhere
    return text.data() + digits + 1;
  }
  const std::string copy(text);
  char* stop = nullptr;
  errno = 0;
  const double read = std::strtod(copy.c_str(), &stop);
  if (stop == copy.c_str() || errno == ERANGE) {
    return text.data();  // and the value stays as it was
  }
  value = read;
  return text.data() + (stop - copy.c_str());
}

double TextToDouble(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }
  double value = 0;
  const char* end = text.data() + text.size();
  if (text.empty() || ReadNumber(text, value) != end || !std::isfinite(value)) {
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
  return ReadNumber(text, value) != text.data() && std::isfinite(value) ? value : 0;
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
