// A look at a music file of the player's before any decoder sees it: its
// kind from its content (not its name), and for WAV, whose reader trusts its
// header (0 channels divides by zero), a header that describes sound it can
// play. Only these four kinds go on to a decoder, each to its own.
#pragma once
#include <cstdint>
#include <string>

enum class MusicKind { None, Wav, Ogg, Flac, Mp3 };

// Music files larger than this are not opened.
constexpr uint64_t kMaxMusicFileBytes = uint64_t(1) << 30;

// The kind of the open file of `size` bytes, or None with why in `problem`
// (a sentence). Reads only within the first `size` bytes, from any thread.
MusicKind ProbeMusicFile(int fd, uint64_t size, std::string* problem);
