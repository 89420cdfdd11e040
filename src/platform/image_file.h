// Pictures decoded by the toolkit's own readers, for files other decoders
// refuse (progressive JPEG, interlaced PNG, compressed BMP, ...).
#pragma once
#include <vector>

// Decodes the picture in the file (its kind told by its content, not its
// name) into 8-bit pixels, rows top first: RGB (3 channels), or RGBA (4) for
// a picture with transparency. With `largestSide` above 0 a larger picture is
// decoded shrunk to fit it (which for JPEG is much quicker than whole).
// False, with nothing changed, when it cannot be read or decoded.
bool ReadImageFile(const char* path, int largestSide, std::vector<unsigned char>* pixels, int* width, int* height,
                   int* channels);
