#include "gfx/temp_folder.h"

#include "platform/files.h"
#include "platform/msgbox.h"

namespace {

// The temporary folder when it fits the 260 characters the game allows, else empty.
std::string TempPath()
{
    char buffer[260];
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

}  // namespace

std::string GetTempFolder()
{
    static bool reported = false;
    const std::string folder = TempPath();
    if (!folder.empty())
        return folder;
    if (!reported) {
        reported = true;
        MessageBoxA(nullptr, "Error Find TempPath.", "ERROR", MB_OK);
    }
    return "";
}
