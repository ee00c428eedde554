#include "sound/sound_plugin.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <cstdio>
#include <memory>

struct TarvoSounds {
    std::array<std::unique_ptr<QSoundEffect>, 4> effects;
};

extern "C" {

TarvoSounds* tarvo_sounds_open() {
    // Finding no sound server, Qt says so in its own words; the one line
    // below says what it means for the game.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previous);
    if (output.isNull()) {
        std::fprintf(stderr, "Tarvo Othello: no audio output was found, so the game stays "
                             "silent.\n");
        return nullptr;
    }
    auto* sounds = new TarvoSounds;
    const char* const names[] = {"move", "pass", "illegal", "end"};
    for (std::size_t i = 0; i < sounds->effects.size(); ++i) {
        auto& effect = sounds->effects[i];
        effect = std::make_unique<QSoundEffect>(output);
        effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(QLatin1String(names[i]))));
        effect->setVolume(0.8f);
    }
    return sounds;
}

void tarvo_sounds_play(TarvoSounds* sounds, int sound) {
    if (sounds != nullptr && sound >= 0 && sound < static_cast<int>(sounds->effects.size())) {
        sounds->effects[static_cast<std::size_t>(sound)]->play();
    }
}

void tarvo_sounds_close(TarvoSounds* sounds) {
    delete sounds;
}
}
