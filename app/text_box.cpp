#include "app/text_box.h"

#include <QMimeData>

namespace shrink::gui {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {}

void TextBox::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  insertPlainText(source->text());
  ensureCursorVisible();
}

}  // namespace shrink::gui
