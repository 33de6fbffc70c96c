// Loading and saving zunt.ini, and the font and colour commands.
#include "app/settings_rules.h"
#include "app/texts.h"
#include "app/zunt1.h"
#include "lists/zuninput.h"
#include "ui/backend.h"

namespace {

std::int32_t StrictInt(const text::StringList& settings, std::string_view name) {
  const std::string value = text::Lookup(settings, name);
  const auto number = zunt::ParseStrictInt(value);
  if (!number) throw ui::Error(zunt::NotAnIntegerMessage(value));
  return *number;
}

}  // namespace

void TFrmZunt::LoadSettings() {
  if (!Os().FileExists(IniPath)) {
    for (const std::string& line : zunt::FirstRunEntries()) {
      const std::size_t eq = line.find('=');
      text::Assign(Settings, line.substr(0, eq), line.substr(eq + 1));
    }
    Mask = "*.*";
    return;
  }
  const auto bytes = Os().ReadWholeFile(IniPath);
  if (!bytes) throw ui::Error(zunt::FormatMessage(zunt::msg::kFileCannotOpen, IniPath));
  Settings = text::SplitLines(*bytes);
  if (text::Lookup(Settings, "Width").empty()) return;

  const int width = StrictInt(Settings, "Width");
  const int height = StrictInt(Settings, "Height");
  const int left = StrictInt(Settings, "Left");
  const int top = StrictInt(Settings, "Top");
  SetBounds(left, top, width, height);
  ui::Font font = ListBox1.GetFont();
  font.charset = StrictInt(Settings, "FCharset");
  font.color = StrictInt(Settings, "FColor");
  font.height = StrictInt(Settings, "FHeight");
  const std::string name = text::Lookup(Settings, "FName");
  font.name = name.size() >= 32 ? name.substr(0, 31) : name;
  font.SetSize(StrictInt(Settings, "FSize"));
  const int background = StrictInt(Settings, "BGColor");
  mnViewFullpath->SetChecked(text::Lookup(Settings, "IsFullpath") == "1");
  mnViewStaytop->SetChecked(text::Lookup(Settings, "isStayTop") == "1");
  // A missing or empty "Sort" reads as 0: the file written after a run that found no
  // "Width" has none, and refusing it would refuse every later start.
  const std::string sort = text::Lookup(Settings, "Sort");
  SortKind = sort.empty() ? 0 : StrictInt(Settings, "Sort");
  // Everything is read before anything is shown, so a bad number changes nothing.
  ListBox1.SetFont(font);
  ListBox1.SetColor(background);
  SetStayOnTop(mnViewStaytop->Checked());
  if (SortKind == 1) mnSortExt->SetChecked(true);
  if (SortKind == 2) mnSortUpdate->SetChecked(true);
  if (SortKind == 3) mnSortSize->SetChecked(true);
  Mask = text::Lookup(Settings, "Mask");
}

void TFrmZunt::SaveSettings(bool skipGeometry) {
  if (!skipGeometry) {
    text::Assign(Settings, "Width", std::to_string(Width()));
    text::Assign(Settings, "Height", std::to_string(Height()));
    text::Assign(Settings, "Left", std::to_string(Left()));
    text::Assign(Settings, "Top", std::to_string(Top()));
  }
  const ui::Font& font = ListBox1.GetFont();
  text::Assign(Settings, "FCharset", std::to_string(font.charset));
  text::Assign(Settings, "FColor", std::to_string(font.color));
  text::Assign(Settings, "FHeight", std::to_string(font.height));
  text::Assign(Settings, "FName", font.name);
  text::Assign(Settings, "FSize", std::to_string(font.Size()));
  text::Assign(Settings, "BGColor", std::to_string(ListBox1.GetColor()));
  text::Assign(Settings, "IsFullpath", mnViewFullpath->Checked() ? "1" : "0");
  text::Assign(Settings, "isStayTop", mnViewStaytop->Checked() ? "1" : "0");
  text::Assign(Settings, "Mask", Mask);
  if (!Os().WriteWholeFile(IniPath, text::JoinLinesCrLf(Settings))) {
    throw ui::Error(zunt::FormatMessage(zunt::msg::kFileCannotCreate, IniPath));
  }
}

void TFrmZunt::mnSetFontClick(ui::MenuItem&) {
  WithoutStayOnTop([this] {
    ui::Font font = ListBox1.GetFont();
    if (!GetBackend().FontDialog(font)) return;
    ListBox1.SetFont(font);
    if (FrmInput) FrmInput->ApplyListAppearance();
  });
}

void TFrmZunt::mnSetBgcolorClick(ui::MenuItem&) {
  WithoutStayOnTop([this] {
    ui::Color color = ListBox1.GetColor();
    if (!GetBackend().ColorDialog(color)) return;
    ListBox1.SetColor(color);
    if (FrmInput) FrmInput->ApplyListAppearance();
  });
}
