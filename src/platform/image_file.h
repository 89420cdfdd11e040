// Pictures decoded by the toolkit's image readers (libjpeg-turbo for JPEG,
// libpng for PNG, the toolkit's own BMP reader): maintained decoders that
// fail cleanly on damaged data. The bytes are decoded as the kind named and
// no other, and no decoding allocates more than kImageAllocationLimitMiB.
// Safe to call from any thread, several at once.
#pragma once
#include <string>
#include <vector>

constexpr int kImageAllocationLimitMiB = 256;

struct DecodedImage {
    int width = 0;
    int height = 0;
    int channels = 0;  // 3 (RGB) or 4 (RGBA, for a picture with transparency)
    std::vector<unsigned char> pixels;  // 8 bits a channel, rows top first, no padding
};

// Decodes `bytes`, a picture of `format` ("jpeg", "png" or "bmp"). With
// `largestSide` above 0 a larger picture comes out shrunk to fit it, keeping
// its shape (a JPEG is then decoded at a reduced scale, much quicker than
// whole). False, with why in `problem` (a sentence) and `image` untouched,
// when the data cannot be decoded.
bool DecodeImage(const std::string& bytes, const char* format, int largestSide, DecodedImage* image,
                 std::string* problem);
