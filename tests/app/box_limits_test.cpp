// The limits of the boxes a user pastes into: where a multi-line box stops
// taking a paste, and what a bold-group box takes and tells.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTextCursor>
#include <memory>
#include <string>

#include "app/box_limits.h"
#include "app/control_text.h"
#include "app/form_builder.h"
#include "app/text_box.h"
#include "find_control.h"
#include "message_catcher.h"

using shrink::gui::ControlKind;
using shrink::gui::ControlSpec;
using shrink::gui::ControlText;
using shrink::gui::kBoldGroupCharacterLimit;
using shrink::gui::kBoxCharacterLimit;
using shrink::gui::kBoxLineLimit;
using shrink::gui::PasteFits;
using shrink::gui::SetControlText;

namespace {

constexpr ControlSpec kForm[] = {
    {ControlKind::kDigitBox, "编辑框1", "", 0, 0, 72, 24},
    {ControlKind::kBoldGroupBox, "编辑框35", "", 0, 24, 112, 24},
};

const QString kBoldGroupFull = QStringLiteral(
    "信息：|内容过长，超出的部分没有放入。\n每个胆组框最多容纳 32767 个字符。");

}  // namespace

class BoxLimitsTest : public QObject {
  Q_OBJECT

 private slots:
  // The paste is measured as the box would hold it: "\r\n" is one line break
  // of one character, a selection gives its room back.
  void pasteFits_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("fits");
    const QString full(kBoxCharacterLimit, u'5');
    QTest::newRow("the character limit") << "" << false << full << true;
    QTest::newRow("one character past it") << "" << false << full + u'5' << false;
    QTest::newRow("past it with what is there") << "1" << false << full << false;
    QTest::newRow("in place of a selection") << "123" << true << full << true;
    QTest::newRow("CRLF counts one character")
        << "" << false << QStringLiteral("1234567\r\n").repeated(kBoxCharacterLimit / 8) << true;
    QTest::newRow("the line limit")
        << "" << false << QString(kBoxLineLimit - 1, u'\n') << true;
    QTest::newRow("one line past it") << "" << false << QString(kBoxLineLimit, u'\n') << false;
    QTest::newRow("lone CRs are lines") << "" << false << QString(kBoxLineLimit, u'\r') << false;
    QTest::newRow("a selection of lines gives them back")
        << "\n\n\n" << true << QString(kBoxLineLimit - 1, u'\n') << true;
  }
  void pasteFits() {
    QFETCH(QString, before);
    QFETCH(bool, selectAll);
    QFETCH(QString, pasted);
    QFETCH(bool, fits);
    shrink::gui::TextBox box(nullptr);
    box.setPlainText(before);
    QTextCursor cursor = box.textCursor();
    cursor.movePosition(QTextCursor::End);
    if (selectAll) cursor.select(QTextCursor::Document);
    box.setTextCursor(cursor);

    QCOMPARE(PasteFits(box, pasted), fits);
  }

  // What is refused leaves the box as it was, its undo history included.
  void refusedPasteChangesNothing() {
    shrink::gui::TextBox box(nullptr);
    QTest::keyClicks(&box, "007");
    MessageCatcher catcher;
    QGuiApplication::clipboard()->setText(QString(kBoxCharacterLimit + 1, u'1'));

    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(catcher.messages,
             QStringList(QStringLiteral("信息：|粘贴的内容过长，没有粘贴。\n每个号码框最多容纳 "
                                        "8000000 个字符、2000000 行。")));
    QCOMPARE(ControlText(&box), std::string("007"));
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ControlText(&box), std::string());
  }

  // A bold-group box takes what fits and says the rest was left out; a digit
  // box keeps its ten characters without a word.
  void singleLineBoxesAtTheirLimits_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<int>("pasted");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("bold-group box, at its limit")
        << QByteArray("编辑框35") << kBoldGroupCharacterLimit << kBoldGroupCharacterLimit
        << QStringList();
    QTest::newRow("bold-group box, 16 MB")
        << QByteArray("编辑框35") << (16 << 20) << kBoldGroupCharacterLimit
        << QStringList(kBoldGroupFull);
    QTest::newRow("digit box, 16 MB") << QByteArray("编辑框1") << (16 << 20) << 10 << QStringList();
  }
  void singleLineBoxesAtTheirLimits() {
    QFETCH(QByteArray, box);
    QFETCH(int, pasted);
    QFETCH(int, kept);
    QFETCH(QStringList, messages);
    QWidget form;
    shrink::gui::BuildForm(&form, kForm);
    auto* edit = FindControl<QLineEdit>(&form, box.constData());
    MessageCatcher catcher;
    QGuiApplication::clipboard()->setText(QString(pasted, u'1'));

    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    // A message comes once the paste is done.
    QTest::qWait(50);

    QCOMPARE(ControlText(edit), std::string(kept, '1'));
    QCOMPARE(catcher.messages, messages);
  }

  void fullBoldGroupBoxTellsATypedKey() {
    QWidget form;
    shrink::gui::BuildForm(&form, kForm);
    auto* edit = FindControl<QLineEdit>(&form, "编辑框35");
    SetControlText(edit, std::string(kBoldGroupCharacterLimit, '1'));
    MessageCatcher catcher;

    QTest::keyClick(edit, Qt::Key_2);
    QTRY_COMPARE(catcher.messages, QStringList(kBoldGroupFull));
    QCOMPARE(ControlText(edit), std::string(kBoldGroupCharacterLimit, '1'));
  }
};

QTEST_MAIN(BoxLimitsTest)
#include "box_limits_test.moc"
