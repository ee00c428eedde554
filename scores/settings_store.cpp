#include "scores/settings_store.h"

#include "game/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace tarvo {

namespace {

constexpr int kFileAccessError = 75;

struct Section {
    QString app;
    QString name;
    KeyValues keys;
};

using Sections = std::vector<Section>;

[[noreturn]] void Fail(const QString& path, const QString& why) {
    throw RuntimeError(
        kFileAccessError,
        QStringLiteral("Path/File access error: %1: %2").arg(path, why).toStdString());
}

// Characters that would change a line's meaning are written as \xHH.
bool NeedsEscape(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f || c == u'\\' || c == u'=' || c == u'[' ||
           c == u']' || c == u'/' || c == u'#';
}

QString Escape(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (NeedsEscape(c)) {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

bool IsHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool Unescape(const QString& text, QString& out) {
    out.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\') {
            if (NeedsEscape(c)) {
                return false;
            }
            out += c;
            continue;
        }
        if (i + 3 >= text.size() || text[i + 1] != u'x' || !IsHexDigit(text[i + 2]) ||
            !IsHexDigit(text[i + 3])) {
            return false;
        }
        const uint code = text.mid(i + 2, 2).toUInt(nullptr, 16);
        out += QChar(static_cast<char16_t>(code));
        i += 3;
    }
    return true;
}

Sections Parse(const QString& path, const QByteArray& bytes) {
    Sections sections;
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const auto damaged = [&] {
            Fail(path,
                 QStringLiteral("the file is damaged at line %1 and was left as it is").arg(n + 1));
        };
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(u'[')) {
            const QStringList parts =
                line.sliced(1).chopped(line.endsWith(u']') ? 1 : 0).split(u'/');
            Section section;
            if (!line.endsWith(u']') || parts.size() != 2 || !Unescape(parts[0], section.app) ||
                !Unescape(parts[1], section.name)) {
                damaged();
            }
            const bool duplicate =
                std::any_of(sections.begin(), sections.end(), [&](const Section& s) {
                    return s.app == section.app && s.name == section.name;
                });
            if (duplicate) {
                damaged();
            }
            sections.push_back(section);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        QString key;
        QString value;
        if (sections.empty() || equals < 0 || !Unescape(line.left(equals), key) ||
            !Unescape(line.sliced(equals + 1), value)) {
            damaged();
        }
        KeyValues& keys = sections.back().keys;
        if (std::any_of(keys.begin(), keys.end(),
                        [&](const auto& kv) { return kv.first == key; })) {
            damaged();
        }
        keys.emplace_back(key, value);
    }
    return sections;
}

QByteArray Format(const Sections& sections) {
    QString text = QStringLiteral("# Tarvo Othello settings. Keys stand in the order of their "
                                  "creation; \\xHH stands for a character.\n");
    for (const Section& section : sections) {
        text += QStringLiteral("\n[%1/%2]\n").arg(Escape(section.app), Escape(section.name));
        for (const auto& [key, value] : section.keys) {
            text += Escape(key) + u'=' + Escape(value) + u'\n';
        }
    }
    return text.toUtf8();
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
    return Parse(path, file.read(SettingsStore::kMaxFileSize + 1));
}

void Write(const QString& path, const Sections& sections) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Format(sections)) < 0 || !file.commit()) {
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
    // A lock left by a game that was killed is taken over once its process is gone.
    lock.setStaleLockTime(30'000);
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
                        [&](const Section& s) { return s.app == app && s.name == name; });
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
        for (const auto& [key, value] : pairs) {
            const auto existing = std::find_if(keys.begin(), keys.end(),
                                               [&](const auto& kv) { return kv.first == key; });
            if (existing == keys.end()) {
                keys.emplace_back(key, value);
            } else {
                existing->second = value;
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
