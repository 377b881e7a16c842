// The main window's buttons 按钮5-按钮7 open their tool windows, not modal
// and without a parent: never a second one, the open one brought forward and
// restored; closing the main window closes them.
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/main_window.h"

using shrink::gui::MainWindow;

namespace {

constexpr const char* kTools[] = {"shrink::gui::LastThreeIntersectWindow",
                                  "shrink::gui::LastTwoIntersectWindow",
                                  "shrink::gui::ThreeTwoToolWindow"};

// The open top-level windows of the tool class named, e.g.
// "shrink::gui::ThreeTwoToolWindow".
QList<QWidget*> OpenTools(const QByteArray& tool_class) {
  QList<QWidget*> open;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && tool_class == window->metaObject()->className()) open << window;
  }
  return open;
}

}  // namespace

class ToolWindowButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    main_ = std::make_unique<MainWindow>();
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
  }
  void cleanup() {
    main_->close();
    main_.reset();
    for (const char* tool : kTools) QTRY_VERIFY(OpenTools(tool).isEmpty());
  }

  void oneWindowPerButton_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QByteArray>("tool");
    QTest::newRow("按钮5") << QByteArray("按钮5")
                           << QByteArray("shrink::gui::LastThreeIntersectWindow");
    QTest::newRow("按钮6") << QByteArray("按钮6")
                           << QByteArray("shrink::gui::LastTwoIntersectWindow");
    QTest::newRow("按钮7") << QByteArray("按钮7") << QByteArray("shrink::gui::ThreeTwoToolWindow");
  }
  void oneWindowPerButton() {
    QFETCH(QByteArray, button);
    QFETCH(QByteArray, tool);
    for (int click = 0; click < 3; ++click) Click(button);
    QCOMPARE(OpenTools(tool).size(), 1);
    QWidget* window = OpenTools(tool).first();
    QCOMPARE(window->parentWidget(), nullptr);
    QVERIFY(!window->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // Minimised, the next click restores the same window.
    window->showMinimized();
    QVERIFY(window->isMinimized());
    Click(button);
    QVERIFY(!window->isMinimized());
    QCOMPARE(OpenTools(tool), QList<QWidget*>{window});

    // Closed, it is gone; the next click opens a new one.
    const QPointer<QWidget> closed = window;
    window->close();
    QTRY_VERIFY(closed.isNull());
    QVERIFY(OpenTools(tool).isEmpty());
    Click(button);
    QCOMPARE(OpenTools(tool).size(), 1);
  }

  void closingTheMainWindowClosesTheTools() {
    for (const char* button : {"按钮5", "按钮6", "按钮7"}) Click(button);
    QList<QPointer<QWidget>> tools;
    for (const char* tool : kTools) tools << OpenTools(tool).value(0);
    for (const QPointer<QWidget>& tool : tools) QVERIFY(tool);

    main_->close();

    for (const QPointer<QWidget>& tool : tools) QTRY_VERIFY(tool.isNull());
  }

 private:
  void Click(const QByteArray& button) {
    QTest::mouseClick(main_->findChild<QPushButton*>(QString::fromUtf8(button)), Qt::LeftButton);
  }

  std::unique_ptr<MainWindow> main_;
};

QTEST_MAIN(ToolWindowButtonsTest)
#include "tool_window_buttons_test.moc"
