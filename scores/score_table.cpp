#include "scores/score_table.h"

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
    const auto first = std::find_if(keys.begin(), keys.end(), [](const auto& pair) {
        return pair.first.compare(KeyOf(1), Qt::CaseInsensitive) == 0;
    });
    if (first == keys.end() || first->second.isEmpty()) {
        return;
    }
    int slot = 1;
    for (const auto& pair : keys) {
        ScoreTable(slot) = NumericValue(pair.second);
        ++slot;
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
    bool read = false;
    try {
        store_.Update(kScoreApp, section_, [&](const KeyValues& keys) {
            read = true;
            LoadFrom(keys);
            return Insert(score);
        });
    } catch (const RuntimeError&) {
        // A store that cannot be reached keeps the result for this session;
        // a table that could not be read is not changed.
        if (!read) {
            Insert(score);
        }
        throw;
    }
}

void ScoreRecords::ClearScores() {
    store_.DeleteSection(kScoreApp, section_);
    for (int n = 1; n <= 10; ++n) {
        ScoreTable(n) = 0;
    }
}

} // namespace tarvo
