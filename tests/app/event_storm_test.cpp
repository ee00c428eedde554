#include "event_storm.h"
#include "scores/statistics.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(EventStorm, TheWindowKeepsToTheRulesAndRecordsEveryFinishedGame) {
    test::FastClock clock;
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("settings.ini"));
    SettingsStore shadow(dir.filePath("expected.ini"));
    ScoreRecords scores(store);
    ScoreRecords expected(shadow);
    test::CheckedWindow window(clock, scores, expected);
    window.show();
    test::EventStorm storm(window, 7, 60'000);
    QEventLoop outer;
    storm.finished = [&] { outer.quit(); };
    storm.Start();
    outer.exec();
    EXPECT_EQ(storm.errors, QStringList{});
    EXPECT_EQ(window.illegalBoards, 0);
    EXPECT_GT(window.recorded, 5) << "the storm let games end";
    ScoreRecords stored(store);
    stored.LoadScores();
    EXPECT_EQ(stored.ScoreTable, expected.ScoreTable) << "every finished game's score is stored";
    int counted = 0;
    for (const auto& [key, value] : store.GetAll(kScoreApp, kStatisticsSection)) {
        counted += key == "Winning streak" ? 0 : ReadCounts(value).value()["played"];
    }
    EXPECT_EQ(counted, window.finished) << "every finished game enters the statistics";
}

} // namespace
} // namespace tarvo
