// The key filter of the digit boxes: from the keyboard only the digits 0-9
// and "-" are typed; other printable keys are swallowed without a sound.
// Editing keys, shortcuts (Ctrl+V, Ctrl+Z, ...) and paste pass unchanged, so a
// pasted text keeps any characters. A key filter rather than a QValidator,
// because a validator would reject a whole paste.
#pragma once

#include <QObject>

class QLineEdit;

namespace shrink::gui {

class DigitKeyFilter : public QObject {
 public:
  // Filters the keys of `box`. Input methods are switched off for the box:
  // they commit text without key presses, past any key filter. The filter is
  // owned by the box.
  static void Install(QLineEdit* box);

 private:
  explicit DigitKeyFilter(QObject* watched);
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace shrink::gui
