// The operating-system services on Linux: drive letters over the host's mounts, system paths
// over host paths, the shell's "open" over direct starts and xdg-open.
#pragma once

#include <functional>
#include <memory>

#include "platform/linux/drive_map.h"
#include "platform/linux/path_mapper.h"
#include "platform/system.h"

namespace platform {

namespace host {
class FolderCache;
}

class LinuxSystem : public System {
 public:
  // Drives from this process's mount table. shiftDown tells the Shift key's state.
  LinuxSystem(int argc, char** argv, std::function<bool()> shiftDown);
  // With a given drive map, for tests.
  LinuxSystem(int argc, char** argv, std::function<bool()> shiftDown, host::DriveMap drives);

  std::uint32_t GetLogicalDrives() override;
  std::unique_ptr<FileSearch> FindFirst(std::string_view pathPattern, std::uint32_t attrMask,
                                        unsigned details = kAllDetails) override;
  std::shared_ptr<const void> ShareFolderReads() override;
  bool SetCurrentDir(std::string_view dir) override;
  std::string GetCurrentDir() override;
  std::string ExePath() override;
  std::vector<std::string> Args() override;
  std::string DesktopDir() override;
  bool IsShiftDown() override;
  ShellResult ShellExecute(std::string_view file, std::string_view parameters) override;
  bool FileExists(std::string_view path) override;
  std::optional<std::string> ReadWholeFile(std::string_view path) override;
  bool WriteWholeFile(std::string_view path, std::string_view bytes) override;

  // Between the system's paths and the host's, for the other host services (drops).
  std::optional<std::string> HostPath(std::string_view systemPath) const;
  std::string SystemPath(std::string_view hostPath) const;

 private:
  // A system path as the system shows a folder: without a trailing "\" except at a root.
  static std::string WithoutTrailingBackslash(std::string path);

  host::PathMapper paths_;
  std::vector<std::string> args_;
  std::function<bool()> shiftDown_;
  std::shared_ptr<host::FolderCache> folders_;
  int sharedReads_ = 0;  // live ShareFolderReads tokens
};

}  // namespace platform
