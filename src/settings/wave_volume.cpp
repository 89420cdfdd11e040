#include "settings/wave_volume.h"

#include "platform/sound.h"

#include <algorithm>

void SetWaveVolume(int volumeSetting)
{
    const DWORD level = static_cast<DWORD>(65535 - std::clamp(volumeSetting, 0, 65535));
    waveOutSetVolume(0, level | (level << 16));
}
