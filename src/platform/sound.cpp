#include "platform/sound.h"

#include "platform/audio_device.h"
#include "platform/media_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace {

constexpr int kChannel = 0;  // the mixer channel PlaySoundA plays on

Mix_Chunk* g_chunk = nullptr;  // the sound on kChannel; non-null only while the device is open
DWORD g_volume = 0xFFFFFFFF;

void StopChunk()
{
    if (!g_chunk)
        return;
    Mix_HaltChannel(kChannel);
    Mix_FreeChunk(g_chunk);
    g_chunk = nullptr;
}

// The louder word sets the channel volume, the two words' ratio the balance.
// The mixer drops a channel's panning when the sound on it ends or is replaced,
// so this runs again before every start.
void ApplyVolume()
{
    const unsigned left = LOWORD(g_volume);
    const unsigned right = HIWORD(g_volume);
    const unsigned level = std::max(left, right);
    Mix_Volume(kChannel, static_cast<int>((level * MIX_MAX_VOLUME + 0x7FFF) / 0xFFFF));
    const auto share = [level](unsigned v) {
        return static_cast<Uint8>(level ? (v * 255 + level / 2) / level : 255);
    };
    Mix_SetPanning(kChannel, share(left), share(right));
}

}  // namespace

BOOL PlaySoundA(const char* sound, HMODULE, DWORD flags)
{
    StopChunk();
    if (!sound)
        return TRUE;
    if (!EnsureAudioOpen())
        return FALSE;
    Mix_ReserveChannels(kChannel + 1);
    g_chunk = Mix_LoadWAV(sound);
    if (!g_chunk)
        return FALSE;
    const bool async = (flags & SND_ASYNC) != 0;
    const int loops = async && (flags & SND_LOOP) ? -1 : 0;  // a synchronous loop would never return
    ApplyVolume();  // while the channel is idle, so the first samples already have it
    if (Mix_PlayChannel(kChannel, g_chunk, loops) < 0) {
        StopChunk();
        return FALSE;
    }
    while (!async && Mix_Playing(kChannel))
        SDL_Delay(5);
    return TRUE;
}

UINT waveOutSetVolume(UINT, DWORD volume)
{
    g_volume = volume;
    if (g_chunk)
        ApplyVolume();
    return MMSYSERR_NOERROR;
}

DWORD GetWaveOutVolume() { return g_volume; }

bool IsSoundPlaying() { return g_chunk && Mix_Playing(kChannel); }

const char* GetAudioDriverName() { return AudioDriverName(); }

void ShutdownSound()
{
    StopChunk();
    CloseAllMediaDevices();
    CloseAudio();
}
