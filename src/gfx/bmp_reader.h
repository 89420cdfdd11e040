// Reading BMP files: uncompressed 8-bit (with palette), 24-bit and 32-bit
// images, bottom-up or top-down. Everything else is refused.
#pragma once
#include "platform/wintypes.h"

// Little-endian BMP headers as stored in the file.
struct BITMAPFILEHEADER {
    WORD bfType = 0;
    DWORD bfSize = 0;
    WORD bfReserved1 = 0;
    WORD bfReserved2 = 0;
    DWORD bfOffBits = 0;
};
struct BITMAPINFOHEADER {
    DWORD biSize = 0;
    LONG biWidth = 0;
    LONG biHeight = 0;
    WORD biPlanes = 0;
    WORD biBitCount = 0;
    DWORD biCompression = 0;
    DWORD biSizeImage = 0;
    LONG biXPelsPerMeter = 0;
    LONG biYPelsPerMeter = 0;
    DWORD biClrUsed = 0;
    DWORD biClrImportant = 0;
};

constexpr WORD BMP_SIGNATURE = 19778;  // "BM"
constexpr DWORD BI_RGB = 0;

// Largest side and pixel count a file may have.
constexpr LONG BMP_MAX_SIDE = 16384;
constexpr long long BMP_MAX_PIXELS = 4096LL * 4096LL;

// A BMP file read for upload: header and pixels, and the scaled copy when the
// sides had to become powers of two.
struct LOADEDIMAGE {
    unsigned char* header = nullptr;  // owns the file contents after the file header
    const unsigned char* palette = nullptr;  // 8-bit images: blue, green, red, reserved
    const unsigned char* bits = nullptr;     // bottom row first, rows of DibRowStride bytes
    unsigned int format = 0;  // GL pixel format of the upload; 0 until it is known
    int components = 0;
    int width = 0;  // size of the upload (after scaling)
    int height = 0;
    unsigned char* scaled = nullptr;  // owned; null when no scaling was done
    BITMAPINFOHEADER info;            // the checked header; biHeight positive
    int paletteSize = 0;              // palette entries (8-bit images)
};

// Row length in bytes of an uncompressed image: rows padded to 4 bytes.
int DibRowStride(int bitsPerPixel, int width);

// Reads a BMP file into an empty record. Top-down files are turned bottom-up.
// Pixels are found at bfOffBits when that leaves room for them, otherwise
// directly after the header and palette; biSizeImage is not used. FALSE for
// anything that is not an uncompressed 8, 24 or 32-bit image that fits in the
// file and in the size limits.
BOOL ReadDibFile(const char* path, LOADEDIMAGE* image);
// Frees the file contents and the scaled pixels, and empties the record.
void FreeDibFile(LOADEDIMAGE* image);

// Writes the image's pixels as blue, green, red into rows of `stride` bytes,
// bottom row first. 8-bit pixels go through the palette (an index past its end
// gives black); 32-bit pixels lose their alpha.
void CopyDibAsBgr(const LOADEDIMAGE* image, unsigned char* out, int stride);

// The pixels of a BMP file as packed red, green, blue bytes (biWidth x biHeight,
// bottom row first), or null. `header` receives the file's header with biHeight
// made positive. Free the result with delete[].
unsigned char* ReadBmpFile(const char* path, BITMAPINFOHEADER* header);
// As ReadBmpFile with a fourth byte per pixel: 0 for pure black, else 255.
unsigned char* ReadBmpAsRgba(const char* path, BITMAPINFOHEADER* header);
