#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace tarvo {

using KeyValues = std::vector<std::pair<QString, QString>>;

struct SettingsSection {
    QString app;
    QString name;
    KeyValues keys; // in the order of their creation
    bool operator==(const SettingsSection&) const = default;
};

// The settings file: UTF-8 lines, "[app/section]" headers and "key = value"
// lines, with the characters that would change a line's meaning written as
// \xHH; blank lines and lines that start with "#" or ";" are kept as the user
// wrote them, and so is every line the program does not change. Keys are
// matched without regard to case.
//
// A damaged line (one that fits none of the forms, a section or key that
// appears twice) is kept as it stands and spoils only the section it stands
// in: the other sections are read and written as usual.
class SettingsDocument {
public:
    // Nothing when the text is not UTF-8, which could not be written back
    // unchanged; `problem` then says so.
    static std::optional<SettingsDocument> Parse(const QByteArray& bytes, QString& problem);
    QByteArray Format() const;

    // The number of the first damaged line, counted from 1; 0 when none is.
    int FirstDamagedLine() const;
    // The first damaged line of the section, or 0 when it has none.
    int DamagedLineIn(const QString& app, const QString& section) const;
    // The line number of the section's key, or 0 when it has no such key.
    int LineOf(const QString& app, const QString& section, const QString& key) const;

    // The sections that are not damaged.
    std::vector<SettingsSection> Sections() const;
    // The section's pairs; nothing when it does not exist.
    std::optional<KeyValues> Keys(const QString& app, const QString& section) const;
    // Replaces the value of each key the section has and adds the others at
    // its end; a missing section is added at the file's end.
    void Save(const QString& app, const QString& section, const KeyValues& pairs);
    // Removes the section with all its lines; false when there is none.
    bool DeleteSection(const QString& app, const QString& section);

private:
    enum class Kind { Kept, Header, Pair, Damaged };
    struct Line {
        Kind kind = Kind::Kept;
        QString text;               // as it stands in the file
        QString a, b;               // a header's application and section, or a pair's key and value
        bool damagedHeader = false; // a header line that names no section
    };
    // The index of the section's header, or -1.
    qsizetype Find(const QString& app, const QString& section) const;
    // One past the section's last line.
    qsizetype End(qsizetype header) const;

    std::vector<Line> lines_;
};

} // namespace tarvo
