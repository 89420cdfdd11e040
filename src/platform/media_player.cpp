#include "platform/media_player.h"

#include "platform/audio_device.h"
#include "platform/msgbox.h"
#include "platform/music_probe.h"
#include "platform/regular_file.h"
#include "platform/widget_port.h"
#include "platform/winapp.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr LONG kFullVolume = 1000;
constexpr UINT kDefaultActiveTimer = 500;

class MciWindow : public CWnd {
public:
    void OnDestroy() override
    {
        CloseDevice();
        CWnd::OnDestroy();
    }

    void CloseDevice();
    void SetMode(LONG newMode);
    // Where playback is now, in ms.
    LONG CurrentPosition() const;

    DWORD style = 0;
    Mix_Music* music = nullptr;
    LONG volume = kFullVolume;
    LONG length = 0;
    LONG mode = MCI_MODE_NOT_READY;
    // While not playing: the position. While playing: where playback started,
    // with the clock running since then.
    LONG position = 0;
    QElapsedTimer clock;
    UINT activeTimer = kDefaultActiveTimer;
    std::string error;  // why the file could not be opened
};

// Every window made, until reaped after its destruction; never freed at exit,
// when the layer's window table may be gone.
std::vector<std::unique_ptr<MciWindow>>& Windows()
{
    static auto* windows = new std::vector<std::unique_ptr<MciWindow>>;
    return *windows;
}
// The window whose file is on the music stream (playing), if any.
MciWindow* g_owner = nullptr;
// Watches the playing window for the end of its file.
QTimer* g_watch = nullptr;

void SetMusicVolume(LONG volume) { Mix_VolumeMusic(static_cast<int>((volume * MIX_MAX_VOLUME + 500) / 1000)); }

MciWindow* WindowOf(HWND mci)
{
    return IsLiveWindow(mci) ? dynamic_cast<MciWindow*>(mci->wnd) : nullptr;
}

// The window with an open device, its state brought up to date; null for none.
MciWindow* DeviceOf(HWND mci);

void Reap()
{
    std::erase_if(Windows(), [](const std::unique_ptr<MciWindow>& w) { return !w->m_hWnd; });
}

// The playing window's file has ended when the stream no longer plays: the
// end-of-media event of that window.
void Settle()
{
    if (!g_owner || Mix_PlayingMusic())
        return;
    MciWindow* w = g_owner;
    w->position = w->length > 0 ? w->length : w->CurrentPosition();
    g_owner = nullptr;
    if (g_watch)
        g_watch->stop();
    w->SetMode(MCI_MODE_STOP);
}

void Watch(MciWindow* w)
{
    if (!QCoreApplication::instance())
        return;  // without an event loop the state settles at each query
    if (!g_watch) {
        g_watch = new QTimer(QCoreApplication::instance());
        QObject::connect(g_watch, &QTimer::timeout, Settle);
    }
    g_watch->start(static_cast<int>(std::max<UINT>(w->activeTimer, 1)));
}

// Takes the stream from its window, which stops where it is.
void ReleaseStream()
{
    MciWindow* w = g_owner;
    if (!w)
        return;
    w->position = w->CurrentPosition();
    g_owner = nullptr;
    if (g_watch)
        g_watch->stop();
    Mix_HaltMusic();
    w->SetMode(MCI_MODE_STOP);
}

void MciWindow::CloseDevice()
{
    if (g_owner == this) {
        g_owner = nullptr;
        if (g_watch)
            g_watch->stop();
        Mix_HaltMusic();
    }
    if (music)
        Mix_FreeMusic(music);
    music = nullptr;
    length = position = 0;
    mode = MCI_MODE_NOT_READY;
}

void MciWindow::SetMode(LONG newMode)
{
    if (mode == newMode)
        return;
    mode = newMode;
    CWnd* parent = GetParent();
    if ((style & MCIWNDF_NOTIFYMODE) && parent)
        parent->PostMessage(MCIWNDM_NOTIFYMODE, reinterpret_cast<WPARAM>(m_hWnd), newMode);
}

LONG MciWindow::CurrentPosition() const
{
    if (g_owner != this)
        return position;
    // The clock, not the decoders' own count: those run ahead of what is heard
    // by a whole block (about 0.2 s) and move in such steps.
    const LONG at = static_cast<LONG>(std::min<qint64>(position + clock.elapsed(), 0x7FFFFFFF));
    return length > 0 ? std::min(at, length) : at;
}

MciWindow* DeviceOf(HWND mci)
{
    Settle();
    MciWindow* w = WindowOf(mci);
    return w && w->music ? w : nullptr;
}

std::string ApplicationTitle()
{
    CWinApp* app = AfxGetApp();
    return app && !app->m_strAppName.empty() ? app->m_strAppName : "Parvolune";
}

// What the decoder reads: the stream's header, then the bytes of the open
// file from its begin to its end (within the size the file had when it was
// opened), whatever the file holds later.
struct StreamFile {
    int fd = -1;
    MusicStream part;
    Sint64 at = 0;
    Sint64 Size() const { return Sint64(part.header.size() + (part.end - part.begin)); }
};

StreamFile* FileOf(SDL_RWops* rw) { return static_cast<StreamFile*>(rw->hidden.unknown.data1); }

SDL_RWops* DecoderStream(int fd, const MusicStream& part)
{
    SDL_RWops* rw = SDL_AllocRW();
    if (!rw) {
        close(fd);
        return nullptr;
    }
    rw->type = SDL_RWOPS_UNKNOWN;
    rw->hidden.unknown.data1 = new StreamFile{fd, part, 0};
    rw->size = [](SDL_RWops* r) -> Sint64 { return FileOf(r)->Size(); };
    rw->seek = [](SDL_RWops* r, Sint64 offset, int whence) -> Sint64 {
        StreamFile* f = FileOf(r);
        const Sint64 base = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? f->at : f->Size();
        // Past the end is allowed, as in any file: reads there give nothing.
        if (base + offset < 0 || offset > INT64_MAX - base)
            return SDL_SetError("seek out of the file");
        return f->at = base + offset;
    };
    rw->read = [](SDL_RWops* r, void* out, size_t size, size_t count) -> size_t {
        StreamFile* f = FileOf(r);
        if (size == 0 || count == 0 || f->at >= f->Size())
            return 0;
        const size_t want = std::min(count, static_cast<size_t>(f->Size() - f->at) / size) * size;
        char* to = static_cast<char*>(out);
        size_t done = 0;
        const size_t header = f->part.header.size();
        if (static_cast<size_t>(f->at) < header) {
            done = std::min(want, header - static_cast<size_t>(f->at));
            std::memcpy(to, f->part.header.data() + f->at, done);
        }
        while (done < want) {
            const uint64_t from = f->part.begin + (static_cast<uint64_t>(f->at) + done - header);
            const long long n = ReadAt(f->fd, to + done, want - done, from);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        f->at += static_cast<Sint64>(done);
        return done / size;
    };
    rw->write = [](SDL_RWops*, const void*, size_t, size_t) -> size_t { return 0; };
    rw->close = [](SDL_RWops* r) -> int {
        StreamFile* f = FileOf(r);
        close(f->fd);
        delete f;
        SDL_FreeRW(r);
        return 0;
    };
    return rw;
}

Mix_MusicType DecoderOf(MusicKind kind)
{
    switch (kind) {
    case MusicKind::Wav: return MUS_WAV;
    case MusicKind::Ogg: return MUS_OGG;
    case MusicKind::Flac: return MUS_FLAC;
    case MusicKind::Mp3: return MUS_MP3;
    case MusicKind::None: break;
    }
    return MUS_NONE;
}

}  // namespace

std::string OpenMusicFile(const char* path, int& fd, MusicStream& stream, MusicKind& kind)
{
    fd = -1;
    struct stat st {};
    std::string why;
    switch (OpenRegularFile(path, kMaxMusicFileBytes, fd, &st, &why)) {
    case FileOpen::Missing: return "The file does not exist.";
    case FileOpen::Failed: return "The file cannot be opened: " + why + ".";
    case FileOpen::Ok: break;
    }
    kind = ProbeMusicFile(fd, static_cast<uint64_t>(st.st_size), &why, &stream);
    if (kind == MusicKind::None) {
        close(fd);
        fd = -1;
        return why;
    }
    return "";
}

std::string CheckMusicFile(const char* path)
{
    int fd = -1;
    MusicStream stream;
    MusicKind kind = MusicKind::None;
    const std::string why = OpenMusicFile(path, fd, stream, kind);
    if (fd >= 0)
        close(fd);
    return why;
}

namespace {

// Why a file cannot be opened, or "" when it can. Only a regular file is
// opened; it is looked at before its decoder sees it, and only the decoder
// of its kind sees it.
std::string OpenMusic(MciWindow* w, const std::string& file)
{
    int fd = -1;
    MusicStream part;
    MusicKind kind = MusicKind::None;
    if (std::string why = OpenMusicFile(file.c_str(), fd, part, kind); !why.empty())
        return why;
    if (!EnsureAudioOpen()) {
        close(fd);
        return "No sound device can be opened.";
    }
    SDL_RWops* stream = DecoderStream(fd, part);
    w->music = stream ? Mix_LoadMUSType_RW(stream, DecoderOf(kind), 1) : nullptr;
    if (!w->music)
        return "Its sound cannot be decoded (it may be damaged).";
    const double seconds = Mix_MusicDuration(w->music);
    w->length = seconds > 0.0 ? static_cast<LONG>(std::lround(std::min(seconds * 1000.0, 2.0e9))) : 0;
    w->mode = MCI_MODE_STOP;
    return "";
}

}  // namespace

HWND MCIWndCreateA(HWND parent, HMODULE, DWORD style, const char* file)
{
    Settle();
    Reap();
    auto window = std::make_unique<MciWindow>();
    MciWindow* w = window.get();
    w->style = style;
    HWND hwnd = new HWND__;
    hwnd->wnd = w;
    hwnd->parent = IsLiveWindow(parent) ? parent : nullptr;
    hwnd->style = style;
    hwnd->className = "MCIWndClass";
    hwnd->text = file ? file : "";
    w->m_hWnd = hwnd;
    AttachWindow(hwnd);
    Windows().push_back(std::move(window));

    const std::string path = file ? file : "";
    if (path.empty())
        return hwnd;
    const std::string problem = OpenMusic(w, path);
    w->error = problem;
    if (!problem.empty() && !(style & MCIWNDF_NOERRORDLG)) {
        const std::string text = "This music file cannot be played:\n" + path + "\n\n" + problem;
        MessageBoxA(hwnd->parent, text.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONERROR);
    }
    return hwnd;
}

std::string MCIWndGetErrorA(HWND mci)
{
    MciWindow* w = WindowOf(mci);
    return w ? w->error : std::string();
}

BOOL MCIWndCanPlay(HWND mci)
{
    MciWindow* w = WindowOf(mci);
    return w && w->music ? TRUE : FALSE;
}

LONG MCIWndPlay(HWND mci)
{
    MciWindow* w = DeviceOf(mci);
    if (!w)
        return MCIERR_DEVICE_NOT_READY;
    if (g_owner == w)
        return 0;
    ReleaseStream();
    if (w->length > 0 && w->position >= w->length)
        w->position = 0;
    SetMusicVolume(w->volume);
    const int started = w->position > 0 ? Mix_FadeInMusicPos(w->music, 0, 0, w->position / 1000.0)
                                         : Mix_PlayMusic(w->music, 0);
    if (started != 0)
        return MCIERR_DEVICE_NOT_READY;
    g_owner = w;
    w->clock.start();
    w->SetMode(MCI_MODE_PLAY);
    Watch(w);
    return 0;
}

LONG MCIWndStop(HWND mci)
{
    MciWindow* w = DeviceOf(mci);
    if (!w)
        return MCIERR_DEVICE_NOT_READY;
    if (g_owner == w)
        ReleaseStream();
    return 0;
}

LONG MCIWndClose(HWND mci)
{
    MciWindow* w = WindowOf(mci);
    if (!w)
        return MCIERR_DEVICE_NOT_READY;
    w->CloseDevice();
    return 0;
}

LONG MCIWndSeek(HWND mci, LONG position)
{
    MciWindow* w = DeviceOf(mci);
    if (!w)
        return MCIERR_DEVICE_NOT_READY;
    const LONG to = std::clamp<LONG>(position, 0, std::max<LONG>(w->length, 0));
    if (g_owner != w) {
        w->position = to;
        return 0;
    }
    if (Mix_SetMusicPosition(to / 1000.0) != 0) {
        // A backend that cannot seek in place starts again from there.
        ReleaseStream();
        w->position = to;
        return MCIWndPlay(mci);
    }
    w->position = to;
    w->clock.start();
    return 0;
}

LONG MCIWndGetPosition(HWND mci)
{
    Settle();
    MciWindow* w = WindowOf(mci);
    return w ? w->CurrentPosition() : 0;
}

LONG MCIWndGetLength(HWND mci)
{
    MciWindow* w = WindowOf(mci);
    return w ? w->length : 0;
}

LONG MCIWndGetMode(HWND mci)
{
    Settle();
    MciWindow* w = WindowOf(mci);
    return w ? w->mode : MCI_MODE_NOT_READY;
}

LONG MCIWndSetVolume(HWND mci, LONG volume)
{
    MciWindow* w = WindowOf(mci);
    if (!w)
        return MCIERR_DEVICE_NOT_READY;
    w->volume = std::clamp<LONG>(volume, 0, kFullVolume);
    if (g_owner == w)
        SetMusicVolume(w->volume);
    return 0;
}

LONG MCIWndGetVolume(HWND mci)
{
    MciWindow* w = WindowOf(mci);
    return w ? w->volume : 0;
}

LONG MCIWndSetTimeFormat(HWND mci, const char* format)
{
    if (!WindowOf(mci))
        return MCIERR_DEVICE_NOT_READY;
    return format && std::string(format) == "ms" ? 0 : MCIERR_BAD_TIME_FORMAT;
}

void MCIWndSetActiveTimer(HWND mci, UINT milliseconds)
{
    MciWindow* w = WindowOf(mci);
    if (!w)
        return;
    w->activeTimer = milliseconds;
    if (g_owner == w)
        Watch(w);
}

void MCIWndDestroy(HWND mci)
{
    if (MciWindow* w = WindowOf(mci))
        w->SendMessage(WM_CLOSE, 0, 0);
    Reap();
}

void CloseAllMediaDevices()
{
    for (const auto& w : Windows())
        w->CloseDevice();
}

int GetMciWindowCount()
{
    Reap();
    return static_cast<int>(Windows().size());
}
