#include "tools/intersect_windows.h"

#include <QLabel>
#include <QPushButton>
#include <string>
#include <string_view>

#include "app/control_text.h"
#include "app/form_builder.h"
#include "numbers/count_label.h"
#include "tools/intersect_window_forms.h"
#include "tools/intersections.h"

namespace shrink::gui {

IntersectWindow::IntersectWindow(std::span<const ControlSpec> form, const WindowSpec& window_spec,
                                 int width)
    : width_(width) {
  BuildForm(this, form);
  SetUpFixedWindow(this, window_spec);
  bases_ = {FormControl(this, "编辑框1"), FormControl(this, "编辑框2"),
            FormControl(this, "编辑框3"), FormControl(this, "编辑框4")};
  result_ = FormControl(this, "编辑框5");
  // The count sits centred between the two buttons.
  auto* count = FormControl<QLabel>(this, "标签1");
  count->setAlignment(Qt::AlignCenter);
  count_ = count;

  connect(FormControl<QPushButton>(this, "按钮1"), &QPushButton::clicked, this,
          &IntersectWindow::Intersect);
  connect(FormControl<QPushButton>(this, "按钮2"), &QPushButton::clicked, this,
          &IntersectWindow::ClearBases);
}

void IntersectWindow::Intersect() {
  std::array<std::string, 4> texts;
  std::array<std::string_view, 4> bases;
  for (std::size_t i = 0; i < bases_.size(); ++i) {
    texts[i] = ControlText(bases_[i]);
    bases[i] = texts[i];
  }
  SetControlText(result_, IntersectBases(bases, width_));
  // The count is of the text as the box shows it.
  SetControlText(count_, CountLabel(ControlText(result_)));
}

void IntersectWindow::ClearBases() {
  for (QWidget* base : bases_) SetControlText(base, "");
}

LastThreeIntersectWindow::LastThreeIntersectWindow()
    : IntersectWindow(kLastThreeIntersectForm, kLastThreeIntersectSpec, 3) {}

LastTwoIntersectWindow::LastTwoIntersectWindow()
    : IntersectWindow(kLastTwoIntersectForm, kLastTwoIntersectSpec, 2) {}

}  // namespace shrink::gui
