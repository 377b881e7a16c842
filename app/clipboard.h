// The system clipboard, as the windows use it: plain text only.
#pragma once

#include <string_view>

namespace shrink::gui {

// Replaces the clipboard's content with `text` as plain text; the empty text
// is put too. When there is no clipboard to put it on, nothing happens: a copy
// is a convenience, never a reason to interrupt the user.
void PutOnClipboard(std::string_view text);

}  // namespace shrink::gui
