// What the game has registered, all in one place: the fish species and
// kinds, the plant kinds and the scenery's set-up, the dialogs' commands and
// templates, and the fish pictures the game window loads because of them.
// Each registry is checked against what should be there, and each refuses a
// second entry for a key the same way. This program links the whole game and
// registers nothing of its own.
#include "fish/fish_registry.h"
#include "platform/dialog_template.h"
#include "scenery/plant_kinds.h"
#include "ui/about_dlg.h"
#include "ui/aquarium_settings_dlg.h"
#include "ui/background_settings_dlg.h"
#include "ui/command_bar_dlg.h"
#include "ui/dialog_commands.h"
#include "ui/fish_settings_dlg.h"
#include "ui/game_over_dlg.h"
#include "ui/music_settings_dlg.h"
#include "ui/plants_settings_dlg.h"
#include "ui/skin_about_dlg.h"
#include "ui/tool_ids.h"
#include "view/tank_view.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kSource = PV_TEST_DATA_DIR "/../../src";

// The numbers in the names of the files of `folder` that match `pattern`
// (its first group).
std::set<std::string> NamesOfFiles(const std::string& folder, const std::string& pattern)
{
    std::set<std::string> names;
    const std::regex re(pattern);
    for (const auto& entry : std::filesystem::directory_iterator(kSource + "/" + folder)) {
        std::smatch m;
        const std::string name = entry.path().filename().string();
        if (std::regex_match(name, m, re))
            names.insert(m[1]);
    }
    return names;
}

template <class T>
std::string Listed(const std::vector<T>& items)
{
    std::string text;
    for (const T& item : items) {
        if constexpr (std::is_convertible_v<T, std::string>)
            text += std::string(text.empty() ? "" : " ") + item;
        else
            text += (text.empty() ? "" : " ") + std::to_string(item);
    }
    return text;
}

TEST(Registries, WhatIsRegisteredIsWhatTheGameHas)
{
    // Fish species: one for each species file, under the index in its name,
    // wearing picture FISH_TEXTURE_ID_BASE + index.
    std::vector<int> species;
    std::set<std::string> speciesNames;
    for (const FishSpecies* s : RegisteredFishSpecies()) {
        species.push_back(s->index);
        speciesNames.insert((s->index < 10 ? "0" : "") + std::to_string(s->index));
        EXPECT_EQ(s->textureId, 10000 + s->index) << s->description->name;
        EXPECT_EQ(FindFishSpecies(s->index), s);
        ASSERT_NE(s->makeArray, nullptr);
    }
    EXPECT_EQ(speciesNames, NamesOfFiles("fish", R"(fish_species(\d\d)\.cpp)"));

    // Fish kinds: one for each kind file, named by its letter.
    std::vector<std::string> kinds;
    for (const FishKind* k : RegisteredFishKinds()) {
        kinds.push_back(k->name);
        EXPECT_GE(k->arrays, 1) << k->name;
    }
    std::set<std::string> kindFiles;
    for (const std::string& letter : NamesOfFiles("fish", R"(fish_kind_([a-z])\.cpp)"))
        kindFiles.insert(std::string(1, static_cast<char>(std::toupper(letter[0]))));
    EXPECT_EQ(std::set<std::string>(kinds.begin(), kinds.end()), kindFiles);

    // Plant kinds: every kind the settings count, once, in order.
    std::vector<int> plantKinds;
    for (const PlantKind& k : PlantKinds())
        plantKinds.push_back(k.kind);
    std::vector<int> everyKind;
    for (int k = 0; k < 17; ++k)
        everyKind.push_back(k);
    EXPECT_EQ(plantKinds, everyKind);
    std::vector<int> steps, lists;
    for (const ScenerySetUp& s : ScenerySetUps())
        steps.push_back(s.order);
    for (const SceneryList& l : SceneryLists())
        lists.push_back(l.slot);

    // The fish pictures the window loads: every species' own and every one a
    // plant kind wears (the boulders wear picture 9, which no species has yet).
    std::set<int> worn(species.begin(), species.end());
    for (const PlantKind& k : PlantKinds())
        if (k.texture.source == KindTexture::Fish)
            worn.insert(k.texture.index);
    const std::vector<int> pictures = FishPicturesInUse();
    EXPECT_EQ(std::set<int>(pictures.begin(), pictures.end()), worn);
    EXPECT_TRUE(std::is_sorted(pictures.begin(), pictures.end()));

    // The dialogs' commands: the five settings dialogs; all but the Plants
    // dialog leave the cannon mover as the tool.
    const std::vector<int> commands = RegisteredDialogCommands();
    EXPECT_EQ(commands, (std::vector<int>{ID_TOOL_FISH_SETTINGS, ID_TOOL_AQUARIUM_SETTINGS, ID_TOOL_MUSIC_SETTINGS,
                                          ID_TOOL_BACKGROUND_SETTINGS, ID_TOOL_PLANTS_SETTINGS}));
    for (int id : commands) {
        EXPECT_TRUE(IsDialogCommand(id));
        EXPECT_EQ(ToolAfterDialogCommand(id) == ToolAfterDialog::BarsTool, id == ID_TOOL_PLANTS_SETTINGS) << id;
    }
    for (int tool : {ID_TOOL_TOUCH, ID_TOOL_FEED, ID_TOOL_SHOOT, ID_TOOL_MOVE_CANNON, ID_TOOL_EXIT})
        EXPECT_FALSE(IsDialogCommand(tool)) << tool;

    // The templates: one for every dialog the game builds.
    const std::vector<UINT> templates = RegisteredDialogTemplateIds();
    for (UINT id : {UINT(CAboutDlg::IDD), UINT(CSkinAboutDlg::IDD), UINT(CFishSettingsDlg::IDD),
                    UINT(CPlantsSettingsDlg::IDD), UINT(CAquariumSettingsDlg::IDD), UINT(CBackgroundSettingsDlg::IDD),
                    UINT(CMusicSettingsDlg::IDD), UINT(CCommandBarDlg::IDD), UINT(CGameOverDlg::IDD)})
        EXPECT_NE(FindDialogTemplate(id), nullptr) << id;

    std::printf("fish species: %s\nfish kinds: %s\nplant kinds: %s\nscenery set-up steps: %s\n"
                "scenery lists: %s\nfish pictures loaded: %s\ndialog commands: %s\ndialog templates: %s\n",
                Listed(species).c_str(), Listed(kinds).c_str(), Listed(plantKinds).c_str(), Listed(steps).c_str(),
                Listed(lists).c_str(), Listed(pictures).c_str(), Listed(commands).c_str(),
                Listed(templates).c_str());
}

TEST(Registries, EachRefusesASecondEntryForAKeyTheSameWay)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ASSERT_NE(FindFishSpecies(23), nullptr);
    ASSERT_FALSE(RegisteredFishKinds().empty());
    ASSERT_FALSE(PlantKinds().empty());
    ASSERT_FALSE(ScenerySetUps().empty());
    ASSERT_FALSE(SceneryLists().empty());
    struct Case {
        std::function<void()> registration;
        const char* message;
    };
    const Case cases[] = {
        {[] { RegisterFishSpecies(*FindFishSpecies(23)); }, "fish species 23 registered twice"},
        {[] {
             FishSpecies s = *FindFishSpecies(23);
             s.index = 25;
             RegisterFishSpecies(s);
         },
         "fish species 25 is outside"},
        {[] {
             FishSpecies s = *FindFishSpecies(23);
             s.index = -1;
             RegisterFishSpecies(s);
         },
         "fish species -1 is outside"},
        {[] { RegisterFishKind(*RegisteredFishKinds().front()); }, "fish kind [A-Z] registered twice"},
        {[] { RegisterPlantKind(PlantKinds().front()); }, "plant kind 0 registered twice"},
        {[] {
             PlantKind k = PlantKinds().front();
             k.kind = 17;
             RegisterPlantKind(k);
         },
         "plant kind 17 is outside"},
        {[] {
             PlantKind k = PlantKinds().front();
             k.texture = {KindTexture::Fish, 25};
             RegisterPlantKind(k);
         },
         "plant kind 0 wears a picture the game does not have"},
        {[] { RegisterScenerySetUp(ScenerySetUps().back()); }, "scenery set-up step [0-9]+ registered twice"},
        {[] { RegisterSceneryList(SceneryLists().front()); }, "scenery list [0-9]+ registered twice"},
        {[] {
             SceneryList l = SceneryLists().front();
             l.slot = kSceneListCount;
             RegisterSceneryList(l);
         },
         "scenery list [0-9]+ is outside"},
        {[] { RegisterDialogCommand(ID_TOOL_FISH_SETTINGS, [] {}); }, "dialog command 1034 registered twice"},
        {[] { RegisterDialogTemplate(*FindDialogTemplate(CFishSettingsDlg::IDD)); },
         "dialog template 102 registered twice"},
    };
    for (const Case& c : cases)
        EXPECT_DEATH(c.registration(), std::string("^parvolune: ") + c.message) << c.message;
    // Nothing was added here.
    EXPECT_EQ(FindFishSpecies(23)->index, 23);
}

}  // namespace
