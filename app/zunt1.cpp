#include "app/zunt1.h"

#include "app/texts.h"
#include "text/sjis.h"
#include "ui/backend.h"

TFrmZunt::TFrmZunt(ui::Backend& backend, zunt::Services services)
    : ui::Form(backend), services_(services) {
  // Layout.
  SetCaption("zunt");
  SetBorderStyle(ui::BorderStyle::SizeToolWin);
  SetCloseBox(false);
  BuildMainMenu();
  SetBounds(179, 104, 137, 241);
  SetStayOnTop(true);
  ListBox1.SetAlign(ui::Align::Client);
  ListBox1.SetItemHeight(12);
  ListBox1.OnClick = [this] { ListBox1Click(); };
  ListBox1.SetFocus();
  OnClose = [this] { FormClose(); };
  OnDropFiles = [this](const std::vector<std::string>& paths) { FormDropFiles(paths); };

  // Start-up, in order.
  const std::uint32_t drives = Os().GetLogicalDrives();
  SortKind = 0;
  BackStep = false;
  IniPath = std::string(text::FolderPart(Os().ExePath())) + "zunt.ini";
  LoadSettings();
  BuildGoMenu();
  BuildMaskMenu();
  BuildDriveLines(drives);
  DesktopDir = Os().DesktopDir() + "\\";
  LastGoodDir = Os().GetCurrentDir();
  const std::vector<std::string> args = Os().Args();
  if (args.size() == 1) {
    CurrentDir = args[0];
    if (!text::EndsWithBackslash(CurrentDir)) CurrentDir += "\\";
  } else {
    CurrentDir = Os().GetCurrentDir();
  }
  Realize();
  RefreshList();
  SetAcceptFiles(true);
}

TFrmZunt::~TFrmZunt() = default;

void TFrmZunt::BuildDriveLines(std::uint32_t mask) {
  const std::string lineTemplate = "<X:>";
  DriveCount = 0;
  DriveLines.clear();
  for (int bit = 0; bit < 26; ++bit) {
    if ((mask & (1u << bit)) == 0) continue;
    ++DriveCount;
    std::string line = lineTemplate;
    line[1] = static_cast<char>('A' + bit);
    DriveLines += line + "\n";
  }
}

void TFrmZunt::MinimizeWindow() { Minimize(); }

void TFrmZunt::FormClose() { SaveSettings(false); }

void TFrmZunt::mnQuitClick(ui::MenuItem&) { Close(); }

void TFrmZunt::mnViewFullpathClick(ui::MenuItem&) {
  mnViewFullpath->SetChecked(!mnViewFullpath->Checked());
  UpdateCaption();
}

void TFrmZunt::mnViewStaytopClick(ui::MenuItem&) {
  mnViewStaytop->SetChecked(!mnViewStaytop->Checked());
  SetStayOnTop(mnViewStaytop->Checked());
}

void TFrmZunt::ShellOpen(std::string_view file, std::string_view parameters) {
  const platform::ShellResult result = Os().ShellExecute(file, parameters);
  if (!result.ok && result.error == 2) {
    const std::string message =
        zunt::msg::kFilePrefix + std::string(file) + zunt::msg::kNotFoundSuffix;
    GetBackend().MessageBox(message, zunt::msg::kCaptionError, ui::mbOk);
  }
}
