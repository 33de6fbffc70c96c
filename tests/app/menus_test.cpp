#include <gtest/gtest.h>

#include "fixture.h"

namespace {

using MenusTest = ZuntTest;

TEST_F(MenusTest, GoItemsGetAcceleratorsAndCtrlDigits) {
  text::StringList go;
  for (int n = 1; n <= 12; ++n)
    go.push_back("Go" + std::to_string(n) + "=C:\\d" + std::to_string(n) + "\\");
  go[0] = "Go1=C:\\Work\\";
  go[1] = "Go2=C:\\";
  go[2] = "Go3=C:\\data\\old\\data\\";
  go[3] = "Go4=D:\\Work\\Sub(&S)";
  StartWithSettings(go);
  ASSERT_EQ(main->mnGo->Count(), 13);
  EXPECT_EQ(main->mnGo->Item(1).Caption(), "C:\\&Work\\");
  EXPECT_EQ(main->mnGo->Item(2).Caption(), "C:\\");
  EXPECT_EQ(main->mnGo->Item(3).Caption(), "C:\\&data\\old\\data\\");
  EXPECT_EQ(main->mnGo->Item(4).Caption(), "D:\\Work\\Sub(&S)");
  EXPECT_EQ(main->mnGo->Item(1).GetShortCut(), ui::scCtrl | '1');
  EXPECT_EQ(main->mnGo->Item(9).GetShortCut(), ui::scCtrl | '9');
  EXPECT_EQ(main->mnGo->Item(10).GetShortCut(), 0);
  EXPECT_EQ(main->mnGo->Item(12).Tag(), 12);
}

TEST_F(MenusTest, GoListEndsAtTheFirstGapAndItemsGoToTheStoredText) {
  os.AddFolder("D:\\Work\\Sub");
  os.drives |= 0x8;
  StartWithSettings({"Go1=D:\\Work\\Sub(&S)", "Go3=C:\\x\\"});
  ASSERT_EQ(main->mnGo->Count(), 2);
  Key('1', ui::kCtrl);
  EXPECT_EQ(main->CurrentDir, "D:\\Work\\Sub\\");
}

TEST_F(MenusTest, MaskItemsRoundTripThroughTheirCaptions) {
  StartWithSettings({"Msk1=*.*", "Msk2=ab", "Msk3=*.txt(&T)", "Msk4=*(1)*.*", "Msk5=*.jpg;*.gif"});
  const struct {
    int index;
    const char* caption;
    const char* mask;
  } cases[] = {
      {1, "*.&*", "*.*"},
      {2, "ab", "ab"},
      {3, "*.txt(&T)", "*.txt"},
      {4, "*(&1)*.*", "*(1)*.*"},
      {5, "*.&jpg;*.gif", "*.jpg;*.gif"},
  };
  for (const auto& c : cases) {
    ui::MenuItem& item = main->mnM->Item(c.index);
    EXPECT_EQ(item.Caption(), c.caption);
    item.Click();
    EXPECT_EQ(main->Mask, c.mask) << c.caption;
  }
}

}  // namespace
