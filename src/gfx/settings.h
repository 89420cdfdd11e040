// The shared settings block, read from the INI file at start and changed by the
// settings dialogs through the apply functions.
#pragma once
#include "platform/wintypes.h"

#include <string>

constexpr int FISH_SPECIES_COUNT = 25;
constexpr int PLANT_KIND_COUNT = 17;
constexpr int MAX_FISH_COUNT = 50;

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
    int g_nBubbleSpeed = 0;  // "LIGHTQIANGDU", 1..100
};

extern TANKSETTINGS g_Settings;

// The user's temporary folder with its trailing separator; on failure an empty
// string, and the first failure of the run shows a message box
// "Error Find TempPath." titled "ERROR".
std::string GetTempFolder();

// The settings file: Quenmarl.ini in the settings folder, else in the fallback
// folder (a private place of the user that later runs find again). Empty when there is neither (reported once with a message box); the
// settings then keep their defaults and nothing is written.
std::string GetSettingsFilePath();

// Fills g_Settings from the settings file and writes the missing keys back with
// their defaults (missing counts get a random 0 or 1 from crt::rand, fish keys
// first). Every value ends inside its range; the text of present keys is kept.
void ReadSettingsFile();

// Copies the aquarium fields (not the counts or changed flags), each held to its
// range.
void ApplyAquariumSettings(TANKSETTINGS settings);
// Marks each count that differs from the one held as changed, then stores it
// held to 0..MAX_FISH_COUNT.
void ApplyFishCounts(const int counts[FISH_SPECIES_COUNT]);
void ApplyPlantCounts(const int counts[PLANT_KIND_COUNT]);
