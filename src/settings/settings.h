// The settings block the game reads every frame, the table of its fields
// that the file reader, the apply functions and the dialogs share, and the
// apply functions through which the dialogs change it. The file itself is
// settings_file.h.
#pragma once
#include "platform/wintypes.h"
#include "settings/tank_numbers.h"

#include <string>

struct TANKSETTINGS {
    int g_bShowShadow = 0;         // "Show Water"
    int g_bShowLight = 0;          // "Show Light"
    int g_bShowTerra = 0;          // "Show Terra"
    int g_bFrontFixed = 0;         // "FRONT GUDING"
    COLORREF g_crFrontColor = 0;   // "FRONTCOLOR"
    int g_bFrontGradient = 0;      // "FRONT MANJIANBIAN"
    COLORREF g_crFrontColor1 = 0;  // "FRONT COLOR1"
    COLORREF g_crFrontColor2 = 0;  // "FRONT COLOR2"
    int g_bFrontAutoGradient = 0;  // "FRONT AUTOJIANBIAN"
    int g_bLockFront = 0;          // "CHECK LOCKFORE"
    float g_fFrontRot = 0;         // "LOCKFORE ROT"
    int g_bBackFixed = 0;          // "BACK GUDING"
    COLORREF g_crBackColor = 0;    // "BACKCOLOR"
    int g_bBackGradient = 0;       // "BACK MANJIANBIAN"
    COLORREF g_crBackColor1 = 0;   // "BACK COLOR1"
    COLORREF g_crBackColor2 = 0;   // "BACK COLOR2"
    int g_bBackAutoGradient = 0;   // "BACK AUTOJIANBIAN"
    int g_bLockBack = 0;           // "CHECK LOCKBACK"
    float g_fBackRot = 0;          // "LOCKBACK ROT"
    int g_nVolume = 0;             // "YINLIANG", 0..65535, 0 loudest
    int g_nBubbleCount = 0;        // "QIPAONUM", 0..200
    int g_nBackground = 0;         // "BACKGROUND", 0..3
    int g_nFishCount[FISH_SPECIES_COUNT] = {};
    int g_nPlantCount[PLANT_KIND_COUNT] = {};
    BYTE g_bFishCountChanged[FISH_SPECIES_COUNT] = {};
    BYTE g_bPlantCountChanged[PLANT_KIND_COUNT] = {};
    int g_nFogDensity = 0;   // "FOGNONGDU", 0..100, density = value * 0.0005
    int g_nBubbleSpeed = 0;  // "LIGHTQIANGDU", 1..100, the bubbles' speed divisor
};

extern TANKSETTINGS g_Settings;

// ---- the fields of section "Aquarium Settings" ----

enum class SettingKind {
    Flag,    // "1" or "0": set exactly when its number is 1
    Colour,  // a COLORREF, "%ld"
    Phase,   // a float, "%f"
    Number,  // an int, "%d", held to the range of its control
};

struct SettingsField {
    const char* key;
    SettingKind kind;
    // The member of TANKSETTINGS: `number` for flags and numbers.
    int TANKSETTINGS::*number = nullptr;
    COLORREF TANKSETTINGS::*colour = nullptr;
    float TANKSETTINGS::*phase = nullptr;
    int defaultValue = 0;           // used when the key is missing or empty
    const char* defaultText = "0";  // written back then
    // Numbers: the range of the dialog's control, and the value taken for one
    // below it (the slowest bubble speed for a divisor below 1).
    int min = 0;
    int max = 0;
    int belowMin = 0;
};

constexpr int AQUARIUM_FIELD_COUNT = 24;
// In file order: "Show Water" .. "BACKGROUND", then "FOGNONGDU" and "LIGHTQIANGDU".
extern const SettingsField g_AquariumFields[AQUARIUM_FIELD_COUNT];
extern const char AQUARIUM_SECTION[];
// Null when no field has the key.
const SettingsField* FindAquariumField(const char* key);

// A field's value in a record (a colour as its 32 bits, a phase as its float).
double GetFieldValue(const TANKSETTINGS& s, const SettingsField& field);
void SetFieldValue(TANKSETTINGS& s, const SettingsField& field, double value);
// The value as the writers store it: flags "1" for 1 else "0", colours "%ld"
// of the 32-bit value, phases "%f", numbers "%d".
std::string FormatFieldValue(const SettingsField& field, double value);
// The value every reader of the block takes: a flag 1 for exactly 1, else 0;
// a number held to its range (below it: `belowMin`); a phase that is not a
// number as 0; a colour as it is (its red, green and blue bytes are drawn).
double MendFieldValue(const SettingsField& field, double value);

// ---- the count sections ----

struct CountSection {
    const char* section;  // "Fish Number", "Plants Number"
    const char* prefix;   // keys "Fish0" .. / "Plants0" ..
    int count;
    int readLimit;  // a count read from the file is held to 0..readLimit
    // The section's count table and changed flags in a block.
    int* (*counts)(TANKSETTINGS& s);
    BYTE* (*changed)(TANKSETTINGS& s);
};
extern const CountSection g_FishCountSection;
extern const CountSection g_PlantCountSection;
// "Fish7", "Plants16", ...
std::string CountKey(const CountSection& section, int k);

// Copies the aquarium fields (not the counts or changed flags), numbers held
// to their ranges.
void ApplyAquariumSettings(TANKSETTINGS settings);
// Marks each count of the section that differs from the one held as changed,
// then stores it held to 0..MAX_FISH_COUNT.
void ApplyCounts(const CountSection& section, const int* counts);
void ApplyFishCounts(const int counts[FISH_SPECIES_COUNT]);
void ApplyPlantCounts(const int counts[PLANT_KIND_COUNT]);
