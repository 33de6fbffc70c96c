#include "app/listing_rules.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "text/sjis.h"

namespace zunt {

std::string FormatFileTime(const platform::FileTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", t.year % 10000, t.month, t.day,
                t.hour, t.minute, t.second);
  return buf;
}

std::string SortKeyOf(std::int32_t sortKind, bool folder, const platform::SearchRec& rec,
                      std::string_view folderName) {
  switch (sortKind) {
    case kByExtension:
      return folder ? std::string(folderName) : std::string(text::ExtensionPart(rec.name));
    case kByTime:
      if (folder && rec.name == "..") return kParentTimeKey;
      return FormatFileTime(rec.time);
    case kBySize:
      return folder ? std::string(folderName) : std::to_string(rec.size);
    default:
      return std::string(folderName);
  }
}

void SortByKeys(std::int32_t sortKind, text::StringList& lines, text::StringList& keys,
                text::StringList& infos) {
  if (lines.empty()) return;
  std::size_t width = 1;
  for (const std::string& k : keys) width = std::max(width, k.size());
  const bool rightAligned = sortKind == kBySize;
  struct Entry {
    std::string padded;   // the padded sort key followed by the line
    std::string weights;  // its collation weights
  };
  std::vector<Entry> entries(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& key = i < keys.size() ? keys[i] : std::string();
    std::string& padded = entries[i].padded;
    padded.reserve(width + lines[i].size());
    if (rightAligned) padded.append(width - key.size(), ' ');
    padded += key;
    if (!rightAligned) padded.append(width - key.size(), ' ');
    padded += lines[i];
    entries[i].weights = text::CollationWeights(padded);
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const int byWeight = a.weights.compare(b.weights);
    return byWeight != 0 ? byWeight < 0 : a.padded < b.padded;
  });
  text::StringList sorted;
  sorted.reserve(lines.size());
  infos.reserve(infos.size() + entries.size());
  for (Entry& e : entries) {
    std::string_view info = std::string_view(e.padded).substr(0, width);
    if (rightAligned) info.remove_prefix(std::min(info.find_first_not_of(' '), info.size()));
    infos.emplace_back(info);
    sorted.push_back(e.padded.substr(width));
    e = Entry();
  }
  lines = std::move(sorted);
  keys.clear();
}

std::string FolderNameOf(std::string_view currentDir) {
  std::string_view trimmed = currentDir;
  if (text::EndsWithBackslash(trimmed)) trimmed.remove_suffix(1);
  const std::string_view name = text::NamePart(trimmed);
  return name.empty() ? std::string(currentDir) : std::string(name);
}

}  // namespace zunt
