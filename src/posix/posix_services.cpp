#include "posix/posix_services.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "about/system_info.h"
#include "forms/runtime_error.h"

namespace about {
namespace {

constexpr RegistryKey kToolKeyHandle = 1;
constexpr std::int32_t kWriteRights = 0x0006;  // set value, create subkey

bool SameKeyName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

bool IsExecutableFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         access(path.c_str(), X_OK) == 0;
}

forms::RuntimeError FileNotFound() {
  return {53, "File not found"};
}

}  // namespace

std::optional<std::string> FindSystemInfoTool() {
  const char* searchPath = std::getenv("PATH");
  if (searchPath == nullptr) {
    return std::nullopt;
  }
  for (const char* tool : StandInRegistry::kSystemInfoTools) {
    std::istringstream folders(searchPath);
    std::string folder;
    while (std::getline(folders, folder, ':')) {
      // Relative entries would make the tool depend on the working folder: skipped.
      const std::string candidate = folder + "/" + tool;
      if (folder.starts_with('/') && IsExecutableFile(candidate)) {
        return candidate;
      }
    }
  }
  return std::nullopt;
}

RegistryStatus StandInRegistry::RegOpenKeyExA(RegistryKey key, const std::string& subKey,
                                              std::int32_t /*options*/, std::int32_t access,
                                              RegistryKey& opened) {
  if (key != kHkeyLocalMachine || !SameKeyName(subKey, kPrimaryKey)) {
    return kErrorFileNotFound;
  }
  toolPath_ = FindSystemInfoTool();
  if (!toolPath_) {
    return kErrorFileNotFound;
  }
  if ((access & kWriteRights) != 0) {
    return kErrorAccessDenied;
  }
  opened = kToolKeyHandle;
  return kErrorSuccess;
}

RegistryStatus StandInRegistry::RegQueryValueExA(RegistryKey key, const std::string& valueName,
                                                 std::int32_t& type, std::span<std::uint8_t> data,
                                                 std::int32_t& dataSize) {
  if (key != kToolKeyHandle || !toolPath_) {
    return kErrorInvalidHandle;
  }
  if (!SameKeyName(valueName, kPrimaryValue)) {
    return kErrorFileNotFound;
  }
  const std::size_t needed = toolPath_->size() + 1;  // with its terminating zero
  const std::size_t room = std::min(data.size(), static_cast<std::size_t>(std::max(dataSize, 0)));
  type = kRegSz;
  dataSize = static_cast<std::int32_t>(needed);
  if (needed > room) {
    return kErrorMoreData;
  }
  std::copy(toolPath_->begin(), toolPath_->end(), data.begin());
  data[needed - 1] = 0;
  return kErrorSuccess;
}

RegistryStatus StandInRegistry::RegCloseKey(RegistryKey key) {
  if (key != kToolKeyHandle) {
    return kErrorInvalidHandle;
  }
  toolPath_.reset();
  return kErrorSuccess;
}

// Two forks: the middle process ends at once, so the program is nobody's child here and nothing
// has to wait for it. Whether its exec failed comes back through a pipe closed on exec.
void PosixProgramStarter::Shell(const std::string& programPath, int /*windowStyle*/) {
  if (programPath.empty() || programPath.find('\0') != std::string::npos) {
    throw FileNotFound();
  }
  std::string program = programPath;
  char* const argv[] = {program.data(), nullptr};
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) {
    throw forms::RuntimeError(67, "Too many files");
  }
  const pid_t middle = fork();
  if (middle == 0) {
    close(report[0]);
    setsid();
    const pid_t started = fork();
    if (started == 0) {
      execv(argv[0], argv);
    }
    if (started <= 0) {
      const int error = errno;
      (void)!write(report[1], &error, sizeof error);
    }
    _exit(0);
  }
  close(report[1]);
  int execError = 0;
  ssize_t got = 0;
  do {
    got = middle > 0 ? read(report[0], &execError, sizeof execError) : 0;
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  if (middle > 0) {
    waitpid(middle, nullptr, 0);
  }
  if (middle < 0 || got > 0) {
    throw FileNotFound();
  }
}

std::string PosixFileSystem::Dir(const std::string& path) {
  if (path.find('\0') != std::string::npos) {
    throw forms::RuntimeError(52, "Bad file name or number");
  }
  struct stat status {};
  if (path.empty() || stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return "";
  }
  const std::string name = path.substr(path.find_last_of('/') + 1);
  return name.starts_with('.') ? "" : name;
}

}  // namespace about

#include "about/host_services.h"

namespace about {

std::unique_ptr<Registry> MakeHostRegistry() {
  return std::make_unique<StandInRegistry>();
}
std::unique_ptr<ProgramStarter> MakeHostProgramStarter() {
  return std::make_unique<PosixProgramStarter>();
}
std::unique_ptr<FileSystem> MakeHostFileSystem() {
  return std::make_unique<PosixFileSystem>();
}

}  // namespace about
