// The one keyboard route: menu shortcuts, key-down handlers, the list's own keys, typed bytes.
#include <QAction>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "qt_fixture.h"

namespace ui::qt {
namespace {

struct KeyDown {
  int key;
  ShiftState shift;
  bool operator==(const KeyDown&) const = default;
};

class KeysTest : public QtTest {
 protected:
  KeysTest() {
    MenuItem& file = menu.Items().Add(std::make_unique<MenuItem>("&F"));
    // ｺﾋﾟｰ (copy), F7
    MenuItem& copy = file.Add(std::make_unique<MenuItem>("\xba\xcb\xdf\xb0", 118));
    copy.OnClick = [this](MenuItem&) { ++copies; };
    menu.Items().Add(std::make_unique<MenuItem>("&go"));
    form.SetMenu(&menu);
    form.SetBounds(0, 0, 150, 200);
    list.SetAlign(Align::Client);
    list.SetText("abc\nbcd\ncde\n");
    list.OnKeyDown = [this](int& key, ShiftState shift) {
      downs.push_back({key, shift});
      if (swallow) key = 0;
    };
    list.OnKeyPress = [this](char& c) {
      typed += c;
      c = 0;
    };
    list.SetFocus();
    form.Realize();
    view = qobject_cast<QListView*>(backend.WidgetOf(list));
  }

  MainMenu menu;
  Form form{backend};
  ListBox list{&form};
  QListView* view = nullptr;
  int copies = 0;
  bool swallow = false;
  std::vector<KeyDown> downs;
  std::string typed;
};

TEST_F(KeysTest, AShortcutFiresItsItemOnceAndShowsItsText) {
  RunShown(form, [&] {
    QTest::keyClick(view, Qt::Key_F7);
    EXPECT_EQ(copies, 1);
    EXPECT_TRUE(downs.empty());  // a shortcut goes no further
    auto* bar = backend.WindowOf(form)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> items = bar->actions().at(0)->menu()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text(), QString::fromUtf8("ｺﾋﾟｰ\tF7"));
    EXPECT_TRUE(items[0]->shortcut().isEmpty());
  });
}

TEST_F(KeysTest, AltKeysReachTheListAndMoveNoLine) {
  list.SetItemIndex(1);
  RunShown(form, [&] {
    QTest::keyClick(view, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(typed, "");  // Alt types nothing
    const std::vector<KeyDown> expected = {{vkLeft, kAlt}, {vkDown, kAlt | kShift}, {'B', kAlt}};
    std::vector<KeyDown> seen;  // Shift and Alt go down as keys of their own too
    for (const KeyDown& d : downs) {
      if (d.key != vkShift && d.key != vkMenu) seen.push_back(d);
    }
    EXPECT_NE(std::find(downs.begin(), downs.end(), KeyDown{vkMenu, kAlt}), downs.end());
    EXPECT_EQ(seen, expected);
  });
}

TEST_F(KeysTest, ArrowsMoveTheLineUnlessTheHandlerTakesThem) {
  int clicks = 0;
  list.OnClick = [&] { ++clicks; };
  RunShown(form, [&] {
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_TRUE(list.Selected(1));
    EXPECT_EQ(view->currentIndex().row(), 1);
    EXPECT_EQ(clicks, 1);
    swallow = true;
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
  });
}

TEST_F(KeysTest, TypedCharactersArriveByteByByteAndNeverSearch) {
  list.SetItemIndex(0);
  RunShown(form, [&] {
    QTest::keyClicks(view, "c");
    EXPECT_EQ(list.ItemIndex(), 0);  // no type-to-find of the list's own
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("ア"));
    QApplication::sendEvent(view, &commit);
    EXPECT_EQ(typed, "c\x83\x41");
  });
}

TEST_F(KeysTest, AltWithAnAcceleratorOpensItsMenu) {
  RunShown(form, [&] {
    auto* bar = backend.WindowOf(form)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QTest::keyClick(view, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(bar->activeAction(), bar->actions().at(1));
    if (QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget())) open->close();
    EXPECT_EQ(copies, 0);
  });
}

TEST(EditKeysTest, AltTypesNothingInAnEdit) {
  RecordingBackend& backend = TestBackend();
  Form form(backend);
  Edit field(&form);
  std::vector<KeyDown> downs;
  field.OnKeyDown = [&](int& key, ShiftState shift) { downs.push_back({key, shift}); };
  form.Realize();
  auto* edit = qobject_cast<QLineEdit*>(backend.WidgetOf(field));
  QTest::keyClick(edit, Qt::Key_D, Qt::AltModifier);
  QTest::keyClicks(edit, "d");
  EXPECT_EQ(field.Text(), "d");
  ASSERT_GE(downs.size(), 2u);
  EXPECT_TRUE(std::find(downs.begin(), downs.end(), KeyDown{'D', kAlt}) != downs.end());
  EXPECT_EQ(downs.back(), (KeyDown{'D', 0}));
}

}  // namespace
}  // namespace ui::qt
