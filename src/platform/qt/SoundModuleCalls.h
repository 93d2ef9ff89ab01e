#pragma once

#include <cstddef>

// The calls of the sound module (libqx71sound.so), which the window program opens at its first
// sound: linked, Qt Multimedia brings PulseAudio and a dozen codec libraries that would load
// and set themselves up at every start, though most runs play nothing. Plain C calls, so the
// program looks them up by name.
extern "C" {

// One sound player: a new sound stops the one playing.
struct Qx71SoundPlayer;

Qx71SoundPlayer* qx71_sound_create();
void qx71_sound_destroy(Qx71SoundPlayer* player);
// Plays the WAV file `path` (UTF-16, `length` code units) from its start.
void qx71_sound_play(Qx71SoundPlayer* player, const char16_t* path, size_t length);
// 1 once the last sound has finished loading or failed to, 0 while Qt still loads it.
int qx71_sound_settled(const Qx71SoundPlayer* player);
}

// The calls the program makes, each named once: the members of SoundModule and the symbols
// looked up.
#define QX71_SOUND_CALLS(CALL)                                                                     \
    CALL(create)                                                                                   \
    CALL(destroy)                                                                                  \
    CALL(play)                                                                                     \
    CALL(settled)
