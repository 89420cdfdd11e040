#include "platform/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

namespace {

constexpr int kChunkFrames = 1024;

bool g_open = false;

// Starts the audio subsystem and opens the mixer on it; leaves nothing behind
// when either fails. The device format is exactly the one asked for: SDL
// converts when the hardware differs.
bool TryOpen()
{
    // SDL starts its event queue with audio and would take over SIGINT and SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudioDevice(kAudioRate, AUDIO_S16SYS, kAudioChannels, kChunkFrames, nullptr, 0) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

}  // namespace

bool EnsureAudioOpen()
{
    if (g_open)
        return true;
    g_open = TryOpen();
    if (!g_open) {
        std::fprintf(stderr, "parvolune: no audio device (%s); sound is silent\n", SDL_GetError());
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        g_open = TryOpen();
        if (!g_open)
            SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    return g_open;
}

void CloseAudio()
{
    if (!g_open)
        return;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);  // the next open asks the environment again
    g_open = false;
}

const char* AudioDriverName()
{
    const char* name = g_open ? SDL_GetCurrentAudioDriver() : nullptr;
    return name ? name : "";
}
