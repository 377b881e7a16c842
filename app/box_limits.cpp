#include "app/box_limits.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <string>

#include "app/message_box.h"

namespace shrink::gui {
namespace {

// What a pasted text becomes in the box: "\r\n" is one line break, and so is
// each lone "\r" or "\n" and each paragraph separator.
struct Shown {
  qsizetype characters = 0;
  qsizetype line_breaks = 0;
};

Shown AsShown(const QString& text) {
  Shown shown{text.size(), 0};
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      --shown.characters;
      continue;
    }
    if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator) ++shown.line_breaks;
  }
  return shown;
}

}  // namespace

bool PasteFits(const QPlainTextEdit& box, const QString& pasted) {
  const QTextDocument& document = *box.document();
  const QTextCursor cursor = box.textCursor();
  const qsizetype replaced = cursor.selectionEnd() - cursor.selectionStart();
  const qsizetype replaced_breaks = document.findBlock(cursor.selectionEnd()).blockNumber() -
                                    document.findBlock(cursor.selectionStart()).blockNumber();
  const Shown added = AsShown(pasted);
  // characterCount() counts the separator after the last line too.
  const qsizetype characters = document.characterCount() - 1 - replaced + added.characters;
  const qsizetype lines = document.blockCount() - replaced_breaks + added.line_breaks;
  return characters <= kBoxCharacterLimit && lines <= kBoxLineLimit;
}

void TellPasteRefused(QWidget* box) {
  const std::string text = "粘贴的内容过长，没有粘贴。\n每个号码框最多容纳 " +
                           std::to_string(kBoxCharacterLimit) + " 个字符、" +
                           std::to_string(kBoxLineLimit) + " 行。";
  ShowMessage(box->window(), "信息：", text);
}

void TellBoldGroupBoxFull(QWidget* box) {
  const std::string text = "内容过长，超出的部分没有放入。\n每个胆组框最多容纳 " +
                           std::to_string(kBoldGroupCharacterLimit) + " 个字符。";
  ShowMessage(box->window(), "信息：", text);
}

}  // namespace shrink::gui
