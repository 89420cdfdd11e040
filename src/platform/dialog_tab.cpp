// Tab controls as toolkit tab bars.
#include "platform/dialog_controls.h"
#include "platform/widget_port.h"

#include <QSignalBlocker>
#include <QTabBar>

void RegisterTabControl();

namespace {

class TabControl : public PortWidget<QTabBar>, public ControlPort {
public:
    TabControl(HWND hwnd, QWidget* parent) : PortWidget<QTabBar>(hwnd, parent)
    {
        setFocusPolicy((hwnd->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        setDrawBase(false);
        // A tab the user chooses tells the parent; one set by a message does not.
        QObject::connect(this, &QTabBar::currentChanged, [this](int) {
            HWND h = portHwnd();
            if (!h || !IsLiveWindow(h->parent))
                return;
            NMHDR nm{h, h->id, TCN_SELCHANGE};
            h->parent->wnd->SendMessage(WM_NOTIFY, h->id, reinterpret_cast<LPARAM>(&nm));
        });
    }

    bool ControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        const QSignalBlocker quiet(this);
        switch (message) {
        case TCM_GETITEMCOUNT: *result = count(); return true;
        case TCM_GETCURSEL: *result = currentIndex(); return true;
        case TCM_SETCURSEL: {
            const int item = static_cast<int>(wParam);
            *result = currentIndex();
            if (item < 0 || item >= count())
                *result = -1;
            else
                setCurrentIndex(item);
            return true;
        }
        case TCM_INSERTITEMA: {
            const auto* item = reinterpret_cast<const TCITEMA*>(lParam);
            const QString text =
                item && (item->mask & TCIF_TEXT) && item->pszText ? QString::fromLatin1(item->pszText) : QString();
            *result = insertTab(static_cast<int>(wParam), text);
            return true;
        }
        case TCM_DELETEALLITEMS:
            while (count() > 0)
                removeTab(0);
            *result = TRUE;
            return true;
        default: return false;
        }
    }
};

}  // namespace

void RegisterTabControl()
{
    RegisterControlClass("SysTabControl32", [](HWND hwnd, QWidget* parent) { return new TabControl(hwnd, parent); });
}

// ---- CTabCtrl ----

LONG CTabCtrl::InsertItem(int item, const char* text)
{
    TCITEMA tab;
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(text);
    return static_cast<LONG>(SendMessage(TCM_INSERTITEMA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&tab)));
}

int CTabCtrl::GetItemCount() const
{
    return static_cast<int>(const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETITEMCOUNT));
}

int CTabCtrl::GetCurSel() const { return static_cast<int>(const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETCURSEL)); }

int CTabCtrl::SetCurSel(int item) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(item))); }
