// The go and mask menus built from the settings, and the mask input.
#include <memory>

#include "app/texts.h"
#include "app/zunt1.h"
#include "lists/accelerator.h"
#include "lists/zuninput.h"
#include "text/sjis.h"

namespace {

// Marks the folder's own name as the accelerator: "C:\Work\" becomes "C:\&Work\".
std::string GoCaption(std::string_view text) {
  if (zunt::HasAcceleratorMark(text)) return std::string(text);
  std::string_view copy = text;
  if (!copy.empty() && copy.back() == '\\') copy.remove_suffix(1);
  const std::string_view name = text::NamePart(copy);
  const std::size_t at = name.empty() ? text::npos : text::Find(text, name);
  if (at == text::npos) return std::string(text);
  return std::string(text.substr(0, at)) + "&" + std::string(text.substr(at));
}

// Whether building the mask caption inserted "&" before the third byte.
bool MaskGetsAmpersand(std::string_view text) {
  return text.size() > 2 && !zunt::HasAcceleratorMark(text);
}

}  // namespace

void TFrmZunt::BuildGoMenu() {
  while (mnGo->Count() > 1) mnGo->Delete(1);
  for (int n = 1;; ++n) {
    const std::string text = text::Lookup(Settings, "Go" + std::to_string(n));
    if (text.empty()) break;
    AddGoItem(text, n);
  }
}

void TFrmZunt::AddGoItem(std::string_view text, int number) {
  const int c = mnGo->Count();
  const ui::ShortCut sc = c < 10 ? static_cast<ui::ShortCut>(ui::scCtrl | ('0' + c)) : 0;
  auto item = std::make_unique<ui::MenuItem>(GoCaption(text), sc, number);
  item->OnClick = [this](ui::MenuItem& sender) { GoItemClick(sender); };
  mnGo->Add(std::move(item));
}

void TFrmZunt::GoItemClick(ui::MenuItem& item) {
  CurrentDir = zunt::WithoutMark(text::Lookup(Settings, "Go" + std::to_string(item.Tag())));
  RefreshList();
}

void TFrmZunt::BuildMaskMenu() {
  while (mnM->Count() > 1) mnM->Delete(1);
  for (int n = 1;; ++n) {
    const std::string text = text::Lookup(Settings, "Msk" + std::to_string(n));
    if (text.empty()) break;
    AddMaskItem(text);
  }
}

void TFrmZunt::AddMaskItem(std::string_view text) {
  const std::string caption =
      MaskGetsAmpersand(text) ? std::string(text.substr(0, 2)) + "&" + std::string(text.substr(2))
                              : std::string(text);
  auto item = std::make_unique<ui::MenuItem>(caption);
  item->OnClick = [this](ui::MenuItem& sender) { MaskItemClick(sender); };
  mnM->Add(std::move(item));
}

void TFrmZunt::MaskItemClick(ui::MenuItem& item) {
  // Undo what AddMaskItem did to the caption.
  const std::string& caption = item.Caption();
  std::string mask = zunt::WithoutMark(caption);
  if (caption.size() > 3 && caption[2] == '&') {
    std::string original = caption;
    original.erase(2, 1);
    if (MaskGetsAmpersand(original)) mask = original;
  }
  Mask = mask;
  RefreshList();
}

void TFrmZunt::mnMaskClick(ui::MenuItem&) {
  if (ShowInputBox(zunt::msg::kMaskCaption, Mask, false) != ui::mrOk) return;
  Mask = FrmInput->Edit1.Text();
  RefreshList();
}
