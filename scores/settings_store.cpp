#include "scores/settings_store.h"

#include "game/runtime_error.h"
#include "scores/settings_format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>
#include <optional>

namespace tarvo {

namespace {

constexpr int kFileAccessError = 75;

// A file that cannot be read stays so until the player mends it, so that is
// told once; a write that fails is told each time.
[[noreturn]] void Fail(const QString& path, const QString& why,
                       RuntimeError::Report report = RuntimeError::Report::Always) {
    throw RuntimeError(
        kFileAccessError,
        QCoreApplication::translate("SettingsStore", "Path/File access error: %1: %2")
            .arg(path, why)
            .toStdString(),
        report);
}

[[noreturn]] void FailReading(const QString& path, const QString& why) {
    Fail(path, why, RuntimeError::Report::Once);
}

[[noreturn]] void FailDamaged(const QString& path, int line) {
    FailReading(
        path, QCoreApplication::translate("SettingsStore",
                                          "the file is damaged at line %1, which was left as it is")
                  .arg(line));
}

SettingsDocument Read(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    // Opening a pipe or a device could block for ever or read without end.
    if (!info.isFile()) {
        FailReading(
            path, QCoreApplication::translate("SettingsStore",
                                              "it is not a regular file, so it was left as it is"));
    }
    if (info.size() > SettingsStore::kMaxFileSize) {
        FailReading(path, QCoreApplication::translate(
                              "SettingsStore",
                              "the file is too large to be a settings file and was left as it is"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        FailReading(path, file.errorString());
    }
    QString problem;
    std::optional<SettingsDocument> document =
        SettingsDocument::Parse(file.read(SettingsStore::kMaxFileSize + 1), problem);
    if (!document) {
        FailReading(path, problem + QStringLiteral(" and was left as it is"));
    }
    return std::move(*document);
}

// A failed write names its cause; a full disk is the likely one and the
// system's own words for it are terse.
QString WriteFailure(const QString& folder, const QString& systemText, qint64 needed) {
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < needed + 4096) {
        return QCoreApplication::translate("SettingsStore",
                                           "no space left on the device, so nothing was changed");
    }
    return systemText + QCoreApplication::translate("SettingsStore", ", so nothing was changed");
}

// Temporary files of an earlier write that was killed before its rename:
// the file's name, a dot and six letters or digits.
void RemoveLeftovers(const QFileInfo& info) {
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(info.fileName())));
    for (const QFileInfo& entry : info.dir().entryInfoList(QDir::Files | QDir::Hidden)) {
        if (leftover.match(entry.fileName()).hasMatch()) {
            QFile::remove(entry.filePath());
        }
    }
}

void Write(const QString& path, const SettingsDocument& document) {
    const QByteArray text = document.Format();
    // A file over the limit could not be read again.
    if (text.size() > SettingsStore::kMaxFileSize) {
        Fail(path,
             QCoreApplication::translate(
                 "SettingsStore", "the settings would grow too large, so nothing was changed"));
    }
    RemoveLeftovers(QFileInfo(path));
    const QString why = ReplaceFile(path, text);
    if (!why.isEmpty()) {
        Fail(path, why);
    }
}

// Creates the missing folders of `folder` readable by the user alone, as the
// XDG base directory rules ask.
bool MakeFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isDir()) {
        return true;
    }
    if (info.exists() || !MakeFolder(info.absolutePath())) {
        return false;
    }
    return QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
           QFileInfo(folder).isDir();
}

// Runs read-change-write while holding the file's lock; `change` says
// whether there is anything to write.
template <typename Change> void Modify(const QString& path, Change&& change) {
    const QFileInfo info(path);
    if (!MakeFolder(info.absolutePath())) {
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
        switch (lock.error()) {
        case QLockFile::PermissionError:
            Fail(path,
                 QCoreApplication::translate("SettingsStore", "the folder cannot be written"));
        case QLockFile::LockFailedError:
            Fail(path, QCoreApplication::translate("SettingsStore",
                                                   "another game keeps the file locked"));
        default:
            Fail(path, WriteFailure(info.absolutePath(),
                                    QCoreApplication::translate("SettingsStore",
                                                                "the lock file cannot be written"),
                                    0));
        }
    }
    SettingsDocument document = Read(path);
    if (change(document)) {
        Write(path, document);
    }
}

// The section's pairs, or an error when a line in it is damaged.
KeyValues IntactKeys(const QString& path, const SettingsDocument& document, const QString& app,
                     const QString& section) {
    if (const int line = document.DamagedLineIn(app, section); line > 0) {
        FailDamaged(path, line);
    }
    return document.Keys(app, section).value_or(KeyValues{});
}

} // namespace

QString ReplaceFile(const QString& path, const QByteArray& text) {
    // Unbuffered, so that a write the disk cannot hold fails here; a buffered
    // one would fail only in commit(), which then still replaces the file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(text) != text.size() || !file.commit()) {
        const QString why =
            WriteFailure(QFileInfo(path).absolutePath(), file.errorString(), text.size());
        file.cancelWriting();
        return why;
    }
    return {};
}

SettingsStore::SettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString SettingsStore::DefaultPath() {
    // A relative XDG_CONFIG_HOME is to be ignored, as the XDG rules say.
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString base = !configured.isEmpty() && QDir::isAbsolutePath(configured)
                             ? configured
                             : QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/tarvo-othello/settings.ini");
}

void SettingsStore::Check() const {
    const SettingsDocument document = Read(path_);
    if (const int line = document.FirstDamagedLine(); line > 0) {
        FailDamaged(path_, line);
    }
}

int SettingsStore::LineOf(const QString& app, const QString& section, const QString& key) const {
    return Read(path_).LineOf(app, section, key);
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
    return IntactKeys(path_, Read(path_), app, section);
}

void SettingsStore::Save(const QString& app, const QString& section, const KeyValues& pairs) {
    Modify(path_, [&](SettingsDocument& document) {
        IntactKeys(path_, document, app, section);
        document.Save(app, section, pairs);
        return true;
    });
}

void SettingsStore::Update(const QString& app, const QString& section,
                           const std::function<KeyValues(const KeyValues&)>& change) {
    Modify(path_, [&](SettingsDocument& document) {
        document.Save(app, section, change(IntactKeys(path_, document, app, section)));
        return true;
    });
}

bool SettingsStore::DeleteSection(const QString& app, const QString& section) {
    bool found = false;
    Modify(path_, [&](SettingsDocument& document) {
        found = document.DeleteSection(app, section);
        return found;
    });
    return found;
}

} // namespace tarvo
