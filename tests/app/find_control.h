// Finds a control of a form by its object name ("编辑框46"), as every GUI test does.
#pragma once

#include <QString>
#include <QWidget>

template <class Control = QWidget>
Control* FindControl(const QWidget* form, const char* name) {
  return form->findChild<Control*>(QString::fromUtf8(name));
}
