// DrawBoard on the retained image, and the processor time that a game's real
// pauses take.
#include "app/game_driver.h"
#include "bench_support.h"
#include "common/app_info.h"
#include "support/board_diagram.h"
#include "view/board_display.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void BM_DrawBoard(benchmark::State& bench) {
    QWidget parent;
    const tarvo::BoardPictures pictures = tarvo::CreateBoardPictures(&parent);
    tarvo::BoardDisplay display(pictures);
    tarvo::GameState state = tarvo::test::OpeningState();
    state.CellSize = tarvo::CellSizeFor(pictures.picV->width());
    for (auto _ : bench) {
        display.DrawBoard(state);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawBoard)->Unit(benchmark::kMicrosecond);

// Reports the processor time of a game's pauses as a share of one core: the
// computer opens, marks its move for 500 ms, shows its gain for 1000 ms and
// then waits for the person, all within the 2 seconds measured.
void BM_PauseCpuShare(benchmark::State& bench) {
    tarvo::SteadyClock clock;
    tarvo::GameDriver driver(clock, [](const tarvo::SessionEvent&) {});
    double cpu = 0;
    double wall = 0;
    for (auto _ : bench) {
        const double cpuStart = tarvo::bench::ProcessSeconds();
        const qint64 wallStart = clock.NowMs();
        driver.session().Start({false, tarvo::Level::Classic}, {true, tarvo::Level::Classic});
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        cpu += tarvo::bench::ProcessSeconds() - cpuStart;
        wall += static_cast<double>(clock.NowMs() - wallStart) / 1000.0;
    }
    bench.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_PauseCpuShare)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return tarvo::bench::RunWithApplication(argc, argv);
}
