#include "platform/fake_system.h"

#include <algorithm>

#include "text/sjis.h"

namespace platform {

namespace {

class VectorSearch : public FileSearch {
 public:
  explicit VectorSearch(std::vector<SearchRec> recs) : recs_(std::move(recs)) {}
  bool Next(SearchRec& rec) override {
    if (next_ >= recs_.size()) return false;
    rec = recs_[next_++];
    return true;
  }

 private:
  std::vector<SearchRec> recs_;
  std::size_t next_ = 0;
};

std::string_view TrimSlash(std::string_view p) {
  if (p.size() > 3 && text::EndsWithBackslash(p)) p.remove_suffix(1);
  return p;
}

}  // namespace

std::string FakeSystem::Key(std::string_view path) {
  std::string k = text::ToUpperAscii(TrimSlash(path));
  if (k.size() == 2 && k[1] == ':') k += '\\';
  return k;
}

void FakeSystem::AddFolder(std::string_view path, std::uint32_t attr) {
  const std::string key = Key(path);
  if (folders_.count(key)) return;
  folders_[key];
  if (key.size() <= 3) return;
  const std::string_view trimmed = TrimSlash(path);
  const std::string parent(text::FolderPart(trimmed));
  AddFolder(parent);
  auto& siblings = folders_[Key(parent)];
  siblings.push_back({std::string(text::NamePart(trimmed)), attr, 0, {2020, 1, 2, 3, 4, 6}});
}

void FakeSystem::AddFile(std::string_view path, std::int64_t size, FileTime time,
                         std::uint32_t attr) {
  const std::string parent(text::FolderPart(path));
  AddFolder(parent);
  folders_[Key(parent)].push_back({std::string(text::NamePart(path)), attr, size, time});
}

void FakeSystem::Remove(std::string_view path) {
  const std::string_view trimmed = TrimSlash(path);
  auto& siblings = folders_[Key(text::FolderPart(trimmed))];
  const std::string name(text::NamePart(trimmed));
  std::erase_if(siblings, [&](const Entry& e) { return text::EqualsIgnoreCase(e.name, name); });
  folders_.erase(Key(trimmed));
}

void FakeSystem::Deny(std::string_view folder) { denied_.push_back(Key(folder)); }

std::unique_ptr<FileSearch> FakeSystem::FindFirst(std::string_view pathPattern,
                                                  std::uint32_t attrMask, unsigned) {
  ++searchesOpened;
  const std::string folder(text::FolderPart(pathPattern));
  const std::string pattern(text::NamePart(pathPattern));
  auto it = folders_.find(Key(folder));
  if (pattern.empty() || it == folders_.end()) return nullptr;
  std::vector<SearchRec> found;
  const bool root = Key(folder).size() <= 3;
  const auto add = [&](const Entry& e) {
    const std::uint32_t special = e.attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    if ((special & ~attrMask) != 0) return;
    if (!text::MatchesPattern(e.name, pattern)) return;
    found.push_back({e.name, e.attr, e.size, e.time});
  };
  add({".", faDirectory, 0, {2020, 1, 2, 3, 4, 6}});
  if (!root) add({"..", faDirectory, 0, {2020, 1, 2, 3, 4, 6}});
  for (const Entry& e : it->second) add(e);
  if (found.empty()) return nullptr;
  return std::make_unique<VectorSearch>(std::move(found));
}

bool FakeSystem::SetCurrentDir(std::string_view dir) {
  const std::string key = Key(dir);
  if (!folders_.count(key) || std::count(denied_.begin(), denied_.end(), key)) return false;
  currentDir = std::string(TrimSlash(dir));
  return true;
}

ShellResult FakeSystem::ShellExecute(std::string_view file, std::string_view parameters) {
  executed.emplace_back(file, parameters);
  return shellResult ? shellResult(file) : ShellResult{true, 0};
}

bool FakeSystem::FileExists(std::string_view path) { return files.count(std::string(path)) > 0; }

std::optional<std::string> FakeSystem::ReadWholeFile(std::string_view path) {
  auto it = files.find(std::string(path));
  if (it == files.end()) return std::nullopt;
  return it->second;
}

bool FakeSystem::WriteWholeFile(std::string_view path, std::string_view bytes) {
  if (std::count(unwritable.begin(), unwritable.end(), std::string(path))) return false;
  files[std::string(path)] = std::string(bytes);
  return true;
}

}  // namespace platform
