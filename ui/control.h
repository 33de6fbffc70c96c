// Controls of the user-interface stand-in. Each control holds its state here; a backend
// attaches a peer that mirrors the state onto a real widget and feeds user input back.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/types.h"

namespace ui {

class Form;
class PopupMenu;

enum class Change {
  Bounds,
  Visible,
  Caption,
  Font,
  Color,
  Items,
  Selection,
  Text,
  StayOnTop,
  ModalResult,
  Focus,
  AcceptFiles,
};

// The backend's side of a control: told of every change made by the system.
class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Changed(Change what) = 0;
};

enum class Align { None, Client };

class Control {
 public:
  explicit Control(Form* owner);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }

  bool Visible() const { return visible_; }
  void SetVisible(bool v);

  const Font& GetFont() const { return font_; }
  virtual void SetFont(const Font& font);
  Color GetColor() const { return color_; }
  void SetColor(Color c);

  Align GetAlign() const { return align_; }
  void SetAlign(Align a);
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int t) { tabOrder_ = t; }

  Form* Owner() const { return owner_; }
  void SetFocus();
  bool Focused() const;

  PopupMenu* GetPopupMenu() const { return popupMenu_; }
  void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

  void SetPeer(Peer* peer) { peer_ = peer; }
  Peer* GetPeer() const { return peer_; }
  // Runs f without telling the peer: for changes that come from the real widget itself.
  void Quietly(const std::function<void()>& f);

 protected:
  void Notify(Change what);

 private:
  Form* owner_;
  Peer* peer_ = nullptr;
  bool quiet_ = false;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  Font font_;
  Color color_ = clWindow;
  Align align_ = Align::None;
  int tabOrder_ = 0;
  PopupMenu* popupMenu_ = nullptr;
};

// A multi-select list of text lines.
class ListBox : public Control {
 public:
  explicit ListBox(Form* owner);

  // Replaces every line at once; lines end at CR LF or LF. No line is current afterwards.
  void SetText(std::string_view text);
  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }

  // The current (focus) line, -1 when none; setting it leaves the selection alone.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  bool Selected(int index) const;
  void SetSelected(int index, bool on);
  int SelCount() const;
  void ClearSelection();

  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int index);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int h);
  // The line under a client point, -1 below the last line.
  int ItemAtPos(int x, int y) const;

  // Default handling of arrows, Page Up/Down, Home and End: moves the current line and
  // selects it alone (Shift extends). Returns true when the key was such a key.
  bool HandleNavigationKey(int key, ShiftState shift);

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void(int& key, ShiftState shift)> OnKeyDown;
  std::function<void(char& key)> OnKeyPress;
  std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseDown;

 private:
  std::vector<std::string> items_;
  std::vector<char> selected_;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  int itemHeight_ = 13;
  int anchor_ = -1;
};

// A one-line edit field. Positions count bytes of code page 932 text.
class Edit : public Control {
 public:
  explicit Edit(Form* owner);

  const std::string& Text() const { return text_; }
  void SetText(std::string_view text);
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSelection(int start, int length);
  void SelectAll();
  std::string SelText() const;
  // Replaces the selection with s; the caret stands after it.
  void SetSelText(std::string_view s);

  void SetFont(const Font& font) override;
  bool AutoSize() const { return autoSize_; }

  std::function<void(int& key, ShiftState shift)> OnKeyDown;

 protected:
  bool autoSize_ = true;

 private:
  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
};

enum class ComboStyle { DropDown, DropDownList };

// An edit field with a drop-down list.
class ComboBox : public Edit {
 public:
  explicit ComboBox(Form* owner);

  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle s);
  const std::vector<std::string>& Items() const { return items_; }
  void ClearItems();
  void AddItem(std::string_view item);
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return itemIndex_; }
  // Selects a list item and puts it into the field; -1 selects none.
  void SetItemIndex(int index);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int h) { itemHeight_ = h; }

  std::function<void()> OnChange;

 private:
  ComboStyle style_ = ComboStyle::DropDown;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int itemHeight_ = 12;
};

class Label : public Control {
 public:
  explicit Label(Form* owner);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);

 private:
  std::string caption_;
};

class Button : public Control {
 public:
  explicit Button(Form* owner);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int r) { modalResult_ = r; }
  bool IsDefault() const { return default_; }
  void SetDefault(bool d) { default_ = d; }
  bool IsCancel() const { return cancel_; }
  void SetCancel(bool c) { cancel_ = c; }

  // A press: the handler, then the button's modal result (if any) ends the modal run.
  void Click();
  std::function<void()> OnClick;

 private:
  std::string caption_;
  int modalResult_ = 0;
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace ui
