// Pure rules of the folder listing: sort keys and the key-prefixed sort.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/system.h"
#include "text/strlist.h"

namespace zunt {

enum SortOrder : std::int32_t { kByName = 0, kByExtension = 1, kByTime = 2, kBySize = 3 };

// "yyyy/mm/dd hh:nn:ss".
std::string FormatFileTime(const platform::FileTime& t);

inline constexpr char kParentTimeKey[] = "0000/00/00 00:00:00";

// The key of one entry; an order outside 0-3 sorts by name.
std::string SortKeyOf(std::int32_t sortKind, bool folder, const platform::SearchRec& rec,
                      std::string_view folderName);

// Sorts lines by key then line (collation), pads keys as the order needs, and appends each
// line's info to infos. lines and keys are parallel; keys is left empty.
void SortByKeys(std::int32_t sortKind, text::StringList& lines, text::StringList& keys,
                text::StringList& infos);

// The name of the folder on show: its last component, or the whole path at a drive root.
std::string FolderNameOf(std::string_view currentDir);

}  // namespace zunt
