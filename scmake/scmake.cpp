#include "scmake/scmake.h"

namespace zunt {

TSCMake::TSCMake(platform::ShellLinkService& shell) : shell_(shell) { shell_.Initialize(); }

TSCMake::~TSCMake() { shell_.Uninitialize(); }

std::int32_t TSCMake::MakeLink() {
  if (scName_.empty() || scDir_.empty() || linkPath_.empty()) return -1;
  if ((hotkey_ & 0xFF) == 0) hotkey_ = 0;

  std::unique_ptr<platform::ShellLink> link;
  if (const platform::HResult hr = shell_.CreateShellLink(link); hr < 0 || !link) {
    return hr < 0 ? hr : platform::kEFail;
  }
  link->SetPath(linkPath_);
  link->SetWorkingDirectory(workDir_);
  link->SetShowCmd(showCmd_);
  link->SetHotkey(hotkey_);
  link->SetIconLocation(iconPath_, iconNo_);
  link->SetArguments(argument_);

  platform::PersistFile* file = nullptr;
  if (const platform::HResult hr = link->QueryPersistFile(file); hr < 0 || !file) {
    return hr < 0 ? hr : platform::kENoInterface;
  }
  return file->Save(LinkFileName(scDir_, scName_));
}

std::int32_t TSCMake::ReadLink(std::string_view path) {
  if (!HasLinkExtension(path)) return -1;
  std::unique_ptr<platform::ShellLink> link;
  if (shell_.CreateShellLink(link) < 0 || !link) return -1;
  platform::PersistFile* file = nullptr;
  if (link->QueryPersistFile(file) < 0 || !file) return -1;
  if (file->Load(path) < 0) return -1;

  // Everything is read before anything is assigned: path may be one of our own texts.
  std::string name(LinkNameOf(path));
  std::string dir(LinkDirOf(path));
  std::int32_t iconNo = 0;
  std::string iconPath = link->GetIconLocation(iconNo);
  scName_ = std::move(name);
  scDir_ = std::move(dir);
  linkPath_ = link->GetPath();
  workDir_ = link->GetWorkingDirectory();
  showCmd_ = link->GetShowCmd();
  hotkey_ = link->GetHotkey();
  iconPath_ = std::move(iconPath);
  iconNo_ = iconNo;
  argument_ = link->GetArguments();
  return 0;
}

}  // namespace zunt
