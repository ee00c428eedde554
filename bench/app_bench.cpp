// The running game as a user meets it: the time from starting the program
// to its main window loaded (the splash's two seconds aside), its resident
// memory once the window shows, and the processor time it takes while it
// waits for the human's click. Start-up runs the program's start in child
// processes of this binary ("--child"), so that loading the libraries counts.
#include "app/startup.h"
#include "bench_support.h"
#include "common/app_info.h"
#include "dialogs/frm_start.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return 0;
}

// The program's start in this process: it prints "loaded" once the main
// window is loaded, then shows it, lets it settle and prints its memory.
int RunChild(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (qstrcmp(argv[1], "--bare") == 0) {
        // A bare Qt window of the same size, to compare with.
        QWidget bare;
        bare.resize(620, 380);
        std::printf("loaded\n");
        std::fflush(stdout);
        bare.show();
        QTimer::singleShot(500, &application, &QCoreApplication::quit);
        QApplication::exec();
        std::printf("rss_kb %ld\n", ResidentKb());
        return 0;
    }
    QApplication::setApplicationName(tarvo::kAppTitle);
    tarvo::InstallFontSubstitutes();
    QTemporaryDir dir;
    tarvo::SteadyClock clock;
    tarvo::SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    tarvo::ScoreRecords scores(store);
    const tarvo::Program program = tarvo::Main(clock, scores);
    std::printf("loaded\n");
    std::fflush(stdout);
    program.splash->Timer1_Timer();
    QTimer::singleShot(500, &application, &QCoreApplication::quit);
    QApplication::exec();
    std::printf("rss_kb %ld\n", ResidentKb());
    return 0;
}

// Argument 0 the game (sound off, as it starts by default), 1 a bare Qt window.
void BM_StartToLoaded(benchmark::State& bench) {
    long rssKb = 0;
    const QString mode = bench.range(0) == 1 ? QStringLiteral("--bare") : QStringLiteral("--child");
    for (auto _ : bench) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {mode});
        while (!child.canReadLine() && child.waitForReadyRead(30'000)) {
        }
        bench.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        child.waitForFinished(30'000);
        for (const QByteArray& line : child.readAll().split('\n')) {
            if (line.startsWith("rss_kb ")) {
                rssKb = std::max(rssKb, line.mid(7).toLong());
            }
        }
    }
    bench.counters["resident_MB"] = static_cast<double>(rssKb) / 1024.0;
}
BENCHMARK(BM_StartToLoaded)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A game waits for the human's click for two seconds; the share of one core
// it uses. With argument 1 the moves are animated and the computer opens: the
// two seconds begin half a second after its pieces turn, the flip long over.
void BM_WaitForClickCpuShare(benchmark::State& bench) {
    const bool animated = bench.range(0) == 1;
    QTemporaryDir dir;
    tarvo::SteadyClock clock;
    tarvo::SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    tarvo::ScoreRecords scores(store);
    tarvo::frmOthello window(clock, scores);
    window.SetAnimateMoves(animated);
    window.show();
    double cpu = 0;
    double wall = 0;
    for (auto _ : bench) {
        QEventLoop game;
        bool measured = false;
        // Answers the start dialog and the stop question; quiet while measuring.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* start = dynamic_cast<tarvo::frmStart*>(modal)) {
                start->optColor[animated ? 1 : 0]->click();
                start->cmdOK->click();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->button(QMessageBox::Yes)->click();
            }
        });
        window.driver().AddListener([&](const tarvo::SessionEvent& e) {
            if (const auto* running = std::get_if<tarvo::event::RunningChanged>(&e)) {
                if (!running->running) {
                    game.quit();
                }
            } else if (const auto* input = std::get_if<tarvo::event::InputAwaited>(&e);
                       input != nullptr && input->awaited && !measured) {
                // The human's turn: measure two seconds of waiting, then stop.
                measured = true;
                answer.stop();
                QTimer::singleShot(animated ? 500 : 0, &window, [&] {
                    cpu = -tarvo::bench::ProcessSeconds();
                    wall = -static_cast<double>(clock.NowMs()) / 1000.0;
                });
                QTimer::singleShot(animated ? 2500 : 2000, &window, [&] {
                    cpu += tarvo::bench::ProcessSeconds();
                    wall += static_cast<double>(clock.NowMs()) / 1000.0;
                    answer.start(5);
                    window.mnuGameStatus_Click();
                });
            }
        });
        answer.start(5);
        QTimer::singleShot(0, &window, [&] { window.mnuGameStatus_Click(); });
        game.exec();
    }
    bench.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_WaitForClickCpuShare)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && (qstrcmp(argv[1], "--child") == 0 || qstrcmp(argv[1], "--bare") == 0)) {
        return RunChild(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return tarvo::bench::RunWithApplication(argc, argv);
}
