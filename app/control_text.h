// Reading and writing the text of any control of a form as UTF-8, with the
// line-break convention the engine relies on: a line break in a multi-line
// box or a label reads as "\r\n", and "\r\n" written shows as one line break.
// A multi-line box shows a lone "\r" or "\n", U+2028 and U+2029 as line
// breaks too, so they read as "\r\n"; every other character, NUL and the
// no-break space included, reads back exactly as it was written or pasted.
#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace shrink::gui {

// The text the control shows: the contents of an edit box, the text of a
// label, the caption of a button, group box or top-level window.
[[nodiscard]] std::string ControlText(const QWidget* control);

// Shows `text` in the control. Writing an edit box raises its textChanged
// signal exactly once, even when the text does not change, so a window that
// counts a box's text as it changes sees every write. Writing a box clears
// its undo history, as replacing the whole text does in any editor.
void SetControlText(QWidget* control, std::string_view text);

}  // namespace shrink::gui
