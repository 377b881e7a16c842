// How much the boxes a user pastes into take. A base of a million numbers,
// one a line, pastes into a multi-line box in seconds; tens of megabytes would
// leave the window unanswering for minutes and take gigabytes (the box keeps
// a text block for every line). So a paste that would take a multi-line box
// past either limit is refused as a whole, and a bold-group box takes text up
// to its limit; either way the user is told: nothing is cut without a word.
#pragma once

#include <QtGlobal>

class QPlainTextEdit;
class QString;
class QWidget;

namespace shrink::gui {

// Characters a multi-line box holds at most, a line break counting one.
inline constexpr qsizetype kBoxCharacterLimit = 8'000'000;
// Lines a multi-line box holds at most.
inline constexpr qsizetype kBoxLineLimit = 2'000'000;
// Characters a bold-group box holds at most; a group reads "123456=123". A
// single-line box lays out its whole text at every change, and cuts a longer
// paste at a cost that grows faster than its length, so its limit is small.
inline constexpr int kBoldGroupCharacterLimit = 32'767;

// Whether the multi-line box stays within both limits with `pasted` put in
// place of its selection (or at its cursor).
[[nodiscard]] bool PasteFits(const QPlainTextEdit& box, const QString& pasted);

// Tells the user, in a message over the box's window, that the paste was too
// long, that nothing of it was pasted, and what the limits are.
void TellPasteRefused(QWidget* box);

// Tells the user that the bold-group box took the text only up to its limit.
void TellBoldGroupBoxFull(QWidget* box);

}  // namespace shrink::gui
