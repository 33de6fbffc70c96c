// Asking the user for one line of text.
#include "app/zunt1.h"
#include "lists/zuninput.h"

int TFrmZunt::ShowInputBox(std::string_view caption, std::string_view initial, bool combo) {
  TFrmInput& box = *FrmInput;
  box.SetClientWidth(ClientWidth());
  box.SetLeft(Left());
  box.SetTop(Top() + Height() / 2);
  box.SetCaption(caption);
  ui::Edit& field = combo ? static_cast<ui::Edit&>(box.ComboBox1) : box.Edit1;
  box.Edit1.SetVisible(!combo);
  box.ComboBox1.SetVisible(combo);
  field.SetText(initial);
  field.SelectAll();
  field.SetWidth(ClientWidth());
  box.SetClientHeight(field.Height());
  box.SetActiveControl(&field);
  return WithoutStayOnTop([&box] { return box.ShowModal(); });
}
