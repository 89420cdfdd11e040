// Sound in place of the Windows multimedia calls, on SDL2_mixer. When no audio
// device opens, SDL's "dummy" driver is used and everything plays silently.
#pragma once
#include "platform/wintypes.h"

constexpr DWORD SND_SYNC = 0x0000;
constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_NODEFAULT = 0x0002;
constexpr DWORD SND_LOOP = 0x0008;
constexpr DWORD SND_FILENAME = 0x00020000;

constexpr UINT MMSYSERR_NOERROR = 0;

// Plays a WAV file (the name is always taken as a file name): the whole file is
// read into memory first, so the caller may delete it at once. Any sound already
// playing stops first; a null name only stops it. SND_ASYNC returns at once and
// SND_LOOP (with SND_ASYNC) repeats until stopped; without SND_ASYNC the call
// returns when the sound has played once. Returns FALSE when the file cannot be
// read or played.
BOOL PlaySoundA(const char* sound, HMODULE module, DWORD flags);

// Volume of the sound PlaySoundA plays, now and later: low word left, high word
// right, 0..0xFFFF each. The device is ignored. Returns MMSYSERR_NOERROR.
UINT waveOutSetVolume(UINT device, DWORD volume);

// Left and right levels as last set (0..0xFFFF each; both full at start); for tests.
DWORD GetWaveOutVolume();

// Whether the sound PlaySoundA started is still playing; for tests.
bool IsSoundPlaying();

// The audio driver in use ("pulseaudio", "alsa", "dummy", "disk", ...) or empty
// while no device is open (before the first sound).
const char* GetAudioDriverName();

// Stops all sound, closes the player's music windows' devices (media_player.h)
// and closes the audio device; called at exit. Safe to call more than once; a
// later sound opens the device again.
void ShutdownSound();
