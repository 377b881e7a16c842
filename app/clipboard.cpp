#include "app/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace shrink::gui {

void PutOnClipboard(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return;
  clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace shrink::gui
