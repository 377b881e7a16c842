// Turns a left-button double-click on an edit box into a call, without
// subclassing the box. The form builder installs it for the kinds that react
// to a double-click (form_table.h).
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace shrink::gui {

class DoubleClickFilter : public QObject {
 public:
  // Watches `box` (for a multi-line box, its viewport, which receives the
  // mouse) and calls `on_double_click` once per double-click. The filter is
  // owned by the watched widget. The box still sees the double-click too.
  static void Install(QWidget* box, std::function<void()> on_double_click);

 private:
  DoubleClickFilter(QObject* watched, std::function<void()> on_double_click);
  bool eventFilter(QObject* watched, QEvent* event) override;

  std::function<void()> on_double_click_;
};

}  // namespace shrink::gui
