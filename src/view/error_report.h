#pragma once

#include "forms/runtime_error.h"

namespace view {

// The runtime's report of an error that no handler trapped: a message box titled with the
// application title, and then the program ends with a failure status.
void ReportAndQuit(const forms::RuntimeError& error);

}  // namespace view
