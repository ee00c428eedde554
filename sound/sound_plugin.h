#pragma once

// The game's sounds as a library of their own, which the game loads only
// when the player switches sound on: Qt Multimedia then comes with it, and
// a game without sound never loads it. Plain C names, so that the game can
// look them up by name.
extern "C" {

struct TarvoSounds;

enum TarvoSound { kTarvoSoundMove, kTarvoSoundPass, kTarvoSoundIllegal, kTarvoSoundEnd };

// The sounds on the desktop's default audio output; nothing, after one line
// on stderr, when there is no output to play on.
TarvoSounds* tarvo_sounds_open();
void tarvo_sounds_play(TarvoSounds* sounds, int sound);
void tarvo_sounds_close(TarvoSounds* sounds);
}
