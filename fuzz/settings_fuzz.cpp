// Feeds arbitrary bytes to the settings store as its file. Whatever the file
// holds, reading it must either refuse it with a reason or give a file that,
// with a score table saved into it, reads the same but for that table (its
// damaged lines kept, so its damaged sections stay damaged); and
// loading the scores from it ends in a result or a numbered error, never a
// crash, a hang or unbounded memory.
#include "game/runtime_error.h"
#include "scores/score_table.h"
#include "scores/settings_format.h"
#include "scores/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const QString& FilePath() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("settings.ini"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvo;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    QString problem;
    std::optional<SettingsDocument> document = SettingsDocument::Parse(bytes, problem);
    if (document) {
        // Written back, with a table saved into it, the file reads the same
        // but for that table.
        std::vector<SettingsSection> expected = document->Sections();
        const KeyValues table = {{QStringLiteral("Score1"), QStringLiteral("5")}};
        document->Save(QStringLiteral("T"), QStringLiteral("S"), table);
        QString again;
        const std::optional<SettingsDocument> reread =
            SettingsDocument::Parse(document->Format(), again);
        Check(reread.has_value() && reread->Keys(QStringLiteral("T"), QStringLiteral("S")));
        std::vector<SettingsSection> sections = reread->Sections();
        std::erase_if(sections,
                      [](const SettingsSection& s) { return s.app == "T" && s.name == "S"; });
        std::erase_if(expected,
                      [](const SettingsSection& s) { return s.app == "T" && s.name == "S"; });
        Check(sections == expected);
    } else {
        Check(!problem.isEmpty());
    }

    QFile file(FilePath());
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Check(file.write(bytes) == bytes.size());
    file.close();
    SettingsStore store(FilePath());
    ScoreRecords scores(store);
    try {
        scores.LoadScores();
        Check(document.has_value());
        // Best first, each result once, the empty slots last.
        for (int slot = 2; slot <= 10; ++slot) {
            Check(scores.ScoreTable(slot) == 0 ||
                  scores.ScoreTable(slot) < scores.ScoreTable(slot - 1));
        }
    } catch (const RuntimeError& error) {
        // A damaged table or file (75), or a value over 16 bits (6).
        Check(error.number() == 75 || error.number() == 6);
        Check(error.number() != 75 || !document.has_value() ||
              document->DamagedLineIn(kScoreApp, kScoreSection) > 0);
    }
    return 0;
}
