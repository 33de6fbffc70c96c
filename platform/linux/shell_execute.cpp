#include "platform/linux/shell_execute.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/codec.h"
#include "platform/linux/parameter_split.h"
#include "platform/linux/path_map.h"
#include "platform/linux/spawn_detached.h"
#include "text/sjis.h"

namespace platform::host {

namespace {

// Error codes of the shell's "open".
constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;
constexpr int kOutOfMemory = 8;
constexpr int kNoAssociation = 31;
constexpr int kBadExeFormat = 193;

bool IsExecutableFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

std::optional<std::string> Locate(const PathMapper& paths, std::string_view file) {
  if (std::optional<std::string> host = paths.ToHost(file); host && Exists(*host)) return host;
  if (text::LastDelimiter(file, "\\/:") == text::npos) return FindOnPath(Cp932ToUtf8(file));
  return std::nullopt;
}

std::string ToHostArgument(const PathMapper& paths, const std::string& arg) {
  if (IsDriveRootedPath(arg)) {
    if (std::optional<std::string> host = paths.ToHost(arg)) return *host;
  }
  return Cp932ToUtf8(arg);
}

ShellResult Start(const std::vector<std::string>& argv, int missingProgramError) {
  const int error = SpawnDetached(argv);
  switch (error) {
    case 0:
      return {true, 0};
    case EACCES:
    case EPERM:
      return {false, kAccessDenied};
    case ENOMEM:
    case EAGAIN:
      return {false, kOutOfMemory};
    case ENOENT:
      return {false, missingProgramError};
    default:
      return {false, kBadExeFormat};
  }
}

}  // namespace

std::optional<std::string> FindOnPath(std::string_view hostName) {
  const char* path = std::getenv("PATH");
  if (!path || hostName.empty()) return std::nullopt;
  const std::string_view dirs = path;
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t end = dirs.find(':', start);
    if (end == std::string_view::npos) end = dirs.size();
    const std::string_view dir = dirs.substr(start, end - start);
    start = end + 1;
    // An empty entry would mean the current folder; this is no shell, so it does not.
    if (dir.empty()) continue;
    std::string candidate(dir);
    if (candidate.back() != '/') candidate += '/';
    candidate += hostName;
    if (IsExecutableFile(candidate)) return candidate;
  }
  return std::nullopt;
}

ShellResult ShellOpenOnHost(const PathMapper& paths, std::string_view file,
                            std::string_view parameters) {
  std::optional<std::string> host = Locate(paths, file);
  if (!host && file.size() > 4 && text::EqualsIgnoreCase(file.substr(file.size() - 4), ".exe")) {
    host = Locate(paths, file.substr(0, file.size() - 4));
  }
  if (!host) return {false, kFileNotFound};

  if (IsExecutableFile(*host)) {
    std::vector<std::string> argv{*host};
    for (const std::string& arg : SplitParameters(parameters)) {
      argv.push_back(ToHostArgument(paths, arg));
    }
    // The file exists, so a missing file at exec time is its interpreter.
    return Start(argv, kBadExeFormat);
  }
  const std::optional<std::string> opener = FindOnPath("xdg-open");
  if (!opener) return {false, kNoAssociation};
  return Start({*opener, *host}, kNoAssociation);
}

}  // namespace platform::host
