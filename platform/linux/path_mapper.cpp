#include "platform/linux/path_mapper.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <vector>

#include "platform/codec.h"
#include "platform/linux/handles.h"
#include "platform/linux/host_names.h"
#include "platform/linux/path_map.h"

namespace platform::host {

namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

void Append(std::string& path, std::string_view name) {
  if (path.back() != '/') path += '/';
  path += name;
}

// The one real name in folder that the system name stands for; nullopt when none or several.
std::optional<std::string> FindUniqueName(const std::string& folder, std::string_view typed,
                                          bool strict) {
  DirHandle dir(opendir(folder.c_str()));
  if (!dir) return std::nullopt;
  std::optional<std::string> found;
  std::string shown;
  while (const dirent* e = readdir(dir.get())) {
    const std::string_view name = e->d_name;
    if (name == "." || name == "..") continue;
    ToSystemName(name, shown);
    if (!(strict ? MatchesShownName(typed, shown) : MatchesSystemName(typed, shown))) continue;
    if (found) return std::nullopt;
    found = std::string(name);
  }
  return found;
}

}  // namespace

std::optional<std::string> PathMapper::ToHost(std::string_view systemPath) const {
  return Map(systemPath, false);
}

std::optional<std::string> PathMapper::ToHostForWriting(std::string_view systemPath) const {
  return Map(systemPath, true);
}

std::optional<std::string> PathMapper::Map(std::string_view systemPath, bool writing) const {
  // A path that names its drive's root needs no current folder.
  const std::string cwd = IsDriveRootedPath(systemPath) ? std::string("/") : CurrentHostDir();
  const std::optional<HostPlan> plan = PlanHostPath(drives_, systemPath, cwd);
  if (!plan) return std::nullopt;
  std::string path = JoinAsWritten(*plan);
  if (plan->names.empty() || Exists(path)) return path;

  path = plan->base;
  std::size_t i = 0;
  for (; i < plan->names.size(); ++i) {
    std::string candidate = path;
    Append(candidate, Cp932ToUtf8(plan->names[i]));
    if (Exists(candidate)) {
      path = std::move(candidate);
      continue;
    }
    const bool last = i + 1 == plan->names.size();
    const std::optional<std::string> real = FindUniqueName(path, plan->names[i], writing && last);
    if (!real) break;
    Append(path, *real);
  }
  // Below a name that exists nowhere, the rest can only be as written.
  for (; i < plan->names.size(); ++i) Append(path, Cp932ToUtf8(plan->names[i]));
  if (plan->trailingSeparator && path.back() != '/') path += '/';
  return path;
}

std::string PathMapper::ToSystem(std::string_view hostPath) const {
  return ToSystemPath(drives_, NormalizeHostPath(hostPath, CurrentHostDir()));
}

std::string CurrentHostDir() {
  std::vector<char> buf(256);
  while (getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buf.resize(buf.size() * 2);
  }
  return buf.data();
}

}  // namespace platform::host
