#include "platform/lnk/lnk_shell_link.h"

#include "platform/lnk/lnk_format.h"
#include "text/sjis.h"

namespace platform {

namespace {

constexpr std::uint32_t kFileAttributeNormal = 0x80;

// The set calls take C strings: a text ends at its first NUL.
std::string CText(std::string_view s) { return std::string(s.substr(0, s.find('\0'))); }

bool IsDrivePath(std::string_view p) {
  return p.size() >= 3 && p[1] == ':' && p[2] == '\\' && text::UpperAscii(p[0]) >= 'A' &&
         text::UpperAscii(p[0]) <= 'Z';
}

// The target made absolute against the current folder, as the shell does when it is set.
std::string AbsoluteTarget(System& system, std::string path) {
  const bool drive = path.size() >= 2 && path[1] == ':';  // "C:\x", or "C:x" as given
  if (path.empty() || drive || path.starts_with("\\\\")) return path;
  const std::string current = system.GetCurrentDir();
  if (path.front() == '\\') return current.substr(0, 2) + path;
  if (!text::EndsWithBackslash(current)) return current + '\\' + path;
  return current + path;
}

// Attributes and size of the target for the header; zero when it is not found.
std::pair<std::uint32_t, std::uint32_t> TargetDetails(System& system, std::string_view target) {
  if (target.size() > 3 && text::EndsWithBackslash(target)) target.remove_suffix(1);
  const std::string_view name = text::NamePart(target);
  // A wildcard in the name would report some other entry.
  if (name.empty() || name.find_first_of("*?") != std::string_view::npos) return {0, 0};
  const auto search = system.FindFirst(target, faAnyFile, kAllDetails);
  SearchRec rec;
  if (!search || !search->Next(rec)) return {0, 0};
  const std::uint32_t attr = rec.attr & (faAnyFile & ~faVolumeID);
  const auto size = (rec.attr & faDirectory) ? 0u : static_cast<std::uint32_t>(rec.size);
  return {attr != 0 ? attr : kFileAttributeNormal, size};
}

// Repeated backslashes name the same folder as one, as the shell's own path handling has it
// (a root folder joined with "\" gives "C:\\name"); a leading "\\" of a UNC path stays.
std::string CanonicalFileName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  bool afterBackslash = false;
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t n = text::CharLength(name, i);
    const bool backslash = n == 1 && name[i] == '\\';
    if (!(backslash && afterBackslash && i >= 2)) out.append(name.substr(i, n));
    afterBackslash = backslash;
    i += n;
  }
  return out;
}

// Whether the folder that is to hold fileName exists: a mapped drive's root, or a folder entry
// in its parent.
bool FolderExists(System& system, std::string_view fileName) {
  std::string_view folder = text::FolderPart(fileName);
  if (folder.empty()) return true;  // relative to the current folder
  if (IsDrivePath(folder) && folder.size() == 3) {
    return (system.GetLogicalDrives() >> (text::UpperAscii(folder[0]) - 'A')) & 1;
  }
  if (text::EndsWithBackslash(folder)) folder.remove_suffix(1);
  const auto search = system.FindFirst(folder, faDirectory | faHidden | faSysFile, kNameOnly);
  SearchRec rec;
  return search && search->Next(rec) && (rec.attr & faDirectory);
}

class LnkShellLink : public ShellLink, public PersistFile {
 public:
  explicit LnkShellLink(System& system) : system_(system) {}

  void SetPath(std::string_view path) override {
    values_.target = AbsoluteTarget(system_, CText(path));
  }
  void SetWorkingDirectory(std::string_view dir) override { values_.workingDir = CText(dir); }
  void SetShowCmd(std::int32_t showCmd) override { values_.showCmd = showCmd; }
  void SetHotkey(std::uint16_t hotkey) override { values_.hotkey = hotkey; }
  void SetIconLocation(std::string_view path, std::int32_t index) override {
    values_.iconLocation = CText(path);
    values_.iconIndex = index;
  }
  void SetArguments(std::string_view args) override { values_.arguments = CText(args); }

  std::string GetPath() const override { return values_.target; }
  std::string GetWorkingDirectory() const override { return values_.workingDir; }
  std::int32_t GetShowCmd() const override { return values_.showCmd; }
  std::uint16_t GetHotkey() const override { return values_.hotkey; }
  std::string GetIconLocation(std::int32_t& index) const override {
    index = values_.iconIndex;
    return values_.iconLocation;
  }
  std::string GetArguments() const override { return values_.arguments; }

  HResult QueryPersistFile(PersistFile*& file) override {
    file = this;
    return kSOk;
  }

  HResult Save(std::string_view fileName) override {
    lnk::LinkValues values = values_;
    std::tie(values.targetAttributes, values.targetSize) = TargetDetails(system_, values.target);
    const auto bytes = lnk::Encode(values);
    if (!bytes) return kEInvalidArg;
    const std::string file = CanonicalFileName(fileName);
    if (!FolderExists(system_, file)) return kEPathNotFound;
    if (!system_.WriteWholeFile(file, *bytes)) return kEAccessDenied;
    return kSOk;
  }

  HResult Load(std::string_view fileName) override {
    const auto bytes = system_.ReadWholeFile(CanonicalFileName(fileName));
    if (!bytes) return kEFileNotFound;
    auto values = lnk::Decode(*bytes);
    if (!values) return kEFail;
    values_ = std::move(*values);
    return kSOk;
  }

 private:
  System& system_;
  lnk::LinkValues values_;
};

}  // namespace

void LnkShellLinkService::Initialize() { ++initializations_; }

void LnkShellLinkService::Uninitialize() { ++uninitializations_; }

HResult LnkShellLinkService::CreateShellLink(std::unique_ptr<ShellLink>& link) {
  if (initializations_ <= uninitializations_) return kCoENotInitialized;
  link = std::make_unique<LnkShellLink>(system_);
  return kSOk;
}

}  // namespace platform
