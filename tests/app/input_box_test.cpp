#include <gtest/gtest.h>

#include "app/texts.h"
#include "fixture.h"

namespace {

TEST_F(ZuntTest, InputBoxLiesOverTheLowerHalfOneFieldHigh) {
  Start();
  int clientHeight = 0;
  backend.modalScript.push_back([&](ui::Form& form) {
    EXPECT_EQ(form.Left(), 179);
    EXPECT_EQ(form.Top(), 104 + 241 / 2);
    EXPECT_EQ(form.ClientWidth(), main->ClientWidth());
    EXPECT_EQ(input->Edit1.Width(), main->ClientWidth());
    EXPECT_TRUE(input->Edit1.Visible());
    EXPECT_FALSE(input->ComboBox1.Visible());
    EXPECT_EQ(input->Edit1.Text(), "C:\\work\\");
    EXPECT_EQ(input->Edit1.SelLength(), 8);
    EXPECT_EQ(form.ActiveControl(), &input->Edit1);
    clientHeight = form.ClientHeight();
    backend.PressKey(form, ui::vkEscape);
  });
  EXPECT_EQ(main->ShowInputBox(zunt::msg::kFolderInput, main->CurrentDir, false), ui::mrCancel);
  EXPECT_EQ(clientHeight, input->Edit1.Height());
  EXPECT_EQ(backend.modalCaptions.back(), zunt::msg::kFolderInput);
  EXPECT_EQ(backend.stayOnTopDuringModal.back(), false);
  EXPECT_TRUE(main->StayOnTop());
}

TEST_F(ZuntTest, InputBoxKeepsStayOnTopAloneWhenTheViewIsOff) {
  Start();
  Key('T', ui::kAlt);
  AnswerInput("x");
  EXPECT_EQ(main->ShowInputBox("c", "", false), ui::mrOk);
  EXPECT_EQ(backend.stayOnTopDuringModal.back(), false);
  EXPECT_FALSE(main->StayOnTop());
}

TEST_F(ZuntTest, EnterOnAnEmptyFieldConfirmsAndTheCloseBoxCancels) {
  Start();
  AnswerInput("");
  EXPECT_EQ(main->ShowInputBox("c", "abc", false), ui::mrOk);
  EXPECT_EQ(input->Edit1.Text(), "");
  backend.modalScript.push_back([](ui::Form& form) { form.Close(); });
  EXPECT_EQ(main->ShowInputBox("c", "abc", false), ui::mrCancel);
}

TEST_F(ZuntTest, ComboOffersGoFoldersUpToTheFirstGap) {
  Start();
  text::Assign(main->Settings, "Go1", "C:\\Work\\(&W)");
  text::Assign(main->Settings, "Go2", "D:\\Data");
  text::Assign(main->Settings, "Go4", "E:\\late");
  backend.modalScript.push_back([&](ui::Form& form) {
    EXPECT_TRUE(input->ComboBox1.Visible());
    EXPECT_FALSE(input->Edit1.Visible());
    EXPECT_EQ(input->ComboBox1.Items(), (std::vector<std::string>{"C:\\Work\\", "D:\\Data"}));
    backend.PressKey(form, ui::vkReturn);
  });
  EXPECT_EQ(main->ShowInputBox("c", "", true), ui::mrOk);
}

TEST_F(ZuntTest, AltDInsertsTheDesktopIntoTheComboAtTheCaret) {
  Start();
  backend.modalScript.push_back([&](ui::Form& form) {
    backend.PressKey(form, 'D', ui::kAlt);  // "abc" fully selected: replaced
    EXPECT_EQ(input->ComboBox1.Text(), "C:\\Users\\me\\Desktop\\");
    input->ComboBox1.SetText("abc");
    input->ComboBox1.SetSelection(3, 0);
    backend.PressKey(form, 'D', ui::kAlt | ui::kShift);
    EXPECT_EQ(input->ComboBox1.Text(), "abcC:\\Users\\me\\Desktop\\");
    backend.PressKey(form, ui::vkEscape);
  });
  main->ShowInputBox("c", "abc", true);
  // In the plain field Alt+D still goes to the hidden combo box.
  backend.modalScript.push_back([&](ui::Form& form) {
    backend.PressKey(form, 'D', ui::kAlt);
    EXPECT_EQ(input->Edit1.Text(), "keep");
    backend.PressKey(form, ui::vkEscape);
  });
  main->ShowInputBox("c", "keep", false);
}

TEST_F(ZuntTest, FolderInputGoesToTheTypedFolder) {
  os.AddFolder("C:\\target");
  Start();
  AnswerInput("C:\\target");
  Key('O', ui::kCtrl);
  EXPECT_EQ(main->CurrentDir, "C:\\target\\");
  EXPECT_EQ(main->Caption(), "target");
  AnswerInput("");
  Key('O', ui::kCtrl);
  AnswerInput("C:\\zunt", ui::vkEscape);
  Key('O', ui::kCtrl);
  EXPECT_EQ(main->CurrentDir, "C:\\target\\");
  // Confirming the unchanged text shows the same folder again.
  backend.modalScript.push_back([&](ui::Form& form) { backend.PressKey(form, ui::vkReturn); });
  Key('O', ui::kCtrl);
  EXPECT_EQ(main->History.size(), 3u);
}

TEST_F(ZuntTest, MaskInputChangesTheListedFiles) {
  os.AddFile("C:\\work\\a.txt");
  os.AddFile("C:\\work\\b.jpg");
  Start();
  backend.modalScript.push_back([&](ui::Form& form) {
    EXPECT_EQ(input->Edit1.Text(), "*.*");
    input->Edit1.SetText("*.jpg");
    backend.PressKey(form, ui::vkReturn);
  });
  Key('M', ui::kAlt | ui::kShift);
  EXPECT_EQ(main->Mask, "*.jpg");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"<..>", "b.jpg", "<C:>"}));
  AnswerInput("*.txt", ui::vkEscape);
  Key('M', ui::kAlt | ui::kShift);
  EXPECT_EQ(main->Mask, "*.jpg");
}

}  // namespace
