#include "platform/dialog.h"

#include "platform/dialog_window.h"
#include "platform/modal.h"
#include "platform/widget_port.h"
#include "platform/winapp.h"

#include <QEventLoop>
#include <cctype>
#include <string>

namespace {

std::unique_ptr<CWnd> DefaultControlObject(const char* className)
{
    std::string name = className ? className : "";
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name == "button")
        return std::make_unique<CButton>();
    if (name == "static")
        return std::make_unique<CStatic>();
    if (name == "msctls_trackbar32")
        return std::make_unique<CSliderCtrl>();
    if (name == "systabcontrol32")
        return std::make_unique<CTabCtrl>();
    return std::make_unique<CWnd>();
}

// The first control Tab would reach.
HWND FirstTabStop(HWND dialog)
{
    for (HWND child : dialog->children)
        if ((child->style & WS_TABSTOP) && child->widget && child->widget->isVisibleTo(dialog->client) &&
            child->widget->isEnabled() && child->widget->focusPolicy() != Qt::NoFocus)
            return child;
    return nullptr;
}

}  // namespace

// ---- data exchange ----

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(static_cast<UINT>(id) & 0xFFFF) : nullptr;
    if (!control) {
        Fail();
        return nullptr;
    }
    return control->m_hWnd;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    HWND hwnd = dx->PrepareCtrl(id);
    if (hwnd)
        control.SubclassWindow(hwnd);
}

// ---- CDialog ----

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CDialog::CreateFromTemplate(CWnd* owner, bool modal)
{
    const DialogTemplate* t = FindDialogTemplate(m_nIDTemplate);
    if (!t || m_hWnd)
        return FALSE;
    m_bEnded = FALSE;
    HWND hwnd = MakeDialogWindow(this, *t, owner ? owner->m_hWnd : nullptr, m_bOwnFrame != FALSE);
    CREATESTRUCT cs;
    cs.hwndParent = hwnd->parent;
    cs.cx = t->cx * DIALOG_UNIT_PIXELS;
    cs.cy = t->cy * DIALOG_UNIT_PIXELS;
    cs.style = static_cast<LONG>(t->style);
    cs.lpszName = t->caption;
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1 || !m_hWnd) {
        DestroyWindow();
        return FALSE;
    }
    for (const DialogItem& item : t->items) {
        auto control = DefaultControlObject(item.className);
        const RECT r{item.x * DIALOG_UNIT_PIXELS, item.y * DIALOG_UNIT_PIXELS, (item.x + item.cx) * DIALOG_UNIT_PIXELS,
                     (item.y + item.cy) * DIALOG_UNIT_PIXELS};
        CreateControlWindow(control.get(), item.className, item.text, item.style, r, hwnd,
                            static_cast<UINT>(item.id) & 0xFFFF);
        m_defaultControls.push_back(std::move(control));
    }
    // Placed before WM_INITDIALOG, which may place it elsewhere.
    CenterWindow();
    HWND first = FirstTabStop(hwnd);
    const LRESULT setFocus = SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(first), 0);
    if (!m_hWnd)
        return FALSE;
    if (setFocus) {
        if (HWND focus = FirstTabStop(hwnd))
            focus->widget->setFocus(Qt::TabFocusReason);
    }
    // A modal dialog shows when its loop starts.
    if (!modal && (t->style & WS_VISIBLE) && !m_bEnded)
        ShowWindow(SW_SHOW);
    return TRUE;
}

int CDialog::DoModal()
{
    // Without a parent the owner is the dialog running modally now, else the
    // application's main window.
    CWnd* owner = m_pParentWnd;
    if (!owner)
        if (HWND active = ActiveModalDialog())
            owner = active->wnd;
    if (!owner && AfxGetApp())
        owner = AfxGetApp()->m_pMainWnd;
    m_nModalResult = -1;
    if (!CreateFromTemplate(owner, true))
        return -1;
    if (!m_bEnded && m_hWnd) {
        QEventLoop loop;
        HWND hwnd = m_hWnd;
        hwnd->modalLoop = &loop;
        hwnd->widget->setWindowModality(Qt::ApplicationModal);
        ShowWindow(SW_SHOW);
        RunModalLoop([&loop] { return loop.exec(QEventLoop::DialogExec); });
        if (m_hWnd)
            m_hWnd->modalLoop = nullptr;
    }
    HWND ownerHwnd = m_hWnd ? m_hWnd->parent : nullptr;
    if (m_hWnd)
        DestroyWindow();
    ActivateDialogOwner(ownerHwnd);
    return m_nModalResult;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    return CreateFromTemplate(parent, false);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bEnded = TRUE;
    if (!m_hWnd)
        return;
    ShowWindow(SW_HIDE);
    if (m_hWnd->modalLoop)
        m_hWnd->modalLoop->exit(result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::SetDefID(UINT id)
{
    if (m_hWnd)
        SetDialogDefaultId(m_hWnd, id);
}

UINT CDialog::GetDefID() const { return m_hWnd ? DialogDefaultId(m_hWnd) : IDOK; }

BOOL CDialog::DestroyWindow()
{
    const BOOL destroyed = CWnd::DestroyWindow();
    m_defaultControls.clear();
    return destroyed;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const UINT flags = static_cast<UINT>(LOWORD(wParam));
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const auto handle = [&](auto&& handler) -> LRESULT {
        const MSG saved = m_currentMsg;
        m_currentMsg = MSG{m_hWnd, message, wParam, lParam};
        const LRESULT result = handler();
        m_currentMsg = saved;
        return result;
    };
    switch (message) {
    case WM_INITDIALOG: return handle([&] { return static_cast<LRESULT>(OnInitDialog()); });
    case WM_NOTIFY:
        // A notification nobody takes goes on to the default processing.
        return handle([&] {
            LRESULT result = 0;
            if (!OnNotify(wParam, lParam, &result))
                result = DefWindowProc(message, wParam, lParam);
            return result;
        });
    case WM_VSCROLL:
    case WM_HSCROLL:
        return handle([&] {
            CWnd* bar = CWnd::FromHandle(reinterpret_cast<HWND>(lParam));
            if (message == WM_VSCROLL)
                OnVScroll(LOWORD(wParam), HIWORD(wParam), bar);
            else
                OnHScroll(LOWORD(wParam), HIWORD(wParam), bar);
            return LRESULT(0);
        });
    case WM_SETCURSOR:
        return handle([&] {
            return static_cast<LRESULT>(OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
                                                    LOWORD(static_cast<uintptr_t>(lParam)),
                                                    HIWORD(static_cast<uintptr_t>(lParam))));
        });
    case WM_MOUSEWHEEL:
        return handle([&] {
            return static_cast<LRESULT>(OnMouseWheel(flags, static_cast<short>(HIWORD(wParam)), point));
        });
    case WM_RBUTTONDBLCLK:
        return handle([&] {
            OnRButtonDblClk(static_cast<UINT>(wParam), point);
            return LRESULT(0);
        });
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CDialog::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    CWnd* control = header ? CWnd::FromHandle(header->hwndFrom) : nullptr;
    return control && control != this && control->OnChildNotify(WM_NOTIFY, 0, lParam, result);
}

HBRUSH CDialog::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    LRESULT result = 0;
    if (wnd && wnd != this && wnd->OnChildNotify(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam, &result))
        return reinterpret_cast<HBRUSH>(result);
    return CWnd::OnCtlColor(dc, wnd, ctlColor);
}

void CDialog::OnVScroll(UINT, UINT, CWnd*) { Default(); }
void CDialog::OnHScroll(UINT, UINT, CWnd*) { Default(); }
BOOL CDialog::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
BOOL CDialog::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CDialog::OnRButtonDblClk(UINT, CPoint) { Default(); }

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE && m_hWnd) {
        // Closing a dialog is its Cancel button, unless that is disabled.
        CWnd* cancel = GetDlgItem(IDCANCEL);
        if (!cancel || cancel->IsWindowEnabled())
            SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                        reinterpret_cast<LPARAM>(cancel ? cancel->m_hWnd : nullptr));
        return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    CWnd* control = CWnd::FromHandle(reinterpret_cast<HWND>(lParam));
    LRESULT result = 0;
    if (control && control != this && control->OnChildNotify(WM_COMMAND, wParam, lParam, &result))
        return TRUE;
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: return FALSE;
    }
}
