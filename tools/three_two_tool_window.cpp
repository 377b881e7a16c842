#include "tools/three_two_tool_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

#include "app/control_text.h"
#include "app/form_builder.h"
#include "app/message_box.h"
#include "app/top_level_window.h"
#include "numbers/count_label.h"
#include "tools/extract_last_two.h"
#include "tools/intersections.h"
#include "tools/three_two_tool_form.h"

namespace shrink::gui {

ThreeTwoToolWindow::ThreeTwoToolWindow() {
  BuildForm(this, kThreeTwoToolForm);
  SetUpFixedWindow(this, kThreeTwoToolSpec);
  three_ = FormControl(this, "编辑框1");
  two_ = FormControl(this, "编辑框2");
  result_ = FormControl(this, "编辑框3");
  three_count_ = FormControl(this, "标签1");
  two_count_ = FormControl(this, "标签2");
  result_count_ = FormControl(this, "标签3");

  // Counting is the only work done per keystroke: one pass over the text.
  connect(FormControl<QPlainTextEdit>(this, "编辑框1"), &QPlainTextEdit::textChanged, this,
          [this] { ShowCount(three_, three_count_); });
  connect(FormControl<QPlainTextEdit>(this, "编辑框2"), &QPlainTextEdit::textChanged, this,
          [this] { ShowCount(two_, two_count_); });
  connect(FormControl<QPushButton>(this, "按钮1"), &QPushButton::clicked, this,
          &ThreeTwoToolWindow::Intersect);
  connect(FormControl<QPushButton>(this, "按钮2"), &QPushButton::clicked, this,
          &ThreeTwoToolWindow::ExtractLastTwo);
}

void ThreeTwoToolWindow::Intersect() {
  SetControlText(result_, IntersectThreeWithTwo(ControlText(three_), ControlText(two_)));
  ShowCount(result_, result_count_);
}

void ThreeTwoToolWindow::ExtractLastTwo() {
  const std::string input = ControlText(three_);
  const Extraction extraction = shrink::ExtractLastTwo(input);
  // The user sees the base rewritten on one line. Writing a base of tens of
  // thousands of numbers costs more than all the rest, so an input that is
  // already in that form is left as it is, with its cursor and undo history.
  if (extraction.rewritten_input != input) SetControlText(three_, extraction.rewritten_input);
  if (extraction.input_missing) {
    ShowMessage(this, "信息：", "请输入后三大底");
    SetControlText(result_, "");
  } else {
    SetControlText(result_, extraction.result);
  }
  ShowCount(result_, result_count_);
}

void ThreeTwoToolWindow::ShowCount(const QWidget* box, QWidget* label) {
  SetControlText(label, CountLabelWithColon(ControlText(box)));
}

}  // namespace shrink::gui
