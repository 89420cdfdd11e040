// Music files of the kinds the player opens, made by the tests: the same
// 440 Hz sine as the WAV files, encoded as OGG Vorbis and FLAC, and MP3
// frames of silence (no MP3 encoder is at hand).
#pragma once
#include <string>

// The bytes of a file of about `ms` milliseconds; empty when encoding failed.
std::string SineOgg(int ms);
std::string SineFlac(int ms);
std::string SilentMp3(int ms);
