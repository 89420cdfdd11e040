// Push buttons, static controls and tooltips as toolkit widgets.
#include "platform/dialog_controls.h"

#include "platform/gdi_internal.h"
#include "platform/widget_port.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <cstdlib>

void RegisterStandardControls();

namespace {


// The colours and background brush the parent gives a static-like control
// (WM_CTLCOLORSTATIC), filled in unless it is the null brush.
CDC* OpenStaticDC(HWND hwnd, QPainter* painter, const QRect& rect, HDC* hdc)
{
    *hdc = OpenPainterDC(hwnd, painter, rect);
    CDC* dc = CDC::FromHandle(*hdc);
    dc->SelectObject(hwnd->font);
    auto brush = reinterpret_cast<HBRUSH>(hwnd->parent->wnd->SendMessage(
        WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(*hdc), reinterpret_cast<LPARAM>(hwnd)));
    CRect r(0, 0, rect.width(), rect.height());
    if (brush)
        dc->FillRect(&r, CBrush::FromHandle(brush));
    return dc;
}

bool IsGroupBox(HWND hwnd) { return (hwnd->style & BS_TYPEMASK) == BS_GROUPBOX; }

class ButtonControl : public PortWidget<QPushButton> {
public:
    ButtonControl(HWND hwnd, QWidget* parent) : PortWidget<QPushButton>(hwnd, parent)
    {
        setText(QString::fromLatin1(hwnd->text.c_str()));
        // Enter goes to the dialog, which presses the focused or the default button.
        setAutoDefault(false);
        setDefault((hwnd->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        setFocusPolicy((hwnd->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        if (IsGroupBox(hwnd)) {
            // A frame around other controls: the clicks go to what lies under it.
            setFocusPolicy(Qt::NoFocus);
            setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        QObject::connect(this, &QAbstractButton::clicked, [this] { NotifyParent(portHwnd(), BN_CLICKED); });
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        HWND hwnd = portHwnd();
        if (hwnd && IsGroupBox(hwnd) && IsLiveWindow(hwnd->parent)) {
            PaintGroupBox(hwnd);
            return;
        }
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

    // An etched frame whose top runs through the middle of the caption line,
    // the caption (if any) on it.
    void PaintGroupBox(HWND hwnd)
    {
        QPainter painter(this);
        HDC hdc = nullptr;
        CDC* dc = OpenStaticDC(hwnd, &painter, rect(), &hdc);
        const CSize text = dc->GetTextExtent(hwnd->text.c_str());
        const int top = text.cy / 2;
        CRect outer(0, top, width() - 1, height() - 1);
        dc->Draw3dRect(&outer, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DSHADOW));
        CRect inner(1, top + 1, width(), height());
        dc->Draw3dRect(&inner, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DHILIGHT));
        if (!hwnd->text.empty()) {
            UINT format = DT_SINGLELINE | DT_TOP;
            CRect caption(8, 0, width() - 8, text.cy);
            if ((hwnd->style & BS_CENTER) == BS_CENTER)
                format |= DT_CENTER;
            dc->DrawText(hwnd->text.c_str(), -1, &caption, format);
        }
        CloseDC(hdc);
    }
};

class StaticControl : public PortWidget<QWidget>, public ControlPort {
public:
    StaticControl(HWND hwnd, QWidget* parent) : PortWidget<QWidget>(hwnd, parent)
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents, !(hwnd->style & SS_NOTIFY));
        const DWORD type = hwnd->style & SS_TYPEMASK;
        const bool named = hwnd->text.size() > 1 && hwnd->text[0] == '#';
        if (type == SS_ICON && named)
            m_icon = LoadIconA(nullptr, hwnd->text.c_str());
        if (type == SS_BITMAP && named)
            m_ownBitmap.Attach(LoadImageA(nullptr, hwnd->text.c_str(), IMAGE_BITMAP, 0, 0, 0));
        m_bitmap = static_cast<HBITMAP>(m_ownBitmap.GetSafeHandle());
    }
    ~StaticControl() override { DestroyIcon(m_icon); }

    // Only a static with SS_NOTIFY takes the mouse; others let it through.
    void FollowStyle() override
    {
        if (HWND hwnd = portHwnd())
            setAttribute(Qt::WA_TransparentForMouseEvents, !(hwnd->style & SS_NOTIFY));
    }

    bool ControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == STM_GETIMAGE && wParam == IMAGE_BITMAP) {
            *result = reinterpret_cast<LRESULT>(m_bitmap);
            return true;
        }
        if (message == STM_SETIMAGE && wParam == IMAGE_BITMAP) {
            *result = reinterpret_cast<LRESULT>(m_bitmap);
            m_bitmap = reinterpret_cast<HBITMAP>(lParam);
            update();
            return true;
        }
        return false;
    }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            NotifyParent(portHwnd(), STN_CLICKED);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            NotifyParent(portHwnd(), STN_DBLCLK);
    }

    void paintEvent(QPaintEvent*) override
    {
        HWND hwnd = portHwnd();
        if (!hwnd || !IsLiveWindow(hwnd->parent))
            return;
        QPainter painter(this);
        // The parent chooses the colours and the background brush (none: transparent).
        HDC hdc = nullptr;
        CDC* dc = OpenStaticDC(hwnd, &painter, rect(), &hdc);
        CRect r(0, 0, width(), height());
        const DWORD type = hwnd->style & SS_TYPEMASK;
        if (type == SS_ICON) {
            if (m_icon)
                dc->DrawIcon(0, 0, m_icon);
        } else if (type == SS_BITMAP) {
            // At its own size from the top-left corner.
            CBitmap* bitmap = CBitmap::FromHandle(m_bitmap);
            BITMAP bm;
            CDC memory;
            if (bitmap && bitmap->GetObject(sizeof bm, &bm) && memory.CreateCompatibleDC(dc)) {
                CBitmap* old = memory.SelectObject(bitmap);
                dc->BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
                memory.SelectObject(old);
            }
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
    CBitmap m_ownBitmap;  // the one the template names
    HBITMAP m_bitmap = nullptr;
};

}  // namespace

void RegisterTrackbarControl();
void RegisterTabControl();

void RegisterStandardControls()
{
    RegisterTrackbarControl();
    RegisterTabControl();
    RegisterControlClass("Button", [](HWND hwnd, QWidget* parent) { return new ButtonControl(hwnd, parent); });
    RegisterControlClass("Static", [](HWND hwnd, QWidget* parent) { return new StaticControl(hwnd, parent); });
}

// ---- CStatic ----

HBITMAP CStatic::SetBitmap(HBITMAP bitmap)
{
    return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP CStatic::GetBitmap() const
{
    return reinterpret_cast<HBITMAP>(const_cast<CStatic*>(this)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0));
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
