// The built-in music, looping while the player's own music is off.
#include "view/tank_view.h"

#include "gfx/resource_file.h"
#include "gfx/temp_folder.h"
#include "platform/sound.h"
#include "settings/settings.h"
#include "settings/wave_volume.h"

namespace {
constexpr int MUSIC_RESOURCE = 227;
}

void CTankView::PlayMusic()
{
    const std::string folder = GetTempFolder();
    const std::string name = "Music";
    ExtractResourceFile(MUSIC_RESOURCE, folder, name);
    SetWaveVolume(g_Settings.g_nVolume);
    PlaySoundA((folder + name + ".wav").c_str(), nullptr, SND_FILENAME | SND_LOOP | SND_NODEFAULT | SND_ASYNC);
    DeleteTempFile(folder + name + ".ad");
    DeleteTempFile(folder + name + ".wav");
}
