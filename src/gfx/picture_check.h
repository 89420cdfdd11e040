// A look at a picture file of the player's before any decoder sees it: its
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

// Sides and area a picture may have.
constexpr int kMaxPictureSide = 16384;
constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

// True when the file is a JPEG, PNG or BMP picture that is whole and of a
// size that can be loaded; else false with why in `problem` (a sentence).
bool CheckPictureFile(const char* path, PictureFacts* facts, std::string* problem);
