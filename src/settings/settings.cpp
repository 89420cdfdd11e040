#include "settings/settings.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

TANKSETTINGS g_Settings;

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

const CountSection g_FishCountSection = {
    "Fish Number", "Fish", FISH_SPECIES_COUNT, MAX_FISH_COUNT, [](TANKSETTINGS& s) { return s.g_nFishCount; },
    [](TANKSETTINGS& s) { return s.g_bFishCountChanged; }};
// The scenery holds one object per kind: a kind is there (1) or not.
const CountSection g_PlantCountSection = {
    "Plants Number", "Plants", PLANT_KIND_COUNT, 1, [](TANKSETTINGS& s) { return s.g_nPlantCount; },
    [](TANKSETTINGS& s) { return s.g_bPlantCountChanged; }};

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
    switch (field.kind) {
    case K::Flag: return value == 1 ? 1 : 0;
    case K::Colour: return value;
    case K::Phase: return std::isfinite(value) ? value : 0.0;
    case K::Number: break;
    }
    if (value < field.min)
        return field.belowMin;
    return std::min<double>(value, field.max);
}

std::string CountKey(const CountSection& section, int k) { return section.prefix + std::to_string(k); }

void ApplyAquariumSettings(TANKSETTINGS settings)
{
    for (const SettingsField& field : g_AquariumFields)
        SetFieldValue(g_Settings, field, MendFieldValue(field, GetFieldValue(settings, field)));
}

void ApplyCounts(const CountSection& section, const int* incoming)
{
    int* counts = section.counts(g_Settings);
    BYTE* changed = section.changed(g_Settings);
    for (int k = 0; k < section.count; ++k) {
        if (counts[k] != incoming[k])
            changed[k] = 1;
        counts[k] = std::clamp(incoming[k], 0, MAX_FISH_COUNT);
    }
}

void ApplyFishCounts(const int counts[FISH_SPECIES_COUNT]) { ApplyCounts(g_FishCountSection, counts); }

void ApplyPlantCounts(const int counts[PLANT_KIND_COUNT]) { ApplyCounts(g_PlantCountSection, counts); }
