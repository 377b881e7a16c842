// The multi-line box's paste: the pasted text arrives exactly, replaces a
// selection, is one undo step and one change, and leaves the cursor after it.
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <memory>
#include <string>

#include "app/control_text.h"
#include "app/text_box.h"

using shrink::gui::ControlText;
using shrink::gui::SetControlText;
using shrink::gui::TextBox;

class TextBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { box_ = std::make_unique<TextBox>(nullptr); }
  void cleanup() { box_.reset(); }

  void pasteArrivesOnceAndUndoes_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selectionStart");  // -1: the cursor at the end
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");  // read back with "\r\n" line breaks
    QTest::newRow("lines into an empty box") << "" << -1 << -1 << "123\r\n456\n789\r012"
                                             << "123\r\n456\r\n789\r\n012";
    QTest::newRow("after what is there") << "001" << -1 << -1 << " 002,\t003" << "001 002,\t003";
    QTest::newRow("over a selection") << "001 002 003" << 4 << 7 << "998\n999"
                                      << "001 998\r\n999 003";
    QTest::newRow("a trailing line break") << "" << -1 << -1 << "123\n" << "123\r\n";
    QTest::newRow("non-ASCII kept") << "" << -1 << -1 << "第一期：１２３　456" << "第一期：１２３　456";
  }
  void pasteArrivesOnceAndUndoes() {
    QFETCH(QString, before);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionEnd);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    SetControlText(box_.get(), before.toStdString());
    QTextCursor cursor = box_->textCursor();
    if (selectionStart < 0) {
      cursor.movePosition(QTextCursor::End);
    } else {
      cursor.setPosition(selectionStart);
      cursor.setPosition(selectionEnd, QTextCursor::KeepAnchor);
    }
    box_->setTextCursor(cursor);
    const int text_after_cursor = box_->document()->characterCount() - 1 - cursor.selectionEnd();
    QSignalSpy changes(box_.get(), &TextBox::textChanged);
    QGuiApplication::clipboard()->setText(pasted);

    QTest::keyClick(box_.get(), Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(QString::fromStdString(ControlText(box_.get())), after);
    QCOMPARE(changes.count(), 1);
    // The cursor stands right after the pasted text.
    QCOMPARE(box_->document()->characterCount() - 1 - box_->textCursor().position(), text_after_cursor);
    QTest::keyClick(box_.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(QString::fromStdString(ControlText(box_.get())), before);
  }

  void readOnlyBoxTakesNoPaste() {
    SetControlText(box_.get(), "000");
    box_->setReadOnly(true);
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    QTest::keyClick(box_.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ControlText(box_.get()), std::string("000"));
  }

 private:
  std::unique_ptr<TextBox> box_;
};

QTEST_MAIN(TextBoxTest)
#include "text_box_test.moc"
