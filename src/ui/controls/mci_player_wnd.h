// The playback window of the Music dialog: it holds the one MCI window of the
// open track, made anew for every track. It never has a window of its own.
#pragma once
#include "platform/media_player.h"
#include "platform/wnd.h"

#include <string>

class CMciPlayerWnd : public CWnd {
public:
    CMciPlayerWnd();
    // Closes the MCI window of the last track.
    ~CMciPlayerWnd() override;

    // The window the MCI windows are made in (they die with it); its mode
    // notices (MCIWNDM_NOTIFYMODE) go there.
    void SetParentWnd(HWND parent);
    // The file the next Create opens.
    void SetFileName(const std::string& file);
    // Destroys the MCI window of the previous track, then makes one for the
    // file (none for an empty name: it cannot play, and nothing is said); a
    // file that cannot be played is reported in one message box and leaves
    // m_bCanPlay 0. Returns the new window.
    HWND Create();

    // With `quiet` a file that cannot be played is not told in a box;
    // GetError says why.
    void SetQuiet(bool quiet);
    // Why the file of the last Create cannot be played, or "".
    std::string GetError() const;

    // Whether `file` can be played, tried in a window of its own under
    // `parent`; when it cannot, the one message box of Create says why.
    static BOOL CanPlayFile(HWND parent, const std::string& file);

    void Play();
    void Stop();
    // Closes the device; the window stays until the next Create.
    void Close();
    void Seek(LONG position);
    // In milliseconds.
    LONG GetPosition();
    LONG GetLength();
    // MCI_MODE_PLAY while the track plays; the device turns to MCI_MODE_STOP
    // by itself when the track has played to its end (the end-of-media
    // event), also when its decoder stops short of the length it announced.
    LONG GetMode();
    // 0..1000; kept here and given to the device.
    void SetVolume(int volume);
    // The last volume set, or the device's after Create; no device query.
    int GetVolume() const;

    HWND m_hParent = nullptr;
    int m_nVolume = 1000;
    BYTE m_bCanPlay = 0;
    HWND m_hMciWnd = nullptr;
    std::string m_strFile;

private:
    bool m_bQuiet = false;
};
