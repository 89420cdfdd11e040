// List views as toolkit tables whose rows are painted in the colours the
// parent (or the control's own class) chooses.
#include "platform/list_ctrl.h"

#include "platform/gdi_internal.h"
#include "platform/widget_port.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <map>
#include <vector>

namespace {

// The classic selection colours.
const QColor kSelectionBk(10, 36, 106);
const QColor kSelectionText(255, 255, 255);
// The row's text as given, byte for byte.
constexpr int kBytesRole = Qt::UserRole;

QString Shown(const QByteArray& bytes)
{
    const QString utf8 = QString::fromUtf8(bytes);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(bytes) : utf8;
}

class ListViewControl;

class RowDelegate : public QStyledItemDelegate {
public:
    explicit RowDelegate(ListViewControl* list);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    ListViewControl* m_list;
};

class ListViewControl : public PortWidget<QTableWidget> {
public:
    ListViewControl(HWND hwnd, QWidget* parent) : PortWidget<QTableWidget>(hwnd, parent)
    {
        setItemDelegate(new RowDelegate(this));
        verticalHeader()->hide();
        horizontalHeader()->setHighlightSections(false);
        horizontalHeader()->setSectionsClickable(false);
        horizontalHeader()->setStretchLastSection(false);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode((hwnd->style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                       : QAbstractItemView::ExtendedSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setWordWrap(false);
        setShowGrid(false);
        setGridStyle(Qt::SolidLine);
        setFrameShape((hwnd->style & WS_BORDER) ? QFrame::Box : QFrame::NoFrame);
        setFocusPolicy(Qt::StrongFocus);
        setColumnCount(0);
        ApplyPalette();
    }

    COLORREF bk = RGB(255, 255, 255);
    COLORREF textBk = RGB(255, 255, 255);
    COLORREF text = RGB(0, 0, 0);
    DWORD exStyle = 0;
    std::map<int, int> formats;  // column -> LVCFMT_...

    void ApplyPalette()
    {
        QPalette p = palette();
        p.setColor(QPalette::Base, ToQColor(bk));
        setPalette(p);
        setShowGrid((exStyle & LVS_EX_GRIDLINES) != 0);
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
        viewport()->update();
    }

    struct RowColours {
        COLORREF text;
        COLORREF textBk;
    };

    // The colours of a row in the paint under way, asked of the parent once.
    RowColours ColoursOf(int row)
    {
        auto it = m_paintColours.find(row);
        if (it != m_paintColours.end())
            return it->second;
        RowColours c{text, textBk};
        HWND hwnd = portHwnd();
        if (m_notifyItems && hwnd) {
            NMLVCUSTOMDRAW cd;
            Fill(cd.nmcd, hwnd, CDDS_ITEMPREPAINT);
            cd.nmcd.dwItemSpec = static_cast<uintptr_t>(row);
            const QRect r = visualRect(model()->index(row, 0));
            cd.nmcd.rc = RECT{0, r.top(), viewport()->width(), r.bottom() + 1};
            cd.nmcd.uItemState = IsSelected(row) ? 0x0001 : 0;
            cd.clrText = c.text;
            cd.clrTextBk = c.textBk;
            Notify(hwnd, &cd.nmcd.hdr);
            c = RowColours{cd.clrText, cd.clrTextBk};
        }
        return m_paintColours[row] = c;
    }

    bool IsSelected(int row) const
    {
        return selectionModel() && selectionModel()->isRowSelected(row, QModelIndex());
    }
    // Selected rows show while the list has the focus, or always with LVS_SHOWSELALWAYS.
    bool ShowsSelection() const
    {
        HWND hwnd = portHwnd();
        return hasFocus() || (hwnd && (hwnd->style & LVS_SHOWSELALWAYS));
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        m_paintColours.clear();
        m_notifyItems = false;
        if (HWND hwnd = portHwnd()) {
            NMCUSTOMDRAW cd;
            Fill(cd, hwnd, CDDS_PREPAINT);
            cd.rc = RECT{0, 0, viewport()->width(), viewport()->height()};
            m_notifyItems = (Notify(hwnd, &cd.hdr) & CDRF_NOTIFYITEMDRAW) != 0;
        }
        QTableWidget::paintEvent(e);
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        QTableWidget::mouseReleaseEvent(e);
        HWND hwnd = portHwnd();
        if (!hwnd || e->button() != Qt::LeftButton)
            return;
        const QPoint p = e->position().toPoint();
        NMITEMACTIVATE click;
        click.hdr = NMHDR{hwnd, hwnd->id, NM_CLICK};
        click.iItem = rowAt(p.y());
        click.iSubItem = std::max(columnAt(p.x()), 0);
        click.ptAction = POINT{p.x(), p.y()};
        Notify(hwnd, &click.hdr);
    }

    void focusInEvent(QFocusEvent* e) override
    {
        QTableWidget::focusInEvent(e);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        QTableWidget::focusOutEvent(e);
        viewport()->update();
    }

private:
    static void Fill(NMCUSTOMDRAW& cd, HWND hwnd, DWORD stage)
    {
        cd.hdr = NMHDR{hwnd, hwnd->id, NM_CUSTOMDRAW};
        cd.dwDrawStage = stage;
    }
    // WM_NOTIFY to the parent (reflected to the control's own class first).
    static LRESULT Notify(HWND hwnd, NMHDR* header)
    {
        if (!IsLiveWindow(hwnd->parent))
            return 0;
        return hwnd->parent->wnd->SendMessage(WM_NOTIFY, hwnd->id, reinterpret_cast<LPARAM>(header));
    }

    std::map<int, RowColours> m_paintColours;
    bool m_notifyItems = false;
};

RowDelegate::RowDelegate(ListViewControl* list) : QStyledItemDelegate(list), m_list(list) {}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const ListViewControl::RowColours colours = m_list->ColoursOf(index.row());
    const bool selected = m_list->IsSelected(index.row()) && m_list->ShowsSelection();
    painter->fillRect(option.rect, selected ? kSelectionBk : ToQColor(colours.textBk));
    const int format = index.column() == 0 ? LVCFMT_LEFT : m_list->formats[index.column()];
    const Qt::Alignment align = Qt::AlignVCenter | (format == LVCFMT_CENTER  ? Qt::AlignHCenter
                                                    : format == LVCFMT_RIGHT ? Qt::AlignRight
                                                                             : Qt::AlignLeft);
    const QRect area = option.rect.adjusted(4, 0, -4, 0);
    const QString text = Shown(index.data(kBytesRole).toByteArray());
    painter->setFont(option.font);
    painter->setPen(selected ? kSelectionText : ToQColor(colours.text));
    painter->drawText(area, int(align), option.fontMetrics.elidedText(text, Qt::ElideRight, area.width()));
}

ListViewControl* ListOf(HWND hwnd)
{
    return IsLiveWindow(hwnd) ? dynamic_cast<ListViewControl*>(hwnd->widget) : nullptr;
}

BOOL SetListColour(HWND hwnd, COLORREF ListViewControl::*colour, COLORREF value)
{
    ListViewControl* list = ListOf(hwnd);
    if (!list)
        return FALSE;
    list->*colour = value;
    list->ApplyPalette();
    return TRUE;
}

QTableWidgetItem* MakeItem(const char* text)
{
    auto* item = new QTableWidgetItem;
    item->setData(kBytesRole, QByteArray(text ? text : ""));
    return item;
}

}  // namespace

void RegisterListViewControl()
{
    RegisterControlClass("SysListView32", [](HWND hwnd, QWidget* parent) { return new ListViewControl(hwnd, parent); });
}

DWORD CListCtrl::SetExtendedStyle(DWORD exStyle)
{
    ListViewControl* list = ListOf(m_hWnd);
    if (!list)
        return 0;
    const DWORD old = list->exStyle;
    list->exStyle = exStyle;
    list->ApplyPalette();
    return old;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    ListViewControl* list = ListOf(m_hWnd);
    return list ? list->exStyle : 0;
}

BOOL CListCtrl::SetBkColor(COLORREF color) { return SetListColour(m_hWnd, &ListViewControl::bk, color); }
BOOL CListCtrl::SetTextBkColor(COLORREF color) { return SetListColour(m_hWnd, &ListViewControl::textBk, color); }
BOOL CListCtrl::SetTextColor(COLORREF color) { return SetListColour(m_hWnd, &ListViewControl::text, color); }

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width)
{
    ListViewControl* list = ListOf(m_hWnd);
    if (!list || column < 0)
        return -1;
    const int at = std::min(column, list->columnCount());
    list->insertColumn(at);
    std::map<int, int> shifted;
    for (const auto& [c, f] : list->formats)
        shifted[c >= at ? c + 1 : c] = f;
    shifted[at] = format;
    list->formats = shifted;
    auto* header = new QTableWidgetItem(QString::fromLatin1(heading ? heading : ""));
    header->setTextAlignment(at == 0 || format == LVCFMT_LEFT ? Qt::AlignLeft | Qt::AlignVCenter
                             : format == LVCFMT_CENTER        ? Qt::AlignCenter
                                                              : Qt::AlignRight | Qt::AlignVCenter);
    list->setHorizontalHeaderItem(at, header);
    if (width >= 0)
        list->setColumnWidth(at, width);
    for (int row = 0; row < list->rowCount(); ++row)
        list->setItem(row, at, MakeItem(""));
    return at;
}

int CListCtrl::InsertItem(int item, const char* text)
{
    ListViewControl* list = ListOf(m_hWnd);
    if (!list || item < 0)
        return -1;
    const int at = std::min(item, list->rowCount());
    list->insertRow(at);
    for (int column = 0; column < std::max(list->columnCount(), 1); ++column)
        list->setItem(at, column, MakeItem(column == 0 ? text : ""));
    return at;
}

BOOL CListCtrl::SetItemText(int item, int subItem, const char* text)
{
    ListViewControl* list = ListOf(m_hWnd);
    if (!list || item < 0 || item >= list->rowCount() || subItem < 0 || subItem >= list->columnCount())
        return FALSE;
    list->setItem(item, subItem, MakeItem(text));
    return TRUE;
}

std::string CListCtrl::GetItemText(int item, int subItem) const
{
    ListViewControl* list = ListOf(m_hWnd);
    QTableWidgetItem* cell = list ? list->item(item, subItem) : nullptr;
    return cell ? cell->data(kBytesRole).toByteArray().toStdString() : std::string();
}

BOOL CListCtrl::DeleteItem(int item)
{
    ListViewControl* list = ListOf(m_hWnd);
    if (!list || item < 0 || item >= list->rowCount())
        return FALSE;
    // The other rows keep their selection; the view would select a
    // neighbour of a selected row that goes.
    std::vector<int> selected;
    for (int row = 0; row < list->rowCount(); ++row)
        if (row != item && list->IsSelected(row))
            selected.push_back(row < item ? row : row - 1);
    list->removeRow(item);
    QItemSelectionModel* selection = list->selectionModel();
    selection->clearSelection();
    for (const int row : selected)
        selection->select(list->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    ListViewControl* list = ListOf(m_hWnd);
    if (!list)
        return FALSE;
    list->setRowCount(0);
    return TRUE;
}

int CListCtrl::GetItemCount() const
{
    ListViewControl* list = ListOf(m_hWnd);
    return list ? list->rowCount() : 0;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const
{
    ListViewControl* list = ListOf(m_hWnd);
    if (!list || item < 0 || item >= list->rowCount())
        return 0;
    UINT state = 0;
    if (list->IsSelected(item))
        state |= LVIS_SELECTED;
    if (list->currentRow() == item)
        state |= LVIS_FOCUSED;
    return state & mask;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    ListViewControl* list = ListOf(m_hWnd);
    if (!list || item < 0 || item >= list->rowCount())
        return FALSE;
    QItemSelectionModel* selection = list->selectionModel();
    const QModelIndex index = list->model()->index(item, 0);
    if (mask & LVIS_SELECTED) {
        const bool single = list->selectionMode() == QAbstractItemView::SingleSelection;
        const auto flags = (state & LVIS_SELECTED)
                               ? (single ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select)
                               : QItemSelectionModel::Deselect;
        selection->select(index, flags | QItemSelectionModel::Rows);
    }
    if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED))
        selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    list->viewport()->update();
    return TRUE;
}

BOOL CListCtrl::Update(int item)
{
    ListViewControl* list = ListOf(m_hWnd);
    if (!list || item < 0 || item >= list->rowCount())
        return FALSE;
    const QRect first = list->visualRect(list->model()->index(item, 0));
    list->viewport()->update(QRect(0, first.top(), list->viewport()->width(), first.height()));
    return TRUE;
}
