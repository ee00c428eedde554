// Writes whole score tables in a loop until it is killed: table n holds n in
// every slot. It prints n once table n is saved. For the kill test.
#include "scores/score_table.h"
#include "scores/settings_store.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: score_writer SETTINGS-FILE FIRST\n");
        return 2;
    }
    tarvo::SettingsStore store(QString::fromLocal8Bit(argv[1]));
    for (long n = std::atol(argv[2]);; ++n) {
        tarvo::KeyValues table;
        for (int slot = 1; slot <= 10; ++slot) {
            table.emplace_back(QStringLiteral("Score%1").arg(slot), QString::number(n));
        }
        store.Save(tarvo::kScoreApp, tarvo::kScoreSection, table);
        std::printf("%ld\n", n);
        std::fflush(stdout);
    }
}
