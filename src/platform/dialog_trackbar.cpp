// Track bars as toolkit widgets: the thumb, channel and tick marks painted
// through custom draw, moved by mouse, keys and wheel.
#include "platform/dialog_controls.h"
#include "platform/gdi_internal.h"
#include "platform/widget_port.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>

void RegisterTrackbarControl();

namespace {

constexpr int kThumbLength = 11;  // along the channel
constexpr int kMargin = 2;        // from the ends to the thumb's furthest reach
constexpr int kTickSpace = 4;     // beside the thumb, for the tick marks
constexpr int kChannelWidth = 4;

class TrackbarControl : public PortWidget<QWidget>, public ControlPort {
public:
    TrackbarControl(HWND hwnd, QWidget* parent) : PortWidget<QWidget>(hwnd, parent)
    {
        setFocusPolicy((hwnd->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    }

    bool ControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        *result = 0;
        switch (message) {
        case TBM_GETPOS: *result = m_pos; return true;
        case TBM_GETRANGEMIN: *result = m_min; return true;
        case TBM_GETRANGEMAX: *result = m_max; return true;
        case TBM_SETPOS: SetPos(static_cast<int>(lParam)); return true;
        case TBM_SETRANGE:
            SetRange(static_cast<SHORT>(LOWORD(static_cast<uintptr_t>(lParam))),
                     static_cast<int>(HIWORD(static_cast<uintptr_t>(lParam))));
            return true;
        case TBM_SETRANGEMIN: SetRange(static_cast<int>(lParam), m_max); return true;
        case TBM_SETRANGEMAX: SetRange(m_min, static_cast<int>(lParam)); return true;
        case TBM_SETPAGESIZE:
            *result = PageSize();
            m_page = static_cast<int>(lParam);
            return true;
        case TBM_GETPAGESIZE: *result = PageSize(); return true;
        case TBM_GETTHUMBRECT:
        case TBM_GETCHANNELRECT:
            if (auto* r = reinterpret_cast<RECT*>(lParam)) {
                const QRect q = message == TBM_GETTHUMBRECT ? ThumbRect() : ChannelRect();
                *r = RECT{q.left(), q.top(), q.left() + q.width(), q.top() + q.height()};
            }
            return true;
        case WM_MOUSEWHEEL: {
            // One line a notch, forward toward the minimum.
            const int delta = static_cast<SHORT>(HIWORD(wParam));
            if (delta != 0)
                Step(delta > 0 ? -1 : 1, delta > 0 ? TB_LINEUP : TB_LINEDOWN);
            return true;
        }
        default: return false;
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        HWND hwnd = portHwnd();
        if (!hwnd || !IsLiveWindow(hwnd->parent))
            return;
        QPainter painter(this);
        HDC hdc = OpenPainterDC(hwnd, &painter, rect());
        CDC* dc = CDC::FromHandle(hdc);
        // The parent's background brush (none: the dialog shows through).
        auto brush = reinterpret_cast<HBRUSH>(hwnd->parent->wnd->SendMessage(
            WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd)));
        const CRect client(0, 0, width(), height());
        if (brush)
            dc->FillRect(&client, CBrush::FromHandle(brush));

        NMCUSTOMDRAW nm;
        nm.hdr = NMHDR{hwnd, hwnd->id, NM_CUSTOMDRAW};
        nm.hdc = hdc;
        nm.rc = client;
        nm.dwDrawStage = CDDS_PREPAINT;
        const LRESULT pre = Notify(hwnd, nm);
        if (IsLiveWindow(hwnd) && !(pre & CDRF_SKIPDEFAULT)) {
            // The channel first, the thumb over it.
            for (const UINT part : {TBCD_CHANNEL, TBCD_TICS, TBCD_THUMB}) {
                const QRect r = part == TBCD_THUMB ? ThumbRect() : part == TBCD_CHANNEL ? ChannelRect() : rect();
                nm.dwDrawStage = CDDS_ITEMPREPAINT;
                nm.dwItemSpec = part;
                nm.rc = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
                nm.uItemState = part == TBCD_THUMB && m_dragging ? CDIS_SELECTED : 0;
                const LRESULT item = (pre & CDRF_NOTIFYITEMDRAW) ? Notify(hwnd, nm) : CDRF_DODEFAULT;
                if (!IsLiveWindow(hwnd))
                    break;
                if (!(item & CDRF_SKIPDEFAULT))
                    PaintPart(dc, part);
                if (item & CDRF_NOTIFYPOSTPAINT) {
                    nm.dwDrawStage = CDDS_ITEMPOSTPAINT;
                    Notify(hwnd, nm);
                }
            }
            if (IsLiveWindow(hwnd) && (pre & CDRF_NOTIFYPOSTPAINT)) {
                nm.dwDrawStage = CDDS_POSTPAINT;
                nm.dwItemSpec = 0;
                nm.uItemState = 0;
                nm.rc = client;
                Notify(hwnd, nm);
            }
        }
        CloseDC(hdc);
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton)
            return;
        setFocus(Qt::MouseFocusReason);
        const QPoint p = e->position().toPoint();
        if (ThumbRect().contains(p)) {
            m_dragging = true;
            m_grab = Along(p) - Along(ThumbRect().center());
            update();
            return;
        }
        // A click beside the thumb moves it a page toward the click.
        const bool before = Along(p) < Along(ThumbRect().center());
        Step(before ? -PageSize() : PageSize(), before ? TB_PAGEUP : TB_PAGEDOWN);
        m_paged = true;
    }

    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (!m_dragging)
            return;
        const int pos = PosAt(Along(e->position().toPoint()) - m_grab);
        if (pos != m_pos) {
            SetPos(pos);
            Scroll(TB_THUMBTRACK, m_pos);
        }
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton)
            return;
        if (m_dragging) {
            m_dragging = false;
            update();
            Scroll(TB_THUMBPOSITION, m_pos);
            Scroll(TB_ENDTRACK, 0);
        } else if (m_paged) {
            m_paged = false;
            Scroll(TB_ENDTRACK, 0);
        }
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: Step(-1, TB_LINEUP); break;
        case Qt::Key_Down:
        case Qt::Key_Right: Step(1, TB_LINEDOWN); break;
        case Qt::Key_PageUp: Step(-PageSize(), TB_PAGEUP); break;
        case Qt::Key_PageDown: Step(PageSize(), TB_PAGEDOWN); break;
        case Qt::Key_Home:
            SetPos(m_min);
            Scroll(TB_TOP, 0);
            break;
        case Qt::Key_End:
            SetPos(m_max);
            Scroll(TB_BOTTOM, 0);
            break;
        default: QWidget::keyPressEvent(e); return;
        }
        Scroll(TB_ENDTRACK, 0);
    }

private:
    bool Vertical() const
    {
        HWND hwnd = portHwnd();
        return hwnd && (hwnd->style & TBS_VERT);
    }
    int Length() const { return Vertical() ? height() : width(); }
    int Across() const { return Vertical() ? width() : height(); }
    int Along(const QPoint& p) const { return Vertical() ? p.y() : p.x(); }
    int PageSize() const { return m_page > 0 ? m_page : std::max(1, (m_max - m_min) / 5); }
    bool Ticks() const
    {
        HWND hwnd = portHwnd();
        return hwnd && !(hwnd->style & TBS_NOTICKS);
    }

    // Where the thumb's centre stands for a position, along the channel.
    int CentreOf(int pos) const
    {
        const int first = kMargin + kThumbLength / 2;
        const int travel = std::max(0, Length() - 2 * kMargin - kThumbLength);
        if (m_max <= m_min)
            return first;
        return first + static_cast<int>(static_cast<long long>(pos - m_min) * travel / (m_max - m_min));
    }
    int PosAt(int centre) const
    {
        const int first = kMargin + kThumbLength / 2;
        const int travel = Length() - 2 * kMargin - kThumbLength;
        if (travel <= 0 || m_max <= m_min)
            return m_min;
        const long long span = m_max - m_min;
        const long long offset = std::clamp(centre - first, 0, travel);
        return m_min + static_cast<int>((offset * span + travel / 2) / travel);
    }
    // The band across the control where the thumb runs (the tick marks beside it).
    std::pair<int, int> Band() const
    {
        HWND hwnd = portHwnd();
        const bool leftTicks = hwnd && (hwnd->style & TBS_LEFT) && !(hwnd->style & TBS_BOTH);
        const bool bothTicks = hwnd && (hwnd->style & TBS_BOTH);
        const int space = Ticks() ? kTickSpace : 0;
        const int from = kMargin + (leftTicks || bothTicks ? space : 0);
        const int to = Across() - kMargin - (!leftTicks || bothTicks ? space : 0);
        return {from, std::max(from + 1, to)};
    }
    QRect Oriented(int alongFrom, int alongLength, int acrossFrom, int acrossLength) const
    {
        return Vertical() ? QRect(acrossFrom, alongFrom, acrossLength, alongLength)
                          : QRect(alongFrom, acrossFrom, alongLength, acrossLength);
    }
    QRect ThumbRect() const
    {
        const auto [from, to] = Band();
        return Oriented(CentreOf(m_pos) - kThumbLength / 2, kThumbLength, from, to - from);
    }
    QRect ChannelRect() const
    {
        const auto [from, to] = Band();
        const int middle = (from + to) / 2;
        const int start = kMargin + kThumbLength / 2 - 2;
        return Oriented(start, std::max(0, Length() - 2 * start), middle - kChannelWidth / 2, kChannelWidth);
    }

    void PaintPart(CDC* dc, UINT part) const
    {
        if (part == TBCD_CHANNEL) {
            const QRect q = ChannelRect();
            CRect r(q.left(), q.top(), q.left() + q.width(), q.top() + q.height());
            dc->FillSolidRect(&r, GetSysColor(COLOR_WINDOW));
            dc->Draw3dRect(&r, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
        } else if (part == TBCD_THUMB) {
            const QRect q = ThumbRect();
            CRect r(q.left(), q.top(), q.left() + q.width(), q.top() + q.height());
            dc->FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
            dc->Draw3dRect(&r, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DDKSHADOW));
        } else if (part == TBCD_TICS && Ticks()) {
            // A tick at each end of the range.
            const auto [from, to] = Band();
            HWND hwnd = portHwnd();
            const bool left = hwnd && (hwnd->style & TBS_LEFT);
            const int at = left ? from - kTickSpace + 1 : to + 1;
            for (const int pos : {m_min, m_max}) {
                const QRect t = Oriented(CentreOf(pos), 1, at, kTickSpace - 1);
                dc->FillSolidRect(t.left(), t.top(), t.width(), t.height(), GetSysColor(COLOR_BTNTEXT));
            }
        }
    }

    LRESULT Notify(HWND hwnd, NMCUSTOMDRAW& nm) const
    {
        return hwnd->parent->wnd->SendMessage(WM_NOTIFY, hwnd->id, reinterpret_cast<LPARAM>(&nm));
    }

    void Scroll(UINT code, int pos)
    {
        HWND hwnd = portHwnd();
        if (!hwnd || !IsLiveWindow(hwnd->parent))
            return;
        const bool withPos = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
        hwnd->parent->wnd->SendMessage(Vertical() ? WM_VSCROLL : WM_HSCROLL,
                                       MAKEWPARAM(static_cast<int>(code), withPos ? pos : 0),
                                       reinterpret_cast<LPARAM>(hwnd));
    }

    void Step(int by, UINT code)
    {
        SetPos(m_pos + by);
        Scroll(code, 0);
    }

    void SetPos(int pos)
    {
        const int held = std::clamp(pos, m_min, std::max(m_min, m_max));
        if (held != m_pos) {
            m_pos = held;
            update();
        }
    }

    void SetRange(int minimum, int maximum)
    {
        m_min = minimum;
        m_max = maximum;
        m_pos = std::clamp(m_pos, m_min, std::max(m_min, m_max));
        update();
    }

    int m_min = 0;
    int m_max = 100;
    int m_pos = 0;
    int m_page = 0;  // 0: a fifth of the range
    bool m_dragging = false;
    bool m_paged = false;
    int m_grab = 0;
};

}  // namespace

void RegisterTrackbarControl()
{
    RegisterControlClass("msctls_trackbar32",
                         [](HWND hwnd, QWidget* parent) { return new TrackbarControl(hwnd, parent); });
}

// ---- CSliderCtrl ----

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw)
{
    SendMessage(TBM_SETRANGEMAX, FALSE, maximum);
    SendMessage(TBM_SETRANGEMIN, redraw, minimum);
}

int CSliderCtrl::GetRangeMin() const
{
    return static_cast<int>(const_cast<CSliderCtrl*>(this)->SendMessage(TBM_GETRANGEMIN));
}

int CSliderCtrl::GetRangeMax() const
{
    return static_cast<int>(const_cast<CSliderCtrl*>(this)->SendMessage(TBM_GETRANGEMAX));
}

void CSliderCtrl::SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }

int CSliderCtrl::GetPos() const { return static_cast<int>(const_cast<CSliderCtrl*>(this)->SendMessage(TBM_GETPOS)); }

int CSliderCtrl::SetPageSize(int size) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size)); }

void CSliderCtrl::GetThumbRect(LPRECT rect) const
{
    const_cast<CSliderCtrl*>(this)->SendMessage(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(rect));
}

void CSliderCtrl::GetChannelRect(LPRECT rect) const
{
    const_cast<CSliderCtrl*>(this)->SendMessage(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(rect));
}
