// The list views of the Background and Music dialogs: the playlist's row
// colours (the playing row grey), what the parent hears, the rows' texts and
// selection.
#include "ui/controls/playlist_ctrl.h"
#include "ui_fixture.h"

#include <QTableWidget>
#include <QTest>
#include <vector>

namespace {

constexpr UINT IDD_LISTS = 9661;
constexpr int IDC_PLAYLIST = 1016;
constexpr int IDC_PLAIN = 1015;

constexpr DWORD kList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS;
const DialogTemplate kLists = {IDD_LISTS, "Lists", 249, 210, WS_POPUP | WS_CAPTION | DS_SETFONT, "System", 8,
                               {
                                   {IDC_PLAYLIST, "SysListView32", "List1", kList, 7, 8, 235, 92},
                                   {IDC_PLAIN, "SysListView32", "List2", kList, 7, 110, 235, 92},
                               }};
const DialogTemplateRegistration kRegister(kLists);

const QColor kRow(196, 184, 130);
const QColor kPlaying(200, 200, 200);
const COLORREF kListBk = RGB(207, 184, 130);

class ListsDlg : public CDialog {
public:
    enum { IDD = IDD_LISTS };
    ListsDlg() : CDialog(IDD) {}
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_PLAYLIST, m_playlist);
        DDX_Control(dx, IDC_PLAIN, m_plain);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        // As the Music and Background dialogs set their lists up.
        for (CListCtrl* list : {static_cast<CListCtrl*>(&m_playlist), &m_plain}) {
            list->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
            list->SetBkColor(kListBk);
            list->SetTextBkColor(kListBk);
            list->SetTextColor(RGB(0, 0, 255));
        }
        m_playlist.InsertColumn(0, "Music List", LVCFMT_CENTER, 467);
        m_plain.InsertColumn(0, "Backgrounds Directory", LVCFMT_CENTER, 320);
        m_plain.InsertColumn(1, "State", LVCFMT_CENTER, 50);
        return TRUE;
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        heard.push_back({static_cast<int>(wParam), header->code});
        if (header->code == NM_CLICK)
            clickedRows.push_back(reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem);
        if (header->code == NM_CUSTOMDRAW && colourPlainRows) {
            auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
            if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
                *result = CDRF_NOTIFYITEMDRAW;
            else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
                draw->clrTextBk = RGB(0, 200, 0);
            return TRUE;
        }
        return FALSE;
    }
    struct Heard {
        int id;
        UINT code;
        bool operator==(const Heard&) const = default;
    };
    CPlaylistCtrl m_playlist;
    CListCtrl m_plain;
    std::vector<Heard> heard;
    std::vector<int> clickedRows;
    bool colourPlainRows = false;
};

class PlaylistTest : public ShownDialogTest<ListsDlg> {
protected:
    void SetUp() override
    {
        ShownDialogTest::SetUp();
        for (const char* track : {"/music/one.mp3", "/music/two.ogg", "/music/three.flac", "/music/four.wav"})
            dlg.m_plain.InsertItem(dlg.m_playlist.InsertItem(dlg.m_playlist.GetItemCount(), track), track);
        AfxPumpMessages(30);
    }
    void TearDown() override
    {
        g_nCurMusicItem = -1;
        ShownDialogTest::TearDown();
    }
    static QTableWidget* Table(CListCtrl& list) { return qobject_cast<QTableWidget*>(WidgetOf(&list)); }
    static QImage Grab(CListCtrl& list)
    {
        AfxPumpMessages(20);
        return Table(list)->viewport()->grab().toImage();
    }
    // A point of row `row` right of its text.
    QPoint InRow(CListCtrl& list, int row)
    {
        const QRect r = Table(list)->visualRect(Table(list)->model()->index(row, 0));
        return QPoint(r.right() - 10, r.center().y());
    }
    std::vector<QColor> RowColours(CListCtrl& list)
    {
        const QImage image = Grab(list);
        std::vector<QColor> colours;
        for (int row = 0; row < list.GetItemCount(); ++row)
            colours.push_back(image.pixelColor(InRow(list, row)));
        return colours;
    }
    static int BlackPixels(const QImage& image, int y0, int y1)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == QColor(0, 0, 0);
        return n;
    }
};

TEST_F(PlaylistTest, PlayingRowIsGreyEveryOtherRowTheRowColourAllInBlack)
{
    const struct {
        int playing;
        std::vector<QColor> rows;
    } cases[] = {
        {-1, {kRow, kRow, kRow, kRow}},
        {2, {kRow, kRow, kPlaying, kRow}},
        {0, {kPlaying, kRow, kRow, kRow}},
        {7, {kRow, kRow, kRow, kRow}},
    };
    for (const auto& c : cases) {
        g_nCurMusicItem = c.playing;
        Table(dlg.m_playlist)->viewport()->update();
        EXPECT_EQ(RowColours(dlg.m_playlist), c.rows) << "playing " << c.playing;
    }
    const QImage image = Grab(dlg.m_playlist);
    const QRect first = Table(dlg.m_playlist)->visualRect(Table(dlg.m_playlist)->model()->index(0, 0));
    EXPECT_GT(BlackPixels(image, first.top(), first.bottom()), 20) << "black text";
    // The area below the rows keeps the list's own colour.
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 4), QColor(207, 184, 130));
    dlg.m_plain.SetItemText(2, 1, "ON");
    SaveScreenshot(WidgetOf(&dlg)->grab().toImage(), "playlist");
}

TEST_F(PlaylistTest, PlaylistKeepsItsCustomDrawAndTheParentGetsClicks)
{
    QTableWidget* table = Table(dlg.m_playlist);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, InRow(dlg.m_playlist, 1));
    EXPECT_EQ(dlg.clickedRows, std::vector<int>{1});
    EXPECT_EQ(dlg.m_playlist.GetItemState(1, LVIS_SELECTED), LVIS_SELECTED);
    Grab(dlg.m_playlist);
    Grab(dlg.m_plain);
    std::vector<ListsDlg::Heard> fromPlaylist, fromPlain;
    for (const auto& h : dlg.heard)
        (h.id == IDC_PLAYLIST ? fromPlaylist : fromPlain).push_back(h);
    EXPECT_EQ(fromPlaylist, (std::vector<ListsDlg::Heard>{{IDC_PLAYLIST, NM_CLICK}}));
    EXPECT_FALSE(fromPlain.empty());
    for (const auto& h : fromPlain)
        EXPECT_EQ(h.code, NM_CUSTOMDRAW);

    // Below the rows: a click on no row.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(20, table->viewport()->height() - 5));
    EXPECT_EQ(dlg.clickedRows.back(), -1);
}

TEST_F(PlaylistTest, ParentColoursThePlainListsRows)
{
    EXPECT_EQ(RowColours(dlg.m_plain)[0], QColor(207, 184, 130));
    dlg.colourPlainRows = true;
    Table(dlg.m_plain)->viewport()->update();
    EXPECT_EQ(RowColours(dlg.m_plain), std::vector<QColor>(4, QColor(0, 200, 0)));
}

TEST_F(PlaylistTest, SelectedRowShowsWhileTheListHasTheFocus)
{
    dlg.m_playlist.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    Table(dlg.m_playlist)->setFocus();
    const QColor selected = RowColours(dlg.m_playlist)[3];
    EXPECT_NE(selected, kRow);
    WidgetOf(&dlg.m_plain)->setFocus();
    EXPECT_EQ(RowColours(dlg.m_playlist)[3], kRow);
    EXPECT_EQ(dlg.m_playlist.GetItemState(3, LVIS_SELECTED), LVIS_SELECTED) << "still selected";
}

TEST_F(PlaylistTest, RowsKeepTheirTextsAndSelection)
{
    CListCtrl& list = dlg.m_plain;
    const std::string longPath = "/home/player/" + std::string(200, 'x') + "/reef at night.jpg";
    EXPECT_EQ(list.InsertItem(99, longPath.c_str()), 4) << "past the end appends";
    EXPECT_TRUE(list.SetItemText(4, 1, "OFF"));
    EXPECT_FALSE(list.SetItemText(4, 2, "no such column"));
    EXPECT_EQ(list.GetItemText(4, 0), longPath);
    EXPECT_EQ(list.GetItemText(4, 1), "OFF");
    const std::string utf8 = "/m\xC3\xBAsica/canci\xC3\xB3n.mp3";
    list.InsertItem(0, utf8.c_str());
    EXPECT_EQ(list.GetItemText(0, 0), utf8);
    EXPECT_EQ(list.GetItemCount(), 6);

    // Single selection: selecting one row leaves no other selected.
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(4, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (list.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED)
            selected.push_back(i);
    EXPECT_EQ(selected, std::vector<int>{4});
    list.SetItemState(4, 0, LVIS_SELECTED);
    EXPECT_EQ(list.GetItemState(4, LVIS_SELECTED), 0u);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemText(0, 0), "/music/one.mp3");
    EXPECT_FALSE(list.DeleteItem(5));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetItemText(0, 0), "");
}

// A row clicked and then deleted leaves no row selected (the toolkit would
// select its neighbour); deleting another row keeps the selected one.
TEST_F(PlaylistTest, DeletingRowsLeavesTheOtherSelectionsAsTheyWere)
{
    CListCtrl& list = dlg.m_plain;
    QTableWidget* table = Table(list);
    const auto selectedRows = [&list] {
        std::vector<int> rows;
        for (int i = 0; i < list.GetItemCount(); ++i)
            if (list.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED)
                rows.push_back(i);
        return rows;
    };
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(2, 0)).center());
    ASSERT_EQ(selectedRows(), std::vector<int>{2});
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(selectedRows(), std::vector<int>{1});
    EXPECT_TRUE(list.DeleteItem(1));
    EXPECT_EQ(selectedRows(), std::vector<int>{});
    EXPECT_EQ(list.GetItemCount(), 2);
}

}  // namespace

namespace {

// Invalidate and Update repaint the rows (the list's own area, not its
// frame): the parent is asked for the rows' colours again.
TEST_F(PlaylistTest, InvalidateAndUpdateRepaintTheRows)
{
    const auto paintsAfter = [&](const std::function<void()>& ask) {
        AfxPumpMessages(20);
        dlg.heard.clear();
        ask();
        AfxPumpMessages(20);
        return std::count(dlg.heard.begin(), dlg.heard.end(), ListsDlg::Heard{IDC_PLAIN, NM_CUSTOMDRAW});
    };
    EXPECT_GT(paintsAfter([&] { dlg.m_plain.Invalidate(FALSE); }), 0);
    EXPECT_GT(paintsAfter([&] { dlg.m_plain.Update(2); }), 0);
    EXPECT_EQ(paintsAfter([] {}), 0);
}

}  // namespace
