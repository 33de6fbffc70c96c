// The one-line input box laid over the lower half of the main window.
#pragma once

#include "ui/form.h"

class TFrmZunt;

class TFrmInput : public ui::Form {
 public:
  TFrmInput(ui::Backend& backend, TFrmZunt& main);

  ui::Edit Edit1{this};
  ui::ComboBox ComboBox1{this};

  // Gives both fields the font and background colour of the main list.
  void ApplyListAppearance();
  void FormShow();
  void Edit1KeyDown(int& key, ui::ShiftState shift);

 private:
  TFrmZunt& main_;
};
