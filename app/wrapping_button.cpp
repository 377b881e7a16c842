#include "app/wrapping_button.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace shrink::gui {
namespace {

// Below these sizes a caption is no longer worth shrinking: it is clipped.
constexpr int kSmallestPixelSize = 8;
constexpr qreal kSmallestPointSize = 6;

bool Fits(const QFont& font, const QRect& rect, const QString& caption) {
  const QRect needed = QFontMetrics(font).boundingRect(rect, kCaptionFlags, caption);
  return needed.width() <= rect.width() && needed.height() <= rect.height();
}

// One step smaller, in the unit the font was given in; false at the smallest.
bool Shrink(QFont& font) {
  if (font.pixelSize() > 0) {
    if (font.pixelSize() <= kSmallestPixelSize) return false;
    font.setPixelSize(font.pixelSize() - 1);
    return true;
  }
  if (font.pointSizeF() <= kSmallestPointSize) return false;
  font.setPointSizeF(font.pointSizeF() - 0.5);
  return true;
}

}  // namespace

QFont FontFittingCaption(QFont font, const QRect& rect, const QString& caption) {
  while (!Fits(font, rect, caption) && Shrink(font)) {
  }
  return font;
}

WrappingButton::WrappingButton(QWidget* parent) : QPushButton(parent) {}

QRect WrappingButton::CaptionRect() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  // A narrow button keeps only its frame as margin: the caption needs the width.
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  return rect().adjusted(frame, frame, -frame, -frame);
}

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const QRect area = CaptionRect();
  painter.setFont(FontFittingCaption(font(), area, caption));
  painter.setPen(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                      QPalette::ButtonText));
  painter.drawText(area, kCaptionFlags, caption);
}

}  // namespace shrink::gui
