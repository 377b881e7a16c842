// The program's one look: Fusion in an olive-green scheme, shared by every
// window, those open and those opened later.
#pragma once

namespace shrink::gui {

// Sets the application's style, palette, font and style sheet. Edit boxes are
// framed in RGB(164,185,127); result boxes are grey, RGB(236,236,236); count
// boxes white with their text centred. The font is 12 pixels high so the
// captions fit the forms' pixel sizes on every desktop, and scales with the
// screen (200 % draws it at 24 device pixels). Calling it again changes
// nothing. Needs the QApplication.
void EnableThemedLook();

}  // namespace shrink::gui
