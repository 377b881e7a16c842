// Forms built from their tables: every row becomes its control, with the
// settings of its kind.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

#include "app/box_limits.h"
#include "app/form_builder.h"
#include "app/wrapping_button.h"
#include "find_control.h"

using shrink::gui::ControlKind;
using shrink::gui::ControlSpec;

namespace {

constexpr ControlSpec kForm[] = {
    {ControlKind::kGroupBox, "分组框1", "", 8, 0, 424, 496, "后三缩水条件栏"},
    {ControlKind::kGroupBox, "分组框4", "分组框1", 216, 232, 208, 264, "结果显示区"},
    {ControlKind::kLabel, "标签1", "分组框1", 8, 16, 48, 24, "定胆码"},
    {ControlKind::kLabel, "标签37", "分组框1", 264, 16, 24, 144, "\r\n\r\n胆\r\n组"},
    {ControlKind::kDigitBox, "编辑框1", "分组框1", 56, 16, 72, 24, "", "定胆码"},
    {ControlKind::kBoldGroupBox, "编辑框35", "分组框1", 304, 16, 112, 24, "", "胆组①"},
    {ControlKind::kListBox, "编辑框42", "分组框1", 8, 248, 104, 120, "", "保留直选大底"},
    {ControlKind::kResultBox, "编辑框46", "分组框4", 8, 16, 192, 216, "", "后三结果"},
    {ControlKind::kButton, "按钮3", "分组框4", 8, 236, 64, 24, "缩水"},
    {ControlKind::kCountBox, "编辑框47", "分组框4", 72, 236, 64, 24, "", "后三注数"},
    {ControlKind::kInputBox, "编辑框2", "", 440, 16, 200, 184},
    {ControlKind::kToolResultBox, "编辑框5", "", 440, 200, 192, 296},
    {ControlKind::kButton, "按钮5", "", 696, 6, 32, 80, "后三交集工具"},
};

}  // namespace

class FormBuilderTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<QWidget>();
    shrink::gui::BuildForm(form_.get(), kForm);
  }

  void everyRowBecomesItsControl_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < static_cast<int>(std::size(kForm)); ++row) {
      QTest::newRow(kForm[row].name) << row;
    }
  }
  void everyRowBecomesItsControl() {
    QFETCH(int, row);
    const ControlSpec& expected = kForm[row];
    QWidget* control = FindControl(form_.get(), expected.name);
    QVERIFY(control != nullptr);
    const QString parent = QString::fromUtf8(expected.parent);
    QCOMPARE(control->parentWidget() == form_.get() ? QString() : control->parentWidget()->objectName(),
             parent);
    QCOMPARE(control->geometry(), QRect(expected.x, expected.y, expected.width, expected.height));
    QCOMPARE(control->accessibleName(), QString::fromUtf8(expected.accessible_name));
  }

  void textsAsWritten() {
    QCOMPARE(FindControl<QGroupBox>(form_.get(), "分组框4")->title(), QStringLiteral("结果显示区"));
    QCOMPARE(FindControl<QLabel>(form_.get(), "标签37")->text(), QStringLiteral("\n\n胆\n组"));
    QCOMPARE(FindControl<QPushButton>(form_.get(), "按钮5")->text(), QStringLiteral("后三交集工具"));
    QVERIFY(FindControl<shrink::gui::WrappingButton>(form_.get(), "按钮3") != nullptr);
    QVERIFY(FindControl<QLineEdit>(form_.get(), "编辑框1")->text().isEmpty());
  }

  void labelsAreNeverRichText() {
    auto* label = FindControl<QLabel>(form_.get(), "标签1");
    QCOMPARE(label->textFormat(), Qt::PlainText);
    // A multi-line caption is placed from the top by its blank lines.
    QVERIFY(FindControl<QLabel>(form_.get(), "标签37")->alignment() & Qt::AlignTop);
    QVERIFY(label->alignment() & Qt::AlignVCenter);
  }

  void singleLineKinds_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("centred");
    QTest::newRow("digit box") << QByteArray("编辑框1") << false << 10 << false;
    QTest::newRow("bold-group box")
        << QByteArray("编辑框35") << false << shrink::gui::kBoldGroupCharacterLimit << false;
    QTest::newRow("count box") << QByteArray("编辑框47") << true << 32767 << true;
  }
  void singleLineKinds() {
    QFETCH(QByteArray, box);
    QFETCH(bool, readOnly);
    QFETCH(int, maxLength);
    QFETCH(bool, centred);
    auto* edit = FindControl<QLineEdit>(form_.get(), box.constData());
    QVERIFY(edit != nullptr);
    QCOMPARE(edit->isReadOnly(), readOnly);
    QCOMPARE(edit->maxLength(), maxLength);
    QCOMPARE(bool(edit->alignment() & Qt::AlignHCenter), centred);
  }

  void multiLineKinds_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QByteArray>("boxKind");
    QTest::newRow("list box") << QByteArray("编辑框42") << false << QByteArray("list");
    QTest::newRow("result box") << QByteArray("编辑框46") << true << QByteArray("result");
    QTest::newRow("input box") << QByteArray("编辑框2") << false << QByteArray("input");
    QTest::newRow("tool result box") << QByteArray("编辑框5") << true << QByteArray("toolResult");
  }
  void multiLineKinds() {
    QFETCH(QByteArray, box);
    QFETCH(bool, readOnly);
    QFETCH(QByteArray, boxKind);
    auto* edit = FindControl<QPlainTextEdit>(form_.get(), box.constData());
    QVERIFY(edit != nullptr);
    QCOMPARE(edit->isReadOnly(), readOnly);
    QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(edit->tabChangesFocus());
    QCOMPARE(edit->property("boxKind").toByteArray(), boxKind);
  }

  void longLinesWrapAtTheBoxWidth() {
    auto* result = FindControl<QPlainTextEdit>(form_.get(), "编辑框46");
    form_->show();
    result->setPlainText(QStringLiteral("000 001 002 003 004 005 006 007 008 009 010 011 012 013"));
    QCOMPARE(result->document()->blockCount(), 1);
    QVERIFY(result->document()->firstBlock().layout()->lineCount() > 1);
  }

  void enterStartsALineInListAndInputBoxes() {
    for (const char* name : {"编辑框42", "编辑框2"}) {
      auto* box = FindControl<QPlainTextEdit>(form_.get(), name);
      QTest::keyClicks(box, "1");
      QTest::keyClick(box, Qt::Key_Return);
      QTest::keyClicks(box, "2");
      QCOMPARE(box->toPlainText(), QStringLiteral("1\n2"));
    }
  }

  void tabOrderFollowsTheList() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    shrink::gui::SetTabOrder(form_.get(), {QStringLiteral("编辑框42"), QStringLiteral("编辑框1"),
                                           QStringLiteral("编辑框35")});
    FindControl(form_.get(), "编辑框42")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("编辑框1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("编辑框35"));
  }

 private:
  std::unique_ptr<QWidget> form_;
};

QTEST_MAIN(FormBuilderTest)
#include "form_builder_test.moc"
