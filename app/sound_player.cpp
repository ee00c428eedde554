#include "app/sound_player.h"

#include "sound/sound_plugin.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace tarvo {

QStringList SoundLibraryCandidates() {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("libtarvo-othello-sound.so");
    return {programDir + QLatin1Char('/') + name,
            QDir::cleanPath(programDir + QStringLiteral("/" TARVO_LIB_FROM_BIN "/") + name)};
}

SoundPlayer::~SoundPlayer() {
    if (sounds_ != nullptr) {
        close_(sounds_);
    }
}

void SoundPlayer::SetEnabled(bool on) {
    enabled_ = on;
    if (on && !tried_) {
        Load();
    }
}

void SoundPlayer::Load() {
    tried_ = true;
    QString why;
    for (const QString& candidate : candidates_) {
        library_.setFileName(candidate);
        if (library_.load()) {
            break;
        }
        why = library_.errorString();
    }
    const auto open = reinterpret_cast<TarvoSounds* (*)()>(library_.resolve("tarvo_sounds_open"));
    play_ = reinterpret_cast<void (*)(TarvoSounds*, int)>(library_.resolve("tarvo_sounds_play"));
    close_ = reinterpret_cast<void (*)(TarvoSounds*)>(library_.resolve("tarvo_sounds_close"));
    if (open == nullptr || play_ == nullptr || close_ == nullptr) {
        std::fprintf(stderr,
                     "Tarvo Othello: the sounds could not be loaded (%s), so the game "
                     "stays silent.\n",
                     qPrintable(library_.isLoaded() ? library_.errorString() : why));
        return;
    }
    sounds_ = open();
}

void SoundPlayer::Play(int sound) const {
    if (audible()) {
        play_(sounds_, sound);
    }
}

void SoundPlayer::OnEvent(const SessionEvent& e) {
    if (std::holds_alternative<event::MovePlayed>(e)) {
        Play(kTarvoSoundMove);
    } else if (std::holds_alternative<event::Passed>(e)) {
        Play(kTarvoSoundPass);
    } else if (const auto* status = std::get_if<event::StatusShown>(&e);
               std::holds_alternative<event::Refused>(e) ||
               (status != nullptr && status->status == Status::IllegalMove)) {
        Play(kTarvoSoundIllegal);
    } else if (std::holds_alternative<event::GameOver>(e)) {
        Play(kTarvoSoundEnd);
    }
}

} // namespace tarvo
