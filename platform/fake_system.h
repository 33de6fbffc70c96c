// An in-memory stand-in for the operating system, for tests: a tree of folders and files
// under drive letters, and a record of what was asked of it.
#pragma once

#include <functional>
#include <map>

#include "platform/system.h"

namespace platform {

class FakeSystem : public System {
 public:
  struct Entry {
    std::string name;
    std::uint32_t attr = 0;
    std::int64_t size = 0;
    FileTime time{2020, 1, 2, 3, 4, 6};
  };

  // Adds a folder (and its parents); path like "C:\a\b".
  void AddFolder(std::string_view path, std::uint32_t attr = faDirectory);
  void AddFile(std::string_view path, std::int64_t size = 0, FileTime time = {2020, 1, 2, 3, 4, 6},
               std::uint32_t attr = faArchive);
  void Remove(std::string_view path);
  // Folders that exist but cannot be made current.
  void Deny(std::string_view folder);

  std::uint32_t drives = 0x4;  // C:
  std::string currentDir = "C:\\";
  std::string exePath = "C:\\zunt\\zunt.exe";
  std::vector<std::string> args;
  std::string desktop = "C:\\Users\\me\\Desktop";
  bool shiftDown = false;
  std::map<std::string, std::string> files;                   // path -> bytes
  std::vector<std::string> unwritable;                        // paths WriteWholeFile refuses
  std::vector<std::pair<std::string, std::string>> executed;  // file, parameters
  std::function<ShellResult(std::string_view)> shellResult;   // default: ok
  int searchesOpened = 0;

  std::uint32_t GetLogicalDrives() override { return drives; }
  std::unique_ptr<FileSearch> FindFirst(std::string_view pathPattern, std::uint32_t attrMask,
                                        unsigned details) override;
  bool SetCurrentDir(std::string_view dir) override;
  std::string GetCurrentDir() override { return currentDir; }
  std::string ExePath() override { return exePath; }
  std::vector<std::string> Args() override { return args; }
  std::string DesktopDir() override { return desktop; }
  bool IsShiftDown() override { return shiftDown; }
  ShellResult ShellExecute(std::string_view file, std::string_view parameters) override;
  bool FileExists(std::string_view path) override;
  std::optional<std::string> ReadWholeFile(std::string_view path) override;
  bool WriteWholeFile(std::string_view path, std::string_view bytes) override;

 private:
  static std::string Key(std::string_view path);
  std::map<std::string, std::vector<Entry>> folders_;  // upper-cased folder without "\" -> entries
  std::vector<std::string> denied_;
};

}  // namespace platform
