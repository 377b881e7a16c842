#include "app/digit_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace shrink::gui {
namespace {

bool IsTypedDigit(QChar c) { return (c >= u'0' && c <= u'9') || c == u'-'; }

// A key press that would type something other than a digit or "-". Keys
// held with Ctrl, Alt or Meta are shortcuts and never type.
bool TypesForbiddenText(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  for (const QChar c : key.text()) {
    if (c.isPrint() && !IsTypedDigit(c)) return true;
  }
  return false;
}

}  // namespace

void DigitKeyFilter::Install(QLineEdit* box) {
  box->setAttribute(Qt::WA_InputMethodEnabled, false);
  box->installEventFilter(new DigitKeyFilter(box));
}

DigitKeyFilter::DigitKeyFilter(QObject* watched) : QObject(watched) {}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && TypesForbiddenText(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace shrink::gui
