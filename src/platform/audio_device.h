// The one audio device shared by the built-in sound and the music player. It
// opens on first use with the driver SDL picks (SDL_AUDIODRIVER is respected);
// when none opens, SDL's "dummy" driver takes its place and sound is silent.
#pragma once

// The mixed output: signed 16-bit native-endian samples, interleaved stereo.
constexpr int kAudioRate = 44100;
constexpr int kAudioChannels = 2;

// Opens the device and the mixer if not yet open; true when a device (real or
// dummy) is open.
bool EnsureAudioOpen();

// Halts everything and closes the device and the SDL audio subsystem. Callers
// free their own chunks and music first. Safe to call when nothing is open.
void CloseAudio();

// The driver in use, or "" while no device is open.
const char* AudioDriverName();
