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

// While one lives, writes to its file change the file's parsed form only, and
// reads of that file see them; the file is rewritten once, when it ends. A
// run of writes to a large file then costs one rewrite instead of one each.
// A write in a batch answers TRUE; whether the final rewrite succeeded is not
// reported (callers that batch ignore failed writes).
class CProfileWriteBatch {
public:
    explicit CProfileWriteBatch(const char* fileName);
    ~CProfileWriteBatch();
    CProfileWriteBatch(const CProfileWriteBatch&) = delete;
    CProfileWriteBatch& operator=(const CProfileWriteBatch&) = delete;

private:
    bool m_active = true;
};
