// The one place the game finds its temporary folder.
#include "gfx/temp_folder.h"
#include "platform/msgbox.h"
#include "platform/places_fixture.h"

#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

class TempFolder : public PlacesFixture {
protected:
    void SetUp() override
    {
        PlacesFixture::SetUp();
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
    std::vector<std::string> boxes;
};

// Runs body in a child process (the failure is reported once per process)
// and returns its exit code.
int InChild(const std::function<int()>& body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(TempFolder, IsThePrivateFolderAndAFailureIsReportedOnce)
{
    EXPECT_EQ(GetTempFolder(), root + "/run/parvolune-tmp/");
    EXPECT_TRUE(boxes.empty());

    unsetenv("XDG_RUNTIME_DIR");
    SetEnv("TMPDIR", Blocked());
    UINT type = 99;
    std::string caption;
    SetMessageBoxHook([&](const char* text, const char* title, UINT t) {
        boxes.push_back(text);
        caption = title;
        type = t;
        return IDOK;
    });
    const int result = InChild([&] {
        const bool empty = GetTempFolder().empty() && GetTempFolder().empty();
        const bool box = boxes.size() == 1 && boxes[0] == "Error Find TempPath." && caption == "ERROR" &&
                         type == MB_OK;
        return empty && box ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
}

}  // namespace
