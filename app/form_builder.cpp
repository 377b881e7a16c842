#include "app/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextOption>
#include <QWidget>

#include "app/box_actions.h"
#include "app/box_limits.h"
#include "app/control_text.h"
#include "app/digit_key_filter.h"
#include "app/double_click_filter.h"
#include "app/text_box.h"
#include "app/wrapping_button.h"

namespace shrink::gui {
namespace {

constexpr int kDigitBoxLength = 10;

QWidget* ParentOf(QWidget* window, const ControlSpec& row) {
  if (*row.parent == '\0') return window;
  auto* parent = window->findChild<QWidget*>(QString::fromUtf8(row.parent));
  if (parent == nullptr) {
    qFatal("form row %s: parent %s is not an earlier row", row.name, row.parent);
  }
  return parent;
}

QLabel* MakeLabel(QWidget* parent, const char* text) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  // A caption of several lines starts at the top, as its blank lines place
  // the words; a one-line caption sits level with the box beside it.
  const bool several_lines = QString::fromUtf8(text).contains(u'\n');
  label->setAlignment(Qt::AlignLeft | (several_lines ? Qt::AlignTop : Qt::AlignVCenter));
  return label;
}

QLineEdit* MakeLineBox(QWidget* parent, ControlKind kind) {
  auto* box = new QLineEdit(parent);
  switch (kind) {
    case ControlKind::kDigitBox:
      box->setMaxLength(kDigitBoxLength);
      DigitKeyFilter::Install(box);
      DoubleClickFilter::Install(box, [box] { ClearBoxOnDoubleClick(box); });
      break;
    case ControlKind::kBoldGroupBox:
      box->setMaxLength(kBoldGroupCharacterLimit);
      // Told once the paste or the keystroke that met the limit is done.
      QObject::connect(box, &QLineEdit::inputRejected, box, [box] { TellBoldGroupBoxFull(box); },
                       Qt::QueuedConnection);
      DoubleClickFilter::Install(box, [box] { ClearBoxOnDoubleClick(box); });
      break;
    default:  // the count box
      box->setReadOnly(true);
      box->setAlignment(Qt::AlignCenter);
      break;
  }
  return box;
}

QPlainTextEdit* MakeTextBox(QWidget* parent, ControlKind kind) {
  auto* box = new TextBox(parent);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setTabChangesFocus(true);
  switch (kind) {
    case ControlKind::kListBox:
      DoubleClickFilter::Install(box, [box] { ClearBoxOnDoubleClick(box); });
      break;
    case ControlKind::kResultBox:
      box->setReadOnly(true);
      DoubleClickFilter::Install(box, [box] { CopyBoxOnDoubleClick(box); });
      break;
    case ControlKind::kToolResultBox:
      box->setReadOnly(true);
      break;
    default:  // the input box
      break;
  }
  return box;
}

QWidget* MakeControl(QWidget* parent, const ControlSpec& row) {
  switch (row.kind) {
    case ControlKind::kGroupBox:
      return new QGroupBox(parent);
    case ControlKind::kLabel:
      return MakeLabel(parent, row.text);
    case ControlKind::kButton:
      return new WrappingButton(parent);
    case ControlKind::kDigitBox:
    case ControlKind::kBoldGroupBox:
    case ControlKind::kCountBox:
      return MakeLineBox(parent, row.kind);
    case ControlKind::kListBox:
    case ControlKind::kResultBox:
    case ControlKind::kInputBox:
    case ControlKind::kToolResultBox:
      return MakeTextBox(parent, row.kind);
  }
  Q_UNREACHABLE();
}

}  // namespace

const char* BoxKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kDigitBox:
      return "digit";
    case ControlKind::kBoldGroupBox:
      return "boldGroup";
    case ControlKind::kListBox:
      return "list";
    case ControlKind::kResultBox:
      return "result";
    case ControlKind::kCountBox:
      return "count";
    case ControlKind::kInputBox:
      return "input";
    case ControlKind::kToolResultBox:
      return "toolResult";
    case ControlKind::kGroupBox:
    case ControlKind::kLabel:
    case ControlKind::kButton:
      break;
  }
  return "";
}

void BuildForm(QWidget* window, std::span<const ControlSpec> form) {
  for (const ControlSpec& row : form) {
    QWidget* control = MakeControl(ParentOf(window, row), row);
    control->setObjectName(QString::fromUtf8(row.name));
    control->setGeometry(row.x, row.y, row.width, row.height);
    if (*BoxKindName(row.kind) != '\0') control->setProperty("boxKind", BoxKindName(row.kind));
    if (*row.accessible_name != '\0') {
      control->setAccessibleName(QString::fromUtf8(row.accessible_name));
    }
    if (*row.text != '\0') SetControlText(control, row.text);
  }
}

void SetTabOrder(QWidget* window, const QStringList& names) {
  QWidget* previous = nullptr;
  for (const QString& name : names) {
    auto* control = window->findChild<QWidget*>(name);
    if (control == nullptr) qFatal("tab order: no control %s", qUtf8Printable(name));
    if (previous != nullptr) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

}  // namespace shrink::gui
