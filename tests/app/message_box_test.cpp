// The modal message: its title, its text as written, one OK button, and the
// call returning only once the box is closed.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/message_box.h"

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void showsAndWaitsForOk_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("the extraction's message") << "信息：" << "请输入后三大底";
    QTest::newRow("markup shown as written") << "<b>t</b>" << "<i>1 < 2</i>";
  }
  void showsAndWaitsForOk() {
    QFETCH(QString, title);
    QFETCH(QString, text);
    QWidget window;
    window.show();
    bool seen = false;
    QString seen_title;
    QString seen_text;
    QList<QAbstractButton*> buttons;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen = true;
      seen_title = box->windowTitle();
      seen_text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
      buttons = box->buttons();
      modal = box->windowModality() == Qt::ApplicationModal;
      box->button(QMessageBox::Ok)->click();
    });

    shrink::gui::ShowMessage(&window, title.toStdString(), text.toStdString());

    QVERIFY(seen);
    QCOMPARE(seen_title, title);
    QCOMPARE(seen_text, text);
    QCOMPARE(buttons.size(), 1);
    QVERIFY(modal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
