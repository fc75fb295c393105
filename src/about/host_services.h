#pragma once

#include <memory>

#include "about/system_services.h"

namespace about {

// This host's own registry, program start and file test.
std::unique_ptr<Registry> MakeHostRegistry();
std::unique_ptr<ProgramStarter> MakeHostProgramStarter();
std::unique_ptr<FileSystem> MakeHostFileSystem();

}  // namespace about
