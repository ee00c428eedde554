// For the store's process tests. "FILE table FIRST" writes whole score tables
// in a loop until it is killed: table n holds n in every slot, and n is
// printed once it is saved. "FILE add FIRST STEP COUNT" records the scores
// FIRST, FIRST + STEP, ... as games do at their end.
#include "scores/score_table.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: score_writer FILE table FIRST | FILE add FIRST STEP COUNT\n");
        return 2;
    }
    tarvo::SettingsStore store(QString::fromLocal8Bit(argv[1]));
    tarvo::ScoreRecords records(store);
    const long first = std::atol(argv[3]);
    if (std::strcmp(argv[2], "add") == 0 && argc == 6) {
        for (long n = 0; n < std::atol(argv[5]); ++n) {
            records.RecordScore(static_cast<int16_t>(first + n * std::atol(argv[4])));
        }
        return 0;
    }
    for (long n = first;; ++n) {
        tarvo::KeyValues table;
        for (int slot = 1; slot <= 10; ++slot) {
            table.emplace_back(QStringLiteral("Score%1").arg(slot), QString::number(n));
        }
        store.Save(tarvo::kScoreApp, tarvo::kScoreSection, table);
        std::printf("%ld\n", n);
        std::fflush(stdout);
    }
}
