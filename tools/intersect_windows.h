// The base-intersection windows 后三交集工具 and 后二交集工具: "交集" shows the
// numbers listed in every filled base A-D, ascending and once each, with their
// count; "全部清空" empties the four bases and leaves the result on view.
#pragma once

#include <QWidget>
#include <array>
#include <span>

#include "app/form_table.h"
#include "app/top_level_window.h"

namespace shrink::gui {

// What the twins share; each twin gives its form and the width of its numbers.
class IntersectWindow : public QWidget {
  Q_OBJECT

 protected:
  IntersectWindow(std::span<const ControlSpec> form, const WindowSpec& window_spec, int width);

 private:
  void Intersect();
  void ClearBases();

  int width_;
  std::array<QWidget*, 4> bases_;
  QWidget* result_;
  QWidget* count_;
};

// Intersects bases of last-three numbers (000-999).
class LastThreeIntersectWindow : public IntersectWindow {
  Q_OBJECT

 public:
  LastThreeIntersectWindow();
};

// Intersects bases of last-two numbers (00-99).
class LastTwoIntersectWindow : public IntersectWindow {
  Q_OBJECT

 public:
  LastTwoIntersectWindow();
};

}  // namespace shrink::gui
