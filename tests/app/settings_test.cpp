#include <gtest/gtest.h>

#include "app/texts.h"
#include "fixture.h"

namespace {

std::string Crlf(const std::vector<std::string>& lines) { return text::JoinLinesCrLf(lines); }

TEST_F(ZuntTest, FirstRunWritesTheNineEntriesThenTheThirteenOfTheWindow) {
  Start();
  Key('Q', ui::kCtrl);
  EXPECT_FALSE(main->Visible());
  const std::string expected = Crlf({
      "Exttxt=" + J("メモ帳|notepad.exe"),
      "Extpsd=Adobe Photoshop",
      J("Popﾒﾓ帳(&N)=N,notepad.exe"),
      "Pop&Pelor=M,Quenda",
      "Pop&Mirel=S,Lanto",
      "Pop&Excel= ,C:\\Program Files\\Microsoft Office\\Office10\\EXCEL.EXE",
      "Msk1=*.*",
      "Msk2=*.jpg;*.gif;*.bmp",
      "Sort=0",
      "Width=137",
      "Height=241",
      "Left=179",
      "Top=104",
      "FCharset=128",
      "FColor=-2147483640",
      "FHeight=-12",
      "FName=" + J("ＭＳ Ｐゴシック"),
      "FSize=9",
      "BGColor=-2147483643",
      "IsFullpath=0",
      "isStayTop=1",
      "Mask=*.*",
  });
  EXPECT_EQ(os.files[kIni], expected);
}

TEST_F(ZuntTest, SavedSettingsComeBackAndAreRewrittenInPlace) {
  os.files[kIni] =
      Crlf({"junk line", "width=200", "Height=300", "Left=10", "Top=20", "FCharset=1", "FColor=255",
            "FHeight=-16", "FName=Sans", "FSize=14", "BGColor=65280", "IsFullpath=1",
            "isStayTop=true", "Sort=3", "Mask=*.txt", "Go1=C:\\work\\", "width=999"});
  Start();
  EXPECT_EQ(main->Width(), 200);
  EXPECT_EQ(main->Height(), 300);
  EXPECT_EQ(main->Left(), 10);
  EXPECT_EQ(main->Top(), 20);
  const ui::Font& font = main->ListBox1.GetFont();
  EXPECT_EQ(font.charset, 1);
  EXPECT_EQ(font.color, 255);
  EXPECT_EQ(font.name, "Sans");
  EXPECT_EQ(font.Size(), 14);  // the size is applied last and decides the height
  EXPECT_EQ(font.height, -19);
  EXPECT_EQ(main->ListBox1.GetColor(), 65280);
  EXPECT_TRUE(main->mnViewFullpath->Checked());
  EXPECT_FALSE(main->mnViewStaytop->Checked());  // only "1" is on
  EXPECT_FALSE(main->StayOnTop());
  EXPECT_EQ(main->SortKind, 3);
  EXPECT_TRUE(main->mnSortSize->Checked());
  EXPECT_FALSE(main->mnSortName->Checked());
  EXPECT_EQ(main->Mask, "*.txt");
  EXPECT_EQ(input->Edit1.GetFont(), font);  // the input box is made after the settings load

  main->Close();
  const auto lines = text::SplitLines(os.files[kIni]);
  EXPECT_EQ(lines[0], "junk line");
  EXPECT_EQ(lines[1], "Width=200");  // rewritten in place, spelled as assigned
  EXPECT_EQ(lines[13], "Sort=3");
  EXPECT_EQ(lines.back(), "width=999");
  EXPECT_EQ(text::Lookup(lines, "isStayTop"), "0");
}

TEST_F(ZuntTest, LoneLfCrAndNulAreReadAsTheLineRulesSay) {
  using namespace std::string_literals;
  os.files[kIni] =
      "Width=1\nHeight=2\rLeft=3\r\nTop=4\nFCharset=0\nFColor=0\nFHeight=-12\nFName=x\n"
      "FSize=9\nBGColor=0\nMask=*.c\n\0Junk=1\n"s;
  Start();
  EXPECT_EQ(main->Height(), 2);
  EXPECT_EQ(main->Left(), 3);
  EXPECT_EQ(main->Mask, "*.c");
  EXPECT_EQ(main->SortKind, 0);  // "Sort" missing reads as 0
  EXPECT_EQ(text::IndexOfName(main->Settings, "Junk"), -1);
  main->Close();
  EXPECT_EQ(os.files[kIni].find("\n\n"), std::string::npos);
  EXPECT_NE(os.files[kIni].find("Height=2\r\nLeft=3\r\n"), std::string::npos);
}

TEST_F(ZuntTest, OddLinesAndBytesAndAHugeFileRoundTripUnchanged) {
  text::StringList extra = {"no equals sign", "=starts with equals", "Bad=\x81\xff\x80\xfd"};
  for (int i = 0; i < 60000; ++i) {
    extra.push_back("Pad" + std::to_string(i) + "=" + std::string(80, 'x'));
  }
  const std::string bytes = StartWithSettings(extra);
  ASSERT_GT(bytes.size(), 5'000'000u);
  main->Close();
  EXPECT_TRUE(os.files[kIni] == bytes);
}

TEST_F(ZuntTest, FileWithoutWidthAppliesNothing) {
  os.files[kIni] = "Height=abc\r\nMask=*.txt\r\n";
  os.AddFile("C:\\work\\a.txt");
  Start();
  EXPECT_EQ(main->Mask, "");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"<..>", "<C:>"}));
  EXPECT_EQ(main->Settings.size(), 2u);
}

TEST_F(ZuntTest, FontNameIsCutTo31Bytes) {
  os.files[kIni] =
      Crlf({"Width=1", "Height=2", "Left=3", "Top=4", "FCharset=0", "FColor=0", "FHeight=-12",
            "FName=" + std::string(40, 'n'), "FSize=9", "BGColor=0", "Sort=0"});
  Start();
  EXPECT_EQ(main->ListBox1.GetFont().name, std::string(31, 'n'));
}

TEST_F(ZuntTest, UnwritableFileKeepsTheWindowOpen) {
  os.unwritable.push_back(kIni);
  Start();
  ui::Guarded(backend, [&] { main->Close(); });
  ASSERT_EQ(backend.errors.size(), 1u);
  EXPECT_EQ(backend.errors[0], J("ﾌｧｲﾙ C:\\zunt\\zunt.ini を作成できません."));
  EXPECT_TRUE(main->Visible());
  EXPECT_EQ(os.files.count(kIni), 0u);
}

TEST_F(ZuntTest, EmptyMaskDeletesItsLine) {
  Start();
  main->Mask = "";
  main->Close();
  EXPECT_EQ(text::IndexOfName(text::SplitLines(os.files[kIni]), "Mask"), -1);
}

TEST_F(ZuntTest, FontAndColourReachTheListAndTheInputBox) {
  Start();
  ui::Font big;
  big.name = "Big";
  big.height = -20;
  backend.fontChoice = big;
  backend.colorChoice = 0x00FF00;
  main->mnSetFont->Click();
  main->mnSetBgcolor->Click();
  EXPECT_EQ(main->ListBox1.GetFont(), big);
  EXPECT_EQ(input->Edit1.GetFont(), big);
  EXPECT_EQ(input->ComboBox1.GetColor(), 0x00FF00);
  EXPECT_EQ(input->Edit1.Height(), 28);  // the field follows its font
  EXPECT_TRUE(main->StayOnTop());
  // Cancelled dialogs change nothing.
  backend.fontChoice.reset();
  main->mnSetFont->Click();
  EXPECT_EQ(main->ListBox1.GetFont(), big);
}

}  // namespace
