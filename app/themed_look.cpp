#include "app/themed_look.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>
#include <QStyleFactory>

namespace shrink::gui {
namespace {

constexpr int kFontPixels = 12;

// Group boxes keep their caption above y = 16, where the forms place their
// first row: the frame line runs through the middle of the caption rather
// than below it, as the forms were drawn for.
constexpr char kStyleSheet[] = R"(
QGroupBox {
  border: 1px solid rgb(176, 192, 140);
  border-radius: 3px;
  margin-top: 7px;
}
QGroupBox::title {
  subcontrol-origin: margin;
  subcontrol-position: top left;
  left: 6px;
  padding: 0 2px;
  color: rgb(66, 84, 26);
}
QLineEdit, QPlainTextEdit {
  border: 1px solid rgb(164, 185, 127);
  background: white;
  selection-background-color: rgb(128, 150, 78);
  selection-color: white;
}
QLineEdit:focus, QPlainTextEdit:focus {
  border-color: rgb(98, 122, 50);
}
QPlainTextEdit[boxKind="result"], QPlainTextEdit[boxKind="toolResult"] {
  background: rgb(236, 236, 236);
}
QPushButton {
  border: 1px solid rgb(112, 134, 72);
  border-radius: 3px;
  padding: 0;
  color: black;
  background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
                              stop: 0 rgb(253, 254, 248), stop: 1 rgb(216, 226, 190));
}
QPushButton:hover {
  border-color: rgb(138, 163, 88);
  background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
                              stop: 0 white, stop: 1 rgb(232, 239, 212));
}
QPushButton:pressed {
  background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
                              stop: 0 rgb(200, 213, 170), stop: 1 rgb(232, 238, 216));
}
QPushButton:focus {
  border-color: rgb(80, 102, 38);
}
)";

QPalette OlivePalette() {
  QPalette palette;
  const QColor face(237, 239, 227);
  palette.setColor(QPalette::Window, face);
  palette.setColor(QPalette::Button, face);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::AlternateBase, QColor(246, 247, 240));
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::ButtonText, Qt::black);
  palette.setColor(QPalette::Highlight, QColor(128, 150, 78));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Midlight, QColor(224, 230, 206));
  palette.setColor(QPalette::Mid, QColor(176, 192, 140));
  palette.setColor(QPalette::Dark, QColor(130, 150, 92));
  palette.setColor(QPalette::Shadow, QColor(70, 86, 40));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 146, 126));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 146, 126));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 146, 126));
  return palette;
}

QFont FormFont() {
  QFont font = QApplication::font();
  // Micro Hei comes with the program's packages; the others stand in where it
  // is missing.
  font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("Sans Serif")});
  font.setPixelSize(kFontPixels);
  return font;
}

}  // namespace

void EnableThemedLook() {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(fusion);
  }
  QApplication::setPalette(OlivePalette());
  QApplication::setFont(FormFont());
  qApp->setStyleSheet(QString::fromUtf8(kStyleSheet));
}

}  // namespace shrink::gui
