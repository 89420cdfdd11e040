#include "ui/profile_settings.h"

#include <algorithm>

namespace {
constexpr const char* kSection = "Settings";
constexpr const char* kVolume = "Volume";
constexpr int kFullVolume = 1000;
}  // namespace

CProfileSettings::CProfileSettings() : m_pApp(AfxGetApp()) {}

CProfileSettings::~CProfileSettings() = default;

int CProfileSettings::GetVolume()
{
    if (!m_pApp)
        return kFullVolume;
    // The profile reads negative numbers as large unsigned ones.
    const int stored = static_cast<int>(m_pApp->GetProfileInt(kSection, kVolume, kFullVolume));
    return std::clamp(stored, 0, kFullVolume);
}

BOOL CProfileSettings::SetVolume(int volume)
{
    return m_pApp ? m_pApp->WriteProfileInt(kSection, kVolume, std::clamp(volume, 0, kFullVolume)) : FALSE;
}
