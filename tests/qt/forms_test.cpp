// Forms, modal runs and the mirror between the model and the widgets.
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "qt_fixture.h"
#include "ui/form.h"

namespace ui::qt {
namespace {

class FormsTest : public QtTest {};

// "ﾌｫﾙﾀﾞ入力" (folder input) in code page 932.
const char kFolderInput[] = "\xcc\xab\xd9\xc0\xde\x93\xfc\x97\xcd";

TEST_F(FormsTest, ModalRunEndsByAKeyAndByTheCloseBox) {
  Form box(backend);
  box.SetBorderStyle(BorderStyle::ToolWindow);
  Edit field(&box);
  field.SetBounds(0, 0, 120, 20);
  int shown = 0;
  box.OnShow = [&] { ++shown; };
  field.OnKeyDown = [&](int& key, ShiftState) {
    if (key == vkReturn) box.SetModalResult(mrOk);
  };
  box.SetActiveControl(&field);
  box.Realize();
  auto* edit = qobject_cast<QLineEdit*>(backend.WidgetOf(field));
  ASSERT_NE(edit, nullptr);

  backend.Post([&] {
    Settle();
    EXPECT_TRUE(backend.WindowOf(box)->isVisible());
    EXPECT_TRUE(edit->hasFocus());
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return);
  });
  EXPECT_EQ(box.ShowModal(), mrOk);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(field.Text(), "ab");  // typed text reached the model
  EXPECT_FALSE(backend.WindowOf(box)->isVisible());

  backend.Post([&] { backend.WindowOf(box)->close(); });
  EXPECT_EQ(box.ShowModal(), mrCancel);
  EXPECT_EQ(shown, 2);
  EXPECT_FALSE(backend.WindowOf(box)->isVisible());
}

TEST_F(FormsTest, ListCaptionAndStayOnTopFollowTheModel) {
  Form form(backend);
  form.SetBounds(10, 10, 140, 200);
  ListBox list(&form);
  list.SetAlign(Align::Client);
  int clicks = 0;
  list.OnClick = [&] { ++clicks; };
  form.Realize();
  form.SetCaption(kFolderInput);
  list.SetText("<..>\r\n<\x83\x5c\x83\x74\x83\x67>\r\nb.txt\r\nc.txt\r\n");  // <ソフト>
  list.SetSelected(2, true);
  list.SetSelected(3, true);
  list.SetItemIndex(3);
  RunShown(form, [&] {
    QWidget* window = backend.WindowOf(form);
    auto* view = qobject_cast<QListView*>(backend.WidgetOf(list));
    ASSERT_NE(view, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("ﾌｫﾙﾀﾞ入力"));
    EXPECT_EQ(view->model()->rowCount(), 4);
    EXPECT_EQ(view->model()->index(1, 0).data().toString(), QString::fromUtf8("<ソフト>"));
    EXPECT_EQ(view->selectionModel()->selectedRows().size(), 2);
    EXPECT_EQ(view->currentIndex().row(), 3);
    EXPECT_GE(list.ItemHeight(), QFontMetrics(view->font()).height());

    // A click selects one line, in the model too, and tells the system once.
    const QRect row1 = view->visualRect(view->model()->index(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row1.center());
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_TRUE(list.Selected(1));
    EXPECT_FALSE(list.Selected(2));
    EXPECT_EQ(list.SelCount(), 1);
    EXPECT_EQ(clicks, 1);

    // Stay on top toggles on the living window: no new native window, still shown.
    const WId id = window->winId();
    form.SetStayOnTop(true);
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    form.SetStayOnTop(false);
    EXPECT_FALSE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->winId(), id);
    EXPECT_TRUE(window->isVisible());
  });
}

TEST_F(FormsTest, ARightPressRunsMouseDownThenOpensThePopupMenu) {
  Form form(backend);
  form.SetBounds(0, 0, 150, 200);
  ListBox list(&form);
  PopupMenu popup;
  popup.Items().Add(
      std::make_unique<MenuItem>("\xb1\xcc\xdf\xd8\xb9\xb0\xbc\xae\xdd"));  // ｱﾌﾟﾘｹｰｼｮﾝ
  list.SetAlign(Align::Client);
  list.SetPopupMenu(&popup);
  list.SetText("a\nb\nc\n");
  list.SetSelected(0, true);
  std::vector<int> lines;
  bool menuOpenAtMouseDown = true;
  list.OnMouseDown = [&](MouseButton button, ShiftState, int x, int y) {
    menuOpenAtMouseDown = QApplication::activePopupWidget() != nullptr;
    if (button == MouseButton::Right) lines.push_back(list.ItemAtPos(x, y));
  };
  form.Realize();
  RunShown(form, [&] {
    auto* view = qobject_cast<QListView*>(backend.WidgetOf(list));
    ASSERT_NE(view, nullptr);
    const QRect row2 = view->visualRect(view->model()->index(2, 0));
    QTest::mousePress(view->viewport(), Qt::RightButton, Qt::NoModifier, row2.center());
    EXPECT_EQ(lines, std::vector<int>{2});
    EXPECT_FALSE(menuOpenAtMouseDown);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().at(0)->text(), QString::fromUtf8("ｱﾌﾟﾘｹｰｼｮﾝ"));
    EXPECT_TRUE(list.Selected(0));  // the press itself selects nothing
    EXPECT_FALSE(list.Selected(2));
    menu->close();
  });
}

TEST_F(FormsTest, ManyLinesAndScrolling) {
  Form form(backend);
  form.SetBounds(0, 0, 200, 300);
  ListBox list(&form);
  list.SetAlign(Align::Client);
  form.Realize();
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "file" + std::to_string(i) + ".txt\r\n";
  list.SetText(text);
  list.SetItemIndex(50000);
  auto* view = qobject_cast<QListView*>(backend.WidgetOf(list));
  EXPECT_EQ(view->model()->rowCount(), 100000);
  EXPECT_EQ(view->verticalScrollBar()->value(), list.TopIndex());
  EXPECT_GT(list.TopIndex(), 49000);
  view->verticalScrollBar()->setValue(10);  // the user scrolls
  EXPECT_EQ(list.TopIndex(), 10);
}

TEST_F(FormsTest, EditSelectionIsInBytesInTheModel) {
  Form form(backend);
  Edit field(&form);
  form.Realize();
  auto* edit = qobject_cast<QLineEdit*>(backend.WidgetOf(field));
  field.SetText("\x82\xa0\x82\xa2\x82\xa4");  // あいう
  field.SetSelection(2, 2);
  EXPECT_EQ(edit->text(), QString::fromUtf8("あいう"));
  EXPECT_EQ(edit->selectedText(), QString::fromUtf8("い"));
  edit->setSelection(2, 1);
  EXPECT_EQ(field.SelStart(), 4);
  EXPECT_EQ(field.SelLength(), 2);
  field.SelectAll();
  field.SetSelText("x");
  EXPECT_EQ(edit->text(), QStringLiteral("x"));
  EXPECT_EQ(edit->cursorPosition(), 1);
}

TEST_F(FormsTest, OuterBoundsRoundTripAndDialogsKeepTheirClientArea) {
  // The offscreen platform has a frame of its own, so the frame is learnt on mapping.
  MainMenu menu;
  menu.Items().Add(std::make_unique<MenuItem>("&F"));
  Form main(backend);
  main.SetMenu(&menu);
  main.SetCloseBox(false);
  main.SetBounds(179, 104, 137, 241);
  main.Realize();
  RunShown(main, [] {});
  EXPECT_EQ(main.Left(), 179);
  EXPECT_EQ(main.Top(), 104);
  EXPECT_EQ(main.Width(), 137);
  EXPECT_EQ(main.Height(), 241);
  QWidget* window = backend.WindowOf(main);
  const FrameSize f = backend.Frame(main);
  EXPECT_EQ(window->width(), 137 - f.left - f.right);
  EXPECT_EQ(f.top - window->windowHandle()->frameMargins().top(),
            window->findChild<QMenuBar*>()->height());
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::Tool));
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));

  Form box(backend);
  box.SetBorderStyle(BorderStyle::ToolWindow);
  box.SetClientWidth(100);
  box.SetClientHeight(20);
  backend.Post([&] {
    Settle();
    box.SetModalResult(mrOk);
  });
  box.ShowModal();
  EXPECT_EQ(box.ClientWidth(), 100);
  EXPECT_EQ(box.ClientHeight(), 20);
  EXPECT_EQ(backend.WindowOf(box)->size(), QSize(100, 20));
}

TEST_F(FormsTest, AFailedCloseKeepsTheMainWindowOpen) {
  Form main(backend);
  main.SetBounds(0, 0, 100, 100);
  bool fail = true;
  main.OnClose = [&] {
    if (fail) throw Error("cannot write");
  };
  main.Realize();
  QWidget* window = backend.WindowOf(main);
  backend.Post([&] {
    window->close();
    EXPECT_TRUE(window->isVisible());
    fail = false;
    window->close();
  });
  backend.Run(main);
  EXPECT_EQ(backend.errors, std::vector<std::string>{"cannot write."});
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace ui::qt
