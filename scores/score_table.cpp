#include "scores/score_table.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace tarvo {

namespace {

QString KeyOf(int slot) {
    return QStringLiteral("Score%1").arg(slot);
}

} // namespace

int16_t NumericValue(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t')) {
        ++i;
    }
    const qsizetype start = i;
    if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-')) {
        ++i;
    }
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9') {
            ++i;
        }
        return i - from;
    };
    qsizetype mantissa = digits();
    if (i < bytes.size() && bytes[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return 0;
    }
    qsizetype end = i;
    if (i < bytes.size() && (bytes[i] == 'e' || bytes[i] == 'E')) {
        ++i;
        if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-')) {
            ++i;
        }
        if (digits() > 0) {
            end = i;
        }
    }
    bool inRange = false; // the syntax is checked above, so only the range can fail
    const double value = bytes.mid(start, end - start).toDouble(&inRange);
    if (!inRange || !(std::fabs(value) < 65536)) {
        RaiseError(kOverflow);
    }
    return CheckedInt16(static_cast<long long>(std::nearbyint(value)));
}

void ScoreRecords::LoadFrom(const KeyValues& keys) {
    std::vector<int16_t> results;
    for (const auto& [key, value] : keys) {
        for (int slot = 1; slot <= 10; ++slot) {
            if (key.compare(KeyOf(slot), Qt::CaseInsensitive) != 0) {
                continue;
            }
            try {
                results.push_back(NumericValue(value));
            } catch (const RuntimeError& error) {
                throw RuntimeError(
                    error.number(),
                    QCoreApplication::translate(
                        "ScoreRecords", "%1 in %2 at line %3: %4 does not fit, so the table was "
                                        "left as it is")
                        .arg(QCoreApplication::translate("RuntimeError",
                                                         error.description().c_str()),
                             store_.filePath())
                        .arg(store_.LineOf(kScoreApp, section_, key))
                        .arg(value.trimmed())
                        .toStdString(),
                    RuntimeError::Report::Once);
            }
        }
    }
    // A hand-edited table may hold its results in any order, with gaps or
    // twice: each is listed once, best first, and none is lost.
    std::sort(results.begin(), results.end(), std::greater<>());
    results.erase(std::unique(results.begin(), results.end()), results.end());
    std::erase(results, int16_t{0});
    ScoreTable = {};
    for (std::size_t i = 0; i < results.size() && i < 10; ++i) {
        ScoreTable(static_cast<int>(i) + 1) = results[i];
    }
}

KeyValues ScoreRecords::Insert(int16_t score) {
    for (int i = 1; i <= 10; ++i) {
        if (score == ScoreTable(i)) {
            break;
        }
        if (score > ScoreTable(i)) {
            for (int j = 9; j >= i; --j) {
                ScoreTable(j + 1) = ScoreTable(j);
            }
            ScoreTable(i) = score;
            break;
        }
    }
    // All ten keys in one write, so the stored table is never half old, half new.
    KeyValues keys;
    for (int n = 1; n <= 10; ++n) {
        const int16_t value = ScoreTable(n);
        keys.emplace_back(KeyOf(n), value == 0 ? QString() : QString::number(value));
    }
    return keys;
}

void ScoreRecords::UseSection(const QString& section) {
    if (section != section_) {
        section_ = section;
        ScoreTable = {};
    }
}

void ScoreRecords::LoadScores() {
    LoadFrom(store_.GetAll(kScoreApp, section_));
}

void ScoreRecords::AddScore(int16_t score) {
    store_.Save(kScoreApp, section_, Insert(score));
}

void ScoreRecords::RecordScore(int16_t score) {
    try {
        store_.Update(kScoreApp, section_, [&](const KeyValues& keys) {
            LoadFrom(keys);
            return Insert(score);
        });
    } catch (const RuntimeError&) {
        // A store that cannot be read or written keeps the result for this
        // session, and the file is not changed.
        Insert(score);
        throw;
    }
}

void ScoreRecords::ClearScores() {
    // A table that is gone already, removed by another game or by hand, is
    // as cleared as it can be.
    store_.DeleteSection(kScoreApp, section_);
    ScoreTable = {};
}

} // namespace tarvo
