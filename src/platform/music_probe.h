// A look at a music file of the player's before any decoder sees it: its
// kind from its content (not its name), and for WAV, whose reader trusts its
// header (0 channels divides by zero), a header that describes sound it can
// play. Only these four kinds go on to a decoder, each to its own, and only
// the parts of the file that hold sound.
#pragma once
#include <cstdint>
#include <string>

enum class MusicKind { None, Wav, Ogg, Flac, Mp3 };

// Music files larger than this are not opened.
constexpr uint64_t kMaxMusicFileBytes = uint64_t(1) << 30;

// What a decoder is given of a file: `header` (made here), then the file's
// bytes from `begin` to `end`. A WAV file goes as a plain header of its format
// and its sound data (no loop points, no text chunks), an MP3 file without
// its tags (ID3, APE, Lyrics): the decoders' own readers of those trust the
// sizes they hold.
struct MusicStream {
    std::string header;
    uint64_t begin = 0;
    uint64_t end = 0;
};

// The kind of the open file of `size` bytes, or None with why in `problem`
// (a sentence); `stream` (optional) gets what its decoder is to read. Reads
// only within the first `size` bytes, from any thread.
MusicKind ProbeMusicFile(int fd, uint64_t size, std::string* problem, MusicStream* stream = nullptr);
