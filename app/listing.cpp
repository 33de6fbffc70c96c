// Reading the folder on show into the list.
#include "app/listing_rules.h"
#include "app/texts.h"
#include "app/zunt1.h"
#include "text/sjis.h"
#include "ui/backend.h"

namespace {

unsigned DetailsFor(std::int32_t sortKind, bool folder) {
  if (sortKind == zunt::kByTime) return platform::kTime;
  if (sortKind == zunt::kBySize && !folder) return platform::kSize;
  return platform::kNameOnly;
}

void AppendLinesCrLf(std::string& out, const text::StringList& lines) {
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
}

}  // namespace

void TFrmZunt::RefreshList() {
  if (!text::EndsWithBackslash(CurrentDir)) CurrentDir += "\\";

  if (Os().IsShiftDown() && !History.empty()) {
    try {
      SaveSettings(true);
    } catch (...) {
      // The list still shows the last folder; keep CurrentDir naming it.
      CurrentDir = History.back();
      throw;
    }
    ShellOpen(Os().ExePath(), text::QuoteIfNeeded(CurrentDir));
    CurrentDir = History.back();
    return;
  }

  if (!Os().SetCurrentDir(CurrentDir)) {
    GetBackend().MessageBox(CurrentDir + zunt::msg::kCannotOpenSuffix, zunt::msg::kCaptionError,
                            ui::mbOk);
    CurrentDir = LastGoodDir;
    return;
  }
  FolderName = zunt::FolderNameOf(CurrentDir);
  const auto oneRead = Os().ShareFolderReads();
  LineInfos.clear();
  WorkList.clear();
  SortKeys.clear();

  if (auto search =
          Os().FindFirst(CurrentDir + "*.*", platform::faAnyFile, DetailsFor(SortKind, true))) {
    while (search->Next(SearchRec)) {
      if ((SearchRec.attr & platform::faDirectory) == 0 || SearchRec.name == ".") continue;
      WorkList.push_back("<" + SearchRec.name + ">");
      AddSortKey(true);
    }
  }
  SortWorkList();
  std::string content;
  AppendLinesCrLf(content, WorkList);
  WorkList.clear();
  SortKeys.clear();

  SplitMask(Mask, ';');
  for (const std::string& pattern : MaskParts) {
    auto search =
        Os().FindFirst(CurrentDir + pattern, platform::faAnyFile, DetailsFor(SortKind, false));
    if (!search) continue;
    while (search->Next(SearchRec)) {
      if ((SearchRec.attr & platform::faDirectory) != 0) continue;
      WorkList.push_back(SearchRec.name);
      AddSortKey(false);
    }
  }
  SortWorkList();
  AppendLinesCrLf(content, WorkList);
  content += DriveLines;
  ListBox1.SetText(content);

  for (int i = 0; i < DriveCount; ++i) LineInfos.push_back(FolderName);
  for (std::string& info : LineInfos) {
    if (info == zunt::kParentTimeKey) info = FolderName;
  }
  ListBox1.SetItemIndex(0);
  ListBox1.SetSelected(0, true);
  if (!BackStep) History.push_back(CurrentDir);
  BackStep = false;
  LastGoodDir = CurrentDir;
  SearchPos = 1;
  UpdateCaption();
}

void TFrmZunt::UpdateCaption() {
  const int index = ListBox1.ItemIndex();
  if (index < 0) return;
  std::string caption = FolderName;
  if (SortKind == zunt::kByTime || SortKind == zunt::kBySize) {
    caption = static_cast<std::size_t>(index) < LineInfos.size()
                  ? LineInfos[static_cast<std::size_t>(index)]
                  : std::string();
  }
  if (mnViewFullpath->Checked() && text::Find(CurrentDir, caption) != text::npos) {
    caption = CurrentDir;
  }
  SetCaption(caption);
}

bool TFrmZunt::IsDirectory(std::string_view path) {
  std::string name(path);
  if (text::EndsWithBackslash(name)) name.pop_back();
  auto search = Os().FindFirst(name, platform::faDirectory, platform::kNameOnly);
  return search && search->Next(SearchRec) && (SearchRec.attr & platform::faDirectory) != 0;
}

void TFrmZunt::SplitMask(std::string_view rest, char separator) {
  MaskParts.clear();
  const std::string sep(1, separator);
  for (std::size_t pos = text::Find(rest, sep); pos != text::npos; pos = text::Find(rest, sep)) {
    MaskParts.emplace_back(rest.substr(0, pos));
    rest.remove_prefix(pos + 1);
  }
  MaskParts.emplace_back(rest);
}

void TFrmZunt::AddSortKey(bool folder) {
  SortKeys.push_back(zunt::SortKeyOf(SortKind, folder, SearchRec, FolderName));
}

void TFrmZunt::SortWorkList() { zunt::SortByKeys(SortKind, WorkList, SortKeys, LineInfos); }

void TFrmZunt::mnSortClick(ui::MenuItem& sender) {
  sender.SetChecked(true);
  SortKind = sender.Tag();
  text::Assign(Settings, "Sort", std::to_string(sender.Tag()));
  RefreshList();
}
