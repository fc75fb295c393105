#include <memory>
#include <string>

#include "about/host_services.h"
#include "forms/runtime_error.h"

// A page has no registry, starts no program and reads no file: the launcher finds no tool.
namespace about {
namespace {

class NoRegistry : public Registry {
 public:
  RegistryStatus RegOpenKeyExA(RegistryKey /*key*/, const std::string& /*subKey*/,
                               std::int32_t /*options*/, std::int32_t /*access*/,
                               RegistryKey& opened) override {
    opened = 0;
    return kErrorFileNotFound;
  }
  RegistryStatus RegQueryValueExA(RegistryKey /*key*/, const std::string& /*valueName*/,
                                  std::int32_t& /*type*/, std::span<std::uint8_t> /*data*/,
                                  std::int32_t& /*dataSize*/) override {
    return kErrorInvalidHandle;
  }
  RegistryStatus RegCloseKey(RegistryKey /*key*/) override { return kErrorInvalidHandle; }
};

// Never reached, as no registry names a tool; a page cannot start one.
class NoPrograms : public ProgramStarter {
 public:
  void Shell(const std::string& /*programPath*/, int /*windowStyle*/) override {
    throw forms::RuntimeError(53, "File not found");
  }
};

class NoFiles : public FileSystem {
 public:
  std::string Dir(const std::string& /*path*/) override { return ""; }
};

}  // namespace

std::unique_ptr<Registry> MakeHostRegistry() {
  return std::make_unique<NoRegistry>();
}

std::unique_ptr<ProgramStarter> MakeHostProgramStarter() {
  return std::make_unique<NoPrograms>();
}

std::unique_ptr<FileSystem> MakeHostFileSystem() {
  return std::make_unique<NoFiles>();
}

}  // namespace about
