// The volume setting ("YINLIANG", 0 loudest .. 65535 silent) on the wave
// device: the game's music and the Aquarium dialog's slider set it.
#pragma once

// Sets both channels of wave device 0 to 65535 minus the setting (held to
// 0..65535).
void SetWaveVolume(int volumeSetting);
