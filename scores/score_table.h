#pragma once

#include "game/checked_array.h"
#include "scores/settings_store.h"

#include <QString>

namespace tarvo {

inline const QString kScoreApp = QStringLiteral("Tarvo Othello");
inline const QString kScoreSection = QStringLiteral("Game scores");

// The number a text begins with, as the score store reads its values:
// blanks skipped, an optional sign, digits with an optional fraction and
// exponent; 0 when there is none. Rounded half to even; error 6 when it
// does not fit 16 bits.
int16_t NumericValue(const QString& text);

// The table of the ten best results, best first, and its three operations.
// Slot 0 is never used; 0 marks an empty slot.
class ScoreRecords {
public:
    explicit ScoreRecords(SettingsStore& store) : store_(store) {}

    SettingsStore& store() const { return store_; }
    // The stored section the operations use, "Game scores" at first. Another
    // section starts from an empty table.
    const QString& section() const { return section_; }
    void UseSection(const QString& section);

    CheckedArray<11> ScoreTable;

    // Makes the table the stored results of "Score1" to "Score10", read by
    // name; a missing section is an empty table. A value that does not fit
    // raises an error naming its line, and the table is left as it is.
    void LoadScores();
    // Enters the score where it belongs, unless it is already there, then
    // saves all ten slots.
    void AddScore(int16_t score);
    // Deletes the stored section, if any, then empties the table.
    void ClearScores();
    // LoadScores and AddScore under one lock of the store, so that a game
    // ending at the same moment in another window cannot lose this result.
    // When the store cannot be read or written, the result is kept in the
    // table for this session and the error is raised.
    void RecordScore(int16_t score);

private:
    void LoadFrom(const KeyValues& keys);
    // Enters the score in the table; returns the ten keys to store.
    KeyValues Insert(int16_t score);

    SettingsStore& store_;
    QString section_ = kScoreSection;
};

} // namespace tarvo
