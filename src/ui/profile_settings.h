// The Music dialog's start volume, kept in the application profile.
#pragma once
#include "platform/winapp.h"

class CProfileSettings {
public:
    CProfileSettings();
    virtual ~CProfileSettings();

    // "Settings"/"Volume", 0..1000 (a stored value outside is taken as the
    // nearest end); 1000 when there is none, or no application.
    int GetVolume();
    // Stores it (limited to 0..1000) for the next run; FALSE when it cannot.
    BOOL SetVolume(int volume);

    CWinApp* m_pApp;
};
