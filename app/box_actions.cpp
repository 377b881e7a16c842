#include "app/box_actions.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "app/clipboard.h"
#include "app/control_text.h"

namespace shrink::gui {

void ClearBoxOnDoubleClick(QWidget* box) {
  // Deleting a selection of everything, rather than writing the empty text,
  // keeps the undo history: writing would drop it.
  if (auto* line = qobject_cast<QLineEdit*>(box)) {
    if (line->text().isEmpty()) {
      Q_EMIT line->textChanged(QString());
      return;
    }
    line->selectAll();
    line->del();
    return;
  }
  if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) {
    if (edit->document()->isEmpty()) {
      Q_EMIT edit->textChanged();
      return;
    }
    QTextCursor cursor(edit->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
  }
}

void CopyBoxOnDoubleClick(const QWidget* box) { PutOnClipboard(ControlText(box)); }

}  // namespace shrink::gui

