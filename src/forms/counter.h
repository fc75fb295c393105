#pragma once

#include <string>
#include <string_view>

#include "forms/label.h"

namespace forms {

// A counter label keeps its value as the decimal text of its caption; there is no other copy.

// The ordinary text-to-number conversion: blanks around a decimal number are allowed, anything
// else raises Type mismatch.
double TextToDouble(std::string_view text);

// Shortest form: whole numbers without a decimal point or leading blank ("0", "15", "-3").
std::string DoubleToText(double value);

// The number that a text begins with, 0 when it begins with none ("15abc" gives 15).
double LeadingNumber(std::string_view text);

// The decimal number at the start of a text as std::from_chars reads it, and where it ends (the
// text's start when none is there). ReadNumberByStrtod reads the same with strtod in the C
// locale, for a standard library without from_chars for doubles (the web build's).
const char* ReadNumber(std::string_view text, double& value);
const char* ReadNumberByStrtod(std::string_view text, double& value);

double CounterValue(const Label& counter);
void AddOne(Label& counter);  // read, add 1.0, write

}  // namespace forms
