#include "platform/music_probe.h"

#include "platform/regular_file.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t Le(const unsigned char* b, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | b[i];
    return v;
}

bool Same(const unsigned char* b, const char* tag) { return std::memcmp(b, tag, 4) == 0; }

const char* const kNotMusic = "It is not a music file the game can play (MP3, OGG, FLAC or WAV).";
const char* const kDamagedWav = "Its WAV header is damaged.";

// The first bytes of an MPEG audio frame: sync, a known version and layer,
// a bit rate and a sample rate that exist.
bool IsMpegFrame(const unsigned char* b)
{
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0)
        return false;
    const int version = (b[1] >> 3) & 3, layer = (b[1] >> 1) & 3;
    const int bitrate = b[2] >> 4, rate = (b[2] >> 2) & 3;
    return version != 1 && layer != 0 && bitrate != 15 && rate != 3;
}

// The format chunk: a coding the reader knows, with channels, rate and
// sample size it can take and a block size that agrees with them.
std::string CheckFormat(const unsigned char* f, uint32_t length)
{
    if (length < 16)
        return kDamagedWav;
    uint32_t coding = Le(f, 2);
    const uint32_t channels = Le(f + 2, 2), rate = Le(f + 4, 4), block = Le(f + 12, 2), bits = Le(f + 14, 2);
    if (coding == 0xFFFE) {
        if (length < 40)
            return kDamagedWav;
        coding = Le(f + 24, 4);  // the first field of the sub-format
    }
    bool knownBits = false;
    switch (coding) {
    case 1: knownBits = bits == 8 || bits == 16 || bits == 24 || bits == 32; break;
    case 3: knownBits = bits == 32 || bits == 64; break;
    case 6:
    case 7: knownBits = bits == 8; break;
    default: return "Its WAV data is of a coding the game cannot play.";
    }
    if (channels < 1 || channels > 8 || rate < 1 || rate > 768000 || !knownBits || block != channels * bits / 8)
        return kDamagedWav;
    return "";
}

void PutLe(std::string& out, uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        out.push_back(char((v >> (8 * i)) & 0xFF));
}

// Walks the chunks of a RIFF WAVE file: a format chunk that can be played,
// then sound data; every chunk before the data within the file. The stream
// is a header of the format alone and the data, as much as the file holds,
// in whole blocks.
std::string CheckWav(int fd, uint64_t size, MusicStream* stream)
{
    std::string format;
    uint32_t block = 1;
    uint64_t at = 12;
    for (int chunks = 0; chunks < 4096; ++chunks) {
        unsigned char head[8];
        if (at + 8 > size || ReadAt(fd, head, 8, at) != 8)
            return !format.empty() ? "It holds no sound data." : kDamagedWav;
        const uint32_t length = Le(head + 4, 4);
        const uint64_t body = at + 8;
        if (Same(head, "data")) {
            if (format.empty())
                return kDamagedWav;
            const uint64_t held = std::min<uint64_t>(length, size - body);
            const uint32_t data = static_cast<uint32_t>(held - held % block);
            if (stream) {
                stream->header = "RIFF";
                PutLe(stream->header, static_cast<uint32_t>(4 + 8 + format.size() + 8 + data), 4);
                stream->header += "WAVEfmt ";
                PutLe(stream->header, static_cast<uint32_t>(format.size()), 4);
                stream->header += format + "data";
                PutLe(stream->header, data, 4);
                stream->begin = body;
                stream->end = body + data;
            }
            return "";
        }
        if (body + length > size)
            return "The file ends before its WAV header does (it may have been cut short).";
        if (Same(head, "fmt ")) {
            unsigned char f[40] = {};
            const size_t want = length < sizeof f ? length : sizeof f;
            if (ReadAt(fd, f, want, body) != static_cast<long long>(want))
                return kDamagedWav;
            if (std::string why = CheckFormat(f, length); !why.empty())
                return why;
            // The plain format, or the extensible one whole.
            format.assign(reinterpret_cast<const char*>(f), Le(f, 2) == 0xFFFE ? 40 : 16);
            block = Le(f + 12, 2);
        }
        at = body + length + (length & 1);
    }
    return kDamagedWav;
}

const char* const kDamagedTag = "Its tag is damaged.";

// The size of an ID3v2 tag from its header (syncsafe: 7 bits a byte), the
// header and a footer included; 0 when the size is not syncsafe.
uint64_t Id3Size(const unsigned char* h)
{
    uint64_t n = 0;
    for (int i = 6; i < 10; ++i) {
        if (h[i] & 0x80)
            return 0;
        n = (n << 7) | h[i];
    }
    return n + 10 + ((h[5] & 0x10) ? 10 : 0);
}

// The MP3 file between its tags: ID3v2 tags at the start, ID3v1, APE,
// Lyrics3 and ID3v2 footers at the end.
std::string CheckMp3(int fd, uint64_t size, MusicStream* stream)
{
    uint64_t begin = 0, end = size;
    for (int tags = 0; tags < 16; ++tags) {
        unsigned char h[10];
        if (end - begin < 10 || ReadAt(fd, h, 10, begin) != 10 || !(h[0] == 'I' && h[1] == 'D' && h[2] == '3'))
            break;
        const uint64_t tag = Id3Size(h);
        if (tag == 0 || tag > end - begin)
            return kDamagedTag;
        begin += tag;
    }
    for (int tags = 0; tags < 16; ++tags) {
        const uint64_t left = end - begin;
        unsigned char t[32];
        if (left >= 128 && ReadAt(fd, t, 3, end - 128) == 3 && std::memcmp(t, "TAG", 3) == 0) {
            end -= 128;
            continue;
        }
        if (left >= 32 && ReadAt(fd, t, 32, end - 32) == 32 && std::memcmp(t, "APETAGEX", 8) == 0) {
            const uint64_t tag = uint64_t(Le(t + 12, 4)) + ((Le(t + 20, 4) & 0x80000000u) ? 32 : 0);
            // A size past the file is a lie: the footer alone goes, so that no reader finds the tag.
            end -= tag <= left ? std::max<uint64_t>(tag, 32) : 32;
            continue;
        }
        if (left >= 15 && ReadAt(fd, t, 15, end - 15) == 15 && std::memcmp(t + 6, "LYRICS200", 9) == 0) {
            uint64_t tag = 0;
            for (int i = 0; i < 6; ++i)
                tag = t[i] >= '0' && t[i] <= '9' ? tag * 10 + (t[i] - '0') : uint64_t(-1) / 16;
            end -= tag + 15 <= left ? tag + 15 : 15;
            continue;
        }
        if (left >= 9 && ReadAt(fd, t, 9, end - 9) == 9 &&
            (std::memcmp(t, "LYRICSEND", 9) == 0 || std::memcmp(t, "LYRICS200", 9) == 0)) {
            end -= 9;  // its size cannot be told: the marker goes, so that no reader looks for more
            continue;
        }
        if (left >= 10 && ReadAt(fd, t, 10, end - 10) == 10 && t[0] == '3' && t[1] == 'D' && t[2] == 'I') {
            const uint64_t tag = Id3Size(t);
            end -= tag != 0 && tag <= left ? tag : 10;
            continue;
        }
        break;
    }
    unsigned char first[4] = {};
    if (end - begin < 4 || ReadAt(fd, first, 4, begin) != 4)
        return "It holds no sound.";
    if (stream) {
        stream->begin = begin;
        stream->end = end;
    }
    return "";
}

}  // namespace

MusicKind ProbeMusicFile(int fd, uint64_t size, std::string* problem, MusicStream* stream)
{
    std::string why;
    MusicKind kind = MusicKind::None;
    unsigned char b[12] = {};
    const long long n = size >= sizeof b ? ReadAt(fd, b, sizeof b, 0) : -1;
    if (size == 0) {
        why = "The file is empty.";
    } else if (n != static_cast<long long>(sizeof b)) {
        why = n < 0 && size >= sizeof b ? "The file cannot be read." : kNotMusic;
    } else if (Same(b, "RIFF") && Same(b + 8, "WAVE")) {
        why = CheckWav(fd, size, stream);
        kind = MusicKind::Wav;
    } else if (Same(b, "OggS") || Same(b, "fLaC")) {
        kind = Same(b, "OggS") ? MusicKind::Ogg : MusicKind::Flac;
        if (stream)
            *stream = MusicStream{"", 0, size};
    } else if ((b[0] == 'I' && b[1] == 'D' && b[2] == '3') || IsMpegFrame(b)) {
        why = CheckMp3(fd, size, stream);
        kind = MusicKind::Mp3;
    } else {
        why = kNotMusic;
    }
    if (!why.empty())
        kind = MusicKind::None;
    if (problem)
        *problem = why;
    return kind;
}
