// Builds a form table (form_table.h) into widgets on a window.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <span>

#include "app/form_table.h"

namespace shrink::gui {

// Creates every control of `form` on `window`, in table order, each with its
// object name, parent, geometry, text and the settings and event filters of
// its kind. Creation order is the default tab order. A row whose parent is
// not an earlier row is a fault in the table and stops the program.
void BuildForm(QWidget* window, std::span<const ControlSpec> form);

// Makes Tab visit the controls named in `names` in that order; a name the
// window lacks is a fault in the list and stops the program.
void SetTabOrder(QWidget* window, const QStringList& names);

// The control named `name` on a built form, as a `Control`; a name the form
// lacks, or a control of another class, is a fault in the code and stops the
// program.
template <class Control = QWidget>
[[nodiscard]] Control* FormControl(const QWidget* window, const char* name) {
  auto* control = window->findChild<Control*>(QString::fromUtf8(name));
  if (control == nullptr) qFatal("form: no control %s of the expected class", name);
  return control;
}

// The value of the "boxKind" property that the themed look styles an edit box
// by ("digit", "result", ...); empty for the other kinds.
[[nodiscard]] const char* BoxKindName(ControlKind kind);

}  // namespace shrink::gui
