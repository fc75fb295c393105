#include "forms/runtime_error.h"

namespace forms {

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

namespace errors {
RuntimeError InvalidProcedureCall() {
  return {5, "Invalid procedure call or argument"};
}
RuntimeError Overflow() {
  return {6, "Overflow"};
}
RuntimeError TypeMismatch() {
  return {13, "Type mismatch"};
}
RuntimeError ElementDoesNotExist(int index) {
  return {340, "Control array element '" + std::to_string(index) + "' doesn't exist"};
}
RuntimeError ObjectAlreadyLoaded() {
  return {360, "Object already loaded"};
}
RuntimeError InvalidPropertyValue() {
  return {380, "Invalid property value"};
}
}  // namespace errors

std::string ErrorReportText(const RuntimeError& error) {
  return "Run-time error '" + std::to_string(error.Number()) + "':\n\n" + error.Description();
}

}  // namespace forms
