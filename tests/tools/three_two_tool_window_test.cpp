// The last-three and last-two tool as the user meets it: its form,
// "后三后二交集", "提取后三后两位号码" with its rewrite of the base and its
// message, the counts that follow every change of the inputs, and the
// double-clicks that empty the inputs and copy the result.
#include "tools/three_two_tool_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/control_text.h"
#include "app/themed_look.h"
#include "form_rows.h"
#include "tools/three_two_tool_form.h"

using shrink::gui::ControlSpec;
using shrink::gui::ControlText;
using shrink::gui::kThreeTwoToolForm;
using shrink::gui::SetControlText;
using shrink::gui::ThreeTwoToolWindow;

namespace {

QString FullSet() {
  QStringList members;
  for (int n = 0; n < 1000; ++n) members << QStringLiteral("%1").arg(n, 3, 10, QChar(u'0'));
  return members.join(u' ');
}

// What the message box showed, read while it was open.
struct Message {
  bool shown = false;
  QString title;
  QString text;
  qsizetype buttons = 0;
  QString result_meanwhile;  // the result box while the message is up
};

}  // namespace

class ThreeTwoToolWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { shrink::gui::EnableThemedLook(); }
  void init() {
    window_ = std::make_unique<ThreeTwoToolWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  }
  void cleanup() { window_.reset(); }

  void everyControlAsItsTable_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < static_cast<int>(std::size(kThreeTwoToolForm)); ++row) {
      QTest::newRow(kThreeTwoToolForm[row].name) << row;
    }
  }
  void everyControlAsItsTable() {
    QFETCH(int, row);
    QCOMPARE(RowMismatch(window_.get(), kThreeTwoToolForm[row]), QString());
  }

  void windowAndCaptions() {
    QCOMPARE(window_->windowTitle(),
             QStringLiteral("☆_岚珂_☆后三后二交集工具 + 提取后三后两位号工具V1.0"));
    QTRY_COMPARE(window_->frameGeometry().size(), QSize(471, 485));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    const QString dashes(40, u'-');
    QCOMPARE(Text("分组框1"), "输入后三" + dashes + "(双击号码框清空)---");
    QCOMPARE(Text("分组框2"), "输入后二" + dashes + "(双击号码框清空)---");
    QCOMPARE(Text("分组框3"), "结果显示" + dashes + "(双击结果框复制)---");
    QCOMPARE(Text("按钮1"), QStringLiteral("后三后二交集"));
    QCOMPARE(Text("按钮2"), QStringLiteral("提取后三后两位号码"));
    // The counts stay empty until their box first changes.
    for (const char* label : {"标签1", "标签2", "标签3"}) QCOMPARE(Text(label), QString());
  }

  void intersect_data() {
    QTest::addColumn<QString>("three");
    QTest::addColumn<QString>("two");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("count");
    QTest::newRow("both empty") << ""
                                << "" << FullSet() << "计：1000注";
    QTest::newRow("123 456 789 with 23 89") << "123 456 789"
                                            << "23 89"
                                            << "123 789"
                                            << "计：2注";
    QTest::newRow("only 05") << ""
                             << "05"
                             << "005 105 205 305 405 505 605 705 805 905"
                             << "计：10注";
    QTest::newRow("only a base") << "999,123\r\n123"
                                 << ""
                                 << "123 999"
                                 << "计：2注";
    QTest::newRow("a last-two entry without its zero") << ""
                                                       << "5"
                                                       << ""
                                                       << "计：0注";
    QTest::newRow("a base of one space") << " "
                                         << ""
                                         << ""
                                         << "计：0注";
    QTest::newRow("last two of one line break") << ""
                                                << "\r\n"
                                                << ""
                                                << "计：0注";
  }
  void intersect() {
    QFETCH(QString, three);
    QFETCH(QString, two);
    QFETCH(QString, result);
    QFETCH(QString, count);
    Paste("编辑框1", three);
    Paste("编辑框2", two);

    Click("按钮1");

    QCOMPARE(Text("编辑框3"), result);
    QCOMPARE(Text("标签3"), count);
  }

  void extract_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("rewritten");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("count");
    QTest::newRow("commas and line breaks") << "123 456,789\r\n023 5 12345"
                                            << "123 456 789 023 5 12345"
                                            << "23 45 56 89"
                                            << "计：4注";
    QTest::newRow("one tail") << "145 245 345"
                              << "145 245 345"
                              << "45"
                              << "计：1注";
    QTest::newRow("spaces only") << "   "
                                 << "   "
                                 << ""
                                 << "计：0注";
    QTest::newRow("a tab joins two numbers") << "12\t345 678"
                                             << "12\t345 678"
                                             << "45 78"
                                             << "计：2注";
    QTest::newRow("one-digit pieces") << "1,2"
                                      << "1 2"
                                      << ""
                                      << "计：0注";
    QTest::newRow("an empty line") << "05\r\n\r\n50"
                                   << "05  50"
                                   << "05 50"
                                   << "计：2注";
  }
  void extract() {
    QFETCH(QString, base);
    QFETCH(QString, rewritten);
    QFETCH(QString, result);
    QFETCH(QString, count);
    Paste("编辑框1", base);
    Paste("编辑框2", "77");
    const QString base_count = Text("标签1");

    Click("按钮2");

    QCOMPARE(Text("编辑框1"), rewritten);
    QCOMPARE(Text("编辑框3"), result);
    QCOMPARE(Text("标签3"), count);
    // The rewrite keeps every piece: the base's count stays; the last-two
    // input plays no part.
    QCOMPARE(Text("标签1"), base_count);
    QCOMPARE(Text("编辑框2"), QStringLiteral("77"));
  }

  void extractWithoutABaseAsksForOne() {
    Click("按钮1");
    QVERIFY(!Text("编辑框3").isEmpty());
    Message message;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      message.shown = true;
      message.title = box->windowTitle();
      message.text = box->text();
      message.buttons = box->buttons().size();
      message.result_meanwhile = Text("编辑框3");
      box->button(QMessageBox::Ok)->click();
    });

    Click("按钮2");

    QVERIFY(message.shown);
    QCOMPARE(message.title, QStringLiteral("信息："));
    QCOMPARE(message.text, QStringLiteral("请输入后三大底"));
    QCOMPARE(message.buttons, 1);
    QCOMPARE(message.result_meanwhile, FullSet());
    QCOMPARE(Text("编辑框3"), QString());
    QCOMPARE(Text("标签3"), QStringLiteral("计：0注"));
  }

  void countsFollowTyping_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QStringList>("keys");  // "\n" presses Enter, "\b" Backspace
    QTest::addColumn<QString>("count");
    QTest::newRow("123,456") << QByteArray("编辑框1") << QByteArray("标签1")
                             << QStringList{"123,456"} << "计：2注";
    QTest::newRow("123, 456 has an empty piece")
        << QByteArray("编辑框1") << QByteArray("标签1") << QStringList{"123, 456"} << "计：3注";
    QTest::newRow("a trailing space adds nothing")
        << QByteArray("编辑框1") << QByteArray("标签1") << QStringList{"123 "} << "计：1注";
    QTest::newRow("Enter separates") << QByteArray("编辑框1") << QByteArray("标签1")
                                     << QStringList{"123", "\n", "456"} << "计：2注";
    QTest::newRow("typed and deleted")
        << QByteArray("编辑框1") << QByteArray("标签1") << QStringList{"1", "\b"} << "计：0注";
    QTest::newRow("last-two box") << QByteArray("编辑框2") << QByteArray("标签2")
                                  << QStringList{"05 50,77"} << "计：3注";
  }
  void countsFollowTyping() {
    QFETCH(QByteArray, box);
    QFETCH(QByteArray, label);
    QFETCH(QStringList, keys);
    QFETCH(QString, count);
    QWidget* edit = Control(box);
    for (const QString& key : keys) {
      if (key == u'\n') {
        QTest::keyClick(edit, Qt::Key_Return);
      } else if (key == u'\b') {
        QTest::keyClick(edit, Qt::Key_Backspace);
      } else {
        QTest::keyClicks(edit, key);
      }
    }
    QCOMPARE(Text(label), count);
    // The other input's count has not moved.
    QCOMPARE(Text(label == "标签1" ? "标签2" : "标签1"), QString());
  }

  void countsFollowPastesAndWrites() {
    QStringList base;
    for (int n = 0; n < 5000; ++n) base << QStringLiteral("%1").arg(n % 1000, 3, 10, QChar(u'0'));
    Paste("编辑框1", base.join(QStringLiteral("\r\n")));
    QCOMPARE(Text("标签1"), QStringLiteral("计：5000注"));
    SetControlText(Control("编辑框2"), "01,02");
    QCOMPARE(Text("标签2"), QStringLiteral("计：2注"));
  }

  void doubleClickEmptiesAnInput_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QByteArray>("other");
    QTest::newRow("编辑框1") << QByteArray("编辑框1") << QByteArray("标签1")
                             << QByteArray("编辑框2");
    QTest::newRow("编辑框2") << QByteArray("编辑框2") << QByteArray("标签2")
                             << QByteArray("编辑框1");
  }
  void doubleClickEmptiesAnInput() {
    QFETCH(QByteArray, box);
    QFETCH(QByteArray, label);
    QFETCH(QByteArray, other);
    Paste("编辑框1", "123 456");
    Paste("编辑框2", "23");
    Click("按钮1");

    DoubleClick(box);

    QCOMPARE(Text(box), QString());
    QCOMPARE(Text(label), QStringLiteral("计：0注"));
    QVERIFY(!Text(other).isEmpty());
    QCOMPARE(Text("编辑框3"), QStringLiteral("123"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
  }

  void doubleClickCopiesTheResult_data() {
    QTest::addColumn<QString>("three");
    QTest::addColumn<QString>("copied");
    QTest::newRow("a result") << "456 123"
                              << "123 456";
    QTest::newRow("an empty result") << " "
                                     << "";
  }
  void doubleClickCopiesTheResult() {
    QFETCH(QString, three);
    QFETCH(QString, copied);
    Paste("编辑框1", three);
    Click("按钮1");

    DoubleClick("编辑框3");

    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(Text("编辑框3"), copied);
    QCOMPARE(Text("编辑框1"), three);
  }

 private:
  QWidget* Control(const QByteArray& name) const {
    return window_->findChild<QWidget*>(QString::fromUtf8(name));
  }

  QString Text(const QByteArray& name) const {
    return QString::fromStdString(ControlText(Control(name)));
  }

  // Puts `text` into an input box as a user pastes it.
  void Paste(const QByteArray& box, const QString& text) {
    if (text.isEmpty()) return;
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(Control(box), Qt::Key_V, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  }

  void Click(const QByteArray& button) { QTest::mouseClick(Control(button), Qt::LeftButton); }

  void DoubleClick(const QByteArray& box) {
    QTest::mouseDClick(qobject_cast<QPlainTextEdit*>(Control(box))->viewport(), Qt::LeftButton);
  }

  std::unique_ptr<ThreeTwoToolWindow> window_;
};

QTEST_MAIN(ThreeTwoToolWindowTest)
#include "three_two_tool_window_test.moc"
