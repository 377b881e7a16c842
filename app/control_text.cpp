#include "app/control_text.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QTextDocument>

namespace shrink::gui {
namespace {

// Qt keeps a line break as "\n"; the engine reads and writes "\r\n". A lone
// "\r" is a line break of its own, as Qt shows it when it is pasted, so a
// written text and the same text pasted look and read back alike. One pass
// in place: QString::replace of "\r\n" takes most of a second on a million
// lines.
QString FromEngine(std::string_view text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QChar* chars = shown.data();
  qsizetype kept = 0;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    QChar c = chars[i];
    if (c == u'\r') {
      c = u'\n';
      if (i + 1 < shown.size() && chars[i + 1] == u'\n') ++i;
    }
    chars[kept++] = c;
  }
  shown.truncate(kept);
  return shown;
}

std::string ToEngine(QString shown) {
  shown.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return shown.toStdString();
}

// A multi-line box keeps each line break as a paragraph separator (U+2029),
// whatever was pasted: "\n", "\r\n", a lone "\r" or U+2029 itself. A pasted
// U+2028 stays inside its paragraph but is drawn as a line break all the
// same. Both read as "\r\n", the break the user sees; every other character
// reads as it is. (toPlainText() would also turn a no-break space into a
// plain space, which the lists would then take for a separator the user
// never typed, and a rewrite of the box would lose.)
//
// The breaks are rewritten in the UTF-8 text, in one pass: QString::replace
// with a longer text moves the rest of the text again and again, which takes
// seconds on a base of a million lines.
std::string BoxText(const QPlainTextEdit* box) {
  const QByteArray held = box->document()->toRawText().toUtf8();
  const std::string_view utf8(held.constData(), static_cast<std::size_t>(held.size()));
  // U+2028 and U+2029 in UTF-8: E2 80 A8 and E2 80 A9.
  constexpr std::string_view kLineSeparator = "\xe2\x80\xa8";
  constexpr std::string_view kParagraphSeparator = "\xe2\x80\xa9";
  std::string read;
  read.reserve(utf8.size());
  std::size_t start = 0;
  for (std::size_t at = utf8.find('\xe2'); at != std::string_view::npos;
       at = utf8.find('\xe2', at + 1)) {
    const std::string_view sequence = utf8.substr(at, 3);
    if (sequence != kLineSeparator && sequence != kParagraphSeparator) continue;
    read.append(utf8.substr(start, at - start));
    read += "\r\n";
    start = at + 3;
  }
  read.append(utf8.substr(start));
  return read;
}

}  // namespace

std::string ControlText(const QWidget* control) {
  if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) {
    return BoxText(box);
  }
  if (const auto* line = qobject_cast<const QLineEdit*>(control)) return line->text().toStdString();
  if (const auto* label = qobject_cast<const QLabel*>(control)) return ToEngine(label->text());
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    return button->text().toStdString();
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
    return group->title().toStdString();
  }
  return control->windowTitle().toStdString();
}

void SetControlText(QWidget* control, std::string_view text) {
  if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
    // setPlainText signals once, also when the text stays the same.
    box->setPlainText(FromEngine(text));
    return;
  }
  if (auto* line = qobject_cast<QLineEdit*>(control)) {
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // QLineEdit keeps quiet when the text stays the same; a write is a change
    // all the same for whoever listens.
    const bool unchanged = line->text() == shown;
    line->setText(shown);
    if (unchanged) Q_EMIT line->textChanged(shown);
    return;
  }
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(FromEngine(text));
    return;
  }
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(shown);
  } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
    group->setTitle(shown);
  } else {
    control->setWindowTitle(shown);
  }
}

}  // namespace shrink::gui
