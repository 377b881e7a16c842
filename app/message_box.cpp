#include "app/message_box.h"

#include <QMessageBox>
#include <QString>

namespace shrink::gui {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void ShowMessage(QWidget* window, std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(title), FromUtf8(text), QMessageBox::Ok, window);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace shrink::gui
