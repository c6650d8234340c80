// The whole "古文转换" path through the real window, offscreen: the text put
// into 编辑框1, the button clicked, the result laid out and painted in 编辑框2.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <stdexcept>

#include "bench/bench_text.h"
#include "ui/control_text.h"
#include "ui/main_window.h"
#include "ui/window_commands.h"

namespace guwen::bench {
namespace {

template <typename Control = QWidget>
Control* control(const MainWindow& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromUtf8(name));
    if (found == nullptr) throw std::logic_error(name);
    return found;
}

void BM_ColumnConversionInWindow(benchmark::State& state) {
    MainWindow window;
    bindWindowCommands(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window not shown");
        return;
    }
    const std::string source = chineseText(static_cast<std::size_t>(state.range(0)));
    auto* result = control<QPlainTextEdit>(window, "编辑框2");
    for (auto _ : state) {
        writeBoxText(control(window, "编辑框1"), source);
        control<QAbstractButton>(window, "转换")->click();
        result->repaint();  // lays out and paints the visible part now
        QCoreApplication::processEvents();
        state.PauseTiming();
        writeBoxText(result, {});
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(source.size()));
}
BENCHMARK(BM_ColumnConversionInWindow)
    ->Arg(static_cast<std::int64_t>(64 * kKiB))
    ->Arg(static_cast<std::int64_t>(kMiB))
    ->Arg(static_cast<std::int64_t>(16 * kMiB))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Only the source box: how long the text box itself takes to take in a paste.
void BM_WriteSourceBox(benchmark::State& state) {
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window not shown");
        return;
    }
    const std::string source = chineseText(static_cast<std::size_t>(state.range(0)));
    auto* box = control<QPlainTextEdit>(window, "编辑框1");
    for (auto _ : state) {
        writeBoxText(box, source);
        box->repaint();
        QCoreApplication::processEvents();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(source.size()));
}
BENCHMARK(BM_WriteSourceBox)
    ->Arg(static_cast<std::int64_t>(kMiB))
    ->Arg(static_cast<std::int64_t>(16 * kMiB))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace guwen::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
