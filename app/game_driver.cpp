#include "app/game_driver.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace tarvo {

std::vector<std::string> WeightPaths() {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("tarvo-othello.weights");
    return {(programDir + QLatin1Char('/') + name).toStdString(),
            QDir::cleanPath(programDir + QStringLiteral("/" TARVO_DATA_FROM_BIN "/") + name)
                .toStdString()};
}

const engine::PatternWeights* TrainedWeights(const std::vector<std::string>& paths) {
    std::string error;
    const engine::PatternWeights* weights = engine::SharedWeights(paths, error);
    if (!error.empty()) {
        std::fprintf(stderr, "tarvo-othello: %s; the computer plays with its simpler evaluation\n",
                     error.c_str());
    }
    return weights;
}

engine::Position PositionOf(const GameState& state, int16_t mover) {
    engine::Position position;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const int16_t code = state.Board(r, c);
            if (code != Empty) {
                (code == mover ? position.mine : position.theirs) |=
                    engine::Bit(engine::CellIndex(r, c));
            }
        }
    }
    return position;
}

GameDriver::GameDriver(Clock& clock, BoxShower showBox)
    : clock_(clock), showBox_(std::move(showBox)) {
    delay_.setSingleShot(true);
    delay_.setTimerType(Qt::PreciseTimer);
    connect(&delay_, &QTimer::timeout, this, [this] { Wake(); });
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("tarvo-othello.weights");
    weightPaths_ = {(programDir + QLatin1Char('/') + name).toStdString(),
                    QDir::cleanPath(programDir + QStringLiteral("/" TARVO_DATA_FROM_BIN "/") + name)
                        .toStdString()};
}

GameDriver::~GameDriver() {
    StopWorker();
}

void GameDriver::Emit(const SessionEvent& event) {
    if (std::holds_alternative<event::OutsideBoard>(event) ||
        std::holds_alternative<event::GameOver>(event)) {
        box_ = std::make_unique<SessionEvent>(event);
    }
    for (const Listener& listener : listeners_) {
        listener(event);
    }
}

void GameDriver::Answer(std::function<void()> answer) {
    if (QApplication::activeModalWidget() != nullptr) {
        heldBack_ = std::move(answer);
        return;
    }
    answer();
}

void GameDriver::ModalClosed() {
    if (heldBack_ && QApplication::activeModalWidget() == nullptr) {
        std::exchange(heldBack_, nullptr)();
    }
}

void GameDriver::RequestDelay(int ms) {
    ++ticket_;
    due_ = clock_.NowMs() + ms;
    delay_.start(ms);
}

void GameDriver::Wake() {
    if (due_ < 0) {
        return;
    }
    const qint64 left = due_ - clock_.NowMs();
    if (left > 0) {
        delay_.start(static_cast<int>(left));
        return;
    }
    due_ = -1;
    delay_.stop();
    Answer([this] { session_.DelayOver(); });
}

void GameDriver::RequestSearch(const GameState& state, int16_t mover, Level level) {
    ++ticket_;
    RunSearch(
        PositionOf(state, mover),
        level == Level::Strong ? engine::kStrongLevel : engine::kExpertLevel, [this](int cell) {
            Answer([this, cell] {
                session_.SearchAnswered(cell < 0 ? 0 : cell / 8 + 1, cell < 0 ? 0 : cell % 8 + 1);
            });
        });
}

void GameDriver::Hint(std::function<void(int cell)> answer) {
    ++ticket_;
    const GameState& state = session_.state();
    RunSearch(PositionOf(state, state.HumanColor), engine::kExpertLevel, std::move(answer));
}

void GameDriver::DropHint() {
    ++ticket_;
    StopWorker();
}

void GameDriver::RunSearch(const engine::Position& position, const engine::Limits& limits,
                           std::function<void(int cell)> answer) {
    StopWorker();
    if (!searcher_) {
        searcher_ = std::make_unique<engine::Searcher>();
    }
    stop_ = false;
    const int ticket = ticket_;
    worker_ = std::jthread([this, position, limits, ticket, answer = std::move(answer)] {
        engine::Limits trained = limits;
        trained.weights = TrainedWeights(weightPaths_);
        const int cell = searcher_->Search(position, trained, stop_).cell;
        QMetaObject::invokeMethod(
            this,
            [this, ticket, cell, answer] {
                if (ticket == ticket_) {
                    answer(cell);
                }
            },
            Qt::QueuedConnection);
    });
}

void GameDriver::StopWorker() {
    if (worker_.joinable()) {
        stop_ = true;
        worker_.join();
    }
}

void GameDriver::RequestBox() {
    ++ticket_;
    // Shown from the event loop, once the session has returned.
    QTimer::singleShot(0, this, [this, ticket = ticket_] {
        if (ticket != ticket_ || !box_) {
            return;
        }
        const std::unique_ptr<SessionEvent> box = std::move(box_);
        showBox_(*box);
        if (ticket == ticket_) {
            session_.BoxClosed();
        }
    });
}

void GameDriver::CancelRequests() {
    ++ticket_;
    due_ = -1;
    delay_.stop();
    heldBack_ = nullptr;
    box_.reset();
    StopWorker();
}

} // namespace tarvo
