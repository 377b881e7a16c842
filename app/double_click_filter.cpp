#include "app/double_click_filter.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <utility>

namespace shrink::gui {

void DoubleClickFilter::Install(QWidget* box, std::function<void()> on_double_click) {
  QWidget* watched = box;
  if (auto* area = qobject_cast<QAbstractScrollArea*>(box)) watched = area->viewport();
  watched->installEventFilter(new DoubleClickFilter(watched, std::move(on_double_click)));
}

DoubleClickFilter::DoubleClickFilter(QObject* watched, std::function<void()> on_double_click)
    : QObject(watched), on_double_click_(std::move(on_double_click)) {}

bool DoubleClickFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    on_double_click_();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace shrink::gui
