// Named mutexes, used only to tell whether another copy of the game runs: each
// is an exclusive lock on a file named after it in the per-user runtime folder,
// held until the process ends.
#pragma once
#include "platform/wintypes.h"

constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;

// Returns a handle (non-null) when the lock file could be opened; sets the last
// error to ERROR_ALREADY_EXISTS when the lock is held already (by another
// process, or by an earlier call of this one), 0 otherwise. Returns null and sets
// ERROR_PATH_NOT_FOUND when there is no runtime folder, ERROR_ACCESS_DENIED when
// the lock file cannot be opened. A null or empty name makes an unnamed mutex,
// which never exists already. The lock file is not inherited across exec.
HANDLE CreateMutexA(void* securityAttributes, BOOL initialOwner, const char* name);

// The last error of the calling thread.
DWORD GetLastError();
void SetLastError(DWORD error);
