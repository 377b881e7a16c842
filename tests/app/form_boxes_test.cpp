// The engine's Boxes over a form: box N is the edit box named 编辑框N,
// wherever it sits on the form.
#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <string>

#include "app/form_boxes.h"
#include "app/form_builder.h"
#include "find_control.h"

using shrink::gui::ControlKind;
using shrink::gui::ControlSpec;
using shrink::gui::FormBoxes;

namespace {

constexpr ControlSpec kForm[] = {
    {ControlKind::kGroupBox, "分组框1", "", 0, 0, 300, 300, "条件"},
    {ControlKind::kGroupBox, "分组框3", "分组框1", 0, 100, 300, 200, "结果显示区"},
    {ControlKind::kDigitBox, "编辑框1", "分组框1", 8, 16, 72, 24},
    {ControlKind::kListBox, "编辑框12", "分组框1", 8, 40, 100, 50},
    {ControlKind::kResultBox, "编辑框3", "分组框3", 8, 16, 200, 100},
    {ControlKind::kLabel, "标签1", "", 0, 300, 100, 24, "编辑框"},
};

}  // namespace

class FormBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<QWidget>();
    shrink::gui::BuildForm(form_.get(), kForm);
  }

  void readsAndWritesByNumber() {
    FormBoxes boxes(form_.get());
    boxes.SetText(1, "5");
    boxes.SetText(12, "12\r\n34");
    boxes.SetText(3, "000 001 ");

    QCOMPARE(boxes.Text(1), std::string("5"));
    QCOMPARE(boxes.Text(12), std::string("12\r\n34"));
    QCOMPARE(boxes.Text(3), std::string("000 001 "));
    QCOMPARE(FindControl<QPlainTextEdit>(form_.get(), "编辑框12")->document()->blockCount(), 2);
    QCOMPARE(FindControl<QPlainTextEdit>(form_.get(), "编辑框3")->toPlainText(),
             QStringLiteral("000 001 "));
  }

  void seesWhatTheUserTyped() {
    FormBoxes boxes(form_.get());
    auto* list = FindControl<QPlainTextEdit>(form_.get(), "编辑框12");
    QTest::keyClicks(list, "05");
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(list, "50");
    QCOMPARE(boxes.Text(12), std::string("05\r\n50"));
    QCOMPARE(boxes.Text(1), std::string());
  }

 private:
  std::unique_ptr<QWidget> form_;
};

QTEST_MAIN(FormBoxesTest)
#include "form_boxes_test.moc"
