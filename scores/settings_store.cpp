#include "scores/settings_store.h"

#include "game/runtime_error.h"
#include "scores/settings_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

namespace tarvo {

namespace {

constexpr int kFileAccessError = 75;

[[noreturn]] void Fail(const QString& path, const QString& why) {
    throw RuntimeError(
        kFileAccessError,
        QStringLiteral("Path/File access error: %1: %2").arg(path, why).toStdString());
}

Sections Read(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return {};
    }
    if (file.size() > SettingsStore::kMaxFileSize) {
        Fail(path, QStringLiteral("the file is too large to be a settings file and was left as "
                                  "it is"));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(path, file.errorString());
    }
    QString problem;
    const std::optional<Sections> sections =
        ParseSettings(file.read(SettingsStore::kMaxFileSize + 1), problem);
    if (!sections) {
        Fail(path, problem + QStringLiteral(" and was left as it is"));
    }
    return *sections;
}

void Write(const QString& path, const Sections& sections) {
    const QByteArray text = FormatSettings(sections);
    // A file over the limit could not be read again.
    if (text.size() > SettingsStore::kMaxFileSize) {
        Fail(path, QStringLiteral("the settings would grow too large, so nothing was changed"));
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
        Fail(path, QStringLiteral("the folder cannot be created"));
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    // A lock left by a game that was killed is taken over once its process
    // is gone. A game killed between creating the lock and writing its
    // process id into it leaves a lock that names nobody: it is taken over
    // by its age, which is kept well below the wait, since a lock is held
    // only for one read and write of a small file.
    lock.setStaleLockTime(2'000);
    if (!lock.tryLock(10'000)) {
        Fail(path, lock.error() == QLockFile::PermissionError
                       ? QStringLiteral("the folder cannot be written")
                       : QStringLiteral("another game keeps the file locked"));
    }
    Sections sections = Read(path);
    change(sections);
    Write(path, sections);
}

Sections::iterator Find(Sections& sections, const QString& app, const QString& name) {
    return std::find_if(sections.begin(), sections.end(),
                        [&](const SettingsSection& s) { return s.app == app && s.name == name; });
}

} // namespace

SettingsStore::SettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString SettingsStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tarvo-othello/settings.ini");
}

QString SettingsStore::Get(const QString& app, const QString& section, const QString& key) const {
    for (const auto& [k, v] : GetAll(app, section)) {
        if (k == key) {
            return v;
        }
    }
    return {};
}

KeyValues SettingsStore::GetAll(const QString& app, const QString& section) const {
    Sections sections = Read(path_);
    const auto found = Find(sections, app, section);
    return found == sections.end() ? KeyValues{} : found->keys;
}

void SettingsStore::Save(const QString& app, const QString& section, const KeyValues& pairs) {
    Modify(path_, [&](Sections& sections) {
        auto found = Find(sections, app, section);
        if (found == sections.end()) {
            sections.push_back({app, section, {}});
            found = std::prev(sections.end());
        }
        KeyValues& keys = found->keys;
        for (const auto& pair : pairs) {
            const auto existing = std::find_if(
                keys.begin(), keys.end(), [&](const auto& kv) { return kv.first == pair.first; });
            if (existing == keys.end()) {
                keys.push_back(pair);
            } else {
                existing->second = pair.second;
            }
        }
    });
}

void SettingsStore::DeleteSection(const QString& app, const QString& section) {
    Modify(path_, [&](Sections& sections) {
        const auto found = Find(sections, app, section);
        if (found == sections.end()) {
            RaiseError(kInvalidProcedureCall);
        }
        sections.erase(found);
    });
}

} // namespace tarvo
