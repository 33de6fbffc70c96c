#include "ui/qt/convert.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "qt_fixture.h"

namespace ui::qt {
namespace {

// "aあbい" in code page 932: a, 0x82A0, b, 0x82A2.
const std::string kMixed =
    "a\x82\xa0"
    "b\x82\xa2";

TEST(ConvertTest, BytePositionsAndCharacterPositions) {
  const QString shown = ToQString(kMixed);
  ASSERT_EQ(shown, QString::fromUtf8("aあbい"));
  const struct { int bytes, chars; } cases[] = {{0, 0}, {1, 1}, {3, 2}, {4, 3}, {6, 4}};
  for (const auto& c : cases) {
    EXPECT_EQ(CharPosFromBytes(kMixed, c.bytes), c.chars) << c.bytes;
    EXPECT_EQ(BytePosFromChars(shown, c.chars), c.bytes) << c.chars;
  }
  // A position inside a double-byte character is the start of that character.
  EXPECT_EQ(CharPosFromBytes(kMixed, 2), 1);
  EXPECT_EQ(CharPosFromBytes(kMixed, 99), 4);
  EXPECT_EQ(FromQString(shown), kMixed);
}

TEST(ConvertTest, ColoursPlainAndSystem) {
  QPalette system;
  system.setColor(QPalette::Base, Qt::white);
  system.setColor(QPalette::Text, Qt::black);
  system.setColor(QPalette::Button, QColor(1, 2, 3));
  EXPECT_EQ(ToQColor(0x00336699, system), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(ToQColor(clWindow, system), QColor(Qt::white));
  EXPECT_EQ(ToQColor(clWindowText, system), QColor(Qt::black));
  EXPECT_EQ(ToQColor(clBtnFace, system), QColor(1, 2, 3));
  EXPECT_EQ(FromQColor(QColor(0x99, 0x66, 0x33)), 0x00336699);
}

TEST(ConvertTest, LabelCaptionsLoseTheirMarks) {
  EXPECT_EQ(WithoutAccelerator("&File"), "File");
  EXPECT_EQ(WithoutAccelerator("A&&B"), "A&B");
  EXPECT_EQ(WithoutAccelerator("end&"), "end&");
}

class FontTest : public QtTest {};

TEST_F(FontTest, TheDefaultFaceShowsJapaneseWithAnInstalledGothic) {
  const Font font;  // ＭＳ Ｐゴシック, -12
  const QFont f = ToQFont(font);
  EXPECT_EQ(f.pixelSize(), 12);
  // Asked for by the installed face's own name.
  EXPECT_TRUE(f.family() == "IPAPGothic" || f.family() == "IPAGothic" ||
              f.family() == "Noto Sans CJK JP")
      << f.family().toStdString();
  EXPECT_EQ(QFontInfo(f).family(), f.family());
}

TEST_F(FontTest, InstalledFacesAndUnknownNamesPassUnchanged) {
  EXPECT_EQ(InstalledFamily(QStringLiteral("dejavu sans")), QStringLiteral("dejavu sans"));
  EXPECT_EQ(InstalledFamily(QStringLiteral("No Such Face")), QStringLiteral("No Such Face"));
}

TEST_F(FontTest, DialogChoicesMapBack) {
  Font before;
  before.color = 0x123456;
  QFont same = ToQFont(before);
  same.setPointSize(12);
  same.setBold(true);
  const Font kept = FromQFont(same, before);
  EXPECT_EQ(kept.name, before.name);  // the face the name stands for keeps the name
  EXPECT_EQ(kept.height, -16);
  EXPECT_TRUE(kept.bold);
  EXPECT_EQ(kept.color, 0x123456);

  // The dialog answers with the installed face the name was substituted by.
  QFont resolved(QStringLiteral("IPAPGothic"));
  resolved.setPointSize(9);
  EXPECT_EQ(FromQFont(resolved, before).name, before.name);
  EXPECT_EQ(FromQFont(resolved, before).height, -12);

  QFont other(QStringLiteral("IPAMincho"));
  other.setPixelSize(20);
  other.setItalic(true);
  const Font changed = FromQFont(other, before);
  EXPECT_EQ(changed.name, "IPAMincho");
  EXPECT_EQ(changed.height, -20);
  EXPECT_TRUE(changed.italic);
  EXPECT_FALSE(changed.bold);
}

}  // namespace
}  // namespace ui::qt
