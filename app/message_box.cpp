#include "app/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSize>
#include <QString>

namespace shrink::gui {
namespace {

constexpr QSize kOkButtonSize(72, 24);

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void ShowMessage(QWidget* window, std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(title), FromUtf8(text), QMessageBox::Ok, window);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  // The theme draws buttons without padding; OK gets the size of the forms'
  // buttons rather than shrink around its two letters.
  box.button(QMessageBox::Ok)->setMinimumSize(kOkButtonSize);
  box.exec();
}

}  // namespace shrink::gui
