// Top-level windows as the forms describe them: a caption, a fixed outer
// size, a title bar with a minimise button (or none) but never a maximise
// button, opened centred on the screen; and tool windows opened at most once.
#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

namespace shrink::gui {

struct WindowSpec {
  const char* caption;
  QSize outer_size;  // frame included
  bool minimise_button;
};

// Gives a window whose form is built (form_builder.h) its caption, title-bar
// buttons and fixed size. The outer size includes a frame that is known only
// once a window manager has framed the window: until then the client area
// gets the whole outer size, afterwards it shrinks by the frame, once, but
// never below what its controls cover.
void SetUpFixedWindow(QWidget* window, const WindowSpec& window_spec);

// Shows the window centred on the screen it is on.
void ShowCentred(QWidget* window);

// Brings an open window to the front: restores it when minimised, otherwise
// makes it the active window.
void BringForward(QWidget* window);

// Opens a tool window: not modal and without a parent, so the window that
// opens it stays usable beside it. When `open` still holds the window, no
// second one is made: the open one is brought forward. The window deletes
// itself when closed, which empties `open`.
template <class Window>
void OpenToolWindow(QPointer<Window>& open) {
  if (open) {
    BringForward(open);
    return;
  }
  open = new Window();
  open->setAttribute(Qt::WA_DeleteOnClose);
  ShowCentred(open);
}

}  // namespace shrink::gui
