// The tool windows under what users paste: 16 MB at once, 100,000 line
// breaks, NUL, line breaks of every kind, bidirectional marks, emoji and
// combining marks. Each window answers, its results and counts are the
// engine's on the texts its inputs read, "交集" leaves the inputs as typed,
// and "提取后三后两位号码" changes only the commas and line breaks of its base.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "app/control_text.h"
#include "numbers/count_label.h"
#include "tests/app/message_catcher.h"
#include "tests/app/peak_memory.h"
#include "tests/app/refused_paste.h"
#include "tools/extract_last_two.h"
#include "tools/intersect_windows.h"
#include "tools/intersections.h"
#include "tools/three_two_tool_window.h"

using namespace Qt::StringLiterals;
using shrink::gui::ControlText;
using shrink::gui::SetControlText;

namespace {

enum class Tool { kLastThreeIntersect, kLastTwoIntersect, kThreeTwo };

std::unique_ptr<QWidget> MakeWindow(Tool tool) {
  switch (tool) {
    case Tool::kLastThreeIntersect:
      return std::make_unique<shrink::gui::LastThreeIntersectWindow>();
    case Tool::kLastTwoIntersect:
      return std::make_unique<shrink::gui::LastTwoIntersectWindow>();
    case Tool::kThreeTwo:
      break;
  }
  return std::make_unique<shrink::gui::ThreeTwoToolWindow>();
}

// The text as the widget itself holds it, line breaks as U+2029.
QString HeldText(const QWidget* box) {
  return qobject_cast<const QPlainTextEdit*>(box)->document()->toRawText();
}

// A text with NULs in it, whole.
template <std::size_t N>
QString WithNuls(const char (&text)[N]) {
  return QString::fromUtf8(text, N - 1);
}

// `count` three-digit numbers, each followed by `separator`.
QString Numbers(qsizetype count, const QString& separator) {
  QString text;
  text.reserve(count * (3 + separator.size()));
  for (qsizetype i = 0; i < count; ++i) {
    text += QString::number(100 + i % 900);
    text += separator;
  }
  return text;
}

}  // namespace

Q_DECLARE_METATYPE(Tool)

class ToolHostileInputTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { window_.reset(); }

  // The input refuses 16 MB, says so, and keeps what it held; the window's
  // count of it does not move and "交集" answers on what the input holds.
  void sixteenMegabytesAreRefused_data() {
    QTest::addColumn<Tool>("tool");
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("pasted");
    const QString lines = Numbers(4 << 20, u"\n"_s);
    const QString one_line = Numbers(4 << 20, u" "_s);
    QTest::newRow("后三后二 编辑框1, one number a line") << Tool::kThreeTwo << "编辑框1"_ba << lines;
    QTest::newRow("后三后二 编辑框2, one line") << Tool::kThreeTwo << "编辑框2"_ba << one_line;
    QTest::newRow("后三交集 A, one number a line")
        << Tool::kLastThreeIntersect << "编辑框1"_ba << lines;
    QTest::newRow("后二交集 D, one line") << Tool::kLastTwoIntersect << "编辑框4"_ba << one_line;
  }
  void sixteenMegabytesAreRefused() {
    QFETCH(Tool, tool);
    QFETCH(QByteArray, box);
    QFETCH(QString, pasted);
    Open(tool);
    Paste(box, u"123 23,45"_s);
    const QString count_before = tool == Tool::kThreeTwo ? Text(CountOf(box)) : QString();
    PasteExpectingRefusal(Control(box), pasted);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(Text(box), u"123 23,45"_s);
    if (tool == Tool::kThreeTwo) QCOMPARE(Text(CountOf(box)), count_before);
    CheckIntersectIsTheEngines(tool);
  }

  void hostileTextInTheInputs_data() {
    QTest::addColumn<QString>("three");  // into the last-three inputs
    QTest::addColumn<QString>("two");    // into the last-two inputs
    QTest::newRow("NUL and control characters")
        << WithNuls("123\0 456,789\x01 012\x1b 345")
        << WithNuls("23\0 56 89\x7f 45");
    QTest::newRow("line breaks of every kind")
        << u"123\r456\n789\r\n012\u2028345\u2029678\r\r\n901"_s << u"23\r56\u202889\u202945"_s;
    QTest::newRow("bidirectional marks")
        << u"\u200f123 456\u202e 789\u202c 012"_s << u"23 \u200e56 89\u202c"_s;
    QTest::newRow("emoji") << u"😀 123 👍🏽456 789,👨‍👩‍👧"_s << u"23😀 56 89"_s;
    QTest::newRow("combining marks") << u"123\u0301 456 789 e\u0301"_s << u"23 5\u03016 89"_s;
    QTest::newRow("spaces of every kind")
        << u"123\u00a0456\u3000789\t012 345"_s << u"23\u00a056 89\t45 12"_s;
    QTest::newRow("full-width digits and signs") << u"１２３ 456，789 012"_s << u"２３ 56，89"_s;
  }
  // "后三后二交集" and the counts of the last-three and last-two tool.
  void hostileTextInTheThreeTwoTool() {
    QFETCH(QString, three);
    QFETCH(QString, two);
    Open(Tool::kThreeTwo);
    Paste("编辑框1", three);
    Paste("编辑框2", two);
    const QString held_three = HeldText(Control("编辑框1"));
    const QString held_two = HeldText(Control("编辑框2"));
    const std::string read_three = ControlText(Control("编辑框1"));
    const std::string read_two = ControlText(Control("编辑框2"));
    QCOMPARE(ControlText(Control("标签1")), shrink::CountLabelWithColon(read_three));
    QCOMPARE(ControlText(Control("标签2")), shrink::CountLabelWithColon(read_two));

    Click("按钮1");

    const std::string engine = shrink::IntersectThreeWithTwo(read_three, read_two);
    QCOMPARE(ControlText(Control("编辑框3")), engine);
    QCOMPARE(ControlText(Control("标签3")), shrink::CountLabelWithColon(engine));
    QCOMPARE(HeldText(Control("编辑框1")), held_three);
    QCOMPARE(HeldText(Control("编辑框2")), held_two);
  }
  void hostileTextInTheThreeTwoTool_data() { hostileTextInTheInputs_data(); }

  // "提取后三后两位号码" rewrites its base: every comma and every line break
  // the user sees becomes one space, and nothing else changes.
  void hostileTextExtracted() {
    QFETCH(QString, three);
    Open(Tool::kThreeTwo);
    Paste("编辑框1", three);
    QString expected_held = HeldText(Control("编辑框1"));
    for (const QChar line_break : {QChar(u','), QChar(QChar::ParagraphSeparator),
                                   QChar(QChar::LineSeparator)}) {
      expected_held.replace(line_break, u' ');
    }
    const shrink::Extraction engine = shrink::ExtractLastTwo(ControlText(Control("编辑框1")));

    Click("按钮2");

    QCOMPARE(HeldText(Control("编辑框1")), expected_held);
    QCOMPARE(ControlText(Control("编辑框1")), engine.rewritten_input);
    QCOMPARE(ControlText(Control("编辑框3")), engine.result);
    QCOMPARE(ControlText(Control("标签3")), shrink::CountLabelWithColon(engine.result));
    QCOMPARE(ControlText(Control("标签1")), shrink::CountLabelWithColon(engine.rewritten_input));
  }
  void hostileTextExtracted_data() { hostileTextInTheInputs_data(); }

  // "交集" over four hostile bases in both intersection windows.
  void hostileTextIntersected() {
    QFETCH(QString, three);
    QFETCH(QString, two);
    for (const Tool tool : {Tool::kLastThreeIntersect, Tool::kLastTwoIntersect}) {
      Open(tool);
      const QString base = tool == Tool::kLastThreeIntersect ? three : two;
      const std::array<QString, 4> pasted{base, base, base + u" 999 99"_s, u""_s};
      std::array<QString, 4> held;
      for (int i = 0; i < 4; ++i) {
        Paste(Base(i), pasted[i]);
        held[i] = HeldText(Control(Base(i)));
      }
      CheckIntersectIsTheEngines(tool);
      for (int i = 0; i < 4; ++i) QCOMPARE(HeldText(Control(Base(i))), held[i]);
    }
  }
  void hostileTextIntersected_data() { hostileTextInTheInputs_data(); }

  // 100,000 line breaks in the base of the last-three and last-two tool: its
  // count follows, the extraction puts the base on one line, and both
  // buttons answer with the engine's results.
  void hundredThousandLineBreaks() {
    Open(Tool::kThreeTwo);
    QGuiApplication::clipboard()->setText("123" + u"\n"_s.repeated(100'000) + "456");
    PeakMemory memory;
    memory.Start();
    QElapsedTimer clock;
    clock.start();

    QTest::keyClick(Control("编辑框1"), Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    window_->repaint();
    const qint64 pasted = clock.restart();
    CheckIntersectIsTheEngines(Tool::kThreeTwo);
    const qint64 intersected = clock.restart();
    Click("按钮2");
    QApplication::processEvents();
    window_->repaint();
    const qint64 extracted = clock.elapsed();

    qInfo("100,000 line breaks: pasted and counted in %lld ms, intersected in %lld ms, extracted "
          "in %lld ms; memory rose %ld MB",
          pasted, intersected, extracted, memory.RiseMegabytes());
    QVERIFY2(memory.RiseMegabytes() < 64, "memory rose 64 MB or more");
    QCOMPARE(ControlText(Control("编辑框1")), "123" + std::string(100'000, ' ') + "456");
    QCOMPARE(Text("标签1"), u"计：100001注"_s);
    QCOMPARE(Text("编辑框3"), u"23 56"_s);
    QCOMPARE(Text("标签3"), u"计：2注"_s);
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

  static QByteArray Base(int index) { return "编辑框" + QByteArray::number(index + 1); }
  // The count label of an input of the last-three and last-two tool.
  static QByteArray CountOf(const QByteArray& box) {
    return box == "编辑框1" ? "标签1"_ba : "标签2"_ba;
  }

  void Paste(const QByteArray& box, const QString& text) {
    if (text.isEmpty()) return;
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(Control(box), Qt::Key_V, Qt::ControlModifier);
  }

  void Click(const QByteArray& button) { QTest::mouseClick(Control(button), Qt::LeftButton); }

  // "交集" (or "后三后二交集") gives the engine's result on the texts the
  // inputs read, and its count.
  void CheckIntersectIsTheEngines(Tool tool) {
    std::string engine;
    if (tool == Tool::kThreeTwo) {
      engine = shrink::IntersectThreeWithTwo(ControlText(Control("编辑框1")),
                                             ControlText(Control("编辑框2")));
    } else {
      std::array<std::string, 4> read;
      std::array<std::string_view, 4> bases;
      for (int i = 0; i < 4; ++i) bases[i] = read[i] = ControlText(Control(Base(i)));
      engine = shrink::IntersectBases(bases, tool == Tool::kLastThreeIntersect ? 3 : 2);
    }
    Click("按钮1");
    const QByteArray result = tool == Tool::kThreeTwo ? "编辑框3" : "编辑框5";
    const QByteArray count = tool == Tool::kThreeTwo ? "标签3" : "标签1";
    QCOMPARE(ControlText(Control(result)), engine);
    QCOMPARE(ControlText(Control(count)), tool == Tool::kThreeTwo
                                              ? shrink::CountLabelWithColon(engine)
                                              : shrink::CountLabel(engine));
  }

  std::unique_ptr<QWidget> window_;
};

QTEST_MAIN(ToolHostileInputTest)
#include "tool_hostile_input_test.moc"
