// A window for the X11 tests: its left half takes drops of URIs, its right half takes
// none. Each drop is appended to the output file as a line "DROP" followed by one line per
// local path (UTF-8 bytes), and the window's X id is written to the id file once it shows.
// With --drag PATH its right half starts a drag of that local file when pressed.
// Usage: zunt_drop_receiver --title T --out FILE --id-file FILE [--on-top] [--drag PATH]
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QMimeData>
#include <QSaveFile>
#include <QUrl>
#include <QWidget>

namespace {

class DropHalf : public QWidget {
 public:
  explicit DropHalf(QString out) : out_(std::move(out)) { setAcceptDrops(true); }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
  }
  void dragMoveEvent(QDragMoveEvent* event) override {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
  }
  void dropEvent(QDropEvent* event) override {
    QByteArray record = "DROP\n";
    for (const QUrl& url : event->mimeData()->urls()) record += url.toLocalFile().toUtf8() + "\n";
    QFile file(out_);
    if (file.open(QIODevice::Append)) file.write(record);
    event->acceptProposedAction();
  }

 private:
  QString out_;
};

class DragHalf : public QWidget {
 public:
  explicit DragHalf(QString path) : path_(std::move(path)) {}

 protected:
  void mousePressEvent(QMouseEvent*) override {
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(path_)});
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
  }

 private:
  QString path_;
};

QString Option(const QStringList& args, const QString& name) {
  const qsizetype at = args.indexOf(name);
  return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  QWidget window;
  if (args.contains("--on-top")) window.setWindowFlag(Qt::WindowStaysOnTopHint);
  window.setWindowTitle(Option(args, "--title"));
  auto* layout = new QHBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(new DropHalf(Option(args, "--out")));
  const QString dragged = Option(args, "--drag");
  layout->addWidget(dragged.isEmpty() ? new QWidget : new DragHalf(dragged));
  window.resize(300, 200);
  window.show();
  // Written whole or not at all: the test reads it as soon as it appears.
  QSaveFile id(Option(args, "--id-file"));
  if (id.open(QIODevice::WriteOnly)) {
    id.write(QByteArray::number(window.winId()) + "\n");
    id.commit();
  }
  return app.exec();
}
