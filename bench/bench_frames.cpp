// Frame-time benchmark of the game window: renders frames of the start-up
// scene back to back and prints the median and 95th-percentile frame time,
// the time from start to the first frame and the peak resident memory.
//   bench_frames [--frames N] [--settings FILE] [--tool ID]
// FILE is a Quenmarl.ini to start from (fish and plant counts, ...); without
// it the first-start defaults apply. ID is the mouse tool (1046 shoot, the
// start; 1035 touch, with a click waiting before every frame so that fish
// picking runs in each frame).
#include "app/main_frame.h"
#include "app/resource.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/resource.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t i = static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

}  // namespace

int main(int argc, char** argv)
{
    const Clock::time_point start = Clock::now();
    int frames = 300;
    const char* settings = nullptr;
    int tool = 1046;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0)
            frames = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--settings") == 0)
            settings = argv[i + 1];
        else if (std::strcmp(argv[i], "--tool") == 0)
            tool = std::atoi(argv[i + 1]);
    }

    // Settings and lock files of its own, so a player's settings are not
    // touched; removed at exit.
    static char dir[] = "/tmp/pv-bench-XXXXXX";
    if (!mkdtemp(dir))
        return 1;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    });
    setenv("XDG_CONFIG_HOME", dir, 1);
    if (settings) {
        const std::string folder = std::string(dir) + "/parvolune";
        mkdir(folder.c_str(), 0700);
        std::ifstream in(settings, std::ios::binary);
        std::ofstream out(folder + "/Quenmarl.ini", std::ios::binary);
        out << in.rdbuf();
        if (!in || !out) {
            std::fprintf(stderr, "cannot use the settings file %s\n", settings);
            return 1;
        }
    }
    setenv("XDG_RUNTIME_DIR", dir, 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    AfxInitToolkit(argc, argv);
    SetMessageBoxHook([](const char* text, const char* caption, UINT) {
        std::fprintf(stderr, "message box: %s: %s\n", caption, text);
        return IDOK;
    });

    // The benchmark measures frames: an empty tank does not stop for Game Over.
    g_bGameOverArmed = 0;
    auto* frame = new CMainFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW)) {
        std::fprintf(stderr, "the frame could not be created\n");
        return 1;
    }
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    CTankView& view = frame->m_wndView;
    while (view.m_nFramesDrawn == 0 && Ms(Clock::now() - start) < 10000)
        AfxPumpMessages(1);
    const double firstFrame = Ms(Clock::now() - start);

    view.m_wndCommandBar.m_nCommand = view.m_nMode = tool;
    const bool clickEveryFrame = (tool == ID_TOOL_TOUCH);
    RECT client;
    view.GetClientRect(&client);

    // Frames back to back, without the timer: what one frame costs.
    std::vector<double> times;
    times.reserve(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        if (clickEveryFrame) {
            view.m_nMouseX = client.right / 2;
            view.m_nMouseY = client.bottom / 3;
            view.m_bLButtonDown = 1;
        }
        const Clock::time_point t = Clock::now();
        view.RenderFrame();
        times.push_back(Ms(Clock::now() - t));
    }
    RECT r;
    view.GetClientRect(&r);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("window           %ld x %ld\n", static_cast<long>(r.right), static_cast<long>(r.bottom));
    std::printf("frames           %d\n", frames);
    std::printf("tool             %d%s\n", tool, clickEveryFrame ? " (a click before every frame)" : "");
    std::printf("frame median     %.2f ms\n", Percentile(times, 0.5));
    std::printf("frame p95        %.2f ms\n", Percentile(times, 0.95));
    std::printf("first frame      %.0f ms after start\n", firstFrame);
    std::printf("peak resident    %.1f MB\n", usage.ru_maxrss / 1024.0);

    frame->DestroyWindow();
    delete frame;
    return 0;
}
