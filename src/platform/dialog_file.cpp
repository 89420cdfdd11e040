#include "platform/dialog_file.h"

#include "platform/dialog_window.h"
#include "platform/modal.h"
#include "platform/native.h"

#include <QFileDialog>
#include <QStringList>

namespace {

FileDialogHook& Hook()
{
    static FileDialogHook hook;
    return hook;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

void SetFileDialogHook(FileDialogHook hook) { Hook() = std::move(hook); }

std::vector<std::string> FileDialogNameFilters(const std::string& filter)
{
    // "label|patterns|label|patterns": each pair becomes "label (patterns)",
    // every pattern also in upper case (the toolkit's match is case-sensitive).
    std::vector<std::string> filters;
    const std::vector<std::string> parts = Split(filter, '|');
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty())
            continue;
        std::string patterns;
        for (const std::string& pattern : Split(parts[i + 1], ';')) {
            if (pattern.empty())
                continue;
            patterns += (patterns.empty() ? "" : " ") + pattern;
            if (Upper(pattern) != pattern)
                patterns += " " + Upper(pattern);
        }
        filters.push_back(parts[i] + " (" + patterns + ")");
    }
    return filters;
}

CFileDialog::CFileDialog(BOOL openFileDialog, const char*, const char* fileName, DWORD, const char* filter,
                         CWnd* parent)
    : m_bOpen(openFileDialog), m_filter(filter ? filter : ""), m_path(fileName ? fileName : ""), m_pParent(parent)
{
}

int CFileDialog::DoModal()
{
    if (Hook()) {
        std::string path = m_path;
        const int result = Hook()(path);
        if (result == IDOK)
            m_path = path;
        return result;
    }
    HWND owner = m_pParent ? m_pParent->m_hWnd : ActiveModalDialog();
    QWidget* parent = IsLiveWindow(owner) && owner->widget ? owner->widget : nullptr;
    QFileDialog chooser(parent);
    chooser.setWindowModality(Qt::ApplicationModal);
    chooser.setAcceptMode(m_bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    chooser.setFileMode(m_bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters;
    for (const std::string& f : FileDialogNameFilters(m_filter))
        filters << QString::fromStdString(f);
    if (!filters.isEmpty())
        chooser.setNameFilters(filters);
    const int result = RunModalLoop([&chooser] { return chooser.exec(); });
    if (result != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return IDCANCEL;
    m_path = chooser.selectedFiles().first().toStdString();
    return IDOK;
}
