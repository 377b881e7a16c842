// Double-clicks on edit boxes: condition boxes empty (and can be undone),
// result boxes copy, the other kinds do nothing.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>

#include "app/control_text.h"
#include "app/form_builder.h"
#include "find_control.h"

using shrink::gui::ControlKind;
using shrink::gui::ControlSpec;
using shrink::gui::ControlText;
using shrink::gui::SetControlText;

namespace {

constexpr ControlSpec kForm[] = {
    {ControlKind::kGroupBox, "分组框1", "", 0, 0, 400, 400, "后三缩水条件栏"},
    {ControlKind::kDigitBox, "编辑框1", "分组框1", 56, 16, 72, 24},
    {ControlKind::kDigitBox, "编辑框2", "分组框1", 192, 16, 72, 24},
    {ControlKind::kBoldGroupBox, "编辑框35", "分组框1", 56, 40, 112, 24},
    {ControlKind::kListBox, "编辑框42", "分组框1", 8, 72, 104, 120},
    {ControlKind::kResultBox, "编辑框46", "分组框1", 120, 72, 192, 120},
    {ControlKind::kCountBox, "编辑框47", "分组框1", 72, 200, 64, 24},
    {ControlKind::kInputBox, "编辑框5", "", 0, 400, 200, 100},
    {ControlKind::kToolResultBox, "编辑框6", "", 200, 400, 200, 100},
};

constexpr const char* kBoxes[] = {"编辑框1",  "编辑框2",  "编辑框35", "编辑框42",
                                  "编辑框46", "编辑框47", "编辑框5",  "编辑框6"};

// Where a double-click lands: a multi-line box takes the mouse in its viewport.
void DoubleClick(QWidget* box) {
  auto* area = qobject_cast<QPlainTextEdit*>(box);
  QTest::mouseDClick(area != nullptr ? area->viewport() : box, Qt::LeftButton);
}

const char* TextChangedSignal(const QWidget* box) {
  return qobject_cast<const QLineEdit*>(box) != nullptr ? SIGNAL(textChanged(QString))
                                                        : SIGNAL(textChanged());
}

}  // namespace

class BoxActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<QWidget>();
    shrink::gui::BuildForm(form_.get(), kForm);
    for (const char* box : kBoxes) SetControlText(Box(box), std::string("12 ") + box);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  }

  void conditionBoxEmptiesAlone_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::newRow("digit box") << QByteArray("编辑框1");
    QTest::newRow("bold-group box") << QByteArray("编辑框35");
    QTest::newRow("list box") << QByteArray("编辑框42");
  }
  void conditionBoxEmptiesAlone() {
    QFETCH(QByteArray, box);
    QWidget* clicked = Box(box.constData());
    QSignalSpy changes(clicked, TextChangedSignal(clicked));

    DoubleClick(clicked);

    QCOMPARE(ControlText(clicked), std::string());
    QCOMPARE(changes.count(), 1);
    for (const char* other : kBoxes) {
      if (box != other) QCOMPARE(ControlText(Box(other)), std::string("12 ") + other);
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
  }

  void ctrlZBringsTheTextBack_data() { conditionBoxEmptiesAlone_data(); }
  void ctrlZBringsTheTextBack() {
    QFETCH(QByteArray, box);
    QWidget* clicked = Box(box.constData());
    QTest::keyClicks(clicked, "7");
    const std::string typed = ControlText(clicked);

    DoubleClick(clicked);
    QCOMPARE(ControlText(clicked), std::string());
    QTest::keyClick(clicked, Qt::Key_Z, Qt::ControlModifier);

    QCOMPARE(ControlText(clicked), typed);
  }

  void emptyBoxStillSignals() {
    QWidget* box = Box("编辑框42");
    SetControlText(box, "");
    QSignalSpy changes(box, TextChangedSignal(box));
    DoubleClick(box);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(ControlText(box), std::string());
  }

  void resultBoxCopies_data() {
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("a list") << QByteArray("000 001 002 999");
    QTest::newRow("a list with a trailing space") << QByteArray("000 001 ");
    QTest::newRow("empty") << QByteArray("");
  }
  void resultBoxCopies() {
    QFETCH(QByteArray, shown);
    QWidget* result = Box("编辑框46");
    SetControlText(result, shown.toStdString());

    DoubleClick(result);

    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(shown));
    QCOMPARE(ControlText(result), shown.toStdString());
  }

  void otherKindsIgnoreDoubleClicks_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::newRow("count box") << QByteArray("编辑框47");
    QTest::newRow("input box") << QByteArray("编辑框5");
    QTest::newRow("tool result box") << QByteArray("编辑框6");
  }
  void otherKindsIgnoreDoubleClicks() {
    QFETCH(QByteArray, box);
    DoubleClick(Box(box.constData()));
    for (const char* each : kBoxes) QCOMPARE(ControlText(Box(each)), std::string("12 ") + each);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
  }

  void rightButtonDoesNothing() {
    QWidget* box = Box("编辑框1");
    QTest::mouseDClick(box, Qt::RightButton);
    QCOMPARE(ControlText(box), std::string("12 编辑框1"));
  }

 private:
  QWidget* Box(const char* name) const { return FindControl(form_.get(), name); }

  std::unique_ptr<QWidget> form_;
};

QTEST_MAIN(BoxActionsTest)
#include "box_actions_test.moc"
