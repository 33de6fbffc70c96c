#include "lists/zuninput.h"

#include "app/zunt1.h"
#include "lists/accelerator.h"

TFrmInput::TFrmInput(ui::Backend& backend, TFrmZunt& main) : ui::Form(backend), main_(main) {
  SetCaption("FrmInput");
  SetBorderStyle(ui::BorderStyle::ToolWindow);
  SetClientWidth(154);
  SetClientHeight(23);
  Edit1.SetBounds(0, 0, 121, 20);
  Edit1.SetTabOrder(0);
  ComboBox1.SetBounds(0, 0, 105, 20);
  ComboBox1.SetTabOrder(1);
  ComboBox1.SetStyle(ui::ComboStyle::DropDown);
  ComboBox1.SetItemHeight(12);
  const auto keyDown = [this](int& key, ui::ShiftState shift) { Edit1KeyDown(key, shift); };
  Edit1.OnKeyDown = keyDown;
  ComboBox1.OnKeyDown = keyDown;
  OnShow = [this] { FormShow(); };
  SetVisible(false);
  ApplyListAppearance();
  // No window yet: it is made when the box is first shown, so that the main window comes up
  // sooner.
}

void TFrmInput::ApplyListAppearance() {
  const ui::ListBox& list = main_.ListBox1;
  Edit1.SetFont(list.GetFont());
  ComboBox1.SetFont(list.GetFont());
  Edit1.SetColor(list.GetColor());
  ComboBox1.SetColor(list.GetColor());
}

void TFrmInput::FormShow() {
  ComboBox1.ClearItems();
  for (int n = 1;; ++n) {
    const std::string value = text::Lookup(main_.Settings, "Go" + std::to_string(n));
    if (value.empty()) break;
    const std::string folder = zunt::WithoutMark(value);
    ComboBox1.AddItem(folder);
    if (folder.empty()) break;
  }
}

void TFrmInput::Edit1KeyDown(int& key, ui::ShiftState shift) {
  if (key == ui::vkReturn) {
    SetModalResult(ui::mrOk);
  } else if (key == ui::vkEscape) {
    SetModalResult(ui::mrCancel);
  } else if (key == 'D' && (shift & ui::kAlt) != 0) {
    ComboBox1.SetSelText(main_.DesktopDir);
  }
}
