#include "gfx/settings.h"
#include "platform/crt.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/profile.h"
#include "platform/sound.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

TANKSETTINGS g_Settings;

BYTE g_bOwnMusic = 1;
BYTE g_bOwnBackground = 0;
float g_fFrontPhaseSaved = 0.0f;
float g_fBackPhaseSaved = 0.0f;

const char AQUARIUM_SECTION[] = "Aquarium Settings";

namespace {

using K = SettingKind;
using T = TANKSETTINGS;

SettingsField Flag(const char* key, int T::*member, int value)
{
    return {.key = key, .kind = K::Flag, .number = member, .defaultValue = value, .defaultText = value ? "1" : "0"};
}

SettingsField Colour(const char* key, COLORREF T::*member, int value, const char* text)
{
    return {.key = key, .kind = K::Colour, .colour = member, .defaultValue = value, .defaultText = text};
}

SettingsField Phase(const char* key, float T::*member)
{
    return {.key = key, .kind = K::Phase, .phase = member};
}

SettingsField Number(const char* key, int T::*member, int value, const char* text, int min, int max,
                     int belowMin)
{
    return {.key = key,
            .kind = K::Number,
            .number = member,
            .defaultValue = value,
            .defaultText = text,
            .min = min,
            .max = max,
            .belowMin = belowMin};
}

}  // namespace

// The defaults are the start-up reader's: two of them write another text
// than the value they give ("YINLIANG" reads back as 32767, "FOGNONGDU" as 1).
const SettingsField g_AquariumFields[AQUARIUM_FIELD_COUNT] = {
    Flag("Show Water", &T::g_bShowShadow, 1),
    Flag("Show Light", &T::g_bShowLight, 1),
    Flag("Show Terra", &T::g_bShowTerra, 1),
    Flag("FRONT GUDING", &T::g_bFrontFixed, 1),
    Colour("FRONTCOLOR", &T::g_crFrontColor, 16777215, "16777215"),
    Flag("FRONT MANJIANBIAN", &T::g_bFrontGradient, 0),
    Colour("FRONT COLOR1", &T::g_crFrontColor1, 16777215, "16777215"),
    Colour("FRONT COLOR2", &T::g_crFrontColor2, 16777215, "16777215"),
    Flag("FRONT AUTOJIANBIAN", &T::g_bFrontAutoGradient, 0),
    Flag("CHECK LOCKFORE", &T::g_bLockFront, 0),
    Phase("LOCKFORE ROT", &T::g_fFrontRot),
    Flag("BACK GUDING", &T::g_bBackFixed, 1),
    Colour("BACKCOLOR", &T::g_crBackColor, 0, "0"),
    Flag("BACK MANJIANBIAN", &T::g_bBackGradient, 0),
    Colour("BACK COLOR1", &T::g_crBackColor1, 65280, "65280"),
    Colour("BACK COLOR2", &T::g_crBackColor2, 0, "0"),
    Flag("BACK AUTOJIANBIAN", &T::g_bBackAutoGradient, 0),
    Flag("CHECK LOCKBACK", &T::g_bLockBack, 0),
    Phase("LOCKBACK ROT", &T::g_fBackRot),
    Number("YINLIANG", &T::g_nVolume, 32767, "32767.5", 0, 65535, 0),
    Number("QIPAONUM", &T::g_nBubbleCount, 100, "100", 0, 200, 0),
    Number("BACKGROUND", &T::g_nBackground, 0, "0", 0, 3, 0),
    Number("FOGNONGDU", &T::g_nFogDensity, 0, "1", 0, 100, 0),
    // The bubbles rise at 1 / divisor; a divisor of 0 (or less) gives the
    // emitter's slowest speed, that of 100.
    Number("LIGHTQIANGDU", &T::g_nBubbleSpeed, 1, "1", 1, 100, 100),
};

const CountSection g_FishCountSection = {"Fish Number", "Fish", FISH_SPECIES_COUNT, MAX_FISH_COUNT};
const CountSection g_PlantCountSection = {"Plants Number", "Plants", PLANT_KIND_COUNT, 1};

const SettingsField* FindAquariumField(const char* key)
{
    for (const SettingsField& field : g_AquariumFields)
        if (key && std::strcmp(field.key, key) == 0)
            return &field;
    return nullptr;
}

double GetFieldValue(const TANKSETTINGS& s, const SettingsField& field)
{
    switch (field.kind) {
    case K::Colour: return s.*field.colour;
    case K::Phase: return s.*field.phase;
    default: return s.*field.number;
    }
}

void SetFieldValue(TANKSETTINGS& s, const SettingsField& field, double value)
{
    switch (field.kind) {
    case K::Colour:
        s.*field.colour = static_cast<COLORREF>(static_cast<int64_t>(value));
        break;
    case K::Phase: s.*field.phase = static_cast<float>(value); break;
    default: s.*field.number = static_cast<int>(std::clamp<double>(value, INT_MIN, INT_MAX)); break;
    }
}

std::string FormatFieldValue(const SettingsField& field, double value)
{
    char text[64];
    switch (field.kind) {
    case K::Flag: return value == 1 ? "1" : "0";
    case K::Colour:
        // "%ld" of the 32-bit value, read back by atol.
        std::snprintf(text, sizeof text, "%ld",
                      static_cast<long>(static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(value)))));
        break;
    case K::Phase: std::snprintf(text, sizeof text, "%f", value); break;
    case K::Number: std::snprintf(text, sizeof text, "%d", static_cast<int>(value)); break;
    }
    return text;
}

double MendFieldValue(const SettingsField& field, double value)
{
    if (field.kind == K::Phase)
        return std::isfinite(value) ? value : 0.0;
    if (field.kind != K::Number)
        return value;
    if (value < field.min)
        return field.belowMin;
    return std::min<double>(value, field.max);
}

std::string CountKey(const CountSection& section, int k) { return section.prefix + std::to_string(k); }

namespace {

// A decimal integer as atoi reads it (leading blanks, a sign, digits up to the
// first other character, 0 when there are none), held to the range of int.
int ParseInt(const char* text)
{
    const long value = std::strtol(text, nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

// Counts of one section: a missing key gets a random 0 or 1, written back;
// the value used is held to 0..readLimit.
void ReadCounts(const CSettingsFile& file, const CountSection& section, int* counts)
{
    for (int k = 0; k < section.count; ++k) {
        const std::string key = CountKey(section, k);
        const std::string text = file.Read(section.section, key.c_str());
        int value = 0;
        if (text.empty()) {
            value = crt::rand() % 2;
            file.Write(section.section, key.c_str(), std::to_string(value));
        } else {
            value = ParseInt(text.c_str());
        }
        counts[k] = std::clamp(value, 0, section.readLimit);
    }
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

CSettingsFile::CSettingsFile() : m_path(GetSettingsFilePath()) {}

std::string CSettingsFile::Read(const char* section, const char* key) const
{
    if (m_path.empty())
        return "";
    // A value that fills the buffer may have been cut: read it again in a larger one.
    std::vector<char> buffer(128);
    for (;;) {
        const DWORD n = GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                                 m_path.c_str());
        if (n + 1 < buffer.size() || buffer.size() >= (size_t{1} << 26))
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 4);
    }
}

void CSettingsFile::Write(const char* section, const char* key, const std::string& text) const
{
    if (!m_path.empty())
        WritePrivateProfileStringA(section, key, text.c_str(), m_path.c_str());
}

void ReadSettingsFile()
{
    const CSettingsFile file;
    // The keys a first start writes go into the file in one rewrite.
    const CProfileWriteBatch batch(file.Path().c_str());
    TANKSETTINGS s;
    for (const SettingsField& field : g_AquariumFields) {
        const std::string text = file.Read(AQUARIUM_SECTION, field.key);
        if (text.empty()) {
            SetFieldValue(s, field, field.defaultValue);
            file.Write(AQUARIUM_SECTION, field.key, field.defaultText);
        } else {
            // Every kind is read as an integer; a phase keeps only its whole part.
            SetFieldValue(s, field, ParseInt(text.c_str()));
        }
    }
    ApplyAquariumSettings(s);

    ReadCounts(file, g_FishCountSection, g_Settings.g_nFishCount);
    ReadCounts(file, g_PlantCountSection, g_Settings.g_nPlantCount);
}

void ApplyAquariumSettings(TANKSETTINGS settings)
{
    for (const SettingsField& field : g_AquariumFields)
        SetFieldValue(g_Settings, field, MendFieldValue(field, GetFieldValue(settings, field)));
}

void ApplyFishCounts(const int counts[FISH_SPECIES_COUNT])
{
    ApplyCounts(counts, g_Settings.g_nFishCount, g_Settings.g_bFishCountChanged, FISH_SPECIES_COUNT);
}

void ApplyPlantCounts(const int counts[PLANT_KIND_COUNT])
{
    ApplyCounts(counts, g_Settings.g_nPlantCount, g_Settings.g_bPlantCountChanged, PLANT_KIND_COUNT);
}

void SetWaveVolume(int volumeSetting)
{
    const DWORD level = static_cast<DWORD>(65535 - std::clamp(volumeSetting, 0, 65535));
    waveOutSetVolume(0, level | (level << 16));
}
