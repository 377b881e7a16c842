#include "app/text_box.h"

#include <QMimeData>
#include <QString>

#include "app/box_limits.h"

namespace shrink::gui {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {}

void TextBox::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  const QString text = source->text();
  if (!PasteFits(*this, text)) {
    TellPasteRefused(this);
    return;
  }
  insertPlainText(text);
  ensureCursorVisible();
}

}  // namespace shrink::gui
