// A look at a picture of the player's before any decoder sees it: its
// kind from its content, its size from its header, and whether the file
// holds all its header promises (a photo cut short in copying, a BMP whose
// header lies). Decoders tend to take such files half-way, or worse.
#pragma once
#include <string>

enum class PictureKind { None, Jpeg, Png, Bmp };

struct PictureFacts {
    PictureKind kind = PictureKind::None;
    int width = 0;
    int height = 0;
};

// Sides and area a picture may have: a JPEG is decoded at a reduced scale,
// the others whole (4 bytes a pixel) before they are shrunk.
constexpr int kMaxPictureSide = 16384;
constexpr long long kMaxJpegPixels = 16384LL * 16384;
constexpr long long kMaxPicturePixels = 32LL * 1024 * 1024;

// Picture files larger than this are not read.
constexpr unsigned long long kMaxPictureFileBytes = 128ULL << 20;

// True when the bytes are a JPEG, PNG or BMP picture that is whole and of a
// size that can be loaded; else false with why in `problem` (a sentence).
bool CheckPictureBytes(const std::string& bytes, PictureFacts* facts, std::string* problem);

// The decoder's name of the kind: "jpeg", "png", "bmp" (null for None).
const char* PictureFormatName(PictureKind kind);
