// DrawBoard on the retained image, and the processor time that a real
// 2-second pause takes while the window waits.
#include "app/event_waits.h"
#include "bench_support.h"
#include "common/app_info.h"
#include "support/board_diagram.h"
#include "view/board_display.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

class NoPause : public tarvo::Pauser {
public:
    bool Pause(int) override { return true; }
};

void BM_DrawBoard(benchmark::State& bench) {
    QWidget parent;
    NoPause pauser;
    const tarvo::BoardPictures pictures = tarvo::CreateBoardPictures(&parent);
    tarvo::BoardDisplay display(pictures, pauser);
    tarvo::GameState state = tarvo::test::OpeningState();
    state.CellSize = tarvo::CellSizeFor(pictures.picV->width());
    for (auto _ : bench) {
        display.DrawBoard(state);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawBoard)->Unit(benchmark::kMicrosecond);

// Reports the processor time of the pause as a share of one core.
void BM_PauseCpuShare(benchmark::State& bench) {
    tarvo::SteadyClock clock;
    tarvo::EventWaits pause(clock);
    double cpu = 0;
    double wall = 0;
    for (auto _ : bench) {
        const double cpuStart = tarvo::bench::ProcessSeconds();
        const qint64 wallStart = clock.NowMs();
        pause.Pause(2000);
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
