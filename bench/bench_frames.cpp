// Frame-time benchmark of the game window: renders frames of the start-up
// scene back to back and prints the median and 95th-percentile frame time,
// the time from start to the first frame and the peak resident memory; then
// lets the game's own 40 ms timer drive frames through the message loop and
// prints the interval between them, as the player gets them.
//   bench_frames [--frames N] [--paced N] [--settings FILE] [--tool ID] [--dump FILE] [--no-ceiling] [--steps]
// FILE is a Quenmarl.ini to start from (fish and plant counts, ...); without
// it the first-start defaults apply. ID is the mouse tool (1046 shoot, the
// start; 1035 touch, with a click waiting before every frame so that fish
// picking runs in each frame). --dump writes the last frame as a PPM picture.
//
// With fish in the tank it then measures the fish pass against its ceiling:
// the same frames with every fish frozen into a display list recorded once
// (the raster work alone), and with no fish drawn at all. --steps measures
// what each speed step of the fish pass gives, by turning it off.
#include "app/main_frame.h"
#include "app/resource.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "support/scratch.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
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

// The game's frame that notes when each tick of the game window's timer
// starts (its frame follows at once) and ends the message loop after `ticks`.
class PacedFrame : public CMainFrame {
public:
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_TIMER && msg->hwnd == m_wndView.m_hWnd && m_ticks > 0) {
            if (m_beforeTick)
                m_beforeTick();
            m_starts.push_back(Clock::now());
            if (static_cast<int>(m_starts.size()) == m_ticks) {
                m_ticks = 0;
                PostQuitMessage(0);
            }
        }
        return CMainFrame::PreTranslateMessage(msg);
    }

    int m_ticks = 0;
    std::function<void()> m_beforeTick;
    std::vector<Clock::time_point> m_starts;
};

// A species' fish drawn live, recorded into one display list each while
// drawn, drawn from those lists, or not drawn at all.
class FrozenFish : public IFishArray {
public:
    enum Mode { kLive, kRecord, kReplay, kHidden };

    explicit FrozenFish(std::unique_ptr<IFishArray> fish) : m_fish(std::move(fish)) {}
    ~FrozenFish() override
    {
        if (m_lists)
            glDeleteLists(m_lists, m_count);
    }
    int GetSize() const override { return m_fish->GetSize(); }
    void SetSize(int n) override { m_fish->SetSize(n); }
    CFishModel& GetAt(int j) override { return m_fish->GetAt(j); }
    void SetSwimBox(int j, float a, float b, float c, float d, float e, float f) override
    {
        m_fish->SetSwimBox(j, a, b, c, d, e, f);
    }
    void Touch(int j) override { m_fish->Touch(j); }
    void ChangeSize(int j, float amount, bool grow) override { m_fish->ChangeSize(j, amount, grow); }
    void DrawFish(int j, const FishDrawArgs& args) override
    {
        switch (m_mode) {
        case kLive:
            m_fish->DrawFish(j, args);
            break;
        case kRecord:
            if (j < m_count) {
                glNewList(m_lists + static_cast<GLuint>(j), GL_COMPILE_AND_EXECUTE);
                m_fish->DrawFish(j, args);
                glEndList();
            }
            break;
        case kReplay:
            if (j < m_count)
                glCallList(m_lists + static_cast<GLuint>(j));
            break;
        case kHidden:
            break;
        }
    }
    void SetMode(Mode mode)
    {
        if (mode == kRecord && !m_lists && GetSize() > 0) {
            m_count = GetSize();
            m_lists = glGenLists(m_count);
        }
        m_mode = mode;
    }

private:
    std::unique_ptr<IFishArray> m_fish;
    Mode m_mode = kLive;
    GLuint m_lists = 0;
    int m_count = 0;
};

// Processor time, in ms, of the whole process (every thread) or of the
// calling thread alone.
double CpuMs(int who = RUSAGE_SELF)
{
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// The times of `frames` frames; adds their processor time to *cpu, and that
// of the drawing thread alone to *own.
template <class BeforeFrame>
std::vector<double> TimeFrames(CTankView& view, int frames, BeforeFrame before, double* cpu = nullptr,
                               double* own = nullptr)
{
    std::vector<double> times;
    times.reserve(static_cast<size_t>(frames));
    const double cpuStart = CpuMs();
    const double ownStart = CpuMs(RUSAGE_THREAD);
    for (int i = 0; i < frames; ++i) {
        before();
        const Clock::time_point t = Clock::now();
        view.RenderFrame();
        times.push_back(Ms(Clock::now() - t));
    }
    if (cpu)
        *cpu += CpuMs() - cpuStart;
    if (own)
        *own += CpuMs(RUSAGE_THREAD) - ownStart;
    return times;
}

bool DumpFrame(CTankView& view, const char* path)
{
    RECT r;
    view.GetClientRect(&r);
    const int w = r.right, h = r.bottom;
    std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << w << " " << h << "\n255\n";
    for (int y = h - 1; y >= 0; --y)
        out.write(reinterpret_cast<const char*>(&pixels[static_cast<size_t>(y) * w * 3]), w * 3);
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    const Clock::time_point start = Clock::now();
    int frames = 300;
    int paced = 50;
    const char* settings = nullptr;
    const char* dump = nullptr;
    bool ceiling = true;
    bool steps = false;
    int tool = 1046;
    for (int i = 1; i < argc; ++i) {
        const bool value = i + 1 < argc;
        if (std::strcmp(argv[i], "--frames") == 0 && value)
            frames = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--paced") == 0 && value)
            paced = std::max(0, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--settings") == 0 && value)
            settings = argv[++i];
        else if (std::strcmp(argv[i], "--tool") == 0 && value)
            tool = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--dump") == 0 && value)
            dump = argv[++i];
        else if (std::strcmp(argv[i], "--no-ceiling") == 0)
            ceiling = false;
        else if (std::strcmp(argv[i], "--steps") == 0)
            steps = true;
    }

    // Settings and lock files of its own, so a player's settings are not
    // touched; removed at exit.
    static const std::string dir = MakeProcessTempFolder("pv-bench");
    if (dir.empty())
        return 1;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    });
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    if (settings) {
        const std::string folder = dir + "/parvolune";
        mkdir(folder.c_str(), 0700);
        std::ifstream in(settings, std::ios::binary);
        std::ofstream out(folder + "/Quenmarl.ini", std::ios::binary);
        out << in.rdbuf();
        if (!in || !out) {
            std::fprintf(stderr, "cannot use the settings file %s\n", settings);
            return 1;
        }
    }
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    AfxInitToolkit(argc, argv);
    SetMessageBoxHook([](const char* text, const char* caption, UINT) {
        std::fprintf(stderr, "message box: %s: %s\n", caption, text);
        return IDOK;
    });

    // The benchmark measures frames: nothing stops them for Game Over.
    g_bGameOverArmed = 0;
    auto* frame = new PacedFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW)) {
        std::fprintf(stderr, "the frame could not be created\n");
        return 1;
    }
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    CTankView& view = frame->m_wndView;
    while (view.m_nFramesDrawn == 0 && Ms(Clock::now() - start) < 10000)
        AfxPumpMessages(1);
    const double firstFrame = Ms(Clock::now() - start);
    const long framesBefore = view.m_nFramesDrawn;

    view.m_wndCommandBar.m_nCommand = view.m_nMode = tool;
    const bool clickEveryFrame = (tool == ID_TOOL_TOUCH);
    RECT client;
    view.GetClientRect(&client);
    auto beforeFrame = [&] {
        if (clickEveryFrame) {
            view.m_nMouseX = client.right / 2;
            view.m_nMouseY = client.bottom / 3;
            view.m_bLButtonDown = 1;
        }
    };

    // Every species' fish behind a switch between live, frozen and hidden.
    std::vector<FrozenFish*> species;
    int fish = 0;
    for (auto& array : view.m_pFishArrays) {
        if (!array)
            continue;
        fish += array->GetSize();
        auto frozen = std::make_unique<FrozenFish>(std::move(array));
        species.push_back(frozen.get());
        array = std::move(frozen);
    }
    auto setMode = [&](FrozenFish::Mode mode) {
        for (FrozenFish* s : species)
            s->SetMode(mode);
    };

    // Frames back to back, without the timer: what one frame costs.
    double cpu = 0.0;
    double own = 0.0;
    const std::vector<double> times = TimeFrames(view, frames, beforeFrame, &cpu, &own);
    if (dump && !DumpFrame(view, dump))
        std::fprintf(stderr, "cannot write %s\n", dump);

    RECT r;
    view.GetClientRect(&r);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double median = Percentile(times, 0.5);
    std::printf("window           %ld x %ld\n", static_cast<long>(r.right), static_cast<long>(r.bottom));
    std::printf("frames           %d\n", frames);
    std::printf("tool             %d%s\n", tool, clickEveryFrame ? " (a click before every frame)" : "");
    std::printf("frame median     %.2f ms\n", median);
    std::printf("frame p95        %.2f ms\n", Percentile(times, 0.95));
    std::printf("processor        %.2f ms a frame (every thread), %.2f ms of it on the drawing thread\n",
                cpu / frames, own / frames);
    std::printf("first frame      %.0f ms after start (%ld drawn before the run)\n", firstFrame, framesBefore);
    std::printf("peak resident    %.1f MB\n", usage.ru_maxrss / 1024.0);

    if (paced > 0) {
        // The game's own pacing: its timer drives the frames through the
        // message loop. The first ticks, due since the run above, are left
        // out; then the interval from each tick to the next.
        constexpr int kSettle = 5;
        frame->m_beforeTick = beforeFrame;
        frame->m_ticks = kSettle + paced + 1;
        CWinApp loop;
        loop.Run();
        std::vector<double> intervals;
        for (size_t i = kSettle + 1; i < frame->m_starts.size(); ++i)
            intervals.push_back(Ms(frame->m_starts[i] - frame->m_starts[i - 1]));
        if (!intervals.empty()) {
            const double span = Ms(frame->m_starts.back() - frame->m_starts[kSettle]);
            const double mean = span / static_cast<double>(intervals.size());
            std::printf("real interval    %.2f ms median, %.2f ms mean, %.1f frames a second (%zu frames on "
                        "the game's 40 ms timer)\n",
                        Percentile(intervals, 0.5), mean, 1000.0 / mean, intervals.size());
        }
    }

    if (ceiling && fish > 0) {
        // The fish pass against its ceiling: the same frames with the fish
        // recorded once into display lists and drawn from them, and with no
        // fish drawn; the fish pass costs the difference to the latter. The
        // three take turns in short runs, so that a change of the machine's
        // load falls on all three alike.
        setMode(FrozenFish::kRecord);
        view.RenderFrame();
        constexpr int kRounds = 10;
        const int run = std::max(1, frames / kRounds);
        std::vector<double> hiddenTimes, frozenTimes, liveTimes;
        double cpuOf[3] = {};
        for (int round = 0; round < kRounds; ++round) {
            const std::pair<FrozenFish::Mode, std::vector<double>*> modes[] = {
                {FrozenFish::kHidden, &hiddenTimes}, {FrozenFish::kReplay, &frozenTimes}, {FrozenFish::kLive, &liveTimes}};
            for (int m = 0; m < 3; ++m) {
                setMode(modes[m].first);
                const std::vector<double> t = TimeFrames(view, run, beforeFrame, &cpuOf[m]);
                modes[m].second->insert(modes[m].second->end(), t.begin(), t.end());
            }
        }
        for (double& c : cpuOf)
            c /= kRounds * run;
        const double hidden = Percentile(hiddenTimes, 0.5);
        const double frozen = Percentile(frozenTimes, 0.5);
        const double live = Percentile(liveTimes, 0.5);
        const double pass = live - hidden, floor = frozen - hidden;
        std::printf("fish             %d\n", fish);
        std::printf("no fish drawn    %.2f ms (processor %.2f ms)\n", hidden, cpuOf[0]);
        std::printf("fish frozen      %.2f ms (processor %.2f ms; display lists)\n", frozen, cpuOf[1]);
        std::printf("fish live        %.2f ms (processor %.2f ms)\n", live, cpuOf[2]);
        std::printf("fish pass        %.2f ms, %.1f us per fish per frame\n", pass, 1000.0 * pass / fish);
        std::printf("ceiling          %.2f ms\n", floor);
        std::printf("pass at ceiling  %.0f%%\n", pass > 0 ? 100.0 * floor / pass : 100.0);
    }

    if (steps) {
        // Each speed step turned off in turn, in short runs that take turns
        // (so that a change of the machine's load falls on all alike).
        struct Step {
            const char* name;
            BYTE flush, plainShadow;
            std::vector<double> times;
        } all[] = {{"every step", 1, 1, {}},
                   {"no flush after the pass", 0, 1, {}},
                   {"textured fish in the shadow map", 1, 0, {}},
                   {"neither", 0, 0, {}}};
        constexpr int kRounds = 10;
        const int run = std::max(1, frames / kRounds);
        for (int round = 0; round < kRounds; ++round)
            for (Step& step : all) {
                view.m_bFlushFishPass = step.flush;
                view.m_bPlainShadowFish = step.plainShadow;
                const std::vector<double> t = TimeFrames(view, run, beforeFrame);
                step.times.insert(step.times.end(), t.begin(), t.end());
            }
        for (const Step& step : all)
            std::printf("%-32s %.2f ms\n", step.name, Percentile(step.times, 0.5));
        view.m_bFlushFishPass = view.m_bPlainShadowFish = 1;
    }

    frame->DestroyWindow();
    delete frame;
    return 0;
}
