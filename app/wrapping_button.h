// A push button whose caption wraps over as many lines as it needs, the way
// the forms expect of every button: a 32-pixel-wide button shows its caption
// as a column of a character or two per line. QPushButton draws one line only.
#pragma once

#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace shrink::gui {

class WrappingButton : public QPushButton {
 public:
  explicit WrappingButton(QWidget* parent);

  // Where the caption is drawn: inside the button's frame.
  [[nodiscard]] QRect CaptionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The flags a caption is laid out with: centred, wrapped between words and,
// for Chinese, between characters.
inline constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

// `font`, or a smaller size of it when the wrapped caption would not fit in
// `rect` at that size: the whole caption stays readable on any screen font.
[[nodiscard]] QFont FontFittingCaption(QFont font, const QRect& rect, const QString& caption);

}  // namespace shrink::gui
