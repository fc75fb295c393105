#pragma once

#include <stdexcept>
#include <string>

namespace forms {

// A run-time error of the forms runtime: the error number and its description, as the
// runtime's error report shows them.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& description);

  int Number() const { return number_; }
  std::string Description() const { return what(); }

 private:
  int number_;
};

// The runtime's own errors, by the numbers its users know them by.
namespace errors {
RuntimeError InvalidProcedureCall();          // 5
RuntimeError Overflow();                      // 6
RuntimeError TypeMismatch();                  // 13
RuntimeError ElementDoesNotExist(int index);  // 340
RuntimeError ObjectAlreadyLoaded();           // 360
RuntimeError InvalidPropertyValue();          // 380
}  // namespace errors

// The text of the report that ends the program: "Run-time error '13':\n\nType mismatch".
std::string ErrorReportText(const RuntimeError& error);

}  // namespace forms
