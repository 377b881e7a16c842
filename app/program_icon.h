// The program's icon, a funnel over digits, built into the program at the
// sizes 16 to 256 pixels.
#pragma once

#include <QIcon>

namespace shrink::gui {

[[nodiscard]] QIcon ProgramIcon();

}  // namespace shrink::gui
