// Places and files: the per-user private temporary folder, the settings folder,
// file deletion.
#pragma once
#include "platform/wintypes.h"

#include <string>

// The user's private temporary folder (mode 0700, created on first use) with a
// trailing '/', copied into buffer: $XDG_RUNTIME_DIR/parvolune-tmp/ when the
// runtime folder is set, ours and private, else a folder parvolune-<pid>-XXXXXX
// made with mkdtemp under $TMPDIR (or /tmp) once per process (again only when
// $TMPDIR changes or the folder is gone) and removed at exit when empty; the
// folders of processes that no longer run (killed, crashed) go when one is made. Returns its
// length, or 0 when no such folder can be had (buffer then untouched). When the
// path does not fit, returns the size needed including the NUL and copies nothing.
DWORD GetTempPathA(DWORD bufferLength, char* buffer);

// The folder that keeps the settings across runs, with a trailing '/':
// $XDG_CONFIG_HOME/parvolune/ (default ~/.config/parvolune/, the home folder
// from $HOME, else the password database), created on demand. An existing
// read-only folder is taken. Empty when it cannot be had.
std::string GetSettingsFolder();

// Where the settings go when there is no settings folder: a place of this
// user that later runs find again, with a trailing '/':
// $XDG_RUNTIME_DIR/parvolune-tmp/ when the runtime folder is usable, else
// parvolune-<uid>/ under $TMPDIR (or /tmp), made with mode 0700 and refused
// unless it is a folder of ours with exactly that mode. Empty when neither.
std::string GetFallbackFolder();

// The application profile (what the registry profile of the application held):
// parvolune-profile.ini beside the settings file (in the settings folder, else
// the fallback folder). Empty when there is neither.
std::string GetAppProfilePath();

// The per-user runtime folder for lock files, with a trailing '/':
// $XDG_RUNTIME_DIR/parvolune/, else run/ in the settings folder, else run/ in
// parvolune-<uid>/ under $TMPDIR (places every process of the user agrees on).
// Empty when none can be had.
std::string GetRuntimeFolder();

// Removes a file (not a folder); FALSE when there is none or it cannot be removed.
BOOL DeleteFileA(const char* path);
