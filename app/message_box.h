// The one message the program shows: a modal box with a title, a text and a
// single OK button.
#pragma once

#include <string_view>

class QWidget;

namespace shrink::gui {

// Shows the message over `window` and returns once the user has closed it.
// Until then no window of the program takes input.
void ShowMessage(QWidget* window, std::string_view title, std::string_view text);

}  // namespace shrink::gui
