// The widget of every multi-line box (list, result, input and tool result
// kinds): a QPlainTextEdit that takes a paste straight into its document.
//
// Users paste bases of tens of thousands of numbers, one a line. QPlainTextEdit
// would first build the pasted text as a document fragment of its own and then
// copy that into the box, paying twice for every line; inserting the plain
// text once halves the time of such a paste. The result is the same text,
// one undo step, with the cursor after it. A paste that would take the box
// past its limits (box_limits.h) is refused with a message.
#pragma once

#include <QPlainTextEdit>

class QMimeData;

namespace shrink::gui {

class TextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TextBox(QWidget* parent);

 protected:
  // Paste, drop and middle-click all arrive here.
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace shrink::gui
