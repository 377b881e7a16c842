// The tool windows with large pastes, on the offscreen platform: each
// benchmark times one user action from the key or button press until the
// window has repainted its result and counts, as the user would see them.
// Bases come in the two shapes that cost the text widgets most: one number a
// line (a block of the text document per number) and one line of numbers
// separated by spaces (one paragraph laid out as a whole at every change).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <memory>
#include <string>

#include "app/control_text.h"
#include "app/themed_look.h"
#include "tools/intersect_windows.h"
#include "tools/three_two_tool_window.h"

namespace shrink::bench {
namespace {

using gui::ControlText;
using gui::SetControlText;

enum Shape : std::int64_t { kOneLine = 0, kOneNumberALine = 1 };

// `entries` three-digit numbers spread over 000-999, one a line or spaced on one line.
std::string Base(std::int64_t entries, std::int64_t shape, unsigned seed) {
  const std::string_view separator = shape == kOneNumberALine ? "\r\n" : " ";
  std::string base;
  base.reserve(static_cast<std::size_t>(entries) * 5);
  unsigned number = seed;
  for (std::int64_t i = 0; i < entries; ++i) {
    if (i != 0) base += separator;
    number = (number * 1103515245u + 12345u) & 0x7fffffffu;
    const unsigned member = number % 1000;
    base += static_cast<char>('0' + member / 100);
    base += static_cast<char>('0' + member / 10 % 10);
    base += static_cast<char>('0' + member % 10);
  }
  return base;
}

// Lets the window finish what the action queued and draws it now, as the
// screen would show it.
void Show(QWidget* window) {
  QCoreApplication::processEvents();
  window->repaint();
}

template <class Control = QWidget>
Control* Find(const QWidget* window, const char* name) {
  return window->findChild<Control*>(QString::fromUtf8(name));
}

template <class Window>
std::unique_ptr<Window> OpenWindow() {
  auto window = std::make_unique<Window>();
  window->show();
  Show(window.get());
  return window;
}

void Entries(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"entries", "lines"});
  for (const std::int64_t entries : {1'000, 50'000, 1'000'000}) {
    for (const std::int64_t shape : {kOneNumberALine, kOneLine}) benchmark->Args({entries, shape});
  }
  benchmark->Unit(benchmark::kMillisecond);
}

void SetEntries(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// "交集" in 后三交集工具 with all four bases filled.
void BM_IntersectFourBases(benchmark::State& state) {
  auto window = OpenWindow<gui::LastThreeIntersectWindow>();
  for (int box = 1; box <= 4; ++box) {
    SetControlText(Find(window.get(), QStringLiteral("编辑框%1").arg(box).toUtf8().constData()),
                   Base(state.range(0), state.range(1), box));
  }
  auto* button = Find<QPushButton>(window.get(), "按钮1");
  for (auto _ : state) {
    button->click();
    Show(window.get());
  }
  SetEntries(state);
  state.SetLabel(ControlText(Find(window.get(), "标签1")));
}
BENCHMARK(BM_IntersectFourBases)->Apply(Entries);

// "后三后二交集" with the base in 编辑框1 and ten last-two numbers in 编辑框2.
void BM_IntersectThreeWithTwo(benchmark::State& state) {
  auto window = OpenWindow<gui::ThreeTwoToolWindow>();
  SetControlText(Find(window.get(), "编辑框1"), Base(state.range(0), state.range(1), 1));
  SetControlText(Find(window.get(), "编辑框2"), "00 11 22 33 44 55 66 77 88 99");
  auto* button = Find<QPushButton>(window.get(), "按钮1");
  for (auto _ : state) {
    button->click();
    Show(window.get());
  }
  SetEntries(state);
  state.SetLabel(ControlText(Find(window.get(), "标签3")));
}
BENCHMARK(BM_IntersectThreeWithTwo)->Apply(Entries);

// "提取后三后两位号码": a base of lines is rewritten onto one line first.
void BM_ExtractLastTwo(benchmark::State& state) {
  auto window = OpenWindow<gui::ThreeTwoToolWindow>();
  QWidget* input = Find(window.get(), "编辑框1");
  const std::string base = Base(state.range(0), state.range(1), 1);
  auto* button = Find<QPushButton>(window.get(), "按钮2");
  for (auto _ : state) {
    state.PauseTiming();
    SetControlText(input, base);
    Show(window.get());
    state.ResumeTiming();
    button->click();
    Show(window.get());
  }
  SetEntries(state);
  state.SetLabel(ControlText(Find(window.get(), "标签3")));
}
BENCHMARK(BM_ExtractLastTwo)->Apply(Entries);

// Ctrl+V of a base into the empty 编辑框1, which counts it.
void BM_PasteBase(benchmark::State& state) {
  auto window = OpenWindow<gui::ThreeTwoToolWindow>();
  auto* input = Find<QPlainTextEdit>(window.get(), "编辑框1");
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(Base(state.range(0), state.range(1), 1)));
  for (auto _ : state) {
    state.PauseTiming();
    SetControlText(input, "");
    Show(window.get());
    state.ResumeTiming();
    QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    Show(window.get());
  }
  SetEntries(state);
  state.SetLabel(ControlText(Find(window.get(), "标签1")));
}
BENCHMARK(BM_PasteBase)->Apply(Entries);

// One typed key at the end of a full 编辑框1, its count following: a digit,
// then a Backspace, so the base stays as it was.
void BM_TypeIntoFullBase(benchmark::State& state) {
  auto window = OpenWindow<gui::ThreeTwoToolWindow>();
  auto* input = Find<QPlainTextEdit>(window.get(), "编辑框1");
  SetControlText(input, Base(state.range(0), state.range(1), 1));
  input->setFocus();
  input->moveCursor(QTextCursor::End);
  Show(window.get());
  bool digit = true;
  for (auto _ : state) {
    QTest::keyClick(input, digit ? Qt::Key_5 : Qt::Key_Backspace);
    Show(window.get());
    digit = !digit;
  }
  SetEntries(state);
  state.SetLabel(ControlText(Find(window.get(), "标签1")));
}
BENCHMARK(BM_TypeIntoFullBase)->Apply(Entries);

// A double-click that empties a full 编辑框1, its count following.
void BM_DoubleClickEmptiesBase(benchmark::State& state) {
  auto window = OpenWindow<gui::ThreeTwoToolWindow>();
  auto* input = Find<QPlainTextEdit>(window.get(), "编辑框1");
  const std::string base = Base(state.range(0), state.range(1), 1);
  for (auto _ : state) {
    state.PauseTiming();
    SetControlText(input, base);
    Show(window.get());
    state.ResumeTiming();
    QTest::mouseDClick(input->viewport(), Qt::LeftButton);
    Show(window.get());
  }
  SetEntries(state);
}
BENCHMARK(BM_DoubleClickEmptiesBase)->Apply(Entries);

// "全部清空" of four full bases in 后三交集工具.
void BM_ClearFourBases(benchmark::State& state) {
  auto window = OpenWindow<gui::LastThreeIntersectWindow>();
  const std::string base = Base(state.range(0), state.range(1), 1);
  auto* button = Find<QPushButton>(window.get(), "按钮2");
  for (auto _ : state) {
    state.PauseTiming();
    for (int box = 1; box <= 4; ++box) {
      SetControlText(Find(window.get(), QStringLiteral("编辑框%1").arg(box).toUtf8().constData()),
                     base);
    }
    Show(window.get());
    state.ResumeTiming();
    button->click();
    Show(window.get());
  }
  SetEntries(state);
}
BENCHMARK(BM_ClearFourBases)->Apply(Entries);

QtMessageHandler default_handler = nullptr;

// The offscreen platform warns each time a fixed-size window is shown; the
// figures are easier to read without it.
void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  default_handler(type, context, message);
}

}  // namespace
}  // namespace shrink::bench

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  shrink::bench::default_handler = qInstallMessageHandler(shrink::bench::DropSizeHintWarnings);
  QApplication app(argc, argv);
  shrink::gui::EnableThemedLook();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
