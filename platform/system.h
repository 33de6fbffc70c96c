// The operating-system services the system relies on. Texts are code page 932 bytes;
// paths are system paths ("C:\dir\name").
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum FileAttr : std::uint32_t {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faSysFile = 0x04,
  faVolumeID = 0x08,
  faDirectory = 0x10,
  faArchive = 0x20,
  faAnyFile = 0x3F,
};

// Local modification time, seconds rounded down to even.
struct FileTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool operator==(const FileTime&) const = default;
};

struct SearchRec {
  std::string name;
  std::uint32_t attr = 0;
  std::int64_t size = 0;
  FileTime time;
};

// What a search must fill in besides the name and the folder, hidden and system attributes;
// the rest may stay zero. The read-only attribute costs a look-up per entry on some hosts.
enum SearchDetail : unsigned {
  kNameOnly = 0,
  kTime = 1,
  kSize = 2,
  kReadOnly = 4,
  kAllDetails = 7,
};

// One open file search; closing is the destructor.
class FileSearch {
 public:
  virtual ~FileSearch() = default;
  // Fills rec with the next entry; false when there is none.
  virtual bool Next(SearchRec& rec) = 0;
};

struct ShellResult {
  bool ok = false;
  int error = 0;  // 2: file not found
};

class System {
 public:
  virtual ~System() = default;

  // Bit 0 drive A ... bit 25 drive Z.
  virtual std::uint32_t GetLogicalDrives() = 0;

  // Searches "folder\pattern". Hidden, system and volume entries are found only when their
  // bit is in attrMask; folders only with faDirectory (plain files always). Null when the
  // folder cannot be read or the pattern is empty.
  virtual std::unique_ptr<FileSearch> FindFirst(std::string_view pathPattern,
                                                std::uint32_t attrMask,
                                                unsigned details = kAllDetails) = 0;

  // While the returned token lives, a search may be served from an earlier read of the same
  // folder, so the passes of one listing read it once; afterwards every search reads afresh.
  virtual std::shared_ptr<const void> ShareFolderReads() { return nullptr; }

  virtual bool SetCurrentDir(std::string_view dir) = 0;
  // Without a trailing backslash except for a drive root.
  virtual std::string GetCurrentDir() = 0;
  virtual std::string ExePath() = 0;
  // Command-line arguments after the program name, as system paths where they name paths.
  virtual std::vector<std::string> Args() = 0;
  // The user's desktop folder without a trailing backslash; empty when unknown.
  virtual std::string DesktopDir() = 0;
  virtual bool IsShiftDown() = 0;

  // Opens a document or starts a program; parameters split as a command line.
  virtual ShellResult ShellExecute(std::string_view file, std::string_view parameters) = 0;

  virtual bool FileExists(std::string_view path) = 0;
  // The whole file; nullopt when it cannot be opened.
  virtual std::optional<std::string> ReadWholeFile(std::string_view path) = 0;
  // Replaces the file whole and atomically; false when it cannot be written.
  virtual bool WriteWholeFile(std::string_view path, std::string_view bytes) = 0;
};

}  // namespace platform
