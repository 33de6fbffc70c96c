// Shows a form with a menu bar, a popup menu and a list with Japanese lines, built through the
// model, for a look at the real thing under an X server.
#include <cstdio>
#include <memory>

#include "ui/form.h"
#include "ui/qt/qt_backend.h"

int main(int argc, char** argv) {
  ui::qt::QtBackend backend(argc, argv);
  ui::MainMenu menu;
  ui::PopupMenu popup;
  ui::Form form(backend);
  ui::ListBox list(&form);
  ui::MenuItem& file = menu.Items().Add(std::make_unique<ui::MenuItem>("&F"));
  // ﾌｫﾙﾀﾞ入力(&O), Ctrl+O; 最上(&T), Alt+T; 終了(&Q), Ctrl+Q
  ui::MenuItem& input = file.Add(
      std::make_unique<ui::MenuItem>("\xcc\xab\xd9\xc0\xde\x93\xfc\x97\xcd(&O)", ui::scCtrl | 'O'));
  ui::MenuItem& top =
      file.Add(std::make_unique<ui::MenuItem>("\x8d\xc5\x8f\xe3(&T)", ui::scAlt | 'T'));
  top.SetChecked(true);
  top.OnClick = [&](ui::MenuItem& item) {
    item.SetChecked(!item.Checked());
    form.SetStayOnTop(item.Checked());
  };
  file.Add(std::make_unique<ui::MenuItem>("-"));
  ui::MenuItem& quit =
      file.Add(std::make_unique<ui::MenuItem>("\x8f\x49\x97\xb9(&Q)", ui::scCtrl | 'Q'));
  quit.OnClick = [&](ui::MenuItem&) { form.Close(); };
  menu.Items().Add(std::make_unique<ui::MenuItem>("&go"));
  menu.Items().Add(std::make_unique<ui::MenuItem>("&M"));
  popup.Items().Add(std::make_unique<ui::MenuItem>("\xb1\xcc\xdf\xd8\xb9\xb0\xbc\xae\xdd"));
  form.SetMenu(&menu);
  form.SetCaption("zunt - C:\\\x83\x5c\x83\x74\x83\x67\\");  // C:\ソフト\ .
  form.SetBorderStyle(ui::BorderStyle::SizeToolWin);
  form.SetCloseBox(false);
  form.SetStayOnTop(true);
  form.SetBounds(179, 104, 137, 241);
  list.SetAlign(ui::Align::Client);
  list.SetItemHeight(12);
  list.SetPopupMenu(&popup);
  list.SetFocus();
  // The bounds as they would be stored.
  form.OnClose = [&] {
    std::printf("%d,%d,%d,%d\n", form.Left(), form.Top(), form.Width(), form.Height());
    std::fflush(stdout);
  };
  form.Realize();

  // A one-line box over the lower half of the window, as the input box is laid out.
  ui::Form box(backend);
  ui::Edit field(&box);
  box.SetBorderStyle(ui::BorderStyle::ToolWindow);
  field.SetFont(list.GetFont());
  field.OnKeyDown = [&](int& key, ui::ShiftState) {
    if (key == ui::vkReturn) box.SetModalResult(ui::mrOk);
    if (key == ui::vkEscape) box.SetModalResult(ui::mrCancel);
  };
  box.Realize();
  input.OnClick = [&](ui::MenuItem&) {
    box.SetClientWidth(form.ClientWidth());
    box.SetLeft(form.Left());
    box.SetTop(form.Top() + form.Height() / 2);
    box.SetCaption("\xcc\xab\xd9\xc0\xde\x93\xfc\x97\xcd");
    field.SetText("C:\\");
    field.SelectAll();
    field.SetWidth(form.ClientWidth());
    box.SetClientHeight(field.Height());
    box.SetActiveControl(&field);
    form.SetStayOnTop(false);
    const int result = box.ShowModal();
    form.SetStayOnTop(top.Checked());
    std::printf("box %d: %d,%d,%d,%d client %dx%d field %d\n", result, box.Left(), box.Top(),
                box.Width(), box.Height(), box.ClientWidth(), box.ClientHeight(), field.Height());
    std::fflush(stdout);
  };
  // <..>, <ソフト>, 日本語.txt, readme.txt, <C:>
  list.SetText(
      "<..>\r\n<\x83\x5c\x83\x74\x83\x67>\r\n\x93\xfa\x96\x7b\x8c\xea.txt\r\nreadme.txt\r\n<C:>"
      "\r\n");
  list.SetItemIndex(0);
  list.SetSelected(0, true);
  form.SetAcceptFiles(true);
  backend.Run(form);
  return 0;
}
