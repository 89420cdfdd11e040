// The MCI window in place of the Video for Windows one, for the player's own
// music: each window opens one file (MP3, OGG, FLAC or WAV) and plays it on
// the shared audio device through SDL2_mixer's music stream. The window is
// never shown; it is a child of its parent (destroyed with it) until WM_CLOSE
// or MCIWndDestroy. Positions and lengths are in milliseconds.
#pragma once
#include "platform/messages.h"
#include "platform/music_probe.h"
#include "platform/wintypes.h"

#include <cstdint>
#include <string>

// Window styles of MCIWndCreateA.
constexpr DWORD MCIWNDF_NOPLAYBAR = 0x0002;
constexpr DWORD MCIWNDF_NOMENU = 0x0008;
constexpr DWORD MCIWNDF_NOTIFYMODE = 0x0100;
constexpr DWORD MCIWNDF_NOTIFYPOS = 0x0200;
constexpr DWORD MCIWNDF_NOTIFYSIZE = 0x0400;
constexpr DWORD MCIWNDF_NOTIFYMEDIA = 0x0880;
constexpr DWORD MCIWNDF_NOTIFYERROR = 0x1000;
constexpr DWORD MCIWNDF_NOTIFYALL = 0x1F00;
constexpr DWORD MCIWNDF_NOERRORDLG = 0x4000;

// Device modes (MCIWndGetMode).
constexpr LONG MCI_MODE_NOT_READY = 524;
constexpr LONG MCI_MODE_STOP = 525;
constexpr LONG MCI_MODE_PLAY = 526;

// Results of the commands: 0 when done.
constexpr LONG MCIERR_DEVICE_NOT_READY = 276;
constexpr LONG MCIERR_BAD_TIME_FORMAT = 293;

// Posted to the parent of a window made with MCIWNDF_NOTIFYMODE whenever its
// mode changes: wParam the MCI window, lParam the new mode. When a file has
// played to its end the window goes from MCI_MODE_PLAY to MCI_MODE_STOP by
// itself: that is the end-of-media event.
constexpr UINT MCIWNDM_NOTIFYMODE = WM_USER + 200;

// Makes a window for `file` (none when null or empty: the window then has no
// device and cannot play, and nothing is reported). A file that cannot be
// opened (missing, a folder, not music of a kind above) leaves the window
// without a device and, unless MCIWNDF_NOERRORDLG, is reported in one message
// box naming the file and why, owned by `parent`. Null only when the window
// itself cannot be made.
HWND MCIWndCreateA(HWND parent, HMODULE instance, DWORD style, const char* file);

// Why the window's file could not be opened (sentences), or "".
std::string MCIWndGetErrorA(HWND mci);

// The open device can play (a file is open).
BOOL MCIWndCanPlay(HWND mci);
// Plays from the current position (from the start when at the end) to the
// end of the file. Another window playing stops where it is.
LONG MCIWndPlay(HWND mci);
// Stops; the position stays where playback was.
LONG MCIWndStop(HWND mci);
// Closes the device (the window stays, without a device).
LONG MCIWndClose(HWND mci);
// Moves to `position` (limited to the file); playback goes on from there.
LONG MCIWndSeek(HWND mci, LONG position);
LONG MCIWndGetPosition(HWND mci);
LONG MCIWndGetLength(HWND mci);
LONG MCIWndGetMode(HWND mci);
// Volume 0..1000 (1000 is the file's own level, values above are taken as 1000).
LONG MCIWndSetVolume(HWND mci, LONG volume);
// 1000 for a new window.
LONG MCIWndGetVolume(HWND mci);
// Only "ms" is known; the windows count in milliseconds anyway.
LONG MCIWndSetTimeFormat(HWND mci, const char* format);
// How often the window looks at its device while playing (default 500 ms);
// it notices the end of the file within that time.
void MCIWndSetActiveTimer(HWND mci, UINT milliseconds);
// Closes the device and destroys the window.
void MCIWndDestroy(HWND mci);

// Whether a file can be given to its decoder: a regular file within the
// cap, of a kind the player plays, its header sound (music_probe.h). "" when
// it can, else why (sentences). Any thread; opens the file and closes it.
std::string CheckMusicFile(const char* path);
// The same, leaving the file open in `fd` (-1 when it cannot be used), with
// what of it its decoder is to read.
std::string OpenMusicFile(const char* path, int& fd, MusicStream& stream, MusicKind& kind);

// Closes the device of every window (they stay without one); the sound layer
// calls it before the audio device closes.
void CloseAllMediaDevices();

// Windows made by MCIWndCreateA that still exist; for tests.
int GetMciWindowCount();
