// Message boxes: modal, owned by a window or by none. The game's timers keep
// running while one is open.
#pragma once
#include "platform/wintypes.h"

#include <functional>

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);

// Tests answer message boxes themselves: while a hook is set it is called in
// place of the dialog and its result returned.
using MessageBoxHook = std::function<int(const char* text, const char* caption, UINT type)>;
void SetMessageBoxHook(MessageBoxHook hook);
