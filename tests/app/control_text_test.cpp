// Reading and writing control texts: the "\r\n" convention and one
// textChanged per write.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
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
    {ControlKind::kGroupBox, "分组框1", "", 0, 0, 300, 300, "结果显示区"},
    {ControlKind::kDigitBox, "编辑框1", "分组框1", 8, 16, 72, 24},
    {ControlKind::kBoldGroupBox, "编辑框2", "分组框1", 8, 40, 112, 24},
    {ControlKind::kListBox, "编辑框3", "分组框1", 8, 64, 104, 120},
    {ControlKind::kResultBox, "编辑框4", "分组框1", 120, 64, 104, 120},
    {ControlKind::kCountBox, "编辑框5", "分组框1", 8, 190, 64, 24},
    {ControlKind::kInputBox, "编辑框6", "", 300, 0, 104, 120},
    {ControlKind::kToolResultBox, "编辑框7", "", 300, 120, 104, 120},
    {ControlKind::kLabel, "标签1", "", 300, 240, 24, 144},
    {ControlKind::kButton, "按钮1", "", 0, 300, 64, 24},
};

}  // namespace

class ControlTextTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<QWidget>();
    shrink::gui::BuildForm(form_.get(), kForm);
  }

  void writtenTextReadsBack_data() {
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("shownLines");
    QTest::newRow("list box, two lines") << QByteArray("编辑框3") << QByteArray("12\r\n34") << 2;
    QTest::newRow("list box, a lone line break") << QByteArray("编辑框3") << QByteArray("\r\n") << 2;
    QTest::newRow("list box, one space") << QByteArray("编辑框3") << QByteArray(" ") << 1;
    QTest::newRow("result box, trailing space")
        << QByteArray("编辑框4") << QByteArray("000 001 002 ") << 1;
    QTest::newRow("input box, tabs and commas")
        << QByteArray("编辑框6") << QByteArray("123\t456,789\r\n023") << 2;
    QTest::newRow("tool result box") << QByteArray("编辑框7") << QByteArray("00 01") << 1;
    QTest::newRow("digit box keeps any written text")
        << QByteArray("编辑框1") << QByteArray("1 2,a") << 1;
    QTest::newRow("bold-group box") << QByteArray("编辑框2") << QByteArray("123456=123") << 1;
    QTest::newRow("count box") << QByteArray("编辑框5") << QByteArray("计1000注") << 1;
    QTest::newRow("label, vertical caption")
        << QByteArray("标签1") << QByteArray("\r\n\r\n\r\n\r\n\r\n胆\r\n组") << 7;
    QTest::newRow("button caption") << QByteArray("按钮1") << QByteArray("全部清空") << 1;
    QTest::newRow("group box caption") << QByteArray("分组框1") << QByteArray("输入大底A组") << 1;
  }
  void writtenTextReadsBack() {
    QFETCH(QByteArray, control);
    QFETCH(QByteArray, text);
    QFETCH(int, shownLines);
    QWidget* widget = FindControl(form_.get(), control.constData());
    QVERIFY(widget != nullptr);

    SetControlText(widget, text.toStdString());

    QCOMPARE(ControlText(widget), text.toStdString());
    // What the user sees: "\r\n" is one line break, never a stray character.
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
      QCOMPARE(box->document()->blockCount(), shownLines);
      QVERIFY(!box->toPlainText().contains(u'\r'));
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      QCOMPARE(label->text().count(u'\n') + 1, shownLines);
      QVERIFY(!label->text().contains(u'\r'));
    }
  }

  // What a user may paste from a chat window or a web page. A multi-line box
  // reads every line break it shows as "\r\n" and every other character as
  // it came; a single-line box reads exactly what it holds. Writing the text
  // read back changes nothing, as a rewrite of a box relies on.
  void pastedAndWrittenTextReadsBack_data() {
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("readBack");
    const QByteArray list("编辑框3");
    const QByteArray bold("编辑框2");
    using namespace Qt::StringLiterals;
    QTest::newRow("list box, NUL") << list << "1\0 2"_ba << "1\0 2"_ba;
    QTest::newRow("list box, lone CR") << list << "12\r34"_ba << "12\r\n34"_ba;
    QTest::newRow("list box, lone LF") << list << "12\n34"_ba << "12\r\n34"_ba;
    QTest::newRow("list box, CR before CRLF") << list << "12\r\r\n34"_ba << "12\r\n\r\n34"_ba;
    QTest::newRow("list box, U+2028") << list << "12\u202834"_ba << "12\r\n34"_ba;
    QTest::newRow("list box, U+2029") << list << "12\u202934"_ba << "12\r\n34"_ba;
    QTest::newRow("list box, no-break space") << list << "12\u00a034"_ba << "12\u00a034"_ba;
    QTest::newRow("list box, full-width space") << list << "12\u300034"_ba << "12\u300034"_ba;
    QTest::newRow("list box, right-to-left marks")
        << list << "\u200f123\u202e 456\u202c"_ba << "\u200f123\u202e 456\u202c"_ba;
    QTest::newRow("list box, emoji and combining marks")
        << list << "\U0001F600 12\u0301 e\u0301\u0302"_ba << "\U0001F600 12\u0301 e\u0301\u0302"_ba;
    QTest::newRow("bold-group box, NUL") << bold << "12\0=1"_ba << "12\0=1"_ba;
    QTest::newRow("bold-group box, line breaks")
        << bold << "1\r2\n3\r\n4\u20285\u20296"_ba << "1\r2\n3\r\n4\u20285\u20296"_ba;
    QTest::newRow("bold-group box, no-break space") << bold << "12\u00a0=1"_ba << "12\u00a0=1"_ba;
  }
  void pastedAndWrittenTextReadsBack() {
    QFETCH(QByteArray, control);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, readBack);
    QWidget* box = FindControl(form_.get(), control.constData());
    const std::string expected = readBack.toStdString();

    SetControlText(box, text.toStdString());
    QCOMPARE(ControlText(box), expected);
    SetControlText(box, ControlText(box));
    QCOMPARE(ControlText(box), expected);

    SetControlText(box, "");
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ControlText(box), expected);
  }

  void windowCaption() {
    SetControlText(form_.get(), "需要计划平台的加QQ：");
    QCOMPARE(form_->windowTitle(), QStringLiteral("需要计划平台的加QQ："));
    QCOMPARE(ControlText(form_.get()), std::string("需要计划平台的加QQ："));
  }

  void typedLineBreakReadsAsCrLf() {
    auto* box = FindControl<QPlainTextEdit>(form_.get(), "编辑框3");
    QTest::keyClicks(box, "12");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "34");
    QCOMPARE(ControlText(box), std::string("12\r\n34"));
  }

  void everyWriteSignalsOnce_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("written");
    for (const char* box : {"编辑框1", "编辑框3", "编辑框5", "编辑框6"}) {
      const QByteArray name(box);
      QTest::addRow("%s: new text", box) << name << QByteArray("12") << QByteArray("345");
      QTest::addRow("%s: same text", box) << name << QByteArray("12") << QByteArray("12");
      QTest::addRow("%s: emptied", box) << name << QByteArray("12") << QByteArray("");
      QTest::addRow("%s: empty again", box) << name << QByteArray("") << QByteArray("");
    }
  }
  void everyWriteSignalsOnce() {
    QFETCH(QByteArray, box);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, written);
    QWidget* widget = FindControl(form_.get(), box.constData());
    SetControlText(widget, before.toStdString());
    const char* signal = qobject_cast<QLineEdit*>(widget) != nullptr
                             ? SIGNAL(textChanged(QString))
                             : SIGNAL(textChanged());
    QSignalSpy changes(widget, signal);

    SetControlText(widget, written.toStdString());

    QCOMPARE(changes.count(), 1);
    QCOMPARE(ControlText(widget), written.toStdString());
  }

 private:
  std::unique_ptr<QWidget> form_;
};

QTEST_MAIN(ControlTextTest)
#include "control_text_test.moc"
