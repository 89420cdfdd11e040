// The one place the game finds its temporary folder.
#include "gfx/temp_folder.h"
#include "platform/msgbox.h"
#include "platform/places_fixture.h"

#include <string>
#include <vector>

namespace {

class TempFolder : public PlacesFixture {
protected:
    void TearDown() override
    {
        SetMessageBoxHook(nullptr);
        PlacesFixture::TearDown();
    }
};

TEST_F(TempFolder, IsThePrivateFolderAndAFailureIsReportedOnce)
{
    struct Box {
        std::string text, caption;
        UINT type;
    };
    std::vector<Box> boxes;
    SetMessageBoxHook([&](const char* text, const char* caption, UINT type) {
        boxes.push_back({text, caption, type});
        return IDOK;
    });
    EXPECT_EQ(GetTempFolder(), root + "/run/parvolune-tmp/");
    EXPECT_TRUE(boxes.empty());

    // Reported once per process: in a child of its own.
    unsetenv("XDG_RUNTIME_DIR");
    SetEnv("TMPDIR", Blocked());
    const int result = InChild([&] {
        const bool empty = GetTempFolder().empty() && GetTempFolder().empty();
        const bool box = boxes.size() == 1 && boxes[0].text == "Error Find TempPath." &&
                         boxes[0].caption == "ERROR" && boxes[0].type == MB_OK;
        return empty && box ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
}

}  // namespace
