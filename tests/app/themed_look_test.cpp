// The olive theme as drawn: box frames, result and count box colours, and
// group box captions that stay clear of the first row of controls.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/control_text.h"
#include "app/form_builder.h"
#include "app/themed_look.h"
#include "find_control.h"

using shrink::gui::ControlKind;
using shrink::gui::ControlSpec;

namespace {

constexpr ControlSpec kForm[] = {
    {ControlKind::kGroupBox, "分组框1", "", 8, 0, 300, 100, "后三缩水条件栏"},
    {ControlKind::kDigitBox, "编辑框1", "", 8, 110, 72, 24},
    {ControlKind::kListBox, "编辑框42", "", 8, 140, 104, 120},
    {ControlKind::kResultBox, "编辑框46", "", 120, 140, 192, 120},
    {ControlKind::kCountBox, "编辑框47", "", 120, 270, 64, 24},
    {ControlKind::kToolResultBox, "编辑框5", "", 200, 270, 100, 60},
};

constexpr QRgb kFrame = qRgb(164, 185, 127);
constexpr QRgb kResultGrey = qRgb(236, 236, 236);
constexpr QRgb kWhite = qRgb(255, 255, 255);

QImage Drawn(QWidget* control) { return control->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Pixels darker than any frame or face colour of the theme: text.
QRect InkBounds(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 130) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

std::unique_ptr<QWidget> BuiltForm() {
  auto form = std::make_unique<QWidget>();
  shrink::gui::BuildForm(form.get(), kForm);
  form->show();
  return form;
}

}  // namespace

class ThemedLookTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // A window open before the theme is switched on takes it as well.
    opened_before_ = BuiltForm();
    shrink::gui::EnableThemedLook();
    opened_after_ = BuiltForm();
  }

  void boxColours_data() {
    QTest::addColumn<bool>("openedBefore");
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QRgb>("inside");
    for (const bool before : {true, false}) {
      const char* when = before ? "open before" : "opened after";
      QTest::addRow("%s: digit box", when) << before << QByteArray("编辑框1") << kWhite;
      QTest::addRow("%s: list box", when) << before << QByteArray("编辑框42") << kWhite;
      QTest::addRow("%s: result box", when) << before << QByteArray("编辑框46") << kResultGrey;
      QTest::addRow("%s: tool result box", when) << before << QByteArray("编辑框5") << kResultGrey;
      QTest::addRow("%s: count box", when) << before << QByteArray("编辑框47") << kWhite;
    }
  }
  void boxColours() {
    QFETCH(bool, openedBefore);
    QFETCH(QByteArray, box);
    QFETCH(QRgb, inside);
    QWidget* form = openedBefore ? opened_before_.get() : opened_after_.get();
    const QImage drawn = Drawn(FindControl(form, box.constData()));
    const int middle = drawn.height() / 2;
    QCOMPARE(drawn.pixel(0, middle), kFrame);
    QCOMPARE(drawn.pixel(drawn.width() / 4, middle), inside);
  }

  void countTextIsCentred() {
    auto* count = FindControl<QLineEdit>(opened_after_.get(), "编辑框47");
    shrink::gui::SetControlText(count, "计1000注");
    const QImage drawn = Drawn(count);
    const QRect ink = InkBounds(drawn);
    QVERIFY(!ink.isEmpty());
    const int left = ink.left();
    const int right = drawn.width() - 1 - ink.right();
    QVERIFY2(qAbs(left - right) <= 3, qPrintable(QStringLiteral("%1 vs %2").arg(left).arg(right)));
  }

  void groupCaptionStaysAboveTheFirstRow() {
    // The forms put their first row of controls at y = 16 in a group box.
    const QImage drawn = Drawn(FindControl(opened_after_.get(), "分组框1"));
    const QRect ink = InkBounds(drawn);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.bottom() < 16, qPrintable(QString::number(ink.bottom())));
    // Nor may the frame's top line run under that row.
    const QRgb face = drawn.pixel(drawn.width() / 2, drawn.height() / 2);
    int frame_line = -1;
    for (int y = 0; y < drawn.height() && frame_line < 0; ++y) {
      int drawn_pixels = 0;
      for (int x = 0; x < drawn.width(); ++x) drawn_pixels += drawn.pixel(x, y) != face;
      if (drawn_pixels > drawn.width() / 2) frame_line = y;
    }
    QVERIFY2(frame_line >= 0 && frame_line < 16, qPrintable(QString::number(frame_line)));
  }

 private:
  std::unique_ptr<QWidget> opened_before_;
  std::unique_ptr<QWidget> opened_after_;
};

QTEST_MAIN(ThemedLookTest)
#include "themed_look_test.moc"
