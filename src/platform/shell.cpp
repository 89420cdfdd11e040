#include "platform/shell.h"

#include "platform/wnd.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <climits>
#include <unistd.h>

uintptr_t ShellExecuteA(HWND, const char*, const char* file, const char* parameters, const char*, int)
{
    const char* target = (parameters && *parameters) ? parameters : file;
    if (!target || !*target)
        return 2;
    const QUrl url = QUrl::fromUserInput(QString::fromLocal8Bit(target));
    return url.isValid() && QDesktopServices::openUrl(url) ? 33 : 2;
}

std::string GetProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "./";
    std::string s(path, static_cast<size_t>(n));
    return s.substr(0, s.rfind('/') + 1);
}

int ToAsciiFromKeyState(UINT virtualKey)
{
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool capsLock = (GetKeyState(VK_CAPITAL) & 1) != 0;
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return shift != capsLock ? static_cast<int>(virtualKey) : static_cast<int>(virtualKey - 'A' + 'a');
    if (virtualKey >= '0' && virtualKey <= '9')
        return static_cast<int>(virtualKey);
    if (virtualKey == VK_SPACE)
        return ' ';
    return 0;
}
