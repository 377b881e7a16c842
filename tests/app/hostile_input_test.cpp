// The main window under what users paste from chat windows and web pages:
// 16 MB at once, 100,000 line breaks, NUL and other control characters, line
// breaks of every kind, bidirectional marks, emoji and combining marks, and a
// clipboard without text. The window answers, its results are the engine's
// on the texts its boxes read, and no run changes a condition the user typed.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <string>

#include "app/control_text.h"
#include "app/main_window.h"
#include "filters/three/base_list_conditions.h"
#include "filters/three/last_three_run.h"
#include "filters/two/last_two_run.h"
#include "filters/two/two_list_conditions.h"
#include "find_control.h"
#include "message_catcher.h"
#include "numbers/count_label.h"
#include "numbers/number_list.h"
#include "peak_memory.h"
#include "refused_paste.h"
#include "tests/filters/map_boxes.h"

using namespace Qt::StringLiterals;
using shrink::gui::ControlText;
using shrink::gui::MainWindow;
using shrink::gui::SetControlText;

namespace {

QByteArray BoxName(int box) { return QStringLiteral("编辑框%1").arg(box).toUtf8(); }

// The condition boxes of both panels: 1-32 and 35-45.
QList<int> ConditionBoxes() {
  QList<int> boxes;
  for (int box = 1; box <= 45; ++box) {
    if (box != 33 && box != 34) boxes << box;
  }
  return boxes;
}

// The text as the widget itself holds it, before any reading convention: a
// run that rewrote a box, even into what reads the same, shows here.
QString HeldText(const QWidget* box) {
  if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
  return qobject_cast<const QPlainTextEdit*>(box)->document()->toRawText();
}

// `count` three-digit numbers, each followed by `separator`: 4 Mi of
// "123\n" make 16 MB.
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

class HostileInputTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void init() {
    for (int box = 1; box <= 47; ++box) SetControlText(Box(box), "");
  }
  void cleanupTestCase() { window_.reset(); }

  // A list box reads every line break it shows as "\r\n" and every other
  // character as it came, so an entry is cut where the user sees it cut.
  void listBoxesReadWhatTheUserSees_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("result");
    QTest::newRow("后三, a lone CR") << 42 << "123\r456" << "123 456";
    QTest::newRow("后三, a lone LF") << 42 << "123\n456" << "123 456";
    QTest::newRow("后三, U+2028") << 42 << u"123\u2028456"_s << "123 456";
    QTest::newRow("后三, U+2029") << 42 << u"123\u2029456"_s << "123 456";
    QTest::newRow("后三, a no-break space joins") << 42 << u"123\u00a0456"_s << "";
    QTest::newRow("后三, a full-width space joins") << 42 << u"123\u3000456"_s << "";
    QTest::newRow("后三, NUL belongs to its entry") << 42 << QString::fromUtf8("123\0 456", 8) << "456";
    QTest::newRow("后三, a right-to-left mark") << 42 << u"\u200f123 456\u202c 789"_s << "789";
    QTest::newRow("后三, emoji") << 42 << u"123\U0001F600 456 😀789"_s << "456";
    QTest::newRow("后三, a combining mark") << 42 << u"123\u0301 456 e\u0301"_s << "456";
    QTest::newRow("后三, full-width digits") << 42 << u"１２３ 456"_s << "456";
    QTest::newRow("后三, half a line") << 42 << "123 45" << "123";
    QTest::newRow("后二, U+2028") << 29 << u"12\u202834"_s << "12 34";
    QTest::newRow("后二, a no-break space joins") << 29 << u"12\u00a034"_s << "";
    QTest::newRow("后二, NUL belongs to its entry") << 29 << QString::fromUtf8("12\0\r\n34", 7) << "34";
  }
  void listBoxesReadWhatTheUserSees() {
    QFETCH(int, box);
    QFETCH(QString, pasted);
    QFETCH(QString, result);
    const bool last_three = box == 42;
    Paste(box, pasted);
    const QString held = HeldText(Box(box));

    Click(last_three ? "按钮3" : "按钮1");

    const std::string typed = ControlText(Box(box));
    const std::string engine =
        last_three ? shrink::KeepListedThree(shrink::MakeFullSet(3), typed)
                   : shrink::KeepListedTwo(shrink::MakeFullSet(2), typed);
    const int result_box = last_three ? 46 : 33;
    QCOMPARE(ControlText(Box(result_box)), engine);
    QCOMPARE(QString::fromStdString(engine), result);
    QCOMPARE(ControlText(Box(result_box + 1)), shrink::CountLabel(engine));
    QCOMPARE(HeldText(Box(box)), held);
  }

  // Each hostile text pasted into each condition box in turn: both runs give
  // exactly what the engine gives on the texts read through the toolkit, the
  // result boxes read back exactly what was written, and the runs leave the
  // pasted text as it was.
  void everyConditionBoxTakesHostileText_data() {
    QTest::addColumn<QString>("pasted");
    QTest::newRow("NUL and control characters") << QString::fromUtf8("1\0 2\x01\x1b[3m=\x7f" "4", 12);
    QTest::newRow("line breaks of every kind") << u"1\r2\n3\r\n4\u20285\u20296\r\r\n7"_s;
    QTest::newRow("bidirectional marks") << u"\u200f1\u202e23\u202c=\u200e4 56"_s;
    QTest::newRow("emoji") << u"😀1 2👍🏽3=4 👨‍👩‍👧56"_s;
    QTest::newRow("combining marks") << u"1\u03012\u0302\u0303=3 e\u0301 45"_s;
    QTest::newRow("spaces of every kind") << u"1\u00a02\u30003\t4 5,6=7"_s;
    QTest::newRow("full-width digits and signs") << u"１２３＝４ 5－6"_s;
  }
  void everyConditionBoxTakesHostileText() {
    QFETCH(QString, pasted);
    for (const int box : ConditionBoxes()) {
      init();
      Paste(box, pasted);
      const QString held = HeldText(Box(box));
      const shrink::test_support::MapBoxes engine = EngineRuns();

      Click("按钮3");
      Click("按钮1");

      const QByteArray where = BoxName(box);
      for (const int output : {46, 47, 33, 34}) {
        QVERIFY2(ControlText(Box(output)) == engine.texts.at(output),
                 where + " into " + BoxName(output));
      }
      QVERIFY2(HeldText(Box(box)) == held, where);
    }
  }

  // 16 MB in one paste would leave the window unanswering for a minute and
  // take a gigabyte; the box refuses it, says so, and the window goes on.
  void sixteenMegabytesAreRefused_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("后三 base, one number a line") << 42 << Numbers(4 << 20, u"\n"_s);
    QTest::newRow("删除 base, one line") << 43 << Numbers(4 << 20, u" "_s);
    QTest::newRow("后二 base, CRLF lines") << 29 << Numbers((16 << 20) / 5, u"\r\n"_s);
  }
  void sixteenMegabytesAreRefused() {
    QFETCH(int, box);
    QFETCH(QString, pasted);
    Paste(box, "007 07");
    PasteExpectingRefusal(Box(box), pasted);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(ControlText(Box(box)), std::string("007 07"));
    // The window answers, with the box as the user left it.
    CheckRunsAreTheEngines();
  }

  // 100,000 line breaks, in each form a box takes one: they read as
  // "\r\n", the runs are the engine's, and the box empties and comes back.
  void hundredThousandLineBreaks_data() {
    QTest::addColumn<QString>("lineBreak");
    QTest::newRow("LF") << u"\n"_s;
    QTest::newRow("CRLF") << u"\r\n"_s;
    QTest::newRow("CR") << u"\r"_s;
    QTest::newRow("U+2028") << u"\u2028"_s;
  }
  void hundredThousandLineBreaks() {
    QFETCH(QString, lineBreak);
    const QString pasted = "123" + lineBreak.repeated(100'000) + "456";
    QGuiApplication::clipboard()->setText(pasted);
    PeakMemory memory;
    memory.Start();
    QElapsedTimer clock;
    clock.start();

    QTest::keyClick(Box(42), Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    window_->repaint();

    qInfo("100,000 line breaks pasted and shown in %lld ms; memory rose %ld MB", clock.elapsed(),
          memory.RiseMegabytes());
    QVERIFY2(memory.RiseMegabytes() < 64, "memory rose 64 MB or more");
    std::string read;
    for (int i = 0; i < 100'000; ++i) read += "\r\n";
    QCOMPARE(ControlText(Box(42)), "123" + read + "456");
    const QString held = HeldText(Box(42));
    CheckRunsAreTheEngines();
    QCOMPARE(ControlText(Box(46)), std::string("123 456"));
    QCOMPARE(HeldText(Box(42)), held);

    QTest::mouseDClick(qobject_cast<QPlainTextEdit*>(Box(42))->viewport(), Qt::LeftButton);
    QCOMPARE(ControlText(Box(42)), std::string());
    QTest::keyClick(Box(42), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(HeldText(Box(42)), held);
  }

  // A clipboard that holds no text (emptied, its owner gone, or a picture or
  // markup only) pastes nothing and says nothing, in every kind of box.
  void clipboardWithoutText_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("held");  // "picture" or "markup", else nothing
    for (const int box : {1, 35, 42}) {
      for (const char* held : {"nothing", "picture", "markup"}) {
        QTest::addRow("%s, %s", BoxName(box).constData(), held) << box << QString::fromUtf8(held);
      }
    }
  }
  void clipboardWithoutText() {
    QFETCH(int, box);
    QFETCH(QString, held);
    Paste(box, "12");
    auto* data = new QMimeData;
    if (held == u"picture") data->setImageData(QImage(8, 8, QImage::Format_RGB32));
    if (held == u"markup") data->setHtml(u"<p></p>"_s);
    QGuiApplication::clipboard()->setMimeData(data);
    if (held == u"nothing") QGuiApplication::clipboard()->clear();
    MessageCatcher catcher;

    QTest::keyClick(Box(box), Qt::Key_V, Qt::ControlModifier);
    QTest::qWait(20);

    QCOMPARE(ControlText(Box(box)), std::string("12"));
    QCOMPARE(catcher.messages, QStringList());
    // A copy still lands on the clipboard.
    Click("按钮3");
    QTest::mouseDClick(qobject_cast<QPlainTextEdit*>(Box(46))->viewport(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), ControlText(Box(46)));
  }

 private:
  QWidget* Box(int box) const { return FindControl(window_.get(), BoxName(box).constData()); }

  void Click(const char* button) {
    QTest::mouseClick(FindControl(window_.get(), button), Qt::LeftButton);
  }

  // Both runs on the texts the boxes read, done by the engine alone.
  shrink::test_support::MapBoxes EngineRuns() const {
    shrink::test_support::MapBoxes engine;
    for (int box = 1; box <= 47; ++box) engine.texts[box] = ControlText(Box(box));
    shrink::ShrinkLastThree(engine);
    shrink::ShrinkLastTwo(engine);
    return engine;
  }

  // Both runs through the window give what the engine gives.
  void CheckRunsAreTheEngines() {
    const shrink::test_support::MapBoxes engine = EngineRuns();
    Click("按钮3");
    Click("按钮1");
    for (const int output : {46, 47, 33, 34}) {
      QVERIFY2(ControlText(Box(output)) == engine.texts.at(output), BoxName(output));
    }
  }

  // Puts `text` into the box as a user pastes it.
  void Paste(int box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(Box(box), Qt::Key_V, Qt::ControlModifier);
  }

  std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
