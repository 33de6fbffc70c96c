// Files dropped on a form.
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QUrl>

#include "qt_fixture.h"
#include "ui/qt/drops.h"

namespace ui::qt {
namespace {

class DropsTest : public QtTest {
 protected:
  DropsTest() {
    form.SetBounds(0, 0, 150, 200);
    list.SetAlign(Align::Client);
    form.OnDropFiles = [this](const std::vector<std::string>& paths) { dropped.push_back(paths); };
    form.Realize();
    form.SetAcceptFiles(true);
    target = qobject_cast<QListView*>(backend.WidgetOf(list))->viewport();
  }

  // Drags data onto the list and drops it; returns whether the drag was taken.
  bool DragAndDrop(QMimeData& data) {
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    Settle();
    return enter.isAccepted() && drop.isAccepted();
  }

  Form form{backend};
  ListBox list{&form};
  QWidget* target = nullptr;
  std::vector<std::vector<std::string>> dropped;
};

TEST_F(DropsTest, LocalFilesReachTheFormInDropOrder) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile("/tmp/b c.txt"), QUrl::fromLocalFile("/tmp/日本/a")});
  EXPECT_TRUE(DragAndDrop(files));
  const std::vector<std::vector<std::string>> expected = {{"/tmp/b c.txt", "/tmp/日本/a"}};
  EXPECT_EQ(dropped, expected);

  // Still registered after the stay-on-top style went off and on again.
  form.SetStayOnTop(true);
  form.SetStayOnTop(false);
  form.SetStayOnTop(true);
  EXPECT_TRUE(DragAndDrop(files));
  EXPECT_EQ(dropped.size(), 2u);
}

TEST_F(DropsTest, DragsWithoutLocalFilesAreRefused) {
  QMimeData text;
  text.setText("/tmp/a.txt");
  EXPECT_FALSE(DragAndDrop(text));
  QMimeData web;
  web.setUrls({QUrl("https://example.org/a.txt")});
  EXPECT_FALSE(DragAndDrop(web));
  EXPECT_TRUE(dropped.empty());
}

TEST(LocalFilePathsTest, OnlyFileUrlsCount) {
  QMimeData mixed;
  mixed.setUrls({QUrl("https://example.org/x"), QUrl::fromLocalFile("/a b/c")});
  EXPECT_EQ(LocalFilePaths(&mixed), std::vector<std::string>{"/a b/c"});
  EXPECT_TRUE(LocalFilePaths(nullptr).empty());
}

}  // namespace
}  // namespace ui::qt
