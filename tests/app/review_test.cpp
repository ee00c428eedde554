#include "app/game_files.h"
#include "app/review_window.h"
#include "support/modal.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace tarvo {
namespace {

// A game from the published start in which White passes three times at its end.
constexpr const char* kGame =
    "d3 c3 b3 d6 c4 f3 f4 e3 g3 b4 c6 b2 a4 b5 f5 b6 c2 g2 a2 e6 e7 f6 g4 h2 g7 g5 c5 d2 f7 d8 "
    "d1 c7 d7 h7 a3 e1 h4 a5 g8 b1 a1 h5 f2 f8 h3 f1 b8 c8 a7 c1 e2 b7 h6 a8 h1 h8 a6 e8 g1 g6";

GameRecord PersonAgainstExpert() {
    return {{Player{true, Level::Classic}, Player{false, Level::Expert}},
            "2026-12-08",
            std::get<Replay>(ReadTranscript(kGame))};
}

QString Spoken(const ReviewWindow& review, int row) {
    return review.moveList()->item(row)->data(Qt::AccessibleTextRole).toString();
}

TEST(Review, StepsThroughTheGameWithTheSolversScores) {
    std::optional<GameStart> played;
    ReviewWindow review(PersonAgainstExpert(), [&](const GameStart& from) { played = from; },
                        nullptr, {2, 14});
    review.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !review.analysing(); }, 60000));
    QListWidget* list = review.moveList();
    ASSERT_EQ(list->count(), 64); // the start, 60 moves and White's three passes
    EXPECT_EQ(review.shownRow(), 63);

    // Move 47, Black's b8, from the solver's scores before and after it.
    const Replay replay = std::get<Replay>(ReadTranscript(kGame));
    const GameStep& b8 = replay.steps[46];
    ASSERT_EQ(engine::CellName(b8.cell), "b8");
    engine::Searcher searcher;
    const std::atomic<bool> go{false};
    const engine::Result best = searcher.Solve(b8.before, go);
    const int lost = best.score + searcher.Solve(engine::Play(b8.before, b8.cell), go).score;
    ASSERT_GT(lost, 0);
    EXPECT_EQ(Spoken(review, 47), QStringLiteral("move 47, black b8, lost %1 discs").arg(lost));
    review.ShowRow(47);
    EXPECT_EQ(review.verdict()->text().section('\n', 0, 0),
              QStringLiteral("\u2212%1: %2 was best")
                  .arg(lost)
                  .arg(QString::fromStdString(engine::CellName(best.cell))));
    EXPECT_TRUE(review.costliest()->text().startsWith("Costliest moves of Black: "));
    EXPECT_FALSE(review.costliest()->text().contains("White"));
    EXPECT_EQ(Spoken(review, 58), "White passes");

    // Arrows and Home step through it; from move 10 a new game goes on.
    const struct {
        int key;
        int row;
    } keys[] = {{Qt::Key_Home, 0}, {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Left, 1}};
    for (const auto& key : keys) {
        QTest::keyClick(list, static_cast<Qt::Key>(key.key));
        EXPECT_EQ(review.shownRow(), key.row);
    }
    review.ShowRow(10);
    review.playFromHere()->click();
    ASSERT_TRUE(played);
    EXPECT_EQ(played->setup, SetupOf(StartPosition::WhiteOnD4));
    const std::vector<int> moves = replay.Moves();
    EXPECT_EQ(played->moves, std::vector<int>(moves.begin(), moves.begin() + 10));
}

// An endgame with no moves played yet: FFO #40, which Black wins by 38.
TEST(Review, AnEndgameShowsItsExactResult) {
    const auto read =
        ReadRecord("O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X FFO #40\n");
    ASSERT_TRUE(std::holds_alternative<GameRecord>(read));
    ReviewWindow review(
        std::get<GameRecord>(read), [](const GameStart&) {}, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !review.analysing(); }, 60000));
    EXPECT_EQ(review.moveList()->count(), 1);
    EXPECT_EQ(review.verdict()->text(), "Start\nWith best play Black wins by 38");
}

TEST(Review, ClosingItStopsTheAnalysisAtOnce) {
    auto review = std::make_unique<ReviewWindow>(
        PersonAgainstExpert(), [](const GameStart&) {}, nullptr, AnalysisDepth{30, 30});
    review->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(review->analysing());
    review.reset(); // joins the worker: a test that hangs here has failed
}

TEST(GameFiles, ARecordSurvivesItsFileAndABadOneNamesItsFault) {
    QTemporaryDir dir;
    const QString path = dir.filePath("game.txt");
    ASSERT_EQ(WriteGameFile(path, PersonAgainstExpert()), QString());
    const auto read = ReadGameFile(path);
    ASSERT_TRUE(std::holds_alternative<GameRecord>(read));
    EXPECT_EQ(WriteTranscript(std::get<GameRecord>(read).replay), kGame);

    const struct {
        QString path;
        QByteArray text;
        QString why;
    } bad[] = {
        {dir.filePath("illegal.txt"), "Moves: f5 f5", "move 2, f5, is not a legal move"},
        {dir.filePath("line.txt"), "Black: person\nhello", "line 2 cannot be read: \"hello\""},
        {dir.path(), {}, "it is not a regular file"},
        {dir.filePath("none.txt"), {}, "there is no such file"},
    };
    for (const auto& b : bad) {
        if (!b.text.isEmpty()) {
            QFile file(b.path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(b.text);
        }
        const auto result = ReadGameFile(b.path);
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << b.path.toStdString();
        EXPECT_EQ(std::get<QString>(result), b.why);
    }
    EXPECT_EQ(WriteGameFile(dir.path(), PersonAgainstExpert()), "it is not a regular file");
}

using ReviewFromTheWindow = test::WindowFixture;

TEST_F(ReviewFromTheWindow, APastedTranscriptOpensItsReviewAndABadOneOnlyAMessage) {
    QApplication::clipboard()->setText("f5 d6 c3 d3 c4 f4 f6 f3 e6 e7 a1");
    QString message;
    test::AnswerBox(QMessageBox::Ok, [&](QMessageBox* box) { message = box->text(); });
    window.mnuGamePaste_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !message.isEmpty(); }, 5000));
    EXPECT_EQ(message, "The clipboard holds no game that can be shown: move 11, a1, is not a "
                       "legal move. Nothing was played from it.");
    EXPECT_EQ(window.findChild<ReviewWindow*>(), nullptr);

    QApplication::clipboard()->setText("F5d6C3");
    window.mnuGamePaste_Click();
    auto* review = window.findChild<ReviewWindow*>();
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(review->moveList()->count(), 4);
    review->close();
}

} // namespace
} // namespace tarvo
