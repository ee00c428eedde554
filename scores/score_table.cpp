#include "scores/score_table.h"

#include <cmath>
#include <optional>

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

void ScoreRecords::LoadScores() {
    if (store_.Get(kScoreApp, kScoreSection, KeyOf(1)).isEmpty()) {
        return;
    }
    int slot = 1;
    for (const auto& pair : store_.GetAll(kScoreApp, kScoreSection)) {
        ScoreTable(slot) = NumericValue(pair.second);
        ++slot;
    }
}

void ScoreRecords::AddScore(int16_t score) {
    std::optional<int> insertAt;
    for (int i = 1; i <= 10; ++i) {
        if (score > ScoreTable(i)) {
            insertAt = i;
            break;
        }
        if (score == ScoreTable(i)) {
            break;
        }
    }
    if (insertAt) {
        for (int j = 9; j >= *insertAt; --j) {
            ScoreTable(j + 1) = ScoreTable(j);
        }
        ScoreTable(*insertAt) = score;
    }
    // All ten keys in one write, so the stored table is never half old, half new.
    KeyValues keys;
    for (int n = 1; n <= 10; ++n) {
        const int16_t value = ScoreTable(n);
        keys.emplace_back(KeyOf(n), value == 0 ? QString() : QString::number(value));
    }
    store_.Save(kScoreApp, kScoreSection, keys);
}

void ScoreRecords::ClearScores() {
    store_.DeleteSection(kScoreApp, kScoreSection);
    for (int n = 1; n <= 10; ++n) {
        ScoreTable(n) = 0;
    }
}

} // namespace tarvo
