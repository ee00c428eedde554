#include "scores/settings_format.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringList>

namespace tarvo {

namespace {

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

bool Unescape(QStringView text, QString& out) {
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
        out += QChar(static_cast<char16_t>(text.mid(i + 2, 2).toUInt(nullptr, 16)));
        i += 3;
    }
    return true;
}

} // namespace

std::optional<Sections> ParseSettings(const QByteArray& bytes, QString& problem) {
    // A file that is not UTF-8 would lose its other characters when it is
    // written back, so it is refused as it stands.
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        problem = QStringLiteral("the file is not UTF-8 text");
        return std::nullopt;
    }
    Sections sections;
    // Sets of what was seen, so that a large file is read in linear time.
    QSet<QString> seenSections;
    QSet<QString> seenKeys;
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringView line = lines[n];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const auto damaged = [&] {
            problem = QStringLiteral("the file is damaged at line %1").arg(n + 1);
            return std::nullopt;
        };
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']')) {
                return damaged();
            }
            const QList<QStringView> parts = line.sliced(1).chopped(1).split(u'/');
            SettingsSection section;
            if (parts.size() != 2 || !Unescape(parts[0], section.app) ||
                !Unescape(parts[1], section.name)) {
                return damaged();
            }
            // The escaped form is unique, and "/" is always escaped in it.
            const QString id = Escape(section.app) + u'/' + Escape(section.name);
            if (seenSections.contains(id)) {
                return damaged();
            }
            seenSections.insert(id);
            seenKeys.clear();
            sections.push_back(std::move(section));
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        QString key;
        QString value;
        if (sections.empty() || equals < 0 || !Unescape(line.left(equals), key) ||
            !Unescape(line.sliced(equals + 1), value) || seenKeys.contains(key)) {
            return damaged();
        }
        seenKeys.insert(key);
        sections.back().keys.emplace_back(std::move(key), std::move(value));
    }
    return sections;
}

QByteArray FormatSettings(const Sections& sections) {
    QString text = QStringLiteral("# Tarvo Othello settings. Keys stand in the order of their "
                                  "creation; \\xHH stands for a character.\n");
    for (const SettingsSection& section : sections) {
        text += QStringLiteral("\n[%1/%2]\n").arg(Escape(section.app), Escape(section.name));
        for (const auto& [key, value] : section.keys) {
            text += Escape(key) + u'=' + Escape(value) + u'\n';
        }
    }
    return text.toUtf8();
}

} // namespace tarvo
