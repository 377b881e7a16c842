#include "app/program_icon.h"

#include <QString>

// The resources live in the static library; a program that links it must
// register them before the first use.
static void RegisterIconResources() { Q_INIT_RESOURCE(program_icon); }

namespace shrink::gui {

QIcon ProgramIcon() {
  RegisterIconResources();
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/numshrink-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace shrink::gui
