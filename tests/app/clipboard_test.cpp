// Putting a result on the clipboard: the text arrives exactly and replaces
// whatever the clipboard held; with no clipboard to put it on, nothing
// happens and the program goes on.
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <string>

#include "app/clipboard.h"

using shrink::gui::PutOnClipboard;

class ClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void putsTheTextExactly_data() {
    QTest::addColumn<QByteArray>("text");
    using namespace Qt::StringLiterals;
    QTest::newRow("a list") << "000 001 999"_ba;
    QTest::newRow("a list with a trailing space") << "000 001 "_ba;
    QTest::newRow("the empty text") << ""_ba;
    QTest::newRow("line breaks") << "00\r\n01"_ba;
    QTest::newRow("NUL and non-ASCII") << "1\0 计：2注 \U0001F600"_ba;
  }
  void putsTheTextExactly() {
    QFETCH(QByteArray, text);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));

    PutOnClipboard(text.toStdString());

    QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), text);
  }

  // Nobody owns the clipboard (it was emptied, or its owner has quit).
  void clipboardWithoutOwner() {
    QGuiApplication::clipboard()->clear();
    PutOnClipboard("000 001");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("000 001"));
  }

  // A picture and a web page's markup on the clipboard give way to the text.
  void replacesOtherKindsOfData() {
    auto* held = new QMimeData;
    held->setImageData(QImage(4, 4, QImage::Format_RGB32));
    held->setHtml(QStringLiteral("<b>123</b>"));
    QGuiApplication::clipboard()->setMimeData(held);

    PutOnClipboard("456");

    const QMimeData* now = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(now->text(), QStringLiteral("456"));
    QVERIFY(!now->hasImage());
    QVERIFY(!now->hasHtml());
  }
};

int main(int argc, char* argv[]) {
  // No clipboard at all: before the application exists, and beside a
  // QCoreApplication, which has none. A copy must not crash there.
  PutOnClipboard("000");
  {
    QCoreApplication core(argc, argv);
    PutOnClipboard("000");
  }
  QApplication app(argc, argv);
  ClipboardTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "clipboard_test.moc"
