#include "app/main_window.h"

#include <QCloseEvent>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include "app/form_boxes.h"
#include "app/form_builder.h"
#include "app/main_window_form.h"
#include "app/program_icon.h"
#include "app/themed_look.h"
#include "app/top_level_window.h"
#include "filters/three/last_three_run.h"
#include "filters/two/last_two_run.h"
#include "tools/intersect_windows.h"
#include "tools/three_two_tool_window.h"

namespace shrink::gui {
namespace {

QString BoxName(int box) { return QStringLiteral("编辑框%1").arg(box); }

// The keyboard walks each panel in the order its run applies the boxes, then
// through its result, buttons and count; the tool buttons come last.
QStringList TabOrder() {
  QStringList order;
  for (const PipelineStep& step : kLastThreePipeline) order << BoxName(step.box);
  order << QStringLiteral("编辑框46") << QStringLiteral("按钮3") << QStringLiteral("编辑框47")
        << QStringLiteral("按钮4");
  for (const PipelineStep& step : kLastTwoPipeline) order << BoxName(step.box);
  order << QStringLiteral("编辑框33") << QStringLiteral("按钮1") << QStringLiteral("编辑框34")
        << QStringLiteral("按钮2");
  order << QStringLiteral("按钮5") << QStringLiteral("按钮6") << QStringLiteral("按钮7")
        << QStringLiteral("按钮8");
  return order;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  EnableThemedLook();
  BuildForm(this, kMainWindowForm);
  SetTabOrder(this, TabOrder());
  SetUpFixedWindow(this, kMainWindowSpec);
  setWindowIcon(ProgramIcon());

  const auto button = [this](const char* name) {
    return findChild<QPushButton*>(QString::fromUtf8(name));
  };
  connect(button("按钮3"), &QPushButton::clicked, this, &MainWindow::ShrinkLastThree);
  connect(button("按钮4"), &QPushButton::clicked, this, &MainWindow::ClearLastThree);
  connect(button("按钮1"), &QPushButton::clicked, this, &MainWindow::ShrinkLastTwo);
  connect(button("按钮2"), &QPushButton::clicked, this, &MainWindow::ClearLastTwo);
  connect(button("按钮5"), &QPushButton::clicked, this,
          [this] { OpenToolWindow(last_three_intersect_); });
  connect(button("按钮6"), &QPushButton::clicked, this,
          [this] { OpenToolWindow(last_two_intersect_); });
  connect(button("按钮7"), &QPushButton::clicked, this,
          [this] { OpenToolWindow(three_two_tool_); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const QList<QWidget*> tools{last_three_intersect_, last_two_intersect_, three_two_tool_};
  for (QWidget* tool : tools) {
    if (tool != nullptr) tool->close();
  }
  QWidget::closeEvent(event);
}

void MainWindow::ShrinkLastThree() {
  FormBoxes boxes(this);
  shrink::ShrinkLastThree(boxes);
}

void MainWindow::ClearLastThree() {
  FormBoxes boxes(this);
  shrink::ClearLastThree(boxes);
}

void MainWindow::ShrinkLastTwo() {
  FormBoxes boxes(this);
  shrink::ShrinkLastTwo(boxes);
}

void MainWindow::ClearLastTwo() {
  FormBoxes boxes(this);
  shrink::ClearLastTwo(boxes);
}

}  // namespace shrink::gui
