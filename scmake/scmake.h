// TSCMake: the settings of one shortcut file in nine properties, written to a file by MakeLink
// and loaded from one by ReadLink through the shell link service.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/shell_link.h"
#include "scmake/link_rules.h"

namespace zunt {

class TSCMake {
 public:
  // Initialises the service for this instance; the destructor uninitialises it.
  explicit TSCMake(platform::ShellLinkService& shell);
  ~TSCMake();
  TSCMake(const TSCMake&) = delete;
  TSCMake& operator=(const TSCMake&) = delete;

  const std::string& SCDir() const { return scDir_; }
  void SetSCDir(std::string_view v) { scDir_ = v; }
  const std::string& SCName() const { return scName_; }
  void SetSCName(std::string_view v) { scName_ = v; }
  const std::string& LinkPath() const { return linkPath_; }
  void SetLinkPath(std::string_view v) { linkPath_ = v; }
  const std::string& WorkDir() const { return workDir_; }
  void SetWorkDir(std::string_view v) { workDir_ = v; }
  WNDSTATE WndState() const { return WndStateOf(showCmd_); }
  void SetWndState(WNDSTATE v) { showCmd_ = ShowCmdOf(v); }
  std::uint16_t SCKey() const { return ShortCutOf(hotkey_); }
  void SetSCKey(std::uint16_t v) { hotkey_ = HotkeyOf(v); }
  const std::string& IconPath() const { return iconPath_; }
  void SetIconPath(std::string_view v) { iconPath_ = v; }
  std::int32_t IconNo() const { return iconNo_; }
  void SetIconNo(std::int32_t v) { iconNo_ = v; }
  const std::string& Argument() const { return argument_; }
  void SetArgument(std::string_view v) { argument_ = v; }

  // 0 when saved; -1 when SCName, SCDir or LinkPath is empty; else the service's result.
  std::int32_t MakeLink();
  // 0 when the file was loaded and all nine properties replaced; -1, changing nothing, else.
  std::int32_t ReadLink(std::string_view path);

 private:
  platform::ShellLinkService& shell_;
  std::string scDir_;
  std::string scName_;
  std::string linkPath_;
  std::string workDir_;
  std::int32_t showCmd_ = 0;  // in the shell's form; a value read from a file is kept as it is
  std::uint16_t hotkey_ = 0;  // in the shell's form
  std::string iconPath_;
  std::int32_t iconNo_ = 0;
  std::string argument_;
};

}  // namespace zunt
