// Files dropped on a form: only drags of local files are taken.
#pragma once

#include <QObject>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

namespace ui::qt {

class Host;

// The local file paths a drag carries, as UTF-8 bytes in drop order; empty when it carries
// none (no URLs, or only URLs of other kinds).
std::vector<std::string> LocalFilePaths(const QMimeData* data);

// Takes drags and drops for a top-level window and every widget in it.
class DropTarget : public QObject {
 public:
  DropTarget(Host& host, QWidget& window);
  // Registers (again) the window and each of its present children.
  void Attach();
  void Detach();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Host& host_;
  QWidget& window_;
  bool attached_ = false;
};

}  // namespace ui::qt
