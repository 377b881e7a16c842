// Checks a built tool window against its form table, row by row.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <string>

#include "app/control_text.h"
#include "app/form_builder.h"
#include "app/form_table.h"

// What differs between the window's control and its row; empty when nothing
// does, so QCOMPARE(RowMismatch(...), QString()) names the difference.
inline QString RowMismatch(const QWidget* window, const shrink::gui::ControlSpec& row) {
  using shrink::gui::ControlKind;
  const auto* control = window->findChild<const QWidget*>(QString::fromUtf8(row.name));
  if (control == nullptr) return QStringLiteral("missing");
  const QString parent =
      control->parentWidget() == window ? QString() : control->parentWidget()->objectName();
  if (parent != QString::fromUtf8(row.parent)) return QStringLiteral("parent ") + parent;
  if (control->geometry() != QRect(row.x, row.y, row.width, row.height)) {
    const QRect r = control->geometry();
    return QStringLiteral("geometry %1,%2 %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
  }
  if (shrink::gui::ControlText(control) != row.text) {
    return QStringLiteral("text ") + QString::fromStdString(shrink::gui::ControlText(control));
  }
  if (!control->isEnabled() || !control->isVisibleTo(window))
    return QStringLiteral("hidden or disabled");
  bool right_class = false;
  switch (row.kind) {
    case ControlKind::kGroupBox:
      right_class = qobject_cast<const QGroupBox*>(control) != nullptr;
      break;
    case ControlKind::kLabel:
      right_class = qobject_cast<const QLabel*>(control) != nullptr;
      break;
    case ControlKind::kButton:
      right_class = qobject_cast<const QPushButton*>(control) != nullptr;
      break;
    default:
      right_class =
          qobject_cast<const QPlainTextEdit*>(control) != nullptr &&
          control->property("boxKind").toByteArray() == shrink::gui::BoxKindName(row.kind);
      break;
  }
  return right_class ? QString() : QStringLiteral("not of its kind");
}
