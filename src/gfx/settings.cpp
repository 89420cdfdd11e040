#include "gfx/settings.h"
#include "platform/crt.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/profile.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

TANKSETTINGS g_Settings;

namespace {

const char kAquariumSection[] = "Aquarium Settings";
const char kFishSection[] = "Fish Number";
const char kPlantSection[] = "Plants Number";
constexpr int kAquariumKeyCount = 24;

struct AquariumKey {
    const char* name;
    int value;         // used when the key is missing or empty
    const char* text;  // written back then
};

// In field order: fields 1 to 22, then fog and bubble speed.
const AquariumKey kAquariumKeys[kAquariumKeyCount] = {
    {"Show Water", 1, "1"},
    {"Show Light", 1, "1"},
    {"Show Terra", 1, "1"},
    {"FRONT GUDING", 1, "1"},
    {"FRONTCOLOR", 16777215, "16777215"},
    {"FRONT MANJIANBIAN", 0, "0"},
    {"FRONT COLOR1", 16777215, "16777215"},
    {"FRONT COLOR2", 16777215, "16777215"},
    {"FRONT AUTOJIANBIAN", 0, "0"},
    {"CHECK LOCKFORE", 0, "0"},
    {"LOCKFORE ROT", 0, "0"},
    {"BACK GUDING", 1, "1"},
    {"BACKCOLOR", 0, "0"},
    {"BACK MANJIANBIAN", 0, "0"},
    {"BACK COLOR1", 65280, "65280"},
    {"BACK COLOR2", 0, "0"},
    {"BACK AUTOJIANBIAN", 0, "0"},
    {"CHECK LOCKBACK", 0, "0"},
    {"LOCKBACK ROT", 0, "0"},
    {"YINLIANG", 32767, "32767.5"},
    {"QIPAONUM", 100, "100"},
    {"BACKGROUND", 0, "0"},
    {"FOGNONGDU", 0, "1"},
    {"LIGHTQIANGDU", 1, "1"},
};

// A decimal integer as atoi reads it (leading blanks, a sign, digits up to the
// first other character, 0 when there are none), held to the range of int.
int ParseInt(const char* text)
{
    const long value = std::strtol(text, nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

// Reads a key of the settings file: true with its value when it is present and
// not empty.
bool ReadInt(const std::string& path, const char* section, const char* key, int& value)
{
    if (path.empty())
        return false;
    char text[128] = {};
    if (GetPrivateProfileStringA(section, key, "", text, sizeof text, path.c_str()) == 0)
        return false;
    value = ParseInt(text);
    return true;
}

void WriteText(const std::string& path, const char* section, const char* key, const char* text)
{
    if (!path.empty())
        WritePrivateProfileStringA(section, key, text, path.c_str());
}

// Counts of one section (Fish0.., Plants0..): a missing key gets a random 0 or 1,
// written back; the value used is held to 0..limit.
void ReadCounts(const std::string& path, const char* section, const char* prefix, int* counts, int n, int limit)
{
    for (int k = 0; k < n; ++k) {
        char key[32];
        std::snprintf(key, sizeof key, "%s%d", prefix, k);
        int value = 0;
        if (!ReadInt(path, section, key, value)) {
            value = crt::rand() % 2;
            char text[16];
            std::snprintf(text, sizeof text, "%d", value);
            WriteText(path, section, key, text);
        }
        counts[k] = std::clamp(value, 0, limit);
    }
}

int Flag(int value) { return value != 0 ? 1 : 0; }

COLORREF Colour(COLORREF value) { return value & 0xFFFFFF; }

float Phase(float value) { return std::isfinite(value) ? value : 0.0f; }

// Holds every aquarium field to the range its readers expect.
void MendAquariumFields(TANKSETTINGS& s)
{
    s.g_bShowShadow = Flag(s.g_bShowShadow);
    s.g_bShowLight = Flag(s.g_bShowLight);
    s.g_bShowTerra = Flag(s.g_bShowTerra);
    s.g_bFrontFixed = Flag(s.g_bFrontFixed);
    s.g_crFrontColor = Colour(s.g_crFrontColor);
    s.g_bFrontGradient = Flag(s.g_bFrontGradient);
    s.g_crFrontColor1 = Colour(s.g_crFrontColor1);
    s.g_crFrontColor2 = Colour(s.g_crFrontColor2);
    s.g_bFrontAutoGradient = Flag(s.g_bFrontAutoGradient);
    s.g_bLockFront = Flag(s.g_bLockFront);
    s.g_fFrontRot = Phase(s.g_fFrontRot);
    s.g_bBackFixed = Flag(s.g_bBackFixed);
    s.g_crBackColor = Colour(s.g_crBackColor);
    s.g_bBackGradient = Flag(s.g_bBackGradient);
    s.g_crBackColor1 = Colour(s.g_crBackColor1);
    s.g_crBackColor2 = Colour(s.g_crBackColor2);
    s.g_bBackAutoGradient = Flag(s.g_bBackAutoGradient);
    s.g_bLockBack = Flag(s.g_bLockBack);
    s.g_fBackRot = Phase(s.g_fBackRot);
    s.g_nVolume = std::clamp(s.g_nVolume, 0, 65535);
    s.g_nBubbleCount = std::clamp(s.g_nBubbleCount, 0, 200);
    s.g_nBackground = std::clamp(s.g_nBackground, 0, 3);
    s.g_nFogDensity = std::clamp(s.g_nFogDensity, 0, 100);
    s.g_nBubbleSpeed = std::clamp(s.g_nBubbleSpeed, 1, 100);
}

// Counts from a dialog: the changed flag where a count differs from the one
// held, then the count held to 0..MAX_FISH_COUNT.
void ApplyCounts(const int* incoming, int* counts, BYTE* changed, int n)
{
    for (int k = 0; k < n; ++k) {
        if (counts[k] != incoming[k])
            changed[k] = 1;
        counts[k] = std::clamp(incoming[k], 0, MAX_FISH_COUNT);
    }
}

// The temporary folder when it fits the 260 characters the game allows, else empty.
std::string TempPath()
{
    char buffer[260];
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

}  // namespace

std::string GetTempFolder()
{
    static bool reported = false;
    const std::string folder = TempPath();
    if (!folder.empty())
        return folder;
    if (!reported) {
        reported = true;
        MessageBoxA(nullptr, "Error Find TempPath.", "ERROR", MB_OK);
    }
    return "";
}

std::string GetSettingsFilePath()
{
    static bool reported = false;
    std::string folder = GetSettingsFolder();
    if (folder.empty())
        folder = GetFallbackFolder();
    if (!folder.empty())
        return folder + "Quenmarl.ini";
    if (!reported) {
        reported = true;
        MessageBoxA(nullptr,
                    "No folder for the settings file could be found or made.\n"
                    "The aquarium starts with its default settings and will not save changes.",
                    "ERROR", MB_OK);
    }
    return "";
}

void ReadSettingsFile()
{
    const std::string path = GetSettingsFilePath();

    int v[kAquariumKeyCount];
    for (int i = 0; i < kAquariumKeyCount; ++i) {
        const AquariumKey& key = kAquariumKeys[i];
        if (!ReadInt(path, kAquariumSection, key.name, v[i])) {
            v[i] = key.value;
            WriteText(path, kAquariumSection, key.name, key.text);
        }
    }

    TANKSETTINGS s;
    s.g_bShowShadow = v[0];
    s.g_bShowLight = v[1];
    s.g_bShowTerra = v[2];
    s.g_bFrontFixed = v[3];
    s.g_crFrontColor = static_cast<COLORREF>(v[4]);
    s.g_bFrontGradient = v[5];
    s.g_crFrontColor1 = static_cast<COLORREF>(v[6]);
    s.g_crFrontColor2 = static_cast<COLORREF>(v[7]);
    s.g_bFrontAutoGradient = v[8];
    s.g_bLockFront = v[9];
    s.g_fFrontRot = static_cast<float>(v[10]);
    s.g_bBackFixed = v[11];
    s.g_crBackColor = static_cast<COLORREF>(v[12]);
    s.g_bBackGradient = v[13];
    s.g_crBackColor1 = static_cast<COLORREF>(v[14]);
    s.g_crBackColor2 = static_cast<COLORREF>(v[15]);
    s.g_bBackAutoGradient = v[16];
    s.g_bLockBack = v[17];
    s.g_fBackRot = static_cast<float>(v[18]);
    s.g_nVolume = v[19];
    s.g_nBubbleCount = v[20];
    s.g_nBackground = v[21];
    s.g_nFogDensity = v[22];
    s.g_nBubbleSpeed = v[23];
    ApplyAquariumSettings(s);

    ReadCounts(path, kFishSection, "Fish", g_Settings.g_nFishCount, FISH_SPECIES_COUNT, MAX_FISH_COUNT);
    ReadCounts(path, kPlantSection, "Plants", g_Settings.g_nPlantCount, PLANT_KIND_COUNT, 1);
}

void ApplyAquariumSettings(TANKSETTINGS settings)
{
    MendAquariumFields(settings);
    TANKSETTINGS& s = g_Settings;
    s.g_bShowShadow = settings.g_bShowShadow;
    s.g_bShowLight = settings.g_bShowLight;
    s.g_bShowTerra = settings.g_bShowTerra;
    s.g_bFrontFixed = settings.g_bFrontFixed;
    s.g_crFrontColor = settings.g_crFrontColor;
    s.g_bFrontGradient = settings.g_bFrontGradient;
    s.g_crFrontColor1 = settings.g_crFrontColor1;
    s.g_crFrontColor2 = settings.g_crFrontColor2;
    s.g_bFrontAutoGradient = settings.g_bFrontAutoGradient;
    s.g_bLockFront = settings.g_bLockFront;
    s.g_fFrontRot = settings.g_fFrontRot;
    s.g_bBackFixed = settings.g_bBackFixed;
    s.g_crBackColor = settings.g_crBackColor;
    s.g_bBackGradient = settings.g_bBackGradient;
    s.g_crBackColor1 = settings.g_crBackColor1;
    s.g_crBackColor2 = settings.g_crBackColor2;
    s.g_bBackAutoGradient = settings.g_bBackAutoGradient;
    s.g_bLockBack = settings.g_bLockBack;
    s.g_fBackRot = settings.g_fBackRot;
    s.g_nVolume = settings.g_nVolume;
    s.g_nBubbleCount = settings.g_nBubbleCount;
    s.g_nBackground = settings.g_nBackground;
    s.g_nFogDensity = settings.g_nFogDensity;
    s.g_nBubbleSpeed = settings.g_nBubbleSpeed;
}

void ApplyFishCounts(const int counts[FISH_SPECIES_COUNT])
{
    ApplyCounts(counts, g_Settings.g_nFishCount, g_Settings.g_bFishCountChanged, FISH_SPECIES_COUNT);
}

void ApplyPlantCounts(const int counts[PLANT_KIND_COUNT])
{
    ApplyCounts(counts, g_Settings.g_nPlantCount, g_Settings.g_bPlantCountChanged, PLANT_KIND_COUNT);
}
