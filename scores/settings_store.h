#pragma once

#include "scores/settings_format.h"

#include <QString>
#include <functional>

namespace tarvo {

// Replaces the file at `path` with `text` whole, or leaves it as it was.
// Returns why it could not, or nothing.
QString ReplaceFile(const QString& path, const QByteArray& text);

// The per-user settings store: values addressed by application, section and
// key, kept in one human-readable file. Keys are listed in the order of their
// first creation. Every change reads, changes and replaces the whole file
// under a lock, so two running games never lose each other's writes, and an
// interrupted or failed write leaves the old file. A damaged file raises an
// error and is left as it is; a damaged line spoils only its own section.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath);

    // The file under the user's configuration folder (XDG_CONFIG_HOME).
    static QString DefaultPath();
    const QString& filePath() const { return path_; }

    // Raises the error for the file's first damaged line, or for a file that
    // cannot be read at all.
    void Check() const;
    // The line number of the key in the section, or 0 when there is none.
    int LineOf(const QString& app, const QString& section, const QString& key) const;

    // The key's value, or "" when the key or section does not exist. Reading
    // or changing a section with a damaged line raises an error.
    QString Get(const QString& app, const QString& section, const QString& key) const;
    // The section's pairs in creation order; none when it does not exist.
    KeyValues GetAll(const QString& app, const QString& section) const;
    // Creates each key at the section's end, or replaces its value, in the
    // order given and in one write: either all are saved or none.
    void Save(const QString& app, const QString& section, const KeyValues& keys);
    // Reads the section's pairs, hands them to `change` and saves what it
    // returns, all under the file's lock: no other game writes in between.
    void Update(const QString& app, const QString& section,
                const std::function<KeyValues(const KeyValues&)>& change);
    // Removes the section, damaged lines and all; false when there was none.
    bool DeleteSection(const QString& app, const QString& section);

    // Files larger than this are taken as damaged, not read.
    static constexpr qint64 kMaxFileSize = 1 << 20;

private:
    QString path_;
};

} // namespace tarvo
