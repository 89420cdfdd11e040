// The models of the player's lists: the slideshow shows the tank, not a bare
// wall, while the picture to show is loading or has failed; the playlist
// looks at every track once in the background and ends its looking also when
// tracks go meanwhile.
#include "gfx/playlist.h"
#include "gfx/slideshow.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TEST(SlideshowTest, TheWallShowsOnlyAPictureThatLoaded)
{
    CSlideshow slides;
    EXPECT_TRUE(slides.ShowsOwnPicture()) << "an empty list: the bare wall, as the switch asks";
    ScratchDir dir;
    const CSlideshow::Handle gone = slides.Append(dir.File("gone.png"));
    const CSlideshow::Handle text = slides.Append(dir.Write("notes.jpg", "not a picture"));
    EXPECT_NE(gone, text);
    EXPECT_NE(gone, 0u);
    slides.SetCurrent(gone);
    EXPECT_TRUE(slides.Loading());
    EXPECT_FALSE(slides.ShowsOwnPicture()) << "loading: the tank shows";
    slides.LoadAll(60000);
    ASSERT_FALSE(slides.Loading());
    for (int row = 0; row < 2; ++row)
        EXPECT_EQ(slides.At(row).state, CSlideshow::State::Failed);
    EXPECT_NE(slides.At(0).problem.find("does not exist"), std::string::npos) << slides.At(0).problem;
    EXPECT_NE(slides.At(1).problem.find("not a JPEG"), std::string::npos) << slides.At(1).problem;
    EXPECT_FALSE(slides.ShowsOwnPicture()) << "failed: the tank shows";
    EXPECT_EQ(slides.ShownTexture(), 0u);
    EXPECT_EQ(slides.RowOf(text), 1);
    slides.Remove(0);
    EXPECT_EQ(slides.Current(), 0u) << "a removed picture is shown no more";
    EXPECT_EQ(slides.RowOf(text), 0);
    EXPECT_EQ(slides.RowOf(gone), slides.Count());
}

std::atomic<int> g_looks{0};

std::string SlowCheck(const char* path)
{
    ++g_looks;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return std::string(path).ends_with(".bad") ? "It is bad." : "";
}

TEST(PlaylistTest, EveryTrackIsLookedAtOnceAndTheLookingEnds)
{
    g_looks = 0;
    CPlaylist list(SlowCheck);
    for (int i = 0; i < 200; ++i)
        list.Append("/music/" + std::to_string(i) + (i % 50 == 7 ? ".bad" : ".ogg"));
    list.CheckAll();
    list.CheckAll();  // asked twice, looked at once
    EXPECT_TRUE(list.Checking());
    // Tracks go while they are looked at: the looking still ends.
    list.Remove(199);
    list.Remove(0);
    std::vector<int> failed = list.CheckAllNow(60000);
    ASSERT_FALSE(list.Checking());
    EXPECT_LE(g_looks.load(), 200);
    ASSERT_EQ(list.Count(), 198);
    std::vector<std::string> bad;
    for (int row = 0; row < list.Count(); ++row) {
        EXPECT_NE(list.At(row).state, CPlaylist::State::Unknown) << row;
        if (list.Failed(row))
            bad.push_back(list.At(row).path);
    }
    EXPECT_EQ(bad, (std::vector<std::string>{"/music/7.bad", "/music/57.bad", "/music/107.bad", "/music/157.bad"}));
    EXPECT_EQ(failed.size(), 4u);
    // A track marked playable by playing it is not looked at again.
    const int looked = g_looks.load();
    list.Append("/music/new.ogg");
    list.MarkPlayable(list.Count() - 1);
    list.CheckAllNow(60000);
    EXPECT_EQ(g_looks.load(), looked);
    list.Clear();
    EXPECT_FALSE(list.Checking());
}

}  // namespace
