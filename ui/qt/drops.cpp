#include "ui/qt/drops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "ui/qt/form_window.h"
#include "ui/qt/host.h"

namespace ui::qt {

std::vector<std::string> LocalFilePaths(const QMimeData* data) {
  std::vector<std::string> paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QByteArray path = url.toLocalFile().toUtf8();
    if (!path.isEmpty())
      paths.emplace_back(path.constData(), static_cast<std::size_t>(path.size()));
  }
  return paths;
}

DropTarget::DropTarget(Host& host, QWidget& window) : host_(host), window_(window) {}

void DropTarget::Attach() {
  attached_ = true;
  QList<QWidget*> widgets = window_.findChildren<QWidget*>();
  widgets.prepend(&window_);
  for (QWidget* w : widgets) {
    w->setAcceptDrops(true);
    w->installEventFilter(this);
  }
}

void DropTarget::Detach() {
  attached_ = false;
  QList<QWidget*> widgets = window_.findChildren<QWidget*>();
  widgets.prepend(&window_);
  for (QWidget* w : widgets) w->removeEventFilter(this);
  window_.setAcceptDrops(false);
}

bool DropTarget::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (!attached_) return false;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* e = static_cast<QDropEvent*>(event);
      if (LocalFilePaths(e->mimeData()).empty()) {
        e->ignore();
      } else {
        e->setDropAction(Qt::CopyAction);
        e->accept();
      }
      return true;
    }
    case QEvent::DragLeave:
      return true;
    case QEvent::Drop: {
      auto* e = static_cast<QDropEvent*>(event);
      const std::vector<std::string> paths = LocalFilePaths(e->mimeData());
      if (paths.empty()) {
        e->ignore();
        return true;
      }
      e->setDropAction(Qt::CopyAction);
      e->accept();
      // Delivered from the event loop, as a posted drop message is: the drag source is told
      // the drop is done before the handler runs, whatever the handler then shows.
      QMetaObject::invokeMethod(
          this,
          [this, paths] {
            auto* form = dynamic_cast<FormWindow*>(&window_);
            if (attached_ && form && form->Model() && form->Model()->OnDropFiles) {
              Form& f = *form->Model();
              host_.Guard([&] { f.OnDropFiles(paths); });
            }
          },
          Qt::QueuedConnection);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace ui::qt
