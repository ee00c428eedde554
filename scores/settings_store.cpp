#include "scores/settings_store.h"

#include "game/runtime_error.h"
#include "scores/settings_format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <optional>

namespace tarvo {

namespace {

constexpr int kFileAccessError = 75;

[[noreturn]] void Fail(const QString& path, const QString& why) {
    throw RuntimeError(kFileAccessError, QCoreApplication::translate(
                                             "SettingsStore", "Path/File access error: %1: %2")
                                             .arg(path, why)
                                             .toStdString());
}

SettingsDocument Read(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return {};
    }
    if (file.size() > SettingsStore::kMaxFileSize) {
        Fail(path,
             QCoreApplication::translate(
                 "SettingsStore", "the file is too large to be a settings file and was left as "
                                  "it is"));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(path, file.errorString());
    }
    QString problem;
    std::optional<SettingsDocument> document =
        SettingsDocument::Parse(file.read(SettingsStore::kMaxFileSize + 1), problem);
    if (!document) {
        Fail(path, problem + QStringLiteral(" and was left as it is"));
    }
    return std::move(*document);
}

void Write(const QString& path, const SettingsDocument& document) {
    const QByteArray text = document.Format();
    // A file over the limit could not be read again.
    if (text.size() > SettingsStore::kMaxFileSize) {
        Fail(path,
             QCoreApplication::translate(
                 "SettingsStore", "the settings would grow too large, so nothing was changed"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0 || !file.commit()) {
        Fail(path, file.errorString());
    }
}

// Runs read-change-write while holding the file's lock.
template <typename Change> void Modify(const QString& path, Change&& change) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        Fail(path, QCoreApplication::translate("SettingsStore", "the folder cannot be created"));
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    // A lock left by a game that was killed is taken over once its process
    // is gone. A game killed between creating the lock and writing its
    // process id into it leaves a lock that names nobody: it is taken over
    // by its age, which is kept well below the wait, since a lock is held
    // only for one read and write of a small file.
    lock.setStaleLockTime(2'000);
    if (!lock.tryLock(10'000)) {
        Fail(path,
             lock.error() == QLockFile::PermissionError
                 ? QCoreApplication::translate("SettingsStore", "the folder cannot be written")
                 : QCoreApplication::translate("SettingsStore",
                                               "another game keeps the file locked"));
    }
    SettingsDocument document = Read(path);
    change(document);
    Write(path, document);
}

} // namespace

SettingsStore::SettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString SettingsStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tarvo-othello/settings.ini");
}

QString SettingsStore::Get(const QString& app, const QString& section, const QString& key) const {
    for (const auto& [k, v] : GetAll(app, section)) {
        if (k.compare(key, Qt::CaseInsensitive) == 0) {
            return v;
        }
    }
    return {};
}

KeyValues SettingsStore::GetAll(const QString& app, const QString& section) const {
    return Read(path_).Keys(app, section).value_or(KeyValues{});
}

void SettingsStore::Save(const QString& app, const QString& section, const KeyValues& pairs) {
    Modify(path_, [&](SettingsDocument& document) { document.Save(app, section, pairs); });
}

void SettingsStore::Update(const QString& app, const QString& section,
                           const std::function<KeyValues(const KeyValues&)>& change) {
    Modify(path_, [&](SettingsDocument& document) {
        document.Save(app, section, change(document.Keys(app, section).value_or(KeyValues{})));
    });
}

void SettingsStore::DeleteSection(const QString& app, const QString& section) {
    Modify(path_, [&](SettingsDocument& document) {
        if (!document.DeleteSection(app, section)) {
            RaiseError(kInvalidProcedureCall);
        }
    });
}

} // namespace tarvo
