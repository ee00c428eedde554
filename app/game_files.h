#pragma once

#include "app/game_record.h"

#include <QString>
#include <QWidget>
#include <optional>
#include <variant>

namespace tarvo {

// Why a text is not a game, in the program's language.
QString RecordErrorText(const RecordError& error);

// The game record in the file at `path`, or why there is none.
std::variant<GameRecord, QString> ReadGameFile(const QString& path);
// Writes the record, replacing the file whole; returns why it could not.
QString WriteGameFile(const QString& path, const GameRecord& record);

// Game > Save game: asks for a file and writes the record there, saying so
// when it cannot.
void SaveGameRecord(QWidget* parent, const GameRecord& record);
// Game > Open game: asks for a file and reads it; nothing, after a message,
// when it holds no game.
std::optional<GameRecord> OpenGameRecord(QWidget* parent);
// Game > Paste transcript: the game on the clipboard, or nothing after a message.
std::optional<GameRecord> PastedGame(QWidget* parent);

} // namespace tarvo
