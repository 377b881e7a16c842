// The last-three and last-two tool (后三后二交集工具 + 提取后三后两位号工具):
// "后三后二交集" keeps the numbers of the last-three base whose last two digits
// the last-two input lists; "提取后三后两位号码" shows the distinct last two
// digits of the last-three base. Each input's count follows its text at every
// change.
#pragma once

#include <QWidget>

namespace shrink::gui {

class ThreeTwoToolWindow : public QWidget {
  Q_OBJECT

 public:
  ThreeTwoToolWindow();

 private:
  void Intersect();
  void ExtractLastTwo();
  // Shows the count of `box`'s text in `label`.
  static void ShowCount(const QWidget* box, QWidget* label);

  QWidget* three_;
  QWidget* two_;
  QWidget* result_;
  QWidget* three_count_;
  QWidget* two_count_;
  QWidget* result_count_;
};

}  // namespace shrink::gui
