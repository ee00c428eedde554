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

using Sections = std::vector<SettingsSection>;

// The settings file's text: UTF-8 lines, "# " comments, "[app/section]"
// headers and "key=value" lines, each name and value with the characters
// that would change a line's meaning written as \xHH. Nothing when the text
// is damaged: not UTF-8, a line that fits none of these, a section or key
// that appears twice; `problem` then says where.
std::optional<Sections> ParseSettings(const QByteArray& bytes, QString& problem);

// The file's text of `sections`; reading it back gives them unchanged.
QByteArray FormatSettings(const Sections& sections);

} // namespace tarvo
