#include "platform/dialog_color.h"

#include "platform/dialog_window.h"
#include "platform/gdi_internal.h"
#include "platform/modal.h"
#include "platform/native.h"

#include <QColorDialog>

namespace {

ColorDialogHook& Hook()
{
    static ColorDialogHook hook;
    return hook;
}

}  // namespace

void SetColorDialogHook(ColorDialogHook hook) { Hook() = std::move(hook); }

CColorDialog::CColorDialog(COLORREF initial, DWORD, CWnd* parent) : m_color(initial), m_pParent(parent) {}

int CColorDialog::DoModal()
{
    if (Hook()) {
        COLORREF color = m_color;
        const int result = Hook()(color);
        if (result == IDOK)
            m_color = color;
        return result;
    }
    HWND owner = m_pParent ? m_pParent->m_hWnd : ActiveModalDialog();
    QWidget* parent = IsLiveWindow(owner) && owner->widget ? owner->widget : nullptr;
    QColorDialog chooser(ToQColor(m_color), parent);
    chooser.setWindowModality(Qt::ApplicationModal);
    const int result = RunModalLoop([&chooser] { return chooser.exec(); });
    if (result != QDialog::Accepted)
        return IDCANCEL;
    m_color = FromQColor(chooser.selectedColor());
    return IDOK;
}
