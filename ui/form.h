// A top-level window: caption, outer bounds, client area, menu, modal runs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/menu.h"

namespace ui {

class Backend;

enum class BorderStyle { Sizeable, SizeToolWin, ToolWindow, Dialog };

class Form : public Control {
 public:
  explicit Form(Backend& backend);
  ~Form() override;

  Backend& GetBackend() const { return backend_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);

  // Left, Top, Width, Height are the outer frame; the client area excludes frame and menu bar.
  void SetBounds(int left, int top, int width, int height) override;
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientWidth(int w);
  void SetClientHeight(int h);

  BorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(BorderStyle s) { borderStyle_ = s; }
  bool HasCloseBox() const { return closeBox_; }
  void SetCloseBox(bool on) { closeBox_ = on; }

  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool on);

  MainMenu* GetMenu() const { return menu_; }
  void SetMenu(MainMenu* menu) { menu_ = menu; }

  const std::vector<Control*>& Controls() const { return controls_; }
  Control* ActiveControl() const { return activeControl_; }
  void SetActiveControl(Control* c);

  // Builds the real window once the form and its controls are set up.
  void Realize();

  void Show();
  void Hide();
  // Runs the form modally; returns its modal result (1 OK, 2 Cancel).
  int ShowModal();
  bool InModalRun() const { return inModal_; }
  int ModalResult() const { return modalResult_; }
  // A result other than 0 ends the modal run.
  void SetModalResult(int result);
  // Closes the form: OnClose may throw, which abandons the close. A modal form closed so
  // gets the result 2 when it has none.
  void Close();
  void Minimize();

  // Keyboard entry used by every backend: the active control's popup menu and then the
  // main menu are asked for the shortcut first; returns true when an item took it.
  bool IsShortCut(int key, ShiftState shift);
  // Lays out client-aligned controls.
  void LayoutControls();

  // Registration for files dropped on the window; it survives every style change.
  bool AcceptFiles() const { return acceptFiles_; }
  void SetAcceptFiles(bool on);

  std::function<void()> OnShow;
  std::function<void()> OnClose;
  // Local files dropped on the window, as host paths (UTF-8 bytes), in drop order.
  std::function<void(const std::vector<std::string>& hostPaths)> OnDropFiles;

 private:
  friend class Control;
  void Register(Control* c);
  void Unregister(Control* c);

  Backend& backend_;
  std::string caption_;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  bool closeBox_ = true;
  bool stayOnTop_ = false;
  bool acceptFiles_ = false;
  MainMenu* menu_ = nullptr;
  std::vector<Control*> controls_;
  Control* activeControl_ = nullptr;
  bool inModal_ = false;
  int modalResult_ = 0;
};

}  // namespace ui
