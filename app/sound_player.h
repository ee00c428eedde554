#pragma once

#include "app/game_session.h"

#include <QLibrary>
#include <QStringList>

struct TarvoSounds;

namespace tarvo {

// Where the sound library may be: beside the program, as in the build, and
// in the program's library folder, as installed.
QStringList SoundLibraryCandidates();

// View > Sound: a sound for a move, a pass, a refused cell and the game's
// end. The library with the sounds and Qt Multimedia is loaded the first time
// sound is switched on. Without it, or without an audio output, the game
// stays silent after one line on stderr.
class SoundPlayer {
public:
    explicit SoundPlayer(QStringList candidates) : candidates_(std::move(candidates)) {}
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void SetEnabled(bool on);
    bool enabled() const { return enabled_; }
    bool loaded() const { return library_.isLoaded(); }
    // True while sound is on and an output plays it.
    bool audible() const { return enabled_ && sounds_ != nullptr; }
    void OnEvent(const SessionEvent& event);

private:
    void Load();
    void Play(int sound) const;

    QStringList candidates_;
    bool enabled_ = false;
    bool tried_ = false;
    QLibrary library_;
    TarvoSounds* sounds_ = nullptr;
    void (*play_)(TarvoSounds*, int) = nullptr;
    void (*close_)(TarvoSounds*) = nullptr;
};

} // namespace tarvo
