// Push buttons, static controls and tooltips as toolkit widgets.
#include "platform/dialog_controls.h"

#include "platform/gdi_internal.h"
#include "platform/list_ctrl.h"
#include "platform/widget_port.h"

#include <QPaintEvent>
#include <QPushButton>
#include <cstdlib>

void RegisterStandardControls();

namespace {

void Notify(HWND hwnd, UINT code)
{
    if (IsLiveWindow(hwnd) && IsLiveWindow(hwnd->parent))
        hwnd->parent->wnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(hwnd->id), static_cast<int>(code)),
                                       reinterpret_cast<LPARAM>(hwnd));
}

class ButtonControl : public PortWidget<QPushButton> {
public:
    ButtonControl(HWND hwnd, QWidget* parent) : PortWidget<QPushButton>(hwnd, parent)
    {
        setText(QString::fromLatin1(hwnd->text.c_str()));
        // Enter goes to the dialog, which presses the focused or the default button.
        setAutoDefault(false);
        setDefault((hwnd->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        setFocusPolicy((hwnd->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        QObject::connect(this, &QAbstractButton::clicked, [this] { Notify(portHwnd(), BN_CLICKED); });
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        HWND hwnd = portHwnd();
        if (!hwnd || (hwnd->style & BS_TYPEMASK) != BS_OWNERDRAW || !IsLiveWindow(hwnd->parent)) {
            QPushButton::paintEvent(e);
            return;
        }
        QPainter painter(this);
        HDC dc = OpenPainterDC(hwnd, &painter, rect());
        CWnd* parent = hwnd->parent->wnd;
        // The parent sets the colours of the context, as for any button.
        parent->SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = hwnd->id;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (isDown() ? ODS_SELECTED : 0) | (hasFocus() ? ODS_FOCUS : 0) |
                        (isEnabled() ? 0 : ODS_DISABLED) | (isDefault() ? ODS_DEFAULT : 0);
        dis.hwndItem = hwnd;
        dis.hDC = dc;
        dis.rcItem = RECT{0, 0, width(), height()};
        parent->SendMessage(WM_DRAWITEM, hwnd->id, reinterpret_cast<LPARAM>(&dis));
        CloseDC(dc);
    }
};

class StaticControl : public PortWidget<QWidget> {
public:
    StaticControl(HWND hwnd, QWidget* parent) : PortWidget<QWidget>(hwnd, parent)
    {
        setFocusPolicy(Qt::NoFocus);
        if (!(hwnd->style & SS_NOTIFY))
            setAttribute(Qt::WA_TransparentForMouseEvents);
        const DWORD type = hwnd->style & SS_TYPEMASK;
        if (type == SS_ICON && hwnd->text.size() > 1 && hwnd->text[0] == '#')
            m_icon = LoadIconA(nullptr, hwnd->text.c_str());
    }
    ~StaticControl() override { DestroyIcon(m_icon); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        HWND hwnd = portHwnd();
        if (!hwnd || !IsLiveWindow(hwnd->parent))
            return;
        QPainter painter(this);
        HDC hdc = OpenPainterDC(hwnd, &painter, rect());
        CDC* dc = CDC::FromHandle(hdc);
        dc->SelectObject(hwnd->font);
        // The parent chooses the colours and the background brush (none: transparent).
        auto brush = reinterpret_cast<HBRUSH>(hwnd->parent->wnd->SendMessage(
            WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd)));
        CRect r(0, 0, width(), height());
        if (brush)
            dc->FillRect(&r, CBrush::FromHandle(brush));
        const DWORD type = hwnd->style & SS_TYPEMASK;
        if (type == SS_ICON) {
            if (m_icon)
                dc->DrawIcon(0, 0, m_icon);
        } else if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP) {
            UINT format = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
            format |= type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK;
            if (hwnd->style & SS_NOPREFIX)
                format |= DT_NOPREFIX;
            if (!isEnabled())
                dc->SetTextColor(GetSysColor(COLOR_GRAYTEXT));
            dc->DrawText(hwnd->text.c_str(), -1, &r, format);
        }
        CloseDC(hdc);
    }

private:
    HICON m_icon = nullptr;
};

}  // namespace

void RegisterStandardControls()
{
    RegisterControlClass("Button", [](HWND hwnd, QWidget* parent) { return new ButtonControl(hwnd, parent); });
    RegisterControlClass("Static", [](HWND hwnd, QWidget* parent) { return new StaticControl(hwnd, parent); });
    RegisterListViewControl();
}

// ---- CButton ----

BOOL CButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("Button", caption, style, rect, parent, id);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT*)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}

UINT CButton::GetButtonStyle() const { return m_hWnd ? (m_hWnd->style & 0xFF) : 0; }

// ---- CToolTipCtrl ----

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    if (!parent || !parent->m_hWnd || !parent->m_hWnd->widget)
        return FALSE;
    return CWnd::Create("tooltips_class32", nullptr, style & ~WS_VISIBLE, CRect(0, 0, 0, 0), parent, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const char* text, LPCRECT, UINT toolId)
{
    if (!m_hWnd || !wnd || !wnd->m_hWnd)
        return FALSE;
    m_tools.push_back(Tool{wnd->m_hWnd, toolId, text ? text : ""});
    Apply();
    return TRUE;
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* wnd, UINT toolId)
{
    for (Tool& tool : m_tools)
        if (wnd && tool.hwnd == wnd->m_hWnd && tool.id == toolId)
            tool.text = text ? text : "";
    Apply();
}

void CToolTipCtrl::Activate(BOOL activate)
{
    m_bActive = activate;
    Apply();
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(m_tools.size()); }

int CToolTipCtrl::SetMaxTipWidth(int width)
{
    const int old = m_nMaxWidth;
    m_nMaxWidth = width;
    return old;
}

void CToolTipCtrl::Apply() const
{
    for (const Tool& tool : m_tools)
        if (IsLiveWindow(tool.hwnd) && tool.hwnd->widget)
            tool.hwnd->widget->setToolTip(m_bActive ? QString::fromLatin1(tool.text.c_str()) : QString());
}

void CToolTipCtrl::OnDestroy()
{
    m_bActive = FALSE;
    Apply();
    m_tools.clear();
    CWnd::OnDestroy();
}
