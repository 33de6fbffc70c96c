// Moving to another folder from the list, the folder input and the desktop command.
#include "app/texts.h"
#include "app/zunt1.h"
#include "lists/zuninput.h"
#include "text/sjis.h"

void TFrmZunt::ListBox1Click() { UpdateCaption(); }

void TFrmZunt::mnFolderInputClick(ui::MenuItem&) {
  if (ShowInputBox(zunt::msg::kFolderInput, CurrentDir, false) != ui::mrOk) return;
  std::string typed = FrmInput->Edit1.Text();
  if (typed.empty()) return;
  if (!text::EndsWithBackslash(typed)) typed += "\\";
  CurrentDir = typed;
  RefreshList();
}

void TFrmZunt::mnGoDesktopClick(ui::MenuItem&) {
  CurrentDir = DesktopDir;
  RefreshList();
}
