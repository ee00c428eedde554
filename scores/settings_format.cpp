#include "scores/settings_format.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringDecoder>

namespace tarvo {

namespace {

// Characters that would change a line's meaning are written as \xHH, and so
// are blanks at either end, which a reader takes as spacing around "=".
bool NeedsEscape(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f || c == u'\\' || c == u'=' || c == u'[' ||
           c == u']' || c == u'/' || c == u'#' || c == u';';
}

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString Escape(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool edge = IsBlank(c) && (i == 0 || i == text.size() - 1);
        out += NeedsEscape(c) || edge
                   ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                   : QString(c);
    }
    return out;
}

bool IsHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool Unescape(QStringView text, QString& out) {
    out.clear();
    text = text.trimmed();
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
        out += QChar(static_cast<char16_t>(text.mid(i + 2, 2).toUInt(nullptr, 16)));
        i += 3;
    }
    return true;
}

QString PairText(const QString& key, const QString& value) {
    return Escape(key) + u'=' + Escape(value);
}

} // namespace

std::optional<SettingsDocument> SettingsDocument::Parse(const QByteArray& bytes, QString& problem) {
    // A file that is not UTF-8 would lose its other characters when it is
    // written back, so it is refused as it stands.
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        problem = QCoreApplication::translate("SettingsStore", "the file is not UTF-8 text");
        return std::nullopt;
    }
    SettingsDocument document;
    // Sets of what was seen, so that a large file is read in linear time.
    QSet<QString> seenSections;
    QSet<QString> seenKeys;
    bool inSection = false;
    QList<QStringView> lines = QStringView(text).split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.pop_back(); // the end of the last line
    }
    for (const QStringView raw : lines) {
        Line line;
        line.text = raw.endsWith(u'\r') ? raw.chopped(1).toString() : raw.toString();
        const QStringView content = QStringView(line.text).trimmed();
        if (content.isEmpty() || content.startsWith(u'#') || content.startsWith(u';')) {
            document.lines_.push_back(std::move(line));
            continue;
        }
        if (content.startsWith(u'[')) {
            line.kind = Kind::Header;
            seenKeys.clear();
            inSection = true;
            const QList<QStringView> parts = content.size() >= 2 && content.endsWith(u']')
                                                 ? content.sliced(1).chopped(1).split(u'/')
                                                 : QList<QStringView>{};
            // The escaped form is unique, and "/" is always escaped in it.
            line.damagedHeader = parts.size() != 2 || !Unescape(parts[0], line.a) ||
                                 !Unescape(parts[1], line.b) ||
                                 seenSections.contains(Escape(line.a) + u'/' + Escape(line.b));
            if (!line.damagedHeader) {
                seenSections.insert(Escape(line.a) + u'/' + Escape(line.b));
            }
            document.lines_.push_back(std::move(line));
            continue;
        }
        const qsizetype equals = content.indexOf(u'=');
        line.kind = Kind::Pair;
        if (!inSection || equals < 0 || !Unescape(content.left(equals), line.a) ||
            !Unescape(content.sliced(equals + 1), line.b) ||
            seenKeys.contains(line.a.toCaseFolded())) {
            line.kind = Kind::Damaged;
        } else {
            seenKeys.insert(line.a.toCaseFolded());
        }
        document.lines_.push_back(std::move(line));
    }
    return document;
}

QByteArray SettingsDocument::Format() const {
    QString text;
    for (const Line& line : lines_) {
        text += line.text + u'\n';
    }
    return text.toUtf8();
}

int SettingsDocument::FirstDamagedLine() const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Damaged || lines_[i].damagedHeader) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int SettingsDocument::DamagedLineIn(const QString& app, const QString& section) const {
    const qsizetype header = Find(app, section);
    for (qsizetype i = header + 1, end = header < 0 ? 0 : End(header); i < end; ++i) {
        if (lines_[static_cast<std::size_t>(i)].kind == Kind::Damaged) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int SettingsDocument::LineOf(const QString& app, const QString& section, const QString& key) const {
    const qsizetype header = Find(app, section);
    for (qsizetype i = header + 1, end = header < 0 ? 0 : End(header); i < end; ++i) {
        const Line& line = lines_[static_cast<std::size_t>(i)];
        if (line.kind == Kind::Pair && line.a.compare(key, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::vector<SettingsSection> SettingsDocument::Sections() const {
    std::vector<SettingsSection> sections;
    std::vector<bool> damaged;
    for (const Line& line : lines_) {
        if (line.kind == Kind::Header) {
            sections.push_back({line.a, line.b, {}});
            damaged.push_back(line.damagedHeader);
        } else if (line.kind == Kind::Pair && !sections.empty()) {
            sections.back().keys.emplace_back(line.a, line.b);
        } else if (line.kind == Kind::Damaged && !sections.empty()) {
            damaged.back() = true;
        }
    }
    std::vector<SettingsSection> intact;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!damaged[i]) {
            intact.push_back(std::move(sections[i]));
        }
    }
    return intact;
}

qsizetype SettingsDocument::Find(const QString& app, const QString& section) const {
    for (qsizetype i = 0; i < static_cast<qsizetype>(lines_.size()); ++i) {
        const Line& line = lines_[static_cast<std::size_t>(i)];
        if (line.kind == Kind::Header && !line.damagedHeader && line.a == app &&
            line.b == section) {
            return i;
        }
    }
    return -1;
}

qsizetype SettingsDocument::End(qsizetype header) const {
    qsizetype end = header + 1;
    while (end < static_cast<qsizetype>(lines_.size()) &&
           lines_[static_cast<std::size_t>(end)].kind != Kind::Header) {
        ++end;
    }
    return end;
}

std::optional<KeyValues> SettingsDocument::Keys(const QString& app, const QString& section) const {
    const qsizetype header = Find(app, section);
    if (header < 0) {
        return std::nullopt;
    }
    KeyValues keys;
    for (qsizetype i = header + 1, end = End(header); i < end; ++i) {
        const Line& line = lines_[static_cast<std::size_t>(i)];
        if (line.kind == Kind::Pair) {
            keys.emplace_back(line.a, line.b);
        }
    }
    return keys;
}

void SettingsDocument::Save(const QString& app, const QString& section, const KeyValues& pairs) {
    qsizetype header = Find(app, section);
    if (header < 0) {
        if (lines_.empty()) {
            lines_.push_back({Kind::Kept,
                              QStringLiteral("# Tarvo Othello settings. Keys stand in the order of "
                                             "their creation; \\xHH stands for a character."),
                              {},
                              {}});
        }
        lines_.push_back({});
        lines_.push_back(
            {Kind::Header, u'[' + Escape(app) + u'/' + Escape(section) + u']', app, section});
        header = static_cast<qsizetype>(lines_.size()) - 1;
    }
    for (const auto& [key, value] : pairs) {
        qsizetype last = header; // the section's last pair, or its header
        bool found = false;
        for (qsizetype i = header + 1, end = End(header); i < end && !found; ++i) {
            Line& line = lines_[static_cast<std::size_t>(i)];
            if (line.kind != Kind::Pair) {
                continue;
            }
            if (line.a.compare(key, Qt::CaseInsensitive) == 0) {
                line.b = value;
                line.text = PairText(line.a, value);
                found = true;
            }
            last = i;
        }
        if (!found) {
            lines_.insert(lines_.begin() + last + 1,
                          {Kind::Pair, PairText(key, value), key, value});
        }
    }
}

bool SettingsDocument::DeleteSection(const QString& app, const QString& section) {
    const qsizetype header = Find(app, section);
    if (header < 0) {
        return false;
    }
    lines_.erase(lines_.begin() + header, lines_.begin() + End(header));
    return true;
}

} // namespace tarvo
