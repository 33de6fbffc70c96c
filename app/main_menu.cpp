// The menu bar and the popup menu's fixed item, built from one table.
#include <memory>

#include "app/texts.h"
#include "app/zunt1.h"

namespace {

using ui::MakeShortCut;
using ui::MenuItem;

constexpr ui::ShortCut kCtrl = ui::scCtrl, kShift = ui::scShift, kAlt = ui::scAlt;

MenuItem& AddItem(MenuItem& parent, const char* caption, ui::ShortCut sc = 0, int tag = 0) {
  return parent.Add(std::make_unique<MenuItem>(caption, sc, tag));
}

}  // namespace

void TFrmZunt::BuildMainMenu() {
  namespace cap = zunt::cap;
  MenuItem& bar = MainMenu1.Items();
  const auto on = [this](void (TFrmZunt::*handler)(MenuItem&)) {
    return [this, handler](MenuItem& sender) { (this->*handler)(sender); };
  };

  mnF = &AddItem(bar, "&F");
  mnFolderInput = &AddItem(*mnF, cap::mnFolderInput, kCtrl | 'O');
  mnRename = &AddItem(*mnF, cap::mnRename, kAlt | 'R');
  mnCopy = &AddItem(*mnF, cap::mnCopy, ui::vkF1 + 6);
  mnMove = &AddItem(*mnF, cap::mnMove, ui::vkF1 + 7, 1);
  mnNewFolder = &AddItem(*mnF, cap::mnNewFolder, ui::vkInsert);
  mnDelete = &AddItem(*mnF, cap::mnDelete, ui::vkDelete);
  mnDelete2 = &AddItem(*mnF, cap::mnDelete2, kShift | ui::vkDelete, 1);
  mnMkShortcut = &AddItem(*mnF, cap::mnMkShortcut, kAlt | 'S', 2);
  mnUpdate = &AddItem(*mnF, cap::mnUpdate, ui::vkF1 + 4);
  AddItem(*mnF, "-");
  mnAddGo = &AddItem(*mnF, cap::mnAddGo, kCtrl | 'D');
  mnApplication = &AddItem(*mnF, cap::mnApplication);
  mnSort = &AddItem(*mnF, cap::mnSort);
  mnSortName = &AddItem(*mnSort, cap::mnSortName, 0, 0);
  mnSortExt = &AddItem(*mnSort, cap::mnSortExt, 0, 1);
  mnSortUpdate = &AddItem(*mnSort, cap::mnSortUpdate, 0, 2);
  mnSortSize = &AddItem(*mnSort, cap::mnSortSize, 0, 3);
  Show1 = &AddItem(*mnF, cap::Show1);
  mnViewFullpath = &AddItem(*Show1, cap::mnViewFullpath, kAlt | 'P');
  mnViewStaytop = &AddItem(*Show1, cap::mnViewStaytop, kAlt | 'T');
  mnSetting = &AddItem(*mnF, cap::mnSetting);
  mnSetExtapps = &AddItem(*mnSetting, cap::mnSetExtapps, kCtrl | kShift | 'E');
  mnSetRpopup = &AddItem(*mnSetting, cap::mnSetRpopup, kCtrl | kShift | 'R');
  KSetGo = &AddItem(*mnSetting, cap::KSetGo, kCtrl | kShift | 'G');
  mnSetMask = &AddItem(*mnSetting, cap::mnSetMask, kCtrl | kShift | 'M');
  mnSetFont = &AddItem(*mnSetting, cap::mnSetFont);
  mnSetBgcolor = &AddItem(*mnSetting, cap::mnSetBgcolor);
  AddItem(*mnF, "-");
  mnQuit = &AddItem(*mnF, cap::mnQuit, kCtrl | 'Q');
  mnGo = &AddItem(bar, "&go");
  mnGoDesktop = &AddItem(*mnGo, cap::mnGoDesktop, ui::vkF1 + 2);
  mnM = &AddItem(bar, "&M");
  mnMask = &AddItem(*mnM, cap::mnMask, kAlt | kShift | 'M');

  for (MenuItem* sortItem : {mnSortName, mnSortExt, mnSortUpdate, mnSortSize}) {
    sortItem->SetRadioItem(true);
    sortItem->SetGroupIndex(1);
    sortItem->OnClick = on(&TFrmZunt::mnSortClick);
  }
  mnSortName->SetChecked(true);
  mnViewStaytop->SetChecked(true);

  mnFolderInput->OnClick = on(&TFrmZunt::mnFolderInputClick);
  mnViewFullpath->OnClick = on(&TFrmZunt::mnViewFullpathClick);
  mnViewStaytop->OnClick = on(&TFrmZunt::mnViewStaytopClick);
  mnSetFont->OnClick = on(&TFrmZunt::mnSetFontClick);
  mnSetBgcolor->OnClick = on(&TFrmZunt::mnSetBgcolorClick);
  mnQuit->OnClick = on(&TFrmZunt::mnQuitClick);
  mnGoDesktop->OnClick = on(&TFrmZunt::mnGoDesktopClick);
  mnMask->OnClick = on(&TFrmZunt::mnMaskClick);

  popAppli = &AddItem(PopupMenu1.Items(), cap::popAppli);
  SetMenu(&MainMenu1);
  ListBox1.SetPopupMenu(&PopupMenu1);
}
