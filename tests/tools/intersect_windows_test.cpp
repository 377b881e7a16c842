// The base-intersection windows 后三交集工具 and 后二交集工具 as the user meets
// them: their forms, "交集" over bases typed in any box, "全部清空", and the
// double-clicks and typing they ignore.
#include "tools/intersect_windows.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <span>

#include "app/control_text.h"
#include "app/form_table.h"
#include "app/themed_look.h"
#include "form_rows.h"
#include "tools/intersect_window_forms.h"

using shrink::gui::ControlSpec;
using shrink::gui::ControlText;
using shrink::gui::SetControlText;

// The texts pasted into 编辑框1 to 编辑框4 (bases A to D).
using Bases = QStringList;

namespace {

enum class Tool { kLastThree, kLastTwo };

const char* ToolName(Tool tool) { return tool == Tool::kLastThree ? "后三" : "后二"; }

std::unique_ptr<QWidget> MakeWindow(Tool tool) {
  if (tool == Tool::kLastThree) return std::make_unique<shrink::gui::LastThreeIntersectWindow>();
  return std::make_unique<shrink::gui::LastTwoIntersectWindow>();
}

std::span<const ControlSpec> FormOf(Tool tool) {
  if (tool == Tool::kLastThree) return shrink::gui::kLastThreeIntersectForm;
  return shrink::gui::kLastTwoIntersectForm;
}

QString FullSet(int width) {
  QStringList members;
  const int count = width == 3 ? 1000 : 100;
  for (int n = 0; n < count; ++n) members << QStringLiteral("%1").arg(n, width, 10, QChar(u'0'));
  return members.join(u' ');
}

}  // namespace

Q_DECLARE_METATYPE(Tool)

class IntersectWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { shrink::gui::EnableThemedLook(); }
  void init() { QGuiApplication::clipboard()->setText(QStringLiteral("untouched")); }
  void cleanup() { window_.reset(); }

  void everyControlAsItsTable_data() {
    QTest::addColumn<Tool>("tool");
    QTest::addColumn<int>("row");
    for (const Tool tool : {Tool::kLastThree, Tool::kLastTwo}) {
      const std::span<const ControlSpec> form = FormOf(tool);
      for (int row = 0; row < static_cast<int>(form.size()); ++row) {
        QTest::addRow("%s %s", ToolName(tool), form[row].name) << tool << row;
      }
    }
  }
  void everyControlAsItsTable() {
    QFETCH(Tool, tool);
    QFETCH(int, row);
    Open(tool);
    QCOMPARE(RowMismatch(window_.get(), FormOf(tool)[row]), QString());
  }

  void windowAndCaptions_data() {
    QTest::addColumn<Tool>("tool");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("baseGroups");  // the group boxes of A, B, C, D
    QTest::addColumn<QString>("baseCaption");     // %1 stands for the letter
    QTest::addColumn<QString>("resultGroup");
    QTest::newRow("后三") << Tool::kLastThree << "☆_岚珂_☆后三交集工具V1.0" << QSize(662, 454)
                          << QStringList{"分组框1", "分组框2", "分组框3", "分组框5"}
                          << "输入大底%1组"
                          << "分组框4";
    QTest::newRow("后二") << Tool::kLastTwo << "☆_岚珂_☆后二交集工具V1.0" << QSize(646, 382)
                          << QStringList{"分组框1", "分组框2", "分组框3", "分组框4"}
                          << "输入后二大底%1组"
                          << "分组框5";
  }
  void windowAndCaptions() {
    QFETCH(Tool, tool);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QStringList, baseGroups);
    QFETCH(QString, baseCaption);
    QFETCH(QString, resultGroup);
    Open(tool);

    QCOMPARE(window_->windowTitle(), caption);
    QTRY_COMPARE(window_->frameGeometry().size(), size);
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    const QString letters = QStringLiteral("ABCD");
    for (int base = 0; base < 4; ++base) {
      QCOMPARE(Text(baseGroups[base].toUtf8()), baseCaption.arg(letters[base]));
      QCOMPARE(Control(QStringLiteral("编辑框%1").arg(base + 1).toUtf8())->parentWidget(),
               Control(baseGroups[base].toUtf8()));
    }
    QCOMPARE(Text(resultGroup.toUtf8()), QStringLiteral("结果显示区"));
    QCOMPARE(Text("按钮1"), QStringLiteral("交集"));
    QCOMPARE(Text("按钮2"), QStringLiteral("全部清空"));
    QCOMPARE(Text("标签1"), QString());
    QVERIFY(qobject_cast<QPlainTextEdit*>(Control("编辑框5"))->isReadOnly());
  }

  void intersect_data() {
    QTest::addColumn<Tool>("tool");
    QTest::addColumn<Bases>("bases");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("count");
    const Tool three = Tool::kLastThree;
    const Tool two = Tool::kLastTwo;
    QTest::newRow("后三 all empty") << three << Bases{} << FullSet(3) << "计1000注";
    QTest::newRow("后二 all empty") << two << Bases{} << FullSet(2) << "计100注";
    QTest::newRow("后三 A and B") << three << Bases{"456 789 123", "789 012 456"} << "456 789"
                                  << "计2注";
    QTest::newRow("后三 the same in C and D")
        << three << Bases{"", "", "789 012 456", "456 789 123"} << "456 789"
        << "计2注";
    QTest::newRow("后三 the same in B and D")
        << three << Bases{"", "123\r\n789\r\n456", "", "456,012,789"} << "456 789"
        << "计2注";
    QTest::newRow("后三 four bases, every separator")
        << three << Bases{"001,002,003\r\n004", "004\t003 002", "002 003", "003 999 002"}
        << "002 003"
        << "计2注";
    QTest::newRow("后三 a repeated entry once") << three << Bases{"007 007\r\n007"} << "007"
                                                << "计1注";
    QTest::newRow("后三 ascending") << three << Bases{"999 100 010 001"} << "001 010 100 999"
                                    << "计4注";
    QTest::newRow("后三 12 without its zero") << three << Bases{"12"} << ""
                                              << "计0注";
    QTest::newRow("后三 a base of one space") << three << Bases{"123", " "} << ""
                                              << "计0注";
    QTest::newRow("后三 a lone line break") << three << Bases{"", "", "\r\n"} << ""
                                            << "计0注";
    QTest::newRow("后二 5 without its zero") << two << Bases{"5"} << ""
                                             << "计0注";
    QTest::newRow("后二 05") << two << Bases{"05"} << "05"
                             << "计1注";
    QTest::newRow("后二 three digits") << two << Bases{"005 50"} << "50"
                                       << "计1注";
    QTest::newRow("后二 A and D") << two << Bases{"99 05 50 00", "", "", "50 99 77"} << "50 99"
                                  << "计2注";
    QTest::newRow("后二 a base of one space") << two << Bases{"", " "} << ""
                                              << "计0注";
  }
  void intersect() {
    QFETCH(Tool, tool);
    QFETCH(Bases, bases);
    QFETCH(QString, result);
    QFETCH(QString, count);
    Open(tool);
    for (int base = 0; base < bases.size(); ++base) Paste(base + 1, bases[base]);

    Click("按钮1");

    QCOMPARE(Text("编辑框5"), result);
    QCOMPARE(Text("标签1"), count);
  }

  void eachIntersectionStartsAfresh() {
    Open(Tool::kLastTwo);
    Paste(1, "05 06");
    Click("按钮1");
    QCOMPARE(Text("标签1"), QStringLiteral("计2注"));
    Paste(2, "06");
    Click("按钮1");
    QCOMPARE(Text("编辑框5"), QStringLiteral("06"));
    SetControlText(Control("编辑框1"), "");
    SetControlText(Control("编辑框2"), "");
    Click("按钮1");
    QCOMPARE(Text("标签1"), QStringLiteral("计100注"));
  }

  void clearAllEmptiesOnlyTheBases_data() {
    QTest::addColumn<Tool>("tool");
    QTest::newRow("后三") << Tool::kLastThree;
    QTest::newRow("后二") << Tool::kLastTwo;
  }
  void clearAllEmptiesOnlyTheBases() {
    QFETCH(Tool, tool);
    Open(tool);
    for (int base = 1; base <= 4; ++base) Paste(base, "000 00 999 99");
    Click("按钮1");
    const QString result = Text("编辑框5");
    const QString count = Text("标签1");
    QVERIFY(!result.isEmpty());

    Click("按钮2");

    for (int base = 1; base <= 4; ++base) QCOMPARE(BoxText(base), QString());
    QCOMPARE(Text("编辑框5"), result);
    QCOMPARE(Text("标签1"), count);
    // The emptied bases no longer take part.
    Click("按钮1");
    QCOMPARE(Text("编辑框5"), FullSet(tool == Tool::kLastThree ? 3 : 2));
  }

  void doubleClicksAndTypingDoNothingElse_data() {
    QTest::addColumn<Tool>("tool");
    QTest::newRow("后三") << Tool::kLastThree;
    QTest::newRow("后二") << Tool::kLastTwo;
  }
  void doubleClicksAndTypingDoNothingElse() {
    QFETCH(Tool, tool);
    Open(tool);
    for (int base = 1; base <= 4; ++base) Paste(base, "05 123");
    Click("按钮1");
    const QString count = Text("标签1");

    for (int box = 1; box <= 5; ++box) {
      auto* edit =
          qobject_cast<QPlainTextEdit*>(Control(QStringLiteral("编辑框%1").arg(box).toUtf8()));
      const QString before = edit->toPlainText();
      QTest::mouseDClick(edit->viewport(), Qt::LeftButton);
      QCOMPARE(edit->toPlainText(), before);
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    // Nothing counts as the user types: the label waits for "交集".
    QTest::keyClicks(Control("编辑框1"), " 777");
    QCOMPARE(Text("标签1"), count);
  }

 private:
  void Open(Tool tool) {
    window_ = MakeWindow(tool);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  QWidget* Control(const QByteArray& name) const {
    return window_->findChild<QWidget*>(QString::fromUtf8(name));
  }

  QString Text(const QByteArray& name) const {
    return QString::fromStdString(ControlText(Control(name)));
  }

  QString BoxText(int box) const { return Text(QStringLiteral("编辑框%1").arg(box).toUtf8()); }

  // Puts `text` into input box `box` as a user pastes a base.
  void Paste(int box, const QString& text) {
    if (text.isEmpty()) return;
    QWidget* edit = Control(QStringLiteral("编辑框%1").arg(box).toUtf8());
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  }

  void Click(const char* button) { QTest::mouseClick(Control(button), Qt::LeftButton); }

  std::unique_ptr<QWidget> window_;
};

QTEST_MAIN(IntersectWindowsTest)
#include "intersect_windows_test.moc"
