// Private-profile (INI) files with the Windows semantics the settings code relies
// on: names matched without regard to ASCII case, blanks trimmed, quotes
// stripped, truncation to the caller's buffer, defaults, key and section lists.
// Every call sees the file as it is on disk (its parsed form is kept until the
// file changes); a write that changes something rewrites the whole file, a
// write that changes nothing leaves it untouched. A file that is not a regular
// file or is larger than 32 MiB reads as empty and is never written.
#pragma once
#include "platform/wintypes.h"

DWORD GetPrivateProfileStringA(const char* appName, const char* keyName, const char* defaultText,
                               char* returned, DWORD size, const char* fileName);
UINT GetPrivateProfileIntA(const char* appName, const char* keyName, int defaultValue, const char* fileName);
BOOL WritePrivateProfileStringA(const char* appName, const char* keyName, const char* value, const char* fileName);
