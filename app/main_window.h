// The main window: the last-three and last-two condition panels, their runs,
// and the buttons down the right edge that open the tool windows.
#pragma once

#include <QPointer>
#include <QWidget>

class QCloseEvent;

namespace shrink::gui {

class LastThreeIntersectWindow;
class LastTwoIntersectWindow;
class ThreeTwoToolWindow;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Builds the form of main_window_form.h in the program's themed look. The
  // caller shows it (ShowCentred).
  explicit MainWindow(QWidget* parent = nullptr);

 protected:
  // Closing the main window closes the tool windows it opened: the program
  // ends with it rather than leave tools open that nothing can reopen.
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShrinkLastThree();
  void ClearLastThree();
  void ShrinkLastTwo();
  void ClearLastTwo();

  // The tool windows while they are open; each empties when its window closes.
  QPointer<LastThreeIntersectWindow> last_three_intersect_;
  QPointer<LastTwoIntersectWindow> last_two_intersect_;
  QPointer<ThreeTwoToolWindow> three_two_tool_;
};

}  // namespace shrink::gui
