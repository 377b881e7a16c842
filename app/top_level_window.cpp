#include "app/top_level_window.h"

#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QWindow>

#include "app/control_text.h"

namespace shrink::gui {
namespace {

// Watches a window until its window manager's frame is known, then fits the
// client area into the outer size once and centres the window again.
class FrameFitter : public QObject {
 public:
  FrameFitter(QWidget* window, QSize outer_size, QSize client_minimum)
      : QObject(window), window_(window), outer_size_(outer_size), client_minimum_(client_minimum) {}

 private:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) && Fit()) {
      window_->removeEventFilter(this);
      deleteLater();
    }
    return QObject::eventFilter(watched, event);
  }

  // True once the frame is known and the window fitted to it.
  bool Fit() {
    const QWindow* handle = window_->windowHandle();
    if (handle == nullptr) return false;
    const QMargins frame = handle->frameMargins();
    if (frame.isNull()) return false;
    const QSize client = outer_size_.shrunkBy(frame).expandedTo(client_minimum_);
    window_->setFixedSize(client);
    ShowCentred(window_);
    return true;
  }

  QWidget* window_;
  QSize outer_size_;
  QSize client_minimum_;
};

}  // namespace

void SetUpFixedWindow(QWidget* window, const WindowSpec& window_spec) {
  SetControlText(window, window_spec.caption);
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (window_spec.minimise_button) flags |= Qt::WindowMinimizeButtonHint;
  window->setWindowFlags(flags);
  // The client area must hold every control, whatever the frame.
  const QRect controls = window->childrenRect();
  const QSize client_minimum(controls.x() + controls.width(), controls.y() + controls.height());
  window->setFixedSize(window_spec.outer_size.expandedTo(client_minimum));
  window->installEventFilter(new FrameFitter(window, window_spec.outer_size, client_minimum));
}

void ShowCentred(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen != nullptr) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
  }
  window->show();
}

void BringForward(QWidget* window) {
  if (window->isMinimized()) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
  }
  window->raise();
  window->activateWindow();
}

}  // namespace shrink::gui
