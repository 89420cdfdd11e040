#include "gfx/resource_file.h"

#include "gfx/packed_format.h"
#include "platform/files.h"
#include "platform/resources.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr char kResourceType[] = "RCAD";

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>* bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    bytes->clear();
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes->insert(bytes->end(), chunk, chunk + got);
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

// Writes the whole file or, failing that, leaves none behind.
bool WriteWholeFile(const std::string& path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool ok = std::fwrite(data, 1, size, file) == size;
    ok = std::fclose(file) == 0 && ok;
    if (!ok)
        DeleteTempFile(path);
    return ok;
}

// One line on stderr; the result is the caller's FALSE.
BOOL Fail(const std::string& path, const char* why)
{
    std::fprintf(stderr, "parvolune: %s: %s\n", path.c_str(), why);
    return FALSE;
}

// Checks the stored form against the expected kind and restores the file's
// bytes in place; a message names what is wrong.
const char* Unpack(std::vector<uint8_t>* bytes, uint8_t kind)
{
    using namespace packed;
    if (bytes->size() < kHeaderSize || std::memcmp(bytes->data(), kMagic, sizeof kMagic) != 0)
        return "not a packed resource";
    const uint8_t* header = bytes->data();
    if (header[kVersionOffset] != kVersion)
        return "unknown packed version";
    if (header[kKindOffset] != kind)
        return kind == kKindSound ? "holds no sound" : "holds no picture";
    const uint32_t length = ReadLe32(header + kLengthOffset);
    const uint32_t crc = ReadLe32(header + kCrcOffset);
    if (bytes->size() - kHeaderSize != length)
        return "truncated or overlong";
    bytes->erase(bytes->begin(), bytes->begin() + kHeaderSize);
    Scramble(bytes->data(), bytes->size(), length);
    if (Crc32(bytes->data(), bytes->size()) != crc)
        return "checksum mismatch";
    return nullptr;
}

}  // namespace

BOOL ExtractResourceFile(int id, const std::string& folder, const std::string& name)
{
    HRSRC resource = FindResourceA(nullptr, id, kResourceType);
    if (resource == nullptr)
        return FALSE;
    const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, resource)));
    const DWORD size = SizeofResource(nullptr, resource);
    const std::string ad = folder + name + ".ad";
    if (!WriteWholeFile(ad, data, size))
        return Fail(ad, "cannot write");
    if (!UnpackDataFile(folder, name)) {
        DeleteTempFile(ad);
        return FALSE;
    }
    return TRUE;
}

// The name "Music" (exactly) is the built-in WAV; every other name a BMP.
BOOL UnpackDataFile(const std::string& folder, const std::string& name)
{
    const bool sound = name == "Music";
    const std::string in = folder + name + ".ad";
    const std::string out = folder + name + (sound ? ".wav" : ".bmp");

    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(in, &bytes))
        return Fail(in, "cannot open");
    if (const char* why = Unpack(&bytes, sound ? packed::kKindSound : packed::kKindPicture))
        return Fail(in, why);
    if (!WriteWholeFile(out, bytes.data(), bytes.size()))
        return Fail(out, "cannot write");
    return TRUE;
}

void DeleteTempFile(const std::string& path) { DeleteFileA(path.c_str()); }
