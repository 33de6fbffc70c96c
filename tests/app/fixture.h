// A main window and its input box over a fake system and the headless backend.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/zunt1.h"
#include "lists/zuninput.h"
#include "platform/codec.h"
#include "platform/fake_system.h"
#include "ui/headless.h"

inline std::string J(const char* utf8) { return platform::Utf8ToCp932(utf8); }

class ZuntTest : public ::testing::Test {
 protected:
  static constexpr const char* kIni = "C:\\zunt\\zunt.ini";

  ZuntTest() {
    os.AddFolder("C:\\zunt");
    os.AddFolder("C:\\work");
    os.currentDir = "C:\\work";
  }

  void Start() {
    main = std::make_unique<TFrmZunt>(backend, zunt::Services{os});
    input = std::make_unique<TFrmInput>(backend, *main);
    main->FrmInput = input.get();
    backend.mainForm = main.get();
  }

  // Starts on the settings file a closed window leaves, followed by extra lines; returns the
  // file's bytes.
  std::string StartWithSettings(const text::StringList& extra = {}) {
    text::StringList lines = {
        "Width=137",    "Height=241",          "Left=179",     "Top=104",
        "FCharset=128", "FColor=-2147483640",  "FHeight=-12",  "FName=" + J("ＭＳ Ｐゴシック"),
        "FSize=9",      "BGColor=-2147483643", "IsFullpath=0", "isStayTop=1",
        "Mask=*.*"};
    lines.insert(lines.end(), extra.begin(), extra.end());
    os.files[kIni] = text::JoinLinesCrLf(lines);
    Start();
    return os.files[kIni];
  }

  std::vector<std::string> Lines() const { return main->ListBox1.Items(); }
  void Key(int key, ui::ShiftState shift = 0, char ch = 0) {
    backend.PressKey(*main, key, shift, ch);
  }
  // Answers the next input box with typed text and a key.
  void AnswerInput(std::string typed, int key = ui::vkReturn) {
    backend.modalScript.push_back([this, typed, key](ui::Form& form) {
      ui::Control* field = form.ActiveControl();
      static_cast<ui::Edit*>(field)->SetText(typed);
      backend.PressKey(form, key);
    });
  }

  ui::HeadlessBackend backend;
  platform::FakeSystem os;
  std::unique_ptr<TFrmZunt> main;
  std::unique_ptr<TFrmInput> input;
};
