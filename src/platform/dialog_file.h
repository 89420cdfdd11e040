// The file chooser of the desktop's toolkit, run modally (the game's timers
// keep running while it is open).
#pragma once
#include "platform/wnd.h"

#include <functional>
#include <string>

constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;

class CFileDialog {
public:
    // `filter` is "label|patterns|label|patterns..." with patterns joined by
    // ';' ("(*.jpg;*.png)|*.jpg;*.png"); patterns match either case.
    explicit CFileDialog(BOOL openFileDialog, const char* defaultExt = nullptr, const char* fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                         CWnd* parent = nullptr);
    // IDOK when a file was chosen, else IDCANCEL.
    int DoModal();
    // The chosen file's full path, whatever its length.
    std::string GetPathName() const { return m_path; }

private:
    BOOL m_bOpen;
    std::string m_filter;
    std::string m_path;
    CWnd* m_pParent;
};

// Tests answer file choosers themselves: while a hook is set it runs in place
// of the chooser, may set the path and gives the result.
using FileDialogHook = std::function<int(std::string& path)>;
void SetFileDialogHook(FileDialogHook hook);

// The toolkit's name filters of a filter string as CFileDialog takes it.
std::vector<std::string> FileDialogNameFilters(const std::string& filter);
