// What a double-click does to an edit box (form_table.h says which kinds).
#pragma once

class QWidget;

namespace shrink::gui {

// Empties the box; nothing else changes. The box signals textChanged once,
// even when it was empty already. The emptying is an edit of its own: Ctrl+Z
// in the box brings the text back, so a stray double-click loses no typing.
void ClearBoxOnDoubleClick(QWidget* box);

// Puts the box's text on the clipboard as plain text (the empty text too);
// the box is not changed.
void CopyBoxOnDoubleClick(const QWidget* box);

}  // namespace shrink::gui
