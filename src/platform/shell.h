// Opening documents and web pages with the desktop's own programs.
#pragma once
#include "platform/wintypes.h"

#include <string>

// Opens `parameters` (a web address or a file) when given, else `file`, in the
// desktop's browser or viewer. The program name the caller asks for is not
// used: the desktop chooses. Returns a value above 32 on success, as Windows
// does, else 2 (not found).
uintptr_t ShellExecuteA(HWND owner, const char* operation, const char* file, const char* parameters,
                        const char* directory, int show);

// The folder of the running program, with a trailing '/'.
std::string GetProgramFolder();

// Translates a virtual key to its character as the keyboard state makes it
// (Shift or Caps Lock for upper-case letters, both for lower case); 0 when the
// key gives none.
int ToAsciiFromKeyState(UINT virtualKey);
