// The digit boxes from the keyboard: digits and "-" only, editing keys,
// shortcuts and paste as usual, at most 10 characters.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/form_builder.h"
#include "find_control.h"

using shrink::gui::ControlKind;
using shrink::gui::ControlSpec;

namespace {

// Types each character as one key press; characters beyond ASCII come as the
// text of a key the test library has no name for, as an input method sends them.
void Type(QWidget* box, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 128) {
      QTest::keyClick(box, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

constexpr ControlSpec kForm[] = {
    {ControlKind::kDigitBox, "编辑框1", "", 56, 16, 72, 24},
    {ControlKind::kBoldGroupBox, "编辑框35", "", 56, 40, 112, 24},
};

}  // namespace

class DigitKeyFilterTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<QWidget>();
    shrink::gui::BuildForm(form_.get(), kForm);
    box_ = FindControl<QLineEdit>(form_.get(), "编辑框1");
  }

  void typing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("every digit") << "0123456789" << "0123456789";
    QTest::newRow("minus") << "1-5" << "1-5";
    QTest::newRow("letters") << "abcXYZ" << "";
    QTest::newRow("space and comma") << " ," << "";
    QTest::newRow("equals and dot") << "=." << "";
    QTest::newRow("mixed") << "1a 2,3-4" << "123-4";
    QTest::newRow("full-width digit") << QStringLiteral("１") << "";
    QTest::newRow("eleventh character refused") << "12345678901" << "1234567890";
  }
  void typing() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Type(box_, typed);
    QCOMPARE(box_->text(), shown);
  }

  void keypadDigits() {
    QTest::keyClick(box_, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(box_, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(box_->text(), QStringLiteral("7-"));
  }

  void editingKeys() {
    QTest::keyClicks(box_, "1234");
    QTest::keyClick(box_, Qt::Key_Backspace);
    QTest::keyClick(box_, Qt::Key_Home);
    QTest::keyClick(box_, Qt::Key_Delete);
    QTest::keyClick(box_, Qt::Key_End);
    QTest::keyClicks(box_, "9");
    QCOMPARE(box_->text(), QStringLiteral("239"));
    QTest::keyClick(box_, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box_->text(), QStringLiteral("23"));
  }

  void pasteKeepsAnyCharacters_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");
    QTest::newRow("spaces") << "1 2 3" << "1 2 3";
    QTest::newRow("one space") << " " << " ";
    QTest::newRow("letters") << "a,b" << "a,b";
    QTest::newRow("cut at ten characters") << "1 2 3 4 5 6" << "1 2 3 4 5 ";
  }
  void pasteKeepsAnyCharacters() {
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box_->text(), shown);
  }

  void boldGroupBoxTakesAnyKey() {
    auto* bold = FindControl<QLineEdit>(form_.get(), "编辑框35");
    QTest::keyClicks(bold, "123456=123 ab");
    QCOMPARE(bold->text(), QStringLiteral("123456=123 ab"));
  }

 private:
  std::unique_ptr<QWidget> form_;
  QLineEdit* box_ = nullptr;
};

QTEST_MAIN(DigitKeyFilterTest)
#include "digit_key_filter_test.moc"
