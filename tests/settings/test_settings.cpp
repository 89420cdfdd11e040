#include "platform/crt.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/places_fixture.h"
#include "platform/profile.h"
#include "platform/sound.h"
#include "settings/settings_file.h"
#include "settings/wave_volume.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char kAquarium[] = "Aquarium Settings";

// The 0/1 draws of a first run after crt::srand(1): fish keys first, then plants.
const int kFirstRunFish[FISH_SPECIES_COUNT] = {1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 1,
                                               1, 1, 1, 1, 0, 1, 0, 1, 0, 0, 1, 0};
const int kFirstRunPlants[PLANT_KIND_COUNT] = {0, 1, 0, 0, 1, 1, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1, 1};

// Every aquarium key with the text a first run writes.
const std::pair<const char*, const char*> kDefaultTexts[] = {
    {"Show Water", "1"},        {"Show Light", "1"},         {"Show Terra", "1"},
    {"FRONT GUDING", "1"},      {"FRONTCOLOR", "16777215"},  {"FRONT MANJIANBIAN", "0"},
    {"FRONT COLOR1", "16777215"}, {"FRONT COLOR2", "16777215"}, {"FRONT AUTOJIANBIAN", "0"},
    {"CHECK LOCKFORE", "0"},    {"LOCKFORE ROT", "0"},       {"BACK GUDING", "1"},
    {"BACKCOLOR", "0"},         {"BACK MANJIANBIAN", "0"},   {"BACK COLOR1", "65280"},
    {"BACK COLOR2", "0"},       {"BACK AUTOJIANBIAN", "0"},  {"CHECK LOCKBACK", "0"},
    {"LOCKBACK ROT", "0"},      {"YINLIANG", "32767.5"},     {"QIPAONUM", "100"},
    {"BACKGROUND", "0"},        {"FOGNONGDU", "1"},          {"LIGHTQIANGDU", "1"},
};

class Settings : public PlacesFixture {
protected:
    void SetUp() override
    {
        PlacesFixture::SetUp();
        g_Settings = TANKSETTINGS{};
        crt::srand(1);
        SetMessageBoxHook([this](const char* text, const char*, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
    }

    void TearDown() override
    {
        SetMessageBoxHook(nullptr);
        PlacesFixture::TearDown();
    }

    std::string IniPath() const { return root + "/config/parvolune/Quenmarl.ini"; }

    std::string FileBytes() const
    {
        std::ifstream in(IniPath(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    void WriteFileBytes(const std::string& text) const
    {
        ASSERT_FALSE(GetSettingsFolder().empty());
        std::ofstream(IniPath(), std::ios::binary) << text;
    }

    std::string Text(const char* section, const char* key) const
    {
        char text[256] = {};
        GetPrivateProfileStringA(section, key, "<missing>", text, sizeof text, IniPath().c_str());
        return text;
    }

    void Write(const char* section, const char* key, const std::string& value) const
    {
        ASSERT_TRUE(WritePrivateProfileStringA(section, key, value.c_str(), IniPath().c_str()));
    }

    // A complete file as a first run leaves it.
    void WriteFirstRunFile()
    {
        ReadSettingsFile();
        g_Settings = TANKSETTINGS{};
        crt::srand(1);
    }

    std::vector<std::string> boxes;
};

void ExpectDefaults(const TANKSETTINGS& s)
{
    EXPECT_EQ(s.g_bShowShadow, 1);
    EXPECT_EQ(s.g_bShowLight, 1);
    EXPECT_EQ(s.g_bShowTerra, 1);
    EXPECT_EQ(s.g_bFrontFixed, 1);
    EXPECT_EQ(s.g_crFrontColor, 0xFFFFFFu);
    EXPECT_EQ(s.g_bFrontGradient, 0);
    EXPECT_EQ(s.g_crFrontColor1, 0xFFFFFFu);
    EXPECT_EQ(s.g_crFrontColor2, 0xFFFFFFu);
    EXPECT_EQ(s.g_bFrontAutoGradient, 0);
    EXPECT_EQ(s.g_bLockFront, 0);
    EXPECT_EQ(s.g_fFrontRot, 0.0f);
    EXPECT_EQ(s.g_bBackFixed, 1);
    EXPECT_EQ(s.g_crBackColor, 0u);
    EXPECT_EQ(s.g_bBackGradient, 0);
    EXPECT_EQ(s.g_crBackColor1, 0x00FF00u);
    EXPECT_EQ(s.g_crBackColor2, 0u);
    EXPECT_EQ(s.g_bBackAutoGradient, 0);
    EXPECT_EQ(s.g_bLockBack, 0);
    EXPECT_EQ(s.g_fBackRot, 0.0f);
    EXPECT_EQ(s.g_nVolume, 32767);
    EXPECT_EQ(s.g_nBubbleCount, 100);
    EXPECT_EQ(s.g_nBackground, 0);
    EXPECT_EQ(s.g_nFogDensity, 0);
    EXPECT_EQ(s.g_nBubbleSpeed, 1);
}

void ExpectFirstRunCounts(const TANKSETTINGS& s)
{
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        EXPECT_EQ(s.g_nFishCount[k], kFirstRunFish[k]) << "Fish" << k;
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        EXPECT_EQ(s.g_nPlantCount[k], kFirstRunPlants[k]) << "Plants" << k;
}

void ExpectSameSettings(const TANKSETTINGS& a, const TANKSETTINGS& b)
{
    EXPECT_EQ(a.g_bShowShadow, b.g_bShowShadow);
    EXPECT_EQ(a.g_bShowLight, b.g_bShowLight);
    EXPECT_EQ(a.g_bShowTerra, b.g_bShowTerra);
    EXPECT_EQ(a.g_bFrontFixed, b.g_bFrontFixed);
    EXPECT_EQ(a.g_crFrontColor, b.g_crFrontColor);
    EXPECT_EQ(a.g_bFrontGradient, b.g_bFrontGradient);
    EXPECT_EQ(a.g_crFrontColor1, b.g_crFrontColor1);
    EXPECT_EQ(a.g_crFrontColor2, b.g_crFrontColor2);
    EXPECT_EQ(a.g_bFrontAutoGradient, b.g_bFrontAutoGradient);
    EXPECT_EQ(a.g_bLockFront, b.g_bLockFront);
    EXPECT_EQ(a.g_fFrontRot, b.g_fFrontRot);
    EXPECT_EQ(a.g_bBackFixed, b.g_bBackFixed);
    EXPECT_EQ(a.g_crBackColor, b.g_crBackColor);
    EXPECT_EQ(a.g_bBackGradient, b.g_bBackGradient);
    EXPECT_EQ(a.g_crBackColor1, b.g_crBackColor1);
    EXPECT_EQ(a.g_crBackColor2, b.g_crBackColor2);
    EXPECT_EQ(a.g_bBackAutoGradient, b.g_bBackAutoGradient);
    EXPECT_EQ(a.g_bLockBack, b.g_bLockBack);
    EXPECT_EQ(a.g_fBackRot, b.g_fBackRot);
    EXPECT_EQ(a.g_nVolume, b.g_nVolume);
    EXPECT_EQ(a.g_nBubbleCount, b.g_nBubbleCount);
    EXPECT_EQ(a.g_nBackground, b.g_nBackground);
    EXPECT_EQ(a.g_nFogDensity, b.g_nFogDensity);
    EXPECT_EQ(a.g_nBubbleSpeed, b.g_nBubbleSpeed);
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k) {
        EXPECT_EQ(a.g_nFishCount[k], b.g_nFishCount[k]) << k;
        EXPECT_EQ(a.g_bFishCountChanged[k], b.g_bFishCountChanged[k]) << k;
    }
    for (int k = 0; k < PLANT_KIND_COUNT; ++k) {
        EXPECT_EQ(a.g_nPlantCount[k], b.g_nPlantCount[k]) << k;
        EXPECT_EQ(a.g_bPlantCountChanged[k], b.g_bPlantCountChanged[k]) << k;
    }
}

// Every value the game indexes or divides with lies inside its range, and
// every flag is 0 or 1 (colours are taken as they are: their readers mask them).
void ExpectInRange(const TANKSETTINGS& s)
{
    EXPECT_TRUE(std::isfinite(s.g_fFrontRot));
    EXPECT_TRUE(std::isfinite(s.g_fBackRot));
    EXPECT_TRUE(s.g_nVolume >= 0 && s.g_nVolume <= 65535) << s.g_nVolume;
    EXPECT_TRUE(s.g_nBubbleCount >= 0 && s.g_nBubbleCount <= 200) << s.g_nBubbleCount;
    EXPECT_TRUE(s.g_nBackground >= 0 && s.g_nBackground <= 3) << s.g_nBackground;
    EXPECT_TRUE(s.g_nFogDensity >= 0 && s.g_nFogDensity <= 100) << s.g_nFogDensity;
    EXPECT_TRUE(s.g_nBubbleSpeed >= 1 && s.g_nBubbleSpeed <= 100) << s.g_nBubbleSpeed;
    for (const SettingsField& field : g_AquariumFields) {
        if (field.kind == SettingKind::Flag) {
            EXPECT_TRUE(s.*field.number == 0 || s.*field.number == 1) << field.key << " " << s.*field.number;
        }
    }
    for (int count : s.g_nFishCount)
        EXPECT_TRUE(count >= 0 && count <= MAX_FISH_COUNT) << count;
    for (int count : s.g_nPlantCount)
        EXPECT_TRUE(count == 0 || count == 1) << count;
}

TEST_F(Settings, FirstRunUsesDefaultsAndWritesEveryKey)
{
    ReadSettingsFile();
    ExpectDefaults(g_Settings);
    ExpectFirstRunCounts(g_Settings);
    for (const auto& [key, text] : kDefaultTexts)
        EXPECT_EQ(Text(kAquarium, key), text) << key;
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        EXPECT_EQ(Text("Fish Number", ("Fish" + std::to_string(k)).c_str()), std::to_string(kFirstRunFish[k]));
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        EXPECT_EQ(Text("Plants Number", ("Plants" + std::to_string(k)).c_str()),
                  std::to_string(kFirstRunPlants[k]));
    for (BYTE changed : g_Settings.g_bFishCountChanged)
        EXPECT_EQ(changed, 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings, EmptyFileIsAFirstRun)
{
    WriteFileBytes("");
    ReadSettingsFile();
    ExpectDefaults(g_Settings);
    ExpectFirstRunCounts(g_Settings);
    EXPECT_EQ(Text(kAquarium, "YINLIANG"), "32767.5");
}

TEST_F(Settings, SecondReadGivesSameValuesAndLeavesFileAlone)
{
    ReadSettingsFile();
    TANKSETTINGS expected = g_Settings;
    // The written texts read back as they were used, except the fog's "1".
    expected.g_nFogDensity = 1;
    const std::string bytes = FileBytes();

    g_Settings = TANKSETTINGS{};
    crt::srand(99);
    const int nextDraw = crt::rand();
    crt::srand(99);
    ReadSettingsFile();
    ExpectSameSettings(g_Settings, expected);
    EXPECT_EQ(FileBytes(), bytes);
    // No key missing, so nothing was drawn.
    EXPECT_EQ(crt::rand(), nextDraw);
}

TEST_F(Settings, EmptyValuesAreMissing)
{
    WriteFileBytes("[Aquarium Settings]\r\nQIPAONUM=\r\nBACKGROUND=2\r\n[Fish Number]\r\nFish0=\r\nFish1=7\r\n");
    ReadSettingsFile();
    EXPECT_EQ(g_Settings.g_nBubbleCount, 100);
    EXPECT_EQ(Text(kAquarium, "QIPAONUM"), "100");
    EXPECT_EQ(g_Settings.g_nBackground, 2);
    EXPECT_EQ(Text(kAquarium, "BACKGROUND"), "2");
    // Fish0 takes the first draw; Fish1 is present and draws nothing.
    EXPECT_EQ(g_Settings.g_nFishCount[0], kFirstRunFish[0]);
    EXPECT_EQ(Text("Fish Number", "Fish0"), std::to_string(kFirstRunFish[0]));
    EXPECT_EQ(g_Settings.g_nFishCount[1], 7);
    EXPECT_EQ(g_Settings.g_nFishCount[2], kFirstRunFish[1]);
}

TEST_F(Settings, CountsAboveLimitAreLoweredFileKept)
{
    WriteFirstRunFile();
    Write("Fish Number", "Fish0", "75");
    Write("Plants Number", "Plants0", "5");
    const std::string bytes = FileBytes();
    ReadSettingsFile();
    EXPECT_EQ(g_Settings.g_nFishCount[0], 50);
    EXPECT_EQ(g_Settings.g_nPlantCount[0], 1);
    EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(Settings, PhaseTakesIntegerPart)
{
    WriteFirstRunFile();
    Write(kAquarium, "LOCKFORE ROT", "3.75");
    Write(kAquarium, "LOCKBACK ROT", "-2.9");
    ReadSettingsFile();
    EXPECT_EQ(g_Settings.g_fFrontRot, 3.0f);
    EXPECT_EQ(g_Settings.g_fBackRot, -2.0f);
}

TEST_F(Settings, BadValuesEndInRangeFileKept)
{
    using Get = std::function<double(const TANKSETTINGS&)>;
    struct Case {
        const char* section;
        const char* key;
        std::string text;
        Get get;
        double expected;
    };
    const Get fog = [](const TANKSETTINGS& s) { return s.g_nFogDensity; };
    const Get speed = [](const TANKSETTINGS& s) { return s.g_nBubbleSpeed; };
    const Get volume = [](const TANKSETTINGS& s) { return s.g_nVolume; };
    const Get bubbles = [](const TANKSETTINGS& s) { return s.g_nBubbleCount; };
    const Get background = [](const TANKSETTINGS& s) { return s.g_nBackground; };
    const Get frontRot = [](const TANKSETTINGS& s) { return s.g_fFrontRot; };
    const Get fish4 = [](const TANKSETTINGS& s) { return s.g_nFishCount[4]; };
    const Get plants2 = [](const TANKSETTINGS& s) { return s.g_nPlantCount[2]; };
    const Case cases[] = {
        // A flag is set by exactly 1, as the writers write it and the
        // dialogs read it; any other number clears it.
        {kAquarium, "Show Water", "garbage", [](const TANKSETTINGS& s) { return s.g_bShowShadow; }, 0},
        {kAquarium, "Show Light", "7", [](const TANKSETTINGS& s) { return s.g_bShowLight; }, 0},
        {kAquarium, "Show Terra", "-3", [](const TANKSETTINGS& s) { return s.g_bShowTerra; }, 0},
        {kAquarium, "FRONT AUTOJIANBIAN", "2", [](const TANKSETTINGS& s) { return s.g_bFrontAutoGradient; }, 0},
        {kAquarium, "CHECK LOCKBACK", " +1xyz", [](const TANKSETTINGS& s) { return s.g_bLockBack; }, 1},
        // Colours as read (their red, green and blue bytes are what is drawn).
        {kAquarium, "FRONTCOLOR", "99999999999", [](const TANKSETTINGS& s) { return s.g_crFrontColor; },
         0x7FFFFFFF},
        {kAquarium, "BACKCOLOR", "-1", [](const TANKSETTINGS& s) { return s.g_crBackColor; }, 0xFFFFFFFF},
        {kAquarium, "BACK COLOR1", "305419896", [](const TANKSETTINGS& s) { return s.g_crBackColor1; },
         0x12345678},
        {kAquarium, "LOCKFORE ROT", "nan", frontRot, 0},
        {kAquarium, "LOCKFORE ROT", "1e30", frontRot, 1},
        {kAquarium, "LOCKFORE ROT", "-99999999999", frontRot, -2147483648.0},
        {kAquarium, "YINLIANG", "99999999999", volume, 65535},
        {kAquarium, "YINLIANG", "-5", volume, 0},
        {kAquarium, "YINLIANG", "  12abc", volume, 12},
        {kAquarium, "QIPAONUM", "500", bubbles, 200},
        {kAquarium, "QIPAONUM", "-5", bubbles, 0},
        {kAquarium, "QIPAONUM", std::string(10000, '9'), bubbles, 200},
        {kAquarium, "BACKGROUND", "7", background, 3},
        {kAquarium, "BACKGROUND", "-1", background, 0},
        {kAquarium, "FOGNONGDU", "1000", fog, 100},
        {kAquarium, "FOGNONGDU", "-1", fog, 0},
        // The bubbles rise at 1 / divisor, and no divisor (0) at that of 100:
        // below 1 is the slowest speed, not the fastest.
        {kAquarium, "LIGHTQIANGDU", "0", speed, 100},
        {kAquarium, "LIGHTQIANGDU", "-9", speed, 100},
        {kAquarium, "LIGHTQIANGDU", "1", speed, 1},
        {kAquarium, "LIGHTQIANGDU", "1000", speed, 100},
        {"Fish Number", "Fish4", "-5", fish4, 0},
        {"Fish Number", "Fish4", "99999999999", fish4, 50},
        {"Fish Number", "Fish4", "x" + std::string(10000, '7'), fish4, 0},
        {"Plants Number", "Plants2", "-5", plants2, 0},
        {"Plants Number", "Plants2", "garbage", plants2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.text.substr(0, 20));
        TearDown();
        SetUp();
        WriteFirstRunFile();
        Write(c.section, c.key, c.text);
        const std::string bytes = FileBytes();
        ReadSettingsFile();
        EXPECT_EQ(c.get(g_Settings), c.expected);
        ExpectInRange(g_Settings);
        EXPECT_EQ(FileBytes(), bytes);
    }
}

TEST_F(Settings, GarbageFileStillStarts)
{
    std::string junk = "\xEF\xBB\xBF[Aquarium Settings\r\n=\r\n==x\r\n[]\r\n";
    junk += std::string(10000, 'Q') + "\r\n[Fish Number]\r\nFish3\r\nFish4=4\r\n\x01\x02\xFF\r\n";
    WriteFileBytes(junk);
    ReadSettingsFile();
    ExpectInRange(g_Settings);
    EXPECT_EQ(g_Settings.g_nFishCount[4], 4);
}

TEST_F(Settings, UnwritableSettingsFileGivesDefaults)
{
    ASSERT_FALSE(GetSettingsFolder().empty());
    MakeDir(IniPath(), 0700);  // a folder where the file should be
    ReadSettingsFile();
    ExpectDefaults(g_Settings);
    ExpectFirstRunCounts(g_Settings);
    ExpectInRange(g_Settings);
    EXPECT_TRUE(IsDir(IniPath()));
}

TEST_F(Settings, FilePathFallsBackToTemporaryFolder)
{
    EXPECT_EQ(GetSettingsFilePath(), IniPath());

    SetEnv("XDG_CONFIG_HOME", Blocked());
    EXPECT_EQ(GetSettingsFilePath(), root + "/run/parvolune-tmp/Quenmarl.ini");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings, NoFolderAtAllIsReportedOnceAndNothingWritten)
{
    SetEnv("XDG_CONFIG_HOME", Blocked());
    unsetenv("XDG_RUNTIME_DIR");
    SetEnv("TMPDIR", Blocked());
    const int result = InChild([this] {
        if (!GetSettingsFilePath().empty())
            return 10;
        ReadSettingsFile();
        ReadSettingsFile();
        if (g_Settings.g_nBubbleCount != 100 || g_Settings.g_nVolume != 32767)
            return 11;
        return static_cast<int>(boxes.size());
    });
    EXPECT_EQ(result, 1);
}

TEST_F(Settings, ApplyFishCountsMarksChangesAndClamps)
{
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        g_Settings.g_nFishCount[k] = k;
    g_Settings.g_nFishCount[0] = 50;
    g_Settings.g_bFishCountChanged[3] = 1;  // a change the fish pass has not seen yet
    int counts[FISH_SPECIES_COUNT];
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        counts[k] = k;
    counts[0] = 60;
    counts[1] = -4;
    counts[2] = 9;

    ApplyFishCounts(counts);
    EXPECT_EQ(g_Settings.g_nFishCount[0], 50);
    EXPECT_EQ(g_Settings.g_bFishCountChanged[0], 1);
    EXPECT_EQ(g_Settings.g_nFishCount[1], 0);
    EXPECT_EQ(g_Settings.g_bFishCountChanged[1], 1);
    EXPECT_EQ(g_Settings.g_nFishCount[2], 9);
    EXPECT_EQ(g_Settings.g_bFishCountChanged[2], 1);
    EXPECT_EQ(g_Settings.g_bFishCountChanged[3], 1);
    for (int k = 4; k < FISH_SPECIES_COUNT; ++k) {
        EXPECT_EQ(g_Settings.g_nFishCount[k], k);
        EXPECT_EQ(g_Settings.g_bFishCountChanged[k], 0) << k;
    }
    for (BYTE changed : g_Settings.g_bPlantCountChanged)
        EXPECT_EQ(changed, 0);
}

TEST_F(Settings, ApplyPlantCountsMarksChangesAndClamps)
{
    int counts[PLANT_KIND_COUNT] = {};
    counts[0] = 1;
    counts[5] = 60;
    counts[16] = -1;
    ApplyPlantCounts(counts);
    for (int k = 0; k < PLANT_KIND_COUNT; ++k) {
        const int expected = k == 0 ? 1 : k == 5 ? 50 : 0;
        EXPECT_EQ(g_Settings.g_nPlantCount[k], expected) << k;
        EXPECT_EQ(g_Settings.g_bPlantCountChanged[k], (k == 0 || k == 5 || k == 16) ? 1 : 0) << k;
    }
    for (int n : g_Settings.g_nFishCount)
        EXPECT_EQ(n, 0);
}

TEST_F(Settings, ApplyAquariumSettingsCopiesFieldsNotCounts)
{
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k) {
        g_Settings.g_nFishCount[k] = k;
        g_Settings.g_bFishCountChanged[k] = k % 2;
    }
    for (int k = 0; k < PLANT_KIND_COUNT; ++k) {
        g_Settings.g_nPlantCount[k] = k % 2;
        g_Settings.g_bPlantCountChanged[k] = 1;
    }
    const TANKSETTINGS before = g_Settings;

    TANKSETTINGS in;
    in.g_bShowShadow = 1;
    in.g_bShowTerra = 1;
    in.g_crFrontColor = 0x123456;
    in.g_bLockFront = 1;
    in.g_fFrontRot = 2.5f;
    in.g_crBackColor2 = 0x0000FF;
    in.g_bLockBack = 1;
    in.g_fBackRot = std::nanf("");
    in.g_nVolume = 1000;
    in.g_nBubbleCount = 150;
    in.g_nBackground = 2;
    in.g_nFogDensity = 40;
    in.g_nBubbleSpeed = 0;
    in.g_bFrontAutoGradient = 2;
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        in.g_nFishCount[k] = 33;
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        in.g_nPlantCount[k] = 1;
    ApplyAquariumSettings(in);

    const TANKSETTINGS& s = g_Settings;
    EXPECT_EQ(s.g_bShowShadow, 1);
    EXPECT_EQ(s.g_bShowLight, 0);
    EXPECT_EQ(s.g_bShowTerra, 1);
    EXPECT_EQ(s.g_crFrontColor, 0x123456u);
    EXPECT_EQ(s.g_bLockFront, 1);
    EXPECT_EQ(s.g_fFrontRot, 2.5f);
    EXPECT_EQ(s.g_crBackColor2, 0x0000FFu);
    EXPECT_EQ(s.g_bLockBack, 1);
    EXPECT_EQ(s.g_fBackRot, 0.0f);
    EXPECT_EQ(s.g_nVolume, 1000);
    EXPECT_EQ(s.g_nBubbleCount, 150);
    EXPECT_EQ(s.g_nBackground, 2);
    EXPECT_EQ(s.g_nFogDensity, 40);
    EXPECT_EQ(s.g_nBubbleSpeed, 100);
    EXPECT_EQ(s.g_bFrontAutoGradient, 0) << "a flag other than 1 is clear";
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k) {
        EXPECT_EQ(s.g_nFishCount[k], before.g_nFishCount[k]);
        EXPECT_EQ(s.g_bFishCountChanged[k], before.g_bFishCountChanged[k]);
    }
    for (int k = 0; k < PLANT_KIND_COUNT; ++k) {
        EXPECT_EQ(s.g_nPlantCount[k], before.g_nPlantCount[k]);
        EXPECT_EQ(s.g_bPlantCountChanged[k], before.g_bPlantCountChanged[k]);
    }
}

}  // namespace

namespace {

TEST_F(Settings, LongValuesAreReadWhole)
{
    WriteFirstRunFile();
    // Leading zeros longer than the 128 characters the reader once took.
    Write(kAquarium, "QIPAONUM", std::string(300, '0') + "150");
    Write("Fish Number", "Fish3", std::string(200, '0') + "7");
    ReadSettingsFile();
    EXPECT_EQ(g_Settings.g_nBubbleCount, 150);
    EXPECT_EQ(g_Settings.g_nFishCount[3], 7);

    const std::string path(5000, 'p');
    Write("Custom Images", "Image0", path);
    EXPECT_EQ(CSettingsFile().Read("Custom Images", "Image0"), path);
    EXPECT_EQ(CSettingsFile().Read("Custom Images", "Image1"), "");
}

// The dialogs' controls give volume 0..65535, bubbles 0..200, backdrop 0..3,
// fog 0..100 and bubble speed 1..100; values past them reach the tank held to
// the nearest end, except a bubble-speed divisor below 1, the slowest speed.
TEST_F(Settings, ApplyHoldsNumbersToTheirControls)
{
    struct Case {
        int TANKSETTINGS::*member;
        int below, above;
        int belowGives, aboveGives;
    };
    const Case cases[] = {
        {&TANKSETTINGS::g_nVolume, -1, 65536, 0, 65535},
        {&TANKSETTINGS::g_nBubbleCount, -1, 201, 0, 200},
        {&TANKSETTINGS::g_nBackground, -1, 4, 0, 3},
        {&TANKSETTINGS::g_nFogDensity, -1, 101, 0, 100},
        {&TANKSETTINGS::g_nBubbleSpeed, 0, 101, 100, 100},
    };
    for (const Case& c : cases) {
        TANKSETTINGS in;
        in.g_nBubbleSpeed = 50;
        in.*c.member = c.below;
        ApplyAquariumSettings(in);
        EXPECT_EQ(g_Settings.*c.member, c.belowGives) << c.below;
        in.*c.member = c.above;
        ApplyAquariumSettings(in);
        EXPECT_EQ(g_Settings.*c.member, c.aboveGives) << c.above;
    }
}

// What the dialogs write reads back as it was written.
TEST_F(Settings, WrittenValuesReadBack)
{
    WriteFirstRunFile();
    const SettingsField& colour = *FindAquariumField("BACK COLOR2");
    const SettingsField& fog = *FindAquariumField("FOGNONGDU");
    const SettingsField& flag = *FindAquariumField("CHECK LOCKBACK");
    for (const double value : {0.0, 16777215.0, 4294967295.0, 2147483648.0}) {
        Write(kAquarium, colour.key, FormatFieldValue(colour, value));
        ReadSettingsFile();
        EXPECT_EQ(g_Settings.g_crBackColor2, static_cast<COLORREF>(value)) << value;
    }
    Write(kAquarium, fog.key, FormatFieldValue(fog, 37));
    Write(kAquarium, flag.key, FormatFieldValue(flag, 1));
    ReadSettingsFile();
    EXPECT_EQ(g_Settings.g_nFogDensity, 37);
    EXPECT_EQ(g_Settings.g_bLockBack, 1);
    EXPECT_EQ(FormatFieldValue(*FindAquariumField("LOCKFORE ROT"), 2.5), "2.500000");
    EXPECT_EQ(FormatFieldValue(flag, 0), "0");
}

TEST(WaveVolume, TheSettingGoesToBothChannels)
{
    struct Case {
        int setting;
        DWORD volume;
    };
    // 0 is the top of the slider, the loudest; 65535 silence.
    const Case cases[] = {{0, 0xFFFFFFFFu}, {65535, 0u}, {32767, 0x80008000u}, {-5, 0xFFFFFFFFu}, {70000, 0u}};
    for (const Case& c : cases) {
        SetWaveVolume(c.setting);
        EXPECT_EQ(GetWaveOutVolume(), c.volume) << c.setting;
    }
}

}  // namespace
