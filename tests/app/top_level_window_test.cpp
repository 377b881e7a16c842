// Top-level windows: fixed outer size, title-bar buttons, centred, and tool
// windows opened once and brought forward after.
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <memory>

#include "app/form_builder.h"
#include "app/top_level_window.h"

using shrink::gui::ControlKind;
using shrink::gui::ControlSpec;
using shrink::gui::WindowSpec;

namespace {

constexpr ControlSpec kForm[] = {
    {ControlKind::kGroupBox, "分组框1", "", 8, 0, 424, 496, "后三缩水条件栏"},
    {ControlKind::kLabel, "标签41", "", 8, 496, 424, 24, "提示"},
};

class ToolWindow : public QWidget {
 public:
  ToolWindow() { ++made; }
  static inline int made = 0;
};

}  // namespace

class TopLevelWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void fixedSizeAndTitleBar_data() {
    QTest::addColumn<bool>("minimise");
    QTest::newRow("with a minimise button") << true;
    QTest::newRow("without a minimise button") << false;
  }
  void fixedSizeAndTitleBar() {
    QFETCH(bool, minimise);
    QWidget window;
    shrink::gui::BuildForm(&window, kForm);
    shrink::gui::SetUpFixedWindow(&window, WindowSpec{"后三交集工具", QSize(740, 548), minimise});

    QCOMPARE(window.windowTitle(), QStringLiteral("后三交集工具"));
    // Without a window manager's frame the client gets the whole outer size.
    QCOMPARE(window.minimumSize(), QSize(740, 548));
    QCOMPARE(window.maximumSize(), QSize(740, 548));
    QCOMPARE(bool(window.windowFlags() & Qt::WindowMinimizeButtonHint), minimise);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
  }

  void clientHoldsEveryControl() {
    QWidget window;
    shrink::gui::BuildForm(&window, kForm);
    shrink::gui::SetUpFixedWindow(&window, WindowSpec{"", QSize(400, 500), true});
    QCOMPARE(window.size(), QSize(432, 520));
  }

  void opensCentred() {
    QWidget window;
    shrink::gui::SetUpFixedWindow(&window, WindowSpec{"", QSize(300, 200), true});
    shrink::gui::ShowCentred(&window);
    const QPoint screen_centre = window.screen()->availableGeometry().center();
    QVERIFY((window.frameGeometry().center() - screen_centre).manhattanLength() <= 2);
  }

  void toolWindowOpensOnce() {
    ToolWindow::made = 0;
    QPointer<ToolWindow> open;
    shrink::gui::OpenToolWindow(open);
    QVERIFY(open);
    QVERIFY(open->isVisible());
    QCOMPARE(open->parentWidget(), nullptr);
    QVERIFY(!open->isModal());

    shrink::gui::OpenToolWindow(open);
    QCOMPARE(ToolWindow::made, 1);

    open->showMinimized();
    QVERIFY(open->isMinimized());
    shrink::gui::OpenToolWindow(open);
    QCOMPARE(ToolWindow::made, 1);
    QVERIFY(!open->isMinimized());
    QVERIFY(open->isVisible());

    // Closed, it is gone; the next open makes a new one.
    open->close();
    QTRY_VERIFY(open.isNull());
    shrink::gui::OpenToolWindow(open);
    QCOMPARE(ToolWindow::made, 2);
    delete open;
  }
};

QTEST_MAIN(TopLevelWindowTest)
#include "top_level_window_test.moc"
