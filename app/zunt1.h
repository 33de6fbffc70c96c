// The main window: a narrow list of the folder on show, its menus and its state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/services.h"
#include "platform/global_memory.h"
#include "platform/system.h"
#include "platform/window_service.h"
#include "text/strlist.h"
#include "ui/form.h"

class TFrmInput;

class TFrmZunt : public ui::Form {
 public:
  TFrmZunt(ui::Backend& backend, zunt::Services services);
  ~TFrmZunt() override;

  // Components.
  ui::ListBox ListBox1{this};
  ui::MainMenu MainMenu1;
  ui::PopupMenu PopupMenu1;
  ui::MenuItem* mnF = nullptr;
  ui::MenuItem* mnFolderInput = nullptr;
  ui::MenuItem* mnRename = nullptr;
  ui::MenuItem* mnCopy = nullptr;
  ui::MenuItem* mnMove = nullptr;
  ui::MenuItem* mnNewFolder = nullptr;
  ui::MenuItem* mnDelete = nullptr;
  ui::MenuItem* mnDelete2 = nullptr;
  ui::MenuItem* mnMkShortcut = nullptr;
  ui::MenuItem* mnUpdate = nullptr;
  ui::MenuItem* mnAddGo = nullptr;
  ui::MenuItem* mnApplication = nullptr;
  ui::MenuItem* mnSort = nullptr;
  ui::MenuItem* mnSortName = nullptr;
  ui::MenuItem* mnSortExt = nullptr;
  ui::MenuItem* mnSortUpdate = nullptr;
  ui::MenuItem* mnSortSize = nullptr;
  ui::MenuItem* Show1 = nullptr;
  ui::MenuItem* mnViewFullpath = nullptr;
  ui::MenuItem* mnViewStaytop = nullptr;
  ui::MenuItem* mnSetting = nullptr;
  ui::MenuItem* mnSetExtapps = nullptr;
  ui::MenuItem* mnSetRpopup = nullptr;
  ui::MenuItem* KSetGo = nullptr;
  ui::MenuItem* mnSetMask = nullptr;
  ui::MenuItem* mnSetFont = nullptr;
  ui::MenuItem* mnSetBgcolor = nullptr;
  ui::MenuItem* mnQuit = nullptr;
  ui::MenuItem* mnGo = nullptr;
  ui::MenuItem* mnGoDesktop = nullptr;
  ui::MenuItem* mnM = nullptr;
  ui::MenuItem* mnMask = nullptr;
  ui::MenuItem* popAppli = nullptr;

  // The input box, created after this window (set by the program entry).
  TFrmInput* FrmInput = nullptr;

  // Fields.
  std::int32_t SortKind = 0;
  std::int32_t DriveCount = 0;
  std::int32_t SearchPos = 0;
  std::int32_t LastMatchChar = 0;
  bool BackStep = false;
  text::StringList Settings;
  text::StringList WorkList;
  text::StringList SortKeys;
  text::StringList LineInfos;
  text::StringList MaskParts;
  text::StringList History;
  std::string IniPath;
  std::string DesktopDir;
  std::string FolderName;
  std::string DriveLines;
  std::string CurrentDir;
  std::string LastGoodDir;
  std::string Mask;
  platform::SearchRec SearchRec;

  // Window (app/zunt1.cpp).
  void MinimizeWindow();
  void FormClose();
  void mnQuitClick(ui::MenuItem& sender);
  void mnViewFullpathClick(ui::MenuItem& sender);
  void mnViewStaytopClick(ui::MenuItem& sender);
  void ShellOpen(std::string_view file, std::string_view parameters);
  // Runs a modal dialog of this window with the stay-on-top style dropped while it is up.
  template <typename Run>
  auto WithoutStayOnTop(Run run) {
    const bool top = mnViewStaytop->Checked();
    if (top) SetStayOnTop(false);
    struct Restore {
      TFrmZunt& w;
      bool top;
      ~Restore() {
        if (top) w.SetStayOnTop(true);
      }
    } restore{*this, top};
    return run();
  }

  // Settings (app/settings.cpp).
  void LoadSettings();
  void SaveSettings(bool skipGeometry);
  void mnSetFontClick(ui::MenuItem& sender);
  void mnSetBgcolorClick(ui::MenuItem& sender);

  // Listing (app/listing.cpp).
  void RefreshList();
  void UpdateCaption();
  bool IsDirectory(std::string_view path);
  void SplitMask(std::string_view text, char separator);
  void AddSortKey(bool folder);
  void SortWorkList();
  void mnSortClick(ui::MenuItem& sender);

  // Navigation (app/navigation.cpp).
  void ListBox1Click();
  void mnFolderInputClick(ui::MenuItem& sender);
  void mnGoDesktopClick(ui::MenuItem& sender);

  // Go and mask menus (lists/go_mask_menus.cpp).
  void BuildGoMenu();
  void AddGoItem(std::string_view text, int number);
  void GoItemClick(ui::MenuItem& item);
  void BuildMaskMenu();
  void AddMaskItem(std::string_view text);
  void MaskItemClick(ui::MenuItem& item);
  void mnMaskClick(ui::MenuItem& sender);

  // Input box (lists/show_input_box.cpp).
  int ShowInputBox(std::string_view caption, std::string_view initial, bool combo);

  // Handing files to a running window and drops (launch/, app/wm_drop_files.cpp)
  platform::WindowHandle FindWindowByTitle(std::string_view text);
  platform::GlobalHandle NewDropBlock();
  platform::GlobalHandle AddDropFile(platform::GlobalHandle block, std::string_view path);
  // Posts the block to target, which then owns it; a block that cannot be posted is released.
  void PostDropFiles(platform::WindowHandle target, platform::GlobalHandle block);
  // The whole hand-over: one block with every path, posted to target.
  void HandOverFiles(platform::WindowHandle target, const std::vector<std::string>& paths);
  void WMDropFiles(platform::GlobalHandle drop);
  // Local files dropped on the window, as host paths.
  void FormDropFiles(const std::vector<std::string>& hostPaths);

  platform::System& Os() const { return services_.system; }
  const zunt::Services& GetServices() const { return services_; }

 private:
  void BuildMainMenu();
  void BuildDriveLines(std::uint32_t mask);

  zunt::Services services_;
};
