#include "support/scratch.h"
#include "gfx/resource_file.h"

#include "gfx/packed_format.h"
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<uint8_t> kPicture = {'B', 'M', 0, 1, 2, 3, 254, 255, 0, 0, 7};
const std::vector<uint8_t> kSound = {'R', 'I', 'F', 'F', 9, 8, 7, 6, 'W', 'A', 'V', 'E'};

const std::vector<uint8_t> kPackedPicture = packed::Pack(packed::kKindPicture, kPicture.data(), kPicture.size());
const std::vector<uint8_t> kPackedSound = packed::Pack(packed::kKindSound, kSound.data(), kSound.size());
const std::vector<uint8_t> kPackedEmpty = packed::Pack(packed::kKindPicture, nullptr, 0);
const uint8_t kGarbage[] = {'n', 'o', 't', ' ', 'p', 'a', 'c', 'k', 'e', 'd', '.', '.', '.', '.', '.', '.', '.'};

constexpr int kPictureId = 92001;
constexpr int kSoundId = 92002;
constexpr int kEmptyId = 92003;
constexpr int kGarbageId = 92004;
constexpr int kMissingId = 92999;

const EmbeddedResource kTable[] = {
    {"RCAD", kPictureId, kPackedPicture.data(), kPackedPicture.size()},
    {"RCAD", kSoundId, kPackedSound.data(), kPackedSound.size()},
    {"RCAD", kEmptyId, kPackedEmpty.data(), kPackedEmpty.size()},
    {"RCAD", kGarbageId, kGarbage, sizeof kGarbage},
};

std::vector<uint8_t> ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FilesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class ResourceFile : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterResources(kTable, std::size(kTable)); }

    void SetUp() override
    {
        dir_ = MakeScratchFolder("resfile");
        ASSERT_FALSE(dir_.empty());
        folder_ = dir_.string() + "/";
    }
    void TearDown() override
    {
        chmod(dir_.c_str(), 0700);
        fs::remove_all(dir_);
    }

    // UnpackDataFile on a hand-made ".ad" file; returns its result and what it printed.
    BOOL UnpackWritten(const std::string& name, const std::vector<uint8_t>& ad, std::string* printed)
    {
        WriteFile(dir_ / (name + ".ad"), ad);
        testing::internal::CaptureStderr();
        const BOOL ok = UnpackDataFile(folder_, name);
        *printed = testing::internal::GetCapturedStderr();
        return ok;
    }

    fs::path dir_;
    std::string folder_;
};

TEST_F(ResourceFile, ExtractRestoresTheExactBytes)
{
    struct Case {
        int id;
        const char* name;
        const char* restored;
        const std::vector<uint8_t>* bytes;
        const std::vector<uint8_t>* stored;
    };
    const std::vector<uint8_t> nothing;
    const Case cases[] = {
        {kPictureId, "BackGround0", "BackGround0.bmp", &kPicture, &kPackedPicture},
        {kSoundId, "Music", "Music.wav", &kSound, &kPackedSound},
        {kPictureId, "music", "music.bmp", &kPicture, &kPackedPicture},  // only "Music" is a sound
        {kEmptyId, "Empty", "Empty.bmp", &nothing, &kPackedEmpty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(ExtractResourceFile(c.id, folder_, c.name), TRUE);
        EXPECT_EQ(FilesIn(dir_), (std::vector<std::string>{std::string(c.name) + ".ad", c.restored}));
        EXPECT_EQ(ReadFile(dir_ / (std::string(c.name) + ".ad")), *c.stored);
        EXPECT_EQ(ReadFile(dir_ / c.restored), *c.bytes);

        DeleteTempFile(folder_ + c.name + ".ad");
        DeleteTempFile(folder_ + c.restored);
        EXPECT_TRUE(FilesIn(dir_).empty());
    }
}

TEST_F(ResourceFile, StoredFormIsNotThePlainFile)
{
    const std::vector<uint8_t> payload(kPackedPicture.begin() + packed::kHeaderSize, kPackedPicture.end());
    EXPECT_NE(payload, kPicture);
}

TEST_F(ResourceFile, ExtractOverwritesStaleFiles)
{
    WriteFile(dir_ / "Stale.ad", std::vector<uint8_t>(100, 'x'));
    WriteFile(dir_ / "Stale.bmp", std::vector<uint8_t>(100, 'y'));
    ASSERT_EQ(ExtractResourceFile(kPictureId, folder_, "Stale"), TRUE);
    EXPECT_EQ(ReadFile(dir_ / "Stale.bmp"), kPicture);
}

TEST_F(ResourceFile, MissingIdWritesNothing)
{
    EXPECT_EQ(ExtractResourceFile(kMissingId, folder_, "Nothing"), FALSE);
    EXPECT_TRUE(FilesIn(dir_).empty());
}

TEST_F(ResourceFile, BadStoredDataLeavesNoFiles)
{
    struct Case {
        int id;
        const char* name;
    };
    const Case cases[] = {
        {kGarbageId, "Garbage"},
        {kSoundId, "NotMusic"},   // a sound where a picture is expected
        {kPictureId, "Music"},    // and the other way round
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        EXPECT_EQ(ExtractResourceFile(c.id, folder_, c.name), FALSE);
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_NE(printed.find(c.name), std::string::npos) << printed;
        EXPECT_TRUE(FilesIn(dir_).empty());
    }
}

TEST_F(ResourceFile, UnpackRejectsDamagedFiles)
{
    auto damaged = [](auto change) {
        std::vector<uint8_t> bytes = kPackedPicture;
        change(bytes);
        return bytes;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> ad;
    };
    const Case cases[] = {
        {"empty file", {}},
        {"header only, cut short", std::vector<uint8_t>(kPackedPicture.begin(), kPackedPicture.begin() + 10)},
        {"payload cut short", damaged([](auto& b) { b.pop_back(); })},
        {"trailing bytes", damaged([](auto& b) { b.push_back(0); })},
        {"bad magic", damaged([](auto& b) { b[0] = 'X'; })},
        {"unknown version", damaged([](auto& b) { b[packed::kVersionOffset] = 2; })},
        {"payload byte flipped", damaged([](auto& b) { b[packed::kHeaderSize + 3] ^= 0x10; })},
        {"checksum changed", damaged([](auto& b) { b[packed::kCrcOffset] ^= 1; })},
        {"length too large", damaged([](auto& b) { b[packed::kLengthOffset + 3] = 0x7F; })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string printed;
        EXPECT_EQ(UnpackWritten("Damaged", c.ad, &printed), FALSE);
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        EXPECT_NE(printed.find("Damaged.ad"), std::string::npos) << printed;
        EXPECT_FALSE(fs::exists(dir_ / "Damaged.bmp"));
    }
}

TEST_F(ResourceFile, UnpackWithoutInputFails)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(UnpackDataFile(folder_, "Absent"), FALSE);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("Absent.ad"), std::string::npos) << printed;
    EXPECT_TRUE(FilesIn(dir_).empty());
}

TEST_F(ResourceFile, UnpackFailsWhenTheOutputCannotBeWritten)
{
    // The output name is taken by a folder.
    fs::create_directory(dir_ / "Blocked.bmp");
    std::string printed;
    EXPECT_EQ(UnpackWritten("Blocked", kPackedPicture, &printed), FALSE);
    EXPECT_NE(printed.find("Blocked.bmp"), std::string::npos) << printed;
    EXPECT_TRUE(fs::is_directory(dir_ / "Blocked.bmp"));
}

// A full disk: the file opens but the bytes do not fit. No partial file stays.
TEST_F(ResourceFile, FullDiskLeavesNoPartialFile)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    for (const char* taken : {"Full.ad", "Full.bmp"}) {
        SCOPED_TRACE(taken);
        fs::create_symlink("/dev/full", dir_ / taken);
        testing::internal::CaptureStderr();
        EXPECT_EQ(ExtractResourceFile(kPictureId, folder_, "Full"), FALSE);
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_NE(printed.find(taken), std::string::npos) << printed;
        EXPECT_TRUE(FilesIn(dir_).empty());
    }
}

TEST_F(ResourceFile, ExtractIntoUnwritableFolderFails)
{
    const std::string missing = folder_ + "no/such/folder/";
    testing::internal::CaptureStderr();
    EXPECT_EQ(ExtractResourceFile(kPictureId, missing, "BackGround0"), FALSE);
    testing::internal::GetCapturedStderr();

    if (geteuid() != 0) {  // root writes anywhere
        ASSERT_EQ(chmod(dir_.c_str(), 0500), 0);
        testing::internal::CaptureStderr();
        EXPECT_EQ(ExtractResourceFile(kPictureId, folder_, "BackGround0"), FALSE);
        testing::internal::GetCapturedStderr();
        chmod(dir_.c_str(), 0700);
    }
    EXPECT_TRUE(FilesIn(dir_).empty());
}

TEST_F(ResourceFile, ExtractRemovesTheStoredFileWhenTheOutputFails)
{
    fs::create_directory(dir_ / "Blocked.bmp");
    testing::internal::CaptureStderr();
    EXPECT_EQ(ExtractResourceFile(kPictureId, folder_, "Blocked"), FALSE);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(FilesIn(dir_), std::vector<std::string>{"Blocked.bmp"});
}

TEST_F(ResourceFile, DeleteTempFileIgnoresMissingFiles)
{
    DeleteTempFile(folder_ + "never-written.bmp");
    EXPECT_TRUE(FilesIn(dir_).empty());
}

}  // namespace
