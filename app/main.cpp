// numshrink: opens the main window and runs until its last window closes.
#include <QApplication>

#include "app/main_window.h"
#include "app/program_icon.h"
#include "app/top_level_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("numshrink"));
  QApplication::setDesktopFileName(QStringLiteral("numshrink"));
  QApplication::setWindowIcon(shrink::gui::ProgramIcon());

  shrink::gui::MainWindow window;
  shrink::gui::ShowCentred(&window);
  return QApplication::exec();
}
