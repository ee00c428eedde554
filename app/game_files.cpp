#include "app/game_files.h"

#include "scores/settings_store.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace tarvo {

namespace {

// Far beyond any game's record, and small enough to read at once.
constexpr qint64 kMaxRecordSize = 1 << 20;

struct GameFiles {
    Q_DECLARE_TR_FUNCTIONS(GameFiles)
};

QString FileFilter() {
    return GameFiles::tr("Game records (*.txt);;All files (*)");
}

} // namespace

QString RecordErrorText(const RecordError& error) {
    const QString text = QString::fromStdString(error.text);
    switch (error.kind) {
    case RecordError::Kind::UnreadableText:
        return GameFiles::tr("move %1, \"%2\", is not a move").arg(error.number).arg(text);
    case RecordError::Kind::IllegalMove:
        return GameFiles::tr("move %1, %2, is not a legal move").arg(error.number).arg(text);
    case RecordError::Kind::NeedlessPass:
        return GameFiles::tr("move %1 is a pass, but the side to move has a move")
            .arg(error.number);
    case RecordError::Kind::AfterTheEnd:
        return GameFiles::tr("move %1, %2, comes after the end of the game")
            .arg(error.number)
            .arg(text);
    case RecordError::Kind::UnreadableLine:
        return GameFiles::tr("line %1 cannot be read: \"%2\"").arg(error.number).arg(text);
    case RecordError::Kind::NoMoves:
        return GameFiles::tr("it has no line of moves");
    case RecordError::Kind::BadPosition:
        return GameFiles::tr("its position is not 64 cells of X, O or - and the side to move");
    }
    return {};
}

std::variant<GameRecord, QString> ReadGameFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return GameFiles::tr("there is no such file");
    }
    if (!info.isFile()) {
        return GameFiles::tr("it is not a regular file");
    }
    if (info.size() > kMaxRecordSize) {
        return GameFiles::tr("it is too large to be a game record");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    const auto read = ReadRecord(file.read(kMaxRecordSize).toStdString());
    if (const auto* error = std::get_if<RecordError>(&read)) {
        return RecordErrorText(*error);
    }
    return std::get<GameRecord>(read);
}

QString WriteGameFile(const QString& path, const GameRecord& record) {
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile()) {
        return GameFiles::tr("it is not a regular file");
    }
    return ReplaceFile(path, QByteArray::fromStdString(WriteRecord(record)));
}

void SaveGameRecord(QWidget* parent, const GameRecord& record) {
    const QString name = QDir::home().filePath(
        GameFiles::tr("game %1.txt")
            .arg(QString::fromStdString(record.date).replace(QLatin1Char('/'), '-')));
    const QString path =
        QFileDialog::getSaveFileName(parent, GameFiles::tr("Save game"), name, FileFilter());
    if (path.isEmpty()) {
        return;
    }
    const QString why = WriteGameFile(path, record);
    if (!why.isEmpty()) {
        QMessageBox::warning(parent, GameFiles::tr("Save game"),
                             GameFiles::tr("The game could not be saved to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), why));
    }
}

std::optional<GameRecord> OpenGameRecord(QWidget* parent) {
    const QString path = QFileDialog::getOpenFileName(parent, GameFiles::tr("Open game"),
                                                      QDir::homePath(), FileFilter());
    if (path.isEmpty()) {
        return std::nullopt;
    }
    auto read = ReadGameFile(path);
    if (const auto* why = std::get_if<QString>(&read)) {
        QMessageBox::warning(
            parent, GameFiles::tr("Open game"),
            GameFiles::tr("%1 holds no game that can be shown: %2. Nothing was played "
                          "from it.")
                .arg(QDir::toNativeSeparators(path), *why));
        return std::nullopt;
    }
    return std::get<GameRecord>(std::move(read));
}

std::optional<GameRecord> PastedGame(QWidget* parent) {
    const QString text = QApplication::clipboard()->text();
    auto read = ReadRecord(text.left(kMaxRecordSize).toStdString());
    if (const auto* error = std::get_if<RecordError>(&read)) {
        QMessageBox::warning(
            parent, GameFiles::tr("Paste transcript"),
            GameFiles::tr("The clipboard holds no game that can be shown: %1. Nothing was "
                          "played from it.")
                .arg(RecordErrorText(*error)));
        return std::nullopt;
    }
    return std::get<GameRecord>(std::move(read));
}

} // namespace tarvo
