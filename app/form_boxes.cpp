#include "app/form_boxes.h"

#include <QWidget>

#include "app/control_text.h"

namespace shrink::gui {
namespace {

const QString kBoxPrefix = QStringLiteral("编辑框");

}  // namespace

FormBoxes::FormBoxes(const QWidget* form) {
  for (QWidget* child : form->findChildren<QWidget*>()) {
    const QString name = child->objectName();
    if (!name.startsWith(kBoxPrefix)) continue;
    bool is_number = false;
    const int number = name.mid(kBoxPrefix.size()).toInt(&is_number);
    if (is_number) boxes_.insert(number, child);
  }
}

std::string FormBoxes::Text(int box) const { return ControlText(Box(box)); }

void FormBoxes::SetText(int box, std::string_view text) { SetControlText(Box(box), text); }

QWidget* FormBoxes::Box(int box) const {
  QWidget* found = boxes_.value(box);
  if (found == nullptr) qFatal("the form has no edit box 编辑框%d", box);
  return found;
}

}  // namespace shrink::gui
