// The main window: the last-three and last-two condition panels, their runs,
// and the buttons down the right edge that open the tool windows.
#pragma once

#include <QWidget>

namespace shrink::gui {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Builds the form of main_window_form.h in the program's themed look. The
  // caller shows it (ShowCentred).
  explicit MainWindow(QWidget* parent = nullptr);

 private:
  void ShrinkLastThree();
  void ClearLastThree();
  void ShrinkLastTwo();
  void ClearLastTwo();
};

}  // namespace shrink::gui
