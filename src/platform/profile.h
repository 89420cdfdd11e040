// Private-profile (INI) files with the Windows semantics the settings code relies
// on: names matched without regard to ASCII case, blanks trimmed, quotes
// stripped, truncation to the caller's buffer, defaults, key and section lists.
// Every call sees the file as it is on disk (its parsed form is kept until the
// file changes); a write that changes something rewrites the whole file, a
// write that changes nothing leaves it untouched. A file that is not a regular
// file or is larger than 32 MiB reads as empty and is never written; a write
// that would make a file larger than that is refused (FALSE, the file as it
// was, told once on standard error). Lookups take the same time however many
// keys a section holds.
#pragma once
#include "platform/wintypes.h"

#include <string>

DWORD GetPrivateProfileStringA(const char* appName, const char* keyName, const char* defaultText,
                               char* returned, DWORD size, const char* fileName);
UINT GetPrivateProfileIntA(const char* appName, const char* keyName, int defaultValue, const char* fileName);
BOOL WritePrivateProfileStringA(const char* appName, const char* keyName, const char* value, const char* fileName);

// While one lives, writes to its file change the file's parsed form only, and
// reads of that file see them; the file is rewritten once, when it ends. A
// run of writes to a large file then costs one rewrite instead of one each.
// A write in a batch answers TRUE, or FALSE when it would make the file too
// large (it is then left out); whether the final rewrite succeeded is not
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

// What to write so that a read gives back `value` byte for byte: a value with
// a blank at either end (reads trim them) or wrapped in a pair of matching
// quotes (reads remove one pair) is written inside double quotes. False for
// a value no line can hold (a line break or NUL in it).
bool KeepExactProfileValue(const std::string& value, std::string& written);
