#pragma once

#include "common/app_info.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <ctime>

namespace tarvo::bench {

// The processor time this process has used, in seconds.
inline double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs the benchmarks inside an application with the program's fonts.
inline int RunWithApplication(int argc, char* argv[]) {
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tarvo::bench
