#include "app/clipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

namespace shrink::gui {

void PutOnClipboard(std::string_view text) {
  // Only a GUI application has a clipboard. Asked without one,
  // QGuiApplication::clipboard() makes a clipboard with no platform behind
  // it, and putting a text there would crash the program.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return;
  clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace shrink::gui
