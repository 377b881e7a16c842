// Button captions wrap to fit the button, down to a column of a character or
// two per line on the narrow tool buttons.
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <memory>

#include "app/themed_look.h"
#include "app/wrapping_button.h"

using shrink::gui::FontFittingCaption;
using shrink::gui::kCaptionFlags;
using shrink::gui::WrappingButton;

namespace {

// The rows holding ink darker than the button's face, as a rectangle.
QRect InkBounds(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 90) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

}  // namespace

class WrappingButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { shrink::gui::EnableThemedLook(); }

  void wholeCaptionShows_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minLines");
    QTest::newRow("后三交集工具") << QStringLiteral("后三交集工具") << QSize(32, 80) << 3;
    QTest::newRow("后二交集工具") << QStringLiteral("后二交集工具") << QSize(32, 80) << 3;
    QTest::newRow("后二后三交际工具") << QStringLiteral("后二后三交际工具") << QSize(32, 80) << 4;
    QTest::newRow("有待增加") << QStringLiteral("有待增加") << QSize(32, 80) << 2;
    QTest::newRow("缩水 on one line") << QStringLiteral("缩水") << QSize(64, 24) << 1;
    QTest::newRow("全部清空 on one line") << QStringLiteral("全部清空") << QSize(72, 24) << 1;
  }
  void wholeCaptionShows() {
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(int, minLines);
    auto window = std::make_unique<QWidget>();
    auto* button = new WrappingButton(window.get());
    button->setText(caption);
    button->setGeometry(QRect(QPoint(0, 0), size));

    const QFont font = FontFittingCaption(button->font(), button->CaptionRect(), caption);
    const QRect needed = QFontMetrics(font).boundingRect(button->CaptionRect(), kCaptionFlags, caption);
    QVERIFY(button->CaptionRect().contains(needed));
    QVERIFY(needed.height() >= minLines * QFontMetrics(font).lineSpacing());

    // The caption is painted, inside the frame, and as tall as its lines.
    const QImage drawn = button->grab().toImage();
    const QRect ink = InkBounds(drawn);
    QVERIFY(!ink.isEmpty());
    QVERIFY(button->CaptionRect().contains(ink));
    QVERIFY(ink.height() > (minLines - 1) * QFontMetrics(font).lineSpacing());
    QCOMPARE(button->text(), caption);
  }

  void fontShrinksOnlyWhenNeeded() {
    QFont font = QApplication::font();
    font.setPixelSize(12);
    const QString caption = QStringLiteral("后二后三交际工具");
    QCOMPARE(FontFittingCaption(font, QRect(0, 0, 200, 40), caption).pixelSize(), 12);
    const QFont smaller = FontFittingCaption(font, QRect(0, 0, 24, 40), caption);
    QVERIFY(smaller.pixelSize() < 12);
    QVERIFY(QRect(0, 0, 24, 40).contains(
        QFontMetrics(smaller).boundingRect(QRect(0, 0, 24, 40), kCaptionFlags, caption)));
  }

  void hopelessCaptionStopsShrinking() {
    QFont font = QApplication::font();
    font.setPointSizeF(9);
    const QFont smallest = FontFittingCaption(font, QRect(0, 0, 4, 4), QStringLiteral("后三交集工具"));
    QVERIFY(smallest.pointSizeF() >= 6);
  }
};

QTEST_MAIN(WrappingButtonTest)
#include "wrapping_button_test.moc"
