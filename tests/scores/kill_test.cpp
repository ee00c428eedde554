// A game killed while it writes its scores leaves the old table or the new
// one, and no lock that blocks the next game; two games never lose each
// other's results.
#include "scores/score_table.h"
#include "scores/settings_store.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace tarvo {
namespace {

TEST(KilledWriter, TheFileHoldsTheOldOrTheNewTable) {
    QTemporaryDir dir;
    const QString path = dir.filePath("config/settings.ini");
    SettingsStore store(path);
    std::mt19937 rng(20261207);
    long saved = 0; // the table the file must hold at least
    const int kills = 300;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess writer;
        writer.start(QStringLiteral(SCORE_WRITER), {path, "table", QString::number(saved + 1)});
        ASSERT_TRUE(writer.waitForStarted());
        // Kill it after a random number of finished tables, somewhere in
        // the next one; 0 may kill it before it has written anything.
        const int tables = static_cast<int>(rng() % 4);
        for (int seen = 0; seen < tables;) {
            if (writer.canReadLine()) {
                saved = writer.readLine().trimmed().toLong();
                ++seen;
            } else {
                ASSERT_TRUE(writer.waitForReadyRead(30'000)) << "the writer stopped writing";
            }
        }
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(30'000));
        while (writer.canReadLine()) {
            saved = writer.readLine().trimmed().toLong();
        }
        // Each table holds one value in all ten keys.
        const KeyValues table = store.GetAll(kScoreApp, kScoreSection);
        const long found = table.size() == 10 && table.front().second == table.back().second
                               ? table.front().second.toLong()
                               : -1;
        ASSERT_TRUE(found == saved || found == saved + 1)
            << "after kill " << kill << " the file holds " << found << ", saved " << saved;
        saved = found;
        // The next game takes over the dead one's lock at once.
        store.Save("Tarvo Othello", "Check", {{"kill", QString::number(kill)}});
    }
    EXPECT_EQ(store.Get("Tarvo Othello", "Check", "kill"), QString::number(kills - 1));
    EXPECT_EQ(QDir(dir.filePath("config")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"settings.ini"})
        << "no half-written copies or locks are left behind";
}

TEST(TwoGames, EndingAtTheSameMomentsKeepEveryResultThatBelongsInTheTopTen) {
    for (int round = 0; round < 5; ++round) {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        QProcess odd;
        QProcess even;
        odd.start(QStringLiteral(SCORE_WRITER), {path, "add", "1", "2", "30"});
        even.start(QStringLiteral(SCORE_WRITER), {path, "add", "2", "2", "30"});
        ASSERT_TRUE(odd.waitForFinished(60'000) && even.waitForFinished(60'000));
        ASSERT_EQ(odd.exitCode() + even.exitCode(), 0) << odd.readAllStandardError().data();
        SettingsStore store(path);
        ScoreRecords records(store);
        records.LoadScores();
        for (int slot = 1; slot <= 10; ++slot) {
            EXPECT_EQ(records.ScoreTable(slot), 61 - slot) << "round " << round;
        }
    }
}

} // namespace
} // namespace tarvo
