// One settings file, one set of values: whatever texts the file holds, the
// tank at start and every dialog that shows the tank's settings (Aquarium,
// Fish, Plants) take the same values from it, and what a dialog saves reads
// back at the next start as the dialog showed it.
#include "platform/crt.h"
#include "settings/settings_file.h"
#include "settings/shared_state.h"
#include "ui/aquarium_settings_dlg.h"
#include "ui/fish_settings_dlg.h"
#include "ui/plants_settings_dlg.h"
#include "ui_fixture.h"

#include <string>
#include <vector>

namespace {

// A file whose every key of the three sections holds `text`.
std::string FileOf(const std::string& text)
{
    std::string bytes = "[Aquarium Settings]\r\n";
    for (const SettingsField& field : g_AquariumFields)
        bytes += std::string(field.key) + "=" + text + "\r\n";
    for (const CountSection* section : {&g_FishCountSection, &g_PlantCountSection}) {
        bytes += std::string("[") + section->section + "]\r\n";
        for (int k = 0; k < section->count; ++k)
            bytes += CountKey(*section, k) + "=" + text + "\r\n";
    }
    return bytes;
}

// What a dialog shows, gathered into a block: the Aquarium dialog's fields
// and phases, the Fish and Plants dialogs' counts.
class OneSettingsFile : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        g_Settings = TANKSETTINGS{};
        g_fFrontPhaseSaved = g_fBackPhaseSaved = 0.0f;
        crt::srand(1);
    }

    TANKSETTINGS Shown()
    {
        TANKSETTINGS shown;
        CAquariumSettingsDlg aquarium;
        EXPECT_TRUE(aquarium.Create(CAquariumSettingsDlg::IDD));  // reads the section
        shown = aquarium.m_Values;
        shown.g_fFrontRot = g_fFrontPhaseSaved;
        shown.g_fBackRot = g_fBackPhaseSaved;
        aquarium.SaveSettings();
        aquarium.DestroyWindow();

        CFishSettingsDlg fish;
        EXPECT_TRUE(fish.Create(CFishSettingsDlg::IDD));
        std::copy_n(fish.m_nCount, FISH_SPECIES_COUNT, shown.g_nFishCount);
        fish.SaveCounts();
        fish.DestroyWindow();

        CPlantsSettingsDlg plants;
        EXPECT_TRUE(plants.Create(CPlantsSettingsDlg::IDD));
        std::copy_n(plants.m_nCount, PLANT_KIND_COUNT, shown.g_nPlantCount);
        plants.SaveCounts();
        plants.DestroyWindow();
        return shown;
    }
};

void ExpectSameValues(const TANKSETTINGS& game, const TANKSETTINGS& dialogs, const char* when)
{
    for (const SettingsField& field : g_AquariumFields) {
        // The Aquarium dialog has no control for this flag, which nothing reads.
        if (field.number == &TANKSETTINGS::g_bFrontGradient)
            continue;
        EXPECT_EQ(GetFieldValue(game, field), GetFieldValue(dialogs, field)) << when << ": " << field.key;
    }
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        EXPECT_EQ(game.g_nFishCount[k], dialogs.g_nFishCount[k]) << when << ": Fish" << k;
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        EXPECT_EQ(game.g_nPlantCount[k], dialogs.g_nPlantCount[k]) << when << ": Plants" << k;
}

TEST_F(OneSettingsFile, EveryTextGivesTheGameAndTheDialogsTheSameValues)
{
    const std::string texts[] = {
        "1", "0", "2", "-1", "37", "300", "70000", "  +12abc", "-", "garbage", "3.75", "-2.9", "1e30",
        "99999999999", "-99999999999", "2147483648", "-2147483648", std::string(300, '0') + "42",
        std::string(1000, '9'), "",
    };
    for (const std::string& text : texts) {
        const std::string when = "every key \"" + text.substr(0, 12) + "\"";
        SetUp();
        WriteIni(FileOf(text));
        ReadSettingsFile();
        TANKSETTINGS game = g_Settings;
        // The start-up reader completes a blank key with its default's text;
        // the fog's reads back as 1, not as the 0 that first start uses.
        if (text.empty())
            game.g_nFogDensity = 1;
        ExpectSameValues(game, Shown(), when.c_str());

        // What the dialogs saved is what the next start reads.
        const TANKSETTINGS shown = Shown();
        g_Settings = TANKSETTINGS{};
        ReadSettingsFile();
        ExpectSameValues(g_Settings, shown, (when + ", saved and read again").c_str());
        TearDown();
    }
}

// Keys with different texts each, so that a field read with another key's
// rule shows.
TEST_F(OneSettingsFile, EachKeyIsReadByItsOwnRule)
{
    const std::vector<std::string> texts = {"-5", "1", "7", "x", "255", "2", "-1", "16777216", "1", "0", "4.5",
                                            "0", "305419896", "1", "65280", "abc", "1", "3", "-6.5", "99999999999",
                                            "-3", "4", "1000", "0"};
    ASSERT_EQ(texts.size(), std::size(g_AquariumFields));
    std::string bytes = "[Aquarium Settings]\r\n";
    for (size_t i = 0; i < texts.size(); ++i)
        bytes += std::string(g_AquariumFields[i].key) + "=" + texts[i] + "\r\n";
    bytes += "[Fish Number]\r\n";
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        bytes += "Fish" + std::to_string(k) + "=" + std::to_string(k * 7 - 40) + "\r\n";
    bytes += "[Plants Number]\r\n";
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        bytes += "Plants" + std::to_string(k) + "=" + std::to_string(k % 4 - 1) + "\r\n";
    WriteIni(bytes);
    ReadSettingsFile();
    const TANKSETTINGS game = g_Settings;
    ExpectSameValues(game, Shown(), "one text per key");
    // Counts: a negative one is none, one above the limit the limit.
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        EXPECT_EQ(game.g_nFishCount[k], std::clamp(k * 7 - 40, 0, 50)) << k;
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        EXPECT_EQ(game.g_nPlantCount[k], std::clamp(k % 4 - 1, 0, 1)) << k;
}

}  // namespace
