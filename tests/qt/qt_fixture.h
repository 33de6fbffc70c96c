// One Qt backend on the offscreen platform for all tests; message boxes and the error display
// are recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace ui::qt {

class RecordingBackend : public QtBackend {
 public:
  using QtBackend::QtBackend;
  std::vector<std::string> errors;
  std::vector<std::string> messages;
  void ShowError(std::string_view message) override {
    errors.push_back(std::string(message) + ".");
  }
  int MessageBox(std::string_view text, std::string_view, int) override {
    messages.emplace_back(text);
    return mrOk;
  }
};

// The backend shared by the tests (created by main, which owns it).
RecordingBackend& TestBackend();

class QtTest : public ::testing::Test {
 protected:
  RecordingBackend& backend = TestBackend();
  void SetUp() override {
    backend.errors.clear();
    backend.messages.clear();
  }
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  // Shows form as the main form, runs body from its event loop, then closes it.
  void RunShown(Form& form, const std::function<void()>& body) {
    backend.Post([&] {
      Settle();
      body();
      form.Hide();
    });
    backend.Run(form);
  }
};

}  // namespace ui::qt
