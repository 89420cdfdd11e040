// Missing GL features end the game with their message and exit code 0.
#include "app/main_frame.h"
#include "app/resource.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "support/scratch.h"
#include "support/settings_file.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void StartTankThenLoseFramebufferObjects()
{
    const std::string dir = MakeScratchFolder("caps");
    if (dir.empty())
        std::exit(1);
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    if (!WriteCountsFile(std::string(dir), {{23, 1}}, {}))
        std::exit(1);
    // A loaded X server may reset a new connection: the display is asked again.
    for (int attempt = 0; attempt < 20 && !AfxInitToolkit(0, nullptr); ++attempt)
        usleep(100000);
    SetMessageBoxHook([](const char* text, const char*, UINT) {
        std::fprintf(stderr, "box: %s\n", text);
        return IDOK;
    });
    auto* frame = new CMainFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW))
        std::exit(1);
    // Mesa cannot hide this extension; pretend the GL lacks it.
    __GLEW_EXT_framebuffer_object = GL_FALSE;
    frame->m_wndView.InitShadowMapping();
    std::exit(1);  // not reached: the check ends the process
}

}  // namespace

TEST(ShadowCapabilitiesDeathTest, NoFramebufferObjectsShowsTheMessageAndEndsWithZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(StartTankThenLoseFramebufferObjects(), ::testing::ExitedWithCode(0),
                "box: GL_EXT_framebuffer_object extension is unavailable!");
}
