// The stored form of the built-in pictures and music: the bytes of an "RCAD"
// resource and of the ".ad" file restored from it. Shared by the game's
// decoder and the build's packer so the two cannot drift.
//
//   offset size
//    0     4    magic "PVAD"
//    4     1    version, 1
//    5     1    kind: 'B' a BMP picture, 'W' a WAV sound
//    6     2    zero
//    8     4    length of the restored file (little-endian)
//   12     4    CRC-32 (IEEE 802.3) of the restored file (little-endian)
//   16     ...  the restored file, each byte XORed with the next byte of the
//               keystream seeded with the length (XOR again to restore)
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace packed {

constexpr uint8_t kMagic[4] = {'P', 'V', 'A', 'D'};
constexpr uint8_t kVersion = 1;
constexpr uint8_t kKindPicture = 'B';
constexpr uint8_t kKindSound = 'W';
constexpr size_t kHeaderSize = 16;
constexpr size_t kVersionOffset = 4;
constexpr size_t kKindOffset = 5;
constexpr size_t kLengthOffset = 8;
constexpr size_t kCrcOffset = 12;

inline uint32_t ReadLe32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

inline void WriteLe32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

constexpr std::array<uint32_t, 256> MakeCrcTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

inline uint32_t Crc32(const uint8_t* data, size_t size)
{
    static constexpr std::array<uint32_t, 256> table = MakeCrcTable();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// XORs the payload with a xorshift32 stream; applying it twice restores it.
inline void Scramble(uint8_t* data, size_t size, uint32_t length)
{
    uint32_t state = 0x5EA5CA1Eu ^ length;
    if (state == 0)
        state = 1;
    for (size_t i = 0; i < size; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        data[i] ^= static_cast<uint8_t>(state >> 24);
    }
}

// The stored form of a file's bytes.
inline std::vector<uint8_t> Pack(uint8_t kind, const uint8_t* data, size_t size)
{
    std::vector<uint8_t> out(kHeaderSize + size, 0);
    for (int i = 0; i < 4; ++i)
        out[i] = kMagic[i];
    out[kVersionOffset] = kVersion;
    out[kKindOffset] = kind;
    WriteLe32(&out[kLengthOffset], static_cast<uint32_t>(size));
    WriteLe32(&out[kCrcOffset], Crc32(data, size));
    for (size_t i = 0; i < size; ++i)
        out[kHeaderSize + i] = data[i];
    Scramble(out.data() + kHeaderSize, size, static_cast<uint32_t>(size));
    return out;
}

}  // namespace packed
