#include "platform/linux/linux_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "platform/codec.h"
#include "platform/linux/desktop_dir.h"
#include "platform/linux/folder_cache.h"
#include "platform/linux/folder_search.h"
#include "platform/linux/handles.h"
#include "platform/linux/shell_execute.h"
#include "platform/linux/whole_file.h"
#include "text/sjis.h"

namespace platform {

namespace {

bool NamesDrive(std::string_view arg) {
  return arg.size() >= 2 && arg[1] == ':' &&
         ((arg[0] >= 'a' && arg[0] <= 'z') || (arg[0] >= 'A' && arg[0] <= 'Z'));
}

}  // namespace

LinuxSystem::LinuxSystem(int argc, char** argv, std::function<bool()> shiftDown)
    : LinuxSystem(argc, argv, std::move(shiftDown), host::LoadDriveMap()) {}

LinuxSystem::LinuxSystem(int argc, char** argv, std::function<bool()> shiftDown,
                         host::DriveMap drives)
    : paths_(std::move(drives)),
      shiftDown_(std::move(shiftDown)),
      folders_(std::make_shared<host::FolderCache>()) {
  // Taken now: a relative argument means the folder the program was started in.
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.empty() || NamesDrive(arg)) {
      args_.push_back(Utf8ToCp932(arg));
    } else {
      args_.push_back(paths_.ToSystem(arg));
    }
  }
}

std::uint32_t LinuxSystem::GetLogicalDrives() { return paths_.Drives().Mask(); }

std::unique_ptr<FileSearch> LinuxSystem::FindFirst(std::string_view pathPattern,
                                                   std::uint32_t attrMask, unsigned details) {
  const std::size_t cut = text::LastDelimiter(pathPattern, "\\/:");
  const std::string_view folder = cut == text::npos ? "" : pathPattern.substr(0, cut + 1);
  const std::string_view pattern = pathPattern.substr(folder.size());
  if (pattern.empty()) return nullptr;
  std::optional<std::string> hostFolder =
      folder.empty() ? host::CurrentHostDir() : paths_.ToHost(folder);
  if (!hostFolder || hostFolder->empty()) return nullptr;
  if (hostFolder->size() > 1 && hostFolder->back() == '/') hostFolder->pop_back();
  return host::OpenFolderSearch(*hostFolder, pattern, attrMask, details,
                                paths_.Drives().IsRoot(*hostFolder),
                                sharedReads_ > 0 ? folders_ : nullptr);
}

std::shared_ptr<const void> LinuxSystem::ShareFolderReads() {
  ++sharedReads_;
  return std::shared_ptr<const void>(this, [this](const void*) {
    // The last token gone: forget the read, so the next listing sees every change.
    if (--sharedReads_ == 0) folders_ = std::make_shared<host::FolderCache>();
  });
}

bool LinuxSystem::SetCurrentDir(std::string_view dir) {
  const std::optional<std::string> hostDir = paths_.ToHost(dir);
  if (!hostDir) return false;
  // Opening for reading first: a folder that cannot be listed cannot be shown either.
  const host::UniqueFd fd(open(hostDir->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.ok() && fchdir(fd.get()) == 0;
}

std::string LinuxSystem::GetCurrentDir() {
  const std::string cwd = host::CurrentHostDir();
  // A current folder that was removed has no path; its drive's root is the nearest place.
  return WithoutTrailingBackslash(cwd.empty() ? std::string("C:\\") : paths_.ToSystem(cwd));
}

std::string LinuxSystem::ExePath() {
  std::string buf(PATH_MAX, '\0');
  const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0) return {};
  buf.resize(static_cast<std::size_t>(n));
  return paths_.ToSystem(buf);
}

std::vector<std::string> LinuxSystem::Args() { return args_; }

std::string LinuxSystem::DesktopDir() {
  const std::string desktop = host::HostDesktopDir();
  if (desktop.empty()) return {};
  return WithoutTrailingBackslash(paths_.ToSystem(desktop));
}

bool LinuxSystem::IsShiftDown() { return shiftDown_ && shiftDown_(); }

ShellResult LinuxSystem::ShellExecute(std::string_view file, std::string_view parameters) {
  return host::ShellOpenOnHost(paths_, file, parameters);
}

bool LinuxSystem::FileExists(std::string_view path) {
  const std::optional<std::string> hostPath = paths_.ToHost(path);
  struct stat st;
  return hostPath && stat(hostPath->c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::optional<std::string> LinuxSystem::ReadWholeFile(std::string_view path) {
  const std::optional<std::string> hostPath = paths_.ToHost(path);
  if (!hostPath) return std::nullopt;
  return host::ReadHostFile(*hostPath);
}

bool LinuxSystem::WriteWholeFile(std::string_view path, std::string_view bytes) {
  const std::optional<std::string> hostPath = paths_.ToHostForWriting(path);
  return hostPath && host::WriteHostFileAtomically(*hostPath, bytes);
}

std::optional<std::string> LinuxSystem::HostPath(std::string_view systemPath) const {
  return paths_.ToHost(systemPath);
}

std::string LinuxSystem::SystemPath(std::string_view hostPath) const {
  return paths_.ToSystem(hostPath);
}

std::string LinuxSystem::WithoutTrailingBackslash(std::string path) {
  if (path.size() > 3 && text::EndsWithBackslash(path)) path.pop_back();
  return path;
}

}  // namespace platform
