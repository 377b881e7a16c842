// The main window as the user meets it: every control of its form, both
// runs through the buttons, the clears, the double-clicks and the keyboard.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/control_text.h"
#include "app/form_table.h"
#include "app/main_window.h"
#include "app/main_window_form.h"
#include "filters/three/last_three_run.h"
#include "filters/two/last_two_run.h"
#include "find_control.h"

using shrink::gui::ControlKind;
using shrink::gui::ControlSpec;
using shrink::gui::ControlText;
using shrink::gui::kMainWindowForm;
using shrink::gui::MainWindow;
using shrink::gui::SetControlText;

// Condition boxes and what is pasted into each, in the order given.
using Conditions = QList<QPair<int, QString>>;

namespace {

QByteArray BoxName(int box) { return QStringLiteral("编辑框%1").arg(box).toUtf8(); }

// 46 for "编辑框46".
int BoxNumber(const char* name) { return QString::fromUtf8(name).mid(3).toInt(); }

const ControlSpec* FormRow(const QByteArray& name) {
  for (const ControlSpec& row : kMainWindowForm) {
    if (name == row.name) return &row;
  }
  return nullptr;
}

bool IsConditionKind(ControlKind kind) {
  return kind == ControlKind::kDigitBox || kind == ControlKind::kBoldGroupBox ||
         kind == ControlKind::kListBox;
}

QString FullSet(int width) {
  QStringList members;
  const int count = width == 3 ? 1000 : 100;
  for (int n = 0; n < count; ++n) members << QStringLiteral("%1").arg(n, width, 10, QChar(u'0'));
  return members.join(u' ');
}

// The condition boxes of both panels: 1-32 and 35-45.
QList<int> ConditionBoxes() {
  QList<int> boxes;
  for (int box = 1; box <= 45; ++box) {
    if (box != 33 && box != 34) boxes << box;
  }
  return boxes;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<MainWindow>();
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  }
  void cleanup() { window_.reset(); }

  void everyControlAsItsTable_data() {
    QTest::addColumn<QByteArray>("name");
    for (const ControlSpec& row : kMainWindowForm) QTest::newRow(row.name) << QByteArray(row.name);
  }
  void everyControlAsItsTable() {
    QFETCH(QByteArray, name);
    const ControlSpec& row = *FormRow(name);
    QWidget* control = Control(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->parentWidget() == window_.get() ? QByteArray() : control->parentWidget()->objectName().toUtf8(),
             QByteArray(row.parent));
    QCOMPARE(control->geometry(), QRect(row.x, row.y, row.width, row.height));
    QCOMPARE(ControlText(control), std::string(row.text));
    QVERIFY(control->isEnabled());
    QVERIFY(control->isVisibleTo(window_.get()));
    switch (row.kind) {
      case ControlKind::kGroupBox:
        QVERIFY(qobject_cast<QGroupBox*>(control));
        break;
      case ControlKind::kLabel:
        QVERIFY(qobject_cast<QLabel*>(control));
        break;
      case ControlKind::kButton:
        QVERIFY(qobject_cast<QPushButton*>(control));
        break;
      case ControlKind::kDigitBox:
      case ControlKind::kBoldGroupBox:
      case ControlKind::kCountBox:
        QVERIFY(qobject_cast<QLineEdit*>(control));
        break;
      default:
        QVERIFY(qobject_cast<QPlainTextEdit*>(control));
        break;
    }
  }

  void formHoldsExactlyItsTable() {
    static const QRegularExpression numbered(QStringLiteral("^(编辑框|标签|按钮|分组框)\\d+$"));
    std::set<QString> names;
    for (const QWidget* child : window_->findChildren<QWidget*>()) {
      if (numbered.match(child->objectName()).hasMatch()) {
        QVERIFY2(names.insert(child->objectName()).second, qPrintable(child->objectName()));
      }
    }
    QCOMPARE(names.size(), std::size(kMainWindowForm));
    QCOMPARE(std::size(kMainWindowForm), std::size_t{100});
  }

  void windowItself() {
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("需要计划平台的加QQ：")));
    QVERIFY(QRegularExpression(QStringLiteral("：\\d{5,}$")).match(window_->windowTitle()).hasMatch());
    QCOMPARE(window_->minimumSize(), QSize(740, 548));
    QCOMPARE(window_->maximumSize(), QSize(740, 548));
    QVERIFY(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    const QList<QSize> icon_sizes = window_->windowIcon().availableSizes();
    QVERIFY(icon_sizes.contains(QSize(16, 16)));
    QVERIFY(icon_sizes.contains(QSize(256, 256)));
  }

  void pipelinesReadConditionBoxesOfTheForm() {
    std::set<int> seen;
    const auto check = [&](int box) {
      const ControlSpec* row = FormRow(BoxName(box));
      QVERIFY2(row != nullptr && IsConditionKind(row->kind), BoxName(box).constData());
      QVERIFY2(seen.insert(box).second, BoxName(box).constData());
    };
    for (const shrink::PipelineStep& step : shrink::kLastThreePipeline) check(step.box);
    for (const shrink::PipelineStep& step : shrink::kLastTwoPipeline) check(step.box);
    // Every condition box on the form takes part in one run.
    for (const ControlSpec& row : kMainWindowForm) {
      if (IsConditionKind(row.kind)) QVERIFY2(seen.count(BoxNumber(row.name)) == 1, row.name);
    }
    for (const shrink::RunOutput output : {shrink::kLastThreeOutput, shrink::kLastTwoOutput}) {
      QCOMPARE(FormRow(BoxName(output.result_box))->kind, ControlKind::kResultBox);
      QCOMPARE(FormRow(BoxName(output.count_box))->kind, ControlKind::kCountBox);
    }
  }

  void shrinkLastThree_data() {
    QTest::addColumn<Conditions>("conditions");
    QTest::addColumn<QString>("result");  // null: only the count is checked
    QTest::addColumn<QString>("count");
    QTest::newRow("no conditions") << Conditions{} << FullSet(3) << "计1000注";
    QTest::newRow("定胆码 1") << Conditions{{1, "1"}} << QString() << "计271注";
    QTest::newRow("定胆码 1, 通杀码 2") << Conditions{{1, "1"}, {2, "2"}} << QString() << "计217注";
    QTest::newRow("定百位 12") << Conditions{{3, "12"}} << QString() << "计200注";
    QTest::newRow("定个位 5 and 杀个位 5") << Conditions{{7, "5"}, {8, "5"}} << "" << "计0注";
    QTest::newRow("pasted space in 定胆码") << Conditions{{1, " "}} << "" << "计0注";
    QTest::newRow("pasted space in 通杀码") << Conditions{{2, " "}} << FullSet(3) << "计1000注";
    QTest::newRow("bold group applied last keeps its space")
        << Conditions{{3, "9"}, {5, "9"}, {35, "9=3"}} << "999 " << "计1注";
    QTest::newRow("bold group, then a base")
        << Conditions{{3, "9"}, {35, "9=12"}, {42, "919\n999\n990"}} << "919 990" << "计2注";
    QTest::newRow("base over two lines")
        << Conditions{{42, "000\n999"}} << "000 999" << "计2注";
  }
  void shrinkLastThree() {
    QFETCH(Conditions, conditions);
    QFETCH(QString, result);
    QFETCH(QString, count);
    for (const auto& [box, text] : conditions) Paste(box, text);

    Click("按钮3");

    if (!result.isNull()) QCOMPARE(BoxText(46), result);
    QCOMPARE(BoxText(47), count);
  }

  void shrinkLastTwo_data() {
    QTest::addColumn<Conditions>("conditions");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("count");
    QTest::newRow("no conditions") << Conditions{} << FullSet(2) << "计100注";
    QTest::newRow("保留胆码 0") << Conditions{{19, "0"}}
                                << "00 01 02 03 04 05 06 07 08 09 10 20 30 40 50 60 70 80 90"
                                << "计19注";
    QTest::newRow("保留胆码 1, 删除胆码 1") << Conditions{{19, "1"}, {20, "1"}} << "" << "计0注";
    QTest::newRow("保留十位 3, 保留个位 5") << Conditions{{21, "3"}, {23, "5"}} << "35" << "计1注";
    QTest::newRow("保留直选单式 a line break") << Conditions{{29, "\n"}} << "" << "计0注";
    QTest::newRow("删除直选单式 a line break") << Conditions{{30, "\n"}} << FullSet(2) << "计100注";
    QTest::newRow("保留组选单式 53") << Conditions{{31, "53"}} << "35 53" << "计2注";
  }
  void shrinkLastTwo() {
    QFETCH(Conditions, conditions);
    QFETCH(QString, result);
    QFETCH(QString, count);
    for (const auto& [box, text] : conditions) Paste(box, text);

    Click("按钮1");

    QCOMPARE(BoxText(33), result);
    QCOMPARE(BoxText(34), count);
  }

  void runningAgainGivesTheSame() {
    Paste(23, "5");
    Click("按钮1");
    const QString first = BoxText(33);
    Click("按钮1");
    QCOMPARE(BoxText(33), first);
    QCOMPARE(BoxText(34), QStringLiteral("计10注"));
  }

  void clearLastThreeKeepsComboAndCount() {
    FillEveryBox();
    Click("按钮3");
    const std::map<int, QString> before = AllBoxTexts();

    Click("按钮4");

    for (const int box : shrink::kLastThreeClearedBoxes) QCOMPARE(BoxText(box), QString());
    QCOMPARE(BoxText(41), before.at(41));
    QCOMPARE(BoxText(47), before.at(47));
    for (int box = 19; box <= 34; ++box) QCOMPARE(BoxText(box), before.at(box));
  }

  void clearLastTwoKeepsCount() {
    FillEveryBox();
    Click("按钮1");
    const std::map<int, QString> before = AllBoxTexts();

    Click("按钮2");

    for (const int box : shrink::kLastTwoClearedBoxes) QCOMPARE(BoxText(box), QString());
    QCOMPARE(BoxText(34), before.at(34));
    for (int box = 1; box <= 47; ++box) {
      if (box < 19 || box > 34) QCOMPARE(BoxText(box), before.at(box));
    }
    // The next run starts from the full set again.
    Click("按钮1");
    QCOMPARE(BoxText(34), QStringLiteral("计100注"));
  }

  void eachRunTouchesOnlyItsPanel() {
    FillEveryBox();
    const std::map<int, QString> before = AllBoxTexts();
    Click("按钮3");
    for (int box = 19; box <= 34; ++box) QCOMPARE(BoxText(box), before.at(box));
    const std::map<int, QString> after_three = AllBoxTexts();
    Click("按钮1");
    for (int box = 1; box <= 47; ++box) {
      if (box < 19 || box > 34) QCOMPARE(BoxText(box), after_three.at(box));
    }
  }

  void doubleClickEmptiesExactlyThatBox_data() {
    QTest::addColumn<int>("box");
    for (const int box : ConditionBoxes()) QTest::newRow(BoxName(box).constData()) << box;
  }
  void doubleClickEmptiesExactlyThatBox() {
    QFETCH(int, box);
    FillEveryBox();
    const std::map<int, QString> before = AllBoxTexts();

    DoubleClick(box);

    for (const auto& [other, text] : before) QCOMPARE(BoxText(other), other == box ? QString() : text);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
  }

  void doubleClickEmptyingCanBeUndone() {
    Paste(41, "09\n18");
    DoubleClick(41);
    QCOMPARE(BoxText(41), QString());
    QTest::keyClick(Control(BoxName(41)), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(BoxText(41), QStringLiteral("09\r\n18"));
  }

  void resultBoxCopies_data() {
    QTest::addColumn<QByteArray>("run");
    QTest::addColumn<Conditions>("conditions");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("copied");
    QTest::newRow("编辑框46 after a run") << QByteArray("按钮3") << Conditions{{3, "9"}, {5, "9"}}
                                          << 46 << "990 991 992 993 994 995 996 997 998 999";
    QTest::newRow("编辑框46 with its trailing space")
        << QByteArray("按钮3") << Conditions{{3, "9"}, {5, "9"}, {35, "9=3"}} << 46 << "999 ";
    QTest::newRow("编辑框33 after a run") << QByteArray("按钮1") << Conditions{{21, "3"}} << 33
                                          << "30 31 32 33 34 35 36 37 38 39";
    QTest::newRow("编辑框46 empty") << QByteArray() << Conditions{} << 46 << "";
    QTest::newRow("编辑框33 empty") << QByteArray() << Conditions{} << 33 << "";
  }
  void resultBoxCopies() {
    QFETCH(QByteArray, run);
    QFETCH(Conditions, conditions);
    QFETCH(int, box);
    QFETCH(QString, copied);
    for (const auto& [condition, text] : conditions) Paste(condition, text);
    if (!run.isEmpty()) Click(run.constData());

    DoubleClick(box);

    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(BoxText(box), copied);
  }

  void countBoxesIgnoreDoubleClicks_data() {
    QTest::addColumn<int>("box");
    QTest::newRow("编辑框47") << 47;
    QTest::newRow("编辑框34") << 34;
  }
  void countBoxesIgnoreDoubleClicks() {
    QFETCH(int, box);
    Click("按钮3");
    Click("按钮1");
    const std::map<int, QString> before = AllBoxTexts();
    DoubleClick(box);
    QCOMPARE(AllBoxTexts(), before);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
  }

  void button8DoesNothing() {
    FillEveryBox();
    const std::map<int, QString> before = AllBoxTexts();
    const qsizetype windows = QApplication::topLevelWidgets().size();
    Click("按钮8");
    QCOMPARE(AllBoxTexts(), before);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
  }

  void tabFollowsThePipelines() {
    QStringList expected;
    for (const shrink::PipelineStep& step : shrink::kLastThreePipeline) expected << BoxName(step.box);
    expected << "编辑框46" << "按钮3" << "编辑框47" << "按钮4";
    for (const shrink::PipelineStep& step : shrink::kLastTwoPipeline) expected << BoxName(step.box);
    expected << "编辑框33" << "按钮1" << "编辑框34" << "按钮2" << "按钮5" << "按钮6" << "按钮7"
             << "按钮8";
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    Control("编辑框1")->setFocus();

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 1; step < expected.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
  }

  void everyBoxHasANameForScreenReaders() {
    std::set<QString> names;
    for (const ControlSpec& row : kMainWindowForm) {
      if (std::string_view(row.name).rfind("编辑框", 0) != 0) continue;
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Control(row.name));
      QVERIFY(accessible != nullptr);
      const QString name = accessible->text(QAccessible::Name);
      QVERIFY2(!name.isEmpty(), row.name);
      QVERIFY2(names.insert(name).second, qPrintable(name));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(Control(BoxName(1)))->text(QAccessible::Name),
             QStringLiteral("定胆码"));
  }

  void drawnAtTheScreensScale() {
    // Run at QT_SCALE_FACTOR=2 too: the form keeps its sizes and draws at
    // twice the pixels, not a blown-up picture.
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const QPixmap drawn = window_->grab();
    QCOMPARE(drawn.devicePixelRatio(), window_->devicePixelRatioF());
    QCOMPARE(drawn.size(), window_->size() * window_->devicePixelRatioF());
    QCOMPARE(Control("按钮5")->geometry(), QRect(696, 6, 32, 80));
  }

 private:
  QWidget* Control(const QByteArray& name) const { return FindControl(window_.get(), name.constData()); }

  QString BoxText(int box) const {
    return QString::fromStdString(ControlText(Control(BoxName(box))));
  }

  std::map<int, QString> AllBoxTexts() const {
    std::map<int, QString> texts;
    for (int box = 1; box <= 47; ++box) texts[box] = BoxText(box);
    return texts;
  }

  // Puts `text` into the box as a user would paste it: typed keys could not
  // bring a space into a digit box.
  void Paste(int box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(Control(BoxName(box)), Qt::Key_V, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  }

  // A condition in every condition box, and something in every result and count box.
  void FillEveryBox() {
    for (const int box : ConditionBoxes()) SetControlText(Control(BoxName(box)), box == 41 ? "09" : "5");
    for (const int box : {33, 34, 46, 47}) SetControlText(Control(BoxName(box)), "earlier");
  }

  void Click(const char* button) { QTest::mouseClick(Control(button), Qt::LeftButton); }

  void DoubleClick(int box) {
    QWidget* target = Control(BoxName(box));
    if (auto* area = qobject_cast<QPlainTextEdit*>(target)) target = area->viewport();
    QTest::mouseDClick(target, Qt::LeftButton);
  }

  std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
