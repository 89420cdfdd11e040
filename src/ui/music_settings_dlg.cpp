#include "ui/music_settings_dlg.h"

#include "gfx/app_title.h"
#include "gfx/load_report.h"
#include "platform/crt.h"
#include "platform/dialog_file.h"
#include "platform/profile.h"
#include "settings/settings_file.h"
#include "settings/shared_state.h"
#include "ui/dialog_art.h"
#include "ui/dialog_commands.h"
#include "ui/load_report_box.h"
#include "ui/tool_ids.h"
#include "ui/ui_resource.h"

namespace {

constexpr UINT_PTR CLOCK_TIMER = 1;
constexpr UINT TICK_MS = 200;

constexpr int IDC_POSITION = 1006;
constexpr int IDC_VOLUME = 1007;
constexpr int IDC_OWN_MUSIC = 1008;
constexpr int IDC_LIST = 1016;
constexpr int IDC_ADD = 1017;
constexpr int IDC_REMOVE = 1018;
constexpr int IDC_REMOVE_ALL = 1019;
constexpr int IDC_PLAY = 1021;
constexpr int IDC_STOP = 1022;
constexpr int IDC_MODE_REPEAT = 1023;
constexpr int IDC_MODE_CYCLE = 1024;
constexpr int IDC_MODE_RANDOM = 1025;
constexpr int IDC_PLAYER_HOST = 1034;
constexpr int IDC_CYCLE_PICTURE = 1048;
constexpr int IDC_RANDOM_PICTURE = 1049;
constexpr int IDC_REPEAT_PICTURE = 1054;

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kText = kShown | SS_LEFT;
constexpr DWORD kButton = kShown | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kPicture = kShown | SS_BITMAP | SS_NOTIFY;

const DialogTemplate kMusicSettings = {
    CMusicSettingsDlg::IDD, "3D Parvolune - Music Settings", 249, 161,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME, "MS Sans Serif", 8,
    {
        {IDC_LIST, "SysListView32", "List1",
         kShown | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS, 7, 38, 235, 92},
        {IDC_ADD, "Button", "Add Music", kButton, 7, 143, 54, 11},
        {IDC_REMOVE, "Button", "Remove", kButton, 62, 143, 54, 11},
        {IDC_REMOVE_ALL, "Button", "Remove All", kButton, 117, 143, 54, 11},
        {IDC_PLAY, "Button", "Play", kButton, 172, 143, 32, 11},
        {IDC_STOP, "Button", "Stop", kButton, 205, 143, 37, 11},
        {IDC_MODE_REPEAT, "Button", "1", WS_CHILD | BS_AUTOCHECKBOX, 130, 16, 8, 8},
        {IDC_MODE_CYCLE, "Button", "2", WS_CHILD | BS_AUTOCHECKBOX, 140, 16, 8, 8},
        {IDC_MODE_RANDOM, "Button", "3", WS_CHILD | BS_AUTOCHECKBOX, 150, 16, 8, 8},
        {IDC_POSITION, "msctls_trackbar32", "Slider1", WS_CHILD | TBS_BOTH | TBS_NOTICKS, 123, 7, 41, 8},
        {IDC_VOLUME, "msctls_trackbar32", "Slider2", kShown | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS, 7, 19, 33, 11},
        {-1, "Static", "Use your own music", kText, 17, 3, 67, 8},
        {-1, "Static", "Volume", kText, 43, 22, 25, 8},
        {IDC_PLAYER_HOST, "Static", "Static", WS_CHILD | SS_LEFT, 104, 7, 16, 8},
        {IDC_OWN_MUSIC, "Static", "#275", kPicture, 7, 4, 8, 8},
        {IDC_REPEAT_PICTURE, "Static", "#277", kPicture, 190, 2, 8, 8},
        {-1, "Static", "Repeat One", kText, 201, 2, 39, 8},
        {IDC_RANDOM_PICTURE, "Static", "#277", kPicture, 190, 14, 8, 8},
        {-1, "Static", "Random ", kText, 201, 14, 30, 8},
        {IDC_CYCLE_PICTURE, "Static", "#277", kPicture, 190, 27, 8, 8},
        {-1, "Static", "Repeat All", kText, 201, 27, 34, 8},
    }};
const DialogTemplateRegistration kRegister(kMusicSettings);

CMusicSettingsDlg*& TheInstance()
{
    static CMusicSettingsDlg* instance = nullptr;
    return instance;
}

const DialogCommandRegistration kCommand(ID_TOOL_MUSIC_SETTINGS, [] {
    if (CMusicSettingsDlg* dialog = CMusicSettingsDlg::Instance())
        dialog->ShowCentred();
});

constexpr int kHandIds[] = {IDC_VOLUME, IDC_OWN_MUSIC, IDC_CYCLE_PICTURE, IDC_RANDOM_PICTURE, IDC_REPEAT_PICTURE};
// Add, Remove, Remove All and Play: not while a track plays.
constexpr int kListButtons[] = {IDC_ADD, IDC_REMOVE, IDC_REMOVE_ALL, IDC_PLAY};

const char* const SECTION = "Custom Settings";
const char* const LIST_NAME = "Custom Settings";

}  // namespace

CMusicSettingsDlg::CMusicSettingsDlg(CWnd* pParent, CPlaylist* playlist)
    : CModelessSettingsDlg(IDD, pParent, "Custom Music(V1.9.1)", CPoint(50, 10)),
      m_ownPlaylist(playlist ? nullptr : std::make_unique<CPlaylist>()),
      m_pPlaylist(playlist ? playlist : m_ownPlaylist.get())
{
    TheInstance() = this;
}

CMusicSettingsDlg::~CMusicSettingsDlg()
{
    if (TheInstance() == this)
        TheInstance() = nullptr;
    if (m_bLoadingStored)
        load_report::End(LIST_NAME);
    // The window and its controls go while their objects still live.
    DestroyWindow();
}

CMusicSettingsDlg* CMusicSettingsDlg::Instance() { return TheInstance(); }

void CMusicSettingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RANDOM_PICTURE, m_picRandom);
    DDX_Control(pDX, IDC_CYCLE_PICTURE, m_picRepeatAll);
    DDX_Control(pDX, IDC_REPEAT_PICTURE, m_picRepeatOne);
    DDX_Control(pDX, IDC_OWN_MUSIC, m_picOwnMusic);
    DDX_Control(pDX, IDC_STOP, m_btnStop);
    DDX_Control(pDX, IDC_PLAY, m_btnPlay);
    DDX_Control(pDX, IDC_REMOVE, m_btnRemove);
    DDX_Control(pDX, IDC_REMOVE_ALL, m_btnRemoveAll);
    DDX_Control(pDX, IDC_ADD, m_btnAdd);
    DDX_Control(pDX, IDC_PLAYER_HOST, m_stcPlayerHost);
    DDX_Control(pDX, IDC_MODE_CYCLE, m_chkCycle);
    DDX_Control(pDX, IDC_MODE_RANDOM, m_chkRandom);
    DDX_Control(pDX, IDC_MODE_REPEAT, m_chkRepeat);
    DDX_Control(pDX, IDC_LIST, m_listMusic);
    DDX_Control(pDX, IDC_POSITION, m_sldPosition);
    DDX_Control(pDX, IDC_VOLUME, m_sldVolume);
    DDX_Slider(pDX, IDC_POSITION, m_nSliderPos);
}

BOOL CMusicSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    RegisterDialogPictures();
    m_bmpCheckOff.LoadBitmap(IDB_UNCHECKED);
    m_bmpCheckOn.LoadBitmap(IDB_CHECKED);
    m_bmpRadioOff.LoadBitmap(IDB_RADIO_OFF);
    m_bmpRadioOn.LoadBitmap(IDB_RADIO_ON);

    m_listMusic.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_listMusic.SetBkColor(RGB(207, 184, 130));
    m_listMusic.SetTextBkColor(RGB(207, 184, 130));
    m_listMusic.SetTextColor(RGB(0, 0, 255));
    m_listMusic.InsertColumn(0, "Music List", LVCFMT_CENTER, 467);
    m_listMusic.SetPlaylist(m_pPlaylist);

    m_chkRandom.SetCheck(0, TRUE);
    m_chkCycle.SetCheck(0, TRUE);
    m_chkRepeat.SetCheck(1, TRUE);
    for (CIconButton* mode : {&m_chkRandom, &m_chkCycle, &m_chkRepeat})
        mode->SetColors(RGB(0, 255, 0), RGB(0, 0, 0));
    OnModeRepeat();

    m_nVolume = m_profile.GetVolume();
    m_player.SetParentWnd(m_stcPlayerHost.m_hWnd);
    m_player.Create();
    m_player.SetVolume(m_nVolume);
    m_sldVolume.SetRange(0, 1000, TRUE);
    m_sldVolume.SetPos(m_nVolume);

    m_bRepeatOne = 1;
    m_picRepeatOne.SetBitmap(m_bmpRadioOn);
    LoadSettings();
    SetTimer(CLOCK_TIMER, TICK_MS, nullptr);
    m_hHandCursor = LoadCursorResource(IDC_HAND);
    return TRUE;
}

BOOL CMusicSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Buttons and the pictures: BN_CLICKED and STN_CLICKED are both 0.
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_ADD: OnAddMusic(); return TRUE;
        case IDC_PLAY: OnPlay(); return TRUE;
        case IDC_STOP: OnStop(); return TRUE;
        case IDC_MODE_REPEAT: OnModeRepeat(); return TRUE;
        case IDC_MODE_CYCLE: OnModeCycle(); return TRUE;
        case IDC_MODE_RANDOM: OnModeRandom(); return TRUE;
        case IDC_REMOVE: OnRemoveTrack(); return TRUE;
        case IDC_REMOVE_ALL: OnRemoveAll(); return TRUE;
        case IDC_OWN_MUSIC: OnOwnMusic(); return TRUE;
        case IDC_REPEAT_PICTURE: OnRepeatPicture(); return TRUE;
        case IDC_RANDOM_PICTURE: OnRandomPicture(); return TRUE;
        case IDC_CYCLE_PICTURE: OnCyclePicture(); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CMusicSettingsDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header && header->idFrom == IDC_POSITION && header->code == NM_CUSTOMDRAW) {
        OnCustomDrawPosition(header, pResult);
        return TRUE;
    }
    if (header && ((header->idFrom == IDC_LIST && header->code == NM_CLICK) ||
                   (header->idFrom == IDC_VOLUME && header->code == NM_CUSTOMDRAW))) {
        OnNotifyIgnore(header, pResult);
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

// ---- the playlist ----

void CMusicSettingsDlg::OnAddMusic()
{
    CFileDialog chooser(TRUE, nullptr, nullptr, OFN_HIDEREADONLY,
                        "(*.mp3;*.wav;*.mpeg;*.ogg;*.flac)|*.mp3;*.wav;*.mpeg;*.ogg;*.flac", nullptr);
    if (chooser.DoModal() != IDOK)
        return;
    const std::string path = chooser.GetPathName();
    std::string kept;
    if (!KeepExactProfileValue(path, kept)) {
        const std::string text = "This music file cannot be kept in the list:\n" + path +
                                 "\n\nIts name holds a line break, which the settings file cannot keep.";
        MessageBox(text.c_str(), APP_TITLE, MB_OK | MB_ICONERROR);
        return;
    }
    // A file that cannot play is told once and not added.
    if (!CMciPlayerWnd::CanPlayFile(m_stcPlayerHost.m_hWnd, path))
        return;
    AddTrack(path);
    m_pPlaylist->MarkPlayable(m_pPlaylist->Count() - 1);
}

void CMusicSettingsDlg::AddTrack(const std::string& path)
{
    m_nRows = m_listMusic.GetItemCount();
    m_pPlaylist->Append(path);
    m_listMusic.InsertItem(m_nRows, path.c_str());
    m_nRows = m_listMusic.GetItemCount();
}

BOOL CMusicSettingsDlg::IsListEmpty() { return m_listMusic.GetItemCount() < 1; }

int CMusicSettingsDlg::GetItemCount() { return m_listMusic.GetItemCount(); }

int CMusicSettingsDlg::GetFirstSelected()
{
    for (int row = 0; row < m_listMusic.GetItemCount(); ++row)
        if (m_listMusic.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED)
            return row;
    return -1;
}

void CMusicSettingsDlg::SetCurrentItem()
{
    // The row that stops being current loses its grey at once too.
    const int previous = g_nCurMusicItem;
    g_nCurMusicItem = m_nCurItem;
    m_listMusic.Update(m_nCurItem);
    if (previous != m_nCurItem)
        m_listMusic.Update(previous);
}

void CMusicSettingsDlg::OnRemoveTrack()
{
    const int row = GetFirstSelected();
    if (row < 0)
        return;
    m_listMusic.DeleteItem(row);
    m_pPlaylist->Remove(row);
    m_nRows = m_listMusic.GetItemCount();
    OpenTrack();
}

void CMusicSettingsDlg::OnRemoveAll()
{
    m_listMusic.DeleteAllItems();
    m_pPlaylist->Clear();
    m_nRows = m_listMusic.GetItemCount();
}

// ---- playing ----

int CMusicSettingsDlg::ChooseRow()
{
    const int rows = GetItemCount();
    if (m_nPlayState == 0) {
        switch (m_nMode) {
        case 0: return m_nCurItem >= 0 && m_nCurItem < rows ? m_nCurItem : 0;
        case 1: return m_nCurItem + 1 >= rows ? 0 : m_nCurItem + 1;
        default: return crt::rand() % rows;
        }
    }
    const int selected = GetFirstSelected();
    if (selected >= 0)
        return selected;
    return m_nMode == 2 ? crt::rand() % rows : 0;
}

int CMusicSettingsDlg::PlayableFrom(int row)
{
    const int rows = GetItemCount();
    for (int i = 0; i < rows; ++i) {
        const int r = (row + i) % rows;
        if (!m_pPlaylist->Failed(r))
            return r;
    }
    return -1;
}

bool CMusicSettingsDlg::OpenRow(int row)
{
    m_player.Stop();
    m_player.Close();
    m_player.SetFileName(m_pPlaylist->At(row).path);
    // While the stored lists load, a failure waits for the one message.
    m_player.SetQuiet(m_bLoadingStored);
    m_player.Create();
    if (m_player.m_bCanPlay) {
        m_pPlaylist->MarkPlayable(row);
        return true;
    }
    m_pPlaylist->MarkFailed(row, m_player.GetError());
    if (m_bLoadingStored)
        load_report::Note(m_pPlaylist->At(row).path, m_player.GetError());
    m_listMusic.Update(row);
    return false;
}

void CMusicSettingsDlg::OpenTrack()
{
    if (IsListEmpty())
        return;
    m_bOpening = true;
    m_player.Stop();
    m_player.Close();
    // A file that cannot play is told once, then skipped for the rest of the
    // run: the next row is tried.
    const int rows = GetItemCount();
    int row = ChooseRow();
    bool canPlay = false;
    for (int tries = 0; tries < rows && !canPlay; ++tries) {
        row = PlayableFrom(row);
        if (row < 0)
            break;
        m_nCurItem = row;
        canPlay = OpenRow(row);
        if (!canPlay)
            row = (row + 1) % rows;
    }
    if (!canPlay)
        OnStop();
    m_player.Seek(0);
    m_player.SetVolume(m_nVolume);
    m_sldPosition.SetRange(0, m_player.GetLength(), FALSE);
    m_sldPosition.SetPos(0);
    m_bOpening = false;
}

void CMusicSettingsDlg::EnableListButtons(BOOL enable)
{
    for (const int id : kListButtons)
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(enable);
}

void CMusicSettingsDlg::PlayCurrent()
{
    if (IsListEmpty() || !m_player.m_bCanPlay)
        return;
    m_nPlayState = 0;
    m_player.Play();
    SetCurrentItem();
    EnableListButtons(FALSE);
    m_bOwnMusic = 1;
    SetPicture(m_picOwnMusic, true, false);
}

void CMusicSettingsDlg::OnPlay()
{
    OpenTrack();
    PlayCurrent();
}

void CMusicSettingsDlg::OnStop()
{
    m_nPlayState = 2;
    m_player.Stop();
    m_player.Seek(0);
    m_nCurItem = -1;
    SetCurrentItem();
    for (int row = 0; row < m_listMusic.GetItemCount(); ++row)
        m_listMusic.SetItemState(row, 0, LVIS_SELECTED);
    EnableListButtons(TRUE);
}

void CMusicSettingsDlg::TakeCheckedTracks()
{
    for (const int row : m_pPlaylist->Poll()) {
        if (m_bLoadingStored)
            load_report::Note(m_pPlaylist->At(row).path, m_pPlaylist->At(row).problem);
        m_listMusic.Update(row);
    }
    if (m_bLoadingStored && !m_bStartPending && !m_bOpening && !m_pPlaylist->Checking()) {
        m_bLoadingStored = false;
        load_report::End(LIST_NAME);
    }
}

void CMusicSettingsDlg::OnTimer(UINT_PTR)
{
    g_bOwnMusic = m_bOwnMusic != 0 ? 1 : 0;
    if (m_bOpening)
        return;
    if (m_bStartPending) {
        m_bStartPending = false;
        OnPlay();
    }
    TakeCheckedTracks();
    TellLoadReport(this);
    if (m_nPlayState != 0 || m_bOpening)
        return;
    m_nPosition = m_nSliderPos = m_player.GetPosition();
    UpdateData(FALSE);
    // The end of the track is the player's own: it stopped by itself.
    if (m_player.m_bCanPlay && m_player.GetMode() == MCI_MODE_STOP)
        OnPlay();
    Default();
}

void CMusicSettingsDlg::OnCustomDrawPosition(NMHDR*, LRESULT* pResult)
{
    m_player.Seek(m_sldPosition.GetPos());
    m_nPosition = m_player.GetPosition();
    if (m_nPlayState == 0)
        m_player.Play();
    *pResult = 0;
}

void CMusicSettingsDlg::OnNotifyIgnore(NMHDR*, LRESULT* pResult) { *pResult = 0; }

void CMusicSettingsDlg::OnHScroll(UINT, UINT, CWnd*)
{
    m_player.SetVolume(m_sldVolume.GetPos());
    m_nVolume = m_player.GetVolume();
    Default();
}

// ---- the modes and the switch ----

void CMusicSettingsDlg::ChooseMode(int mode)
{
    m_nMode = mode;
    CheckOnly({&m_chkRepeat, &m_chkCycle, &m_chkRandom}, mode);
}

void CMusicSettingsDlg::OnModeRepeat() { ChooseMode(0); }
void CMusicSettingsDlg::OnModeCycle() { ChooseMode(1); }
void CMusicSettingsDlg::OnModeRandom() { ChooseMode(2); }

void CMusicSettingsDlg::SetPicture(CStatic& picture, bool on, bool radio)
{
    picture.SetBitmap(radio ? (on ? m_bmpRadioOn : m_bmpRadioOff) : (on ? m_bmpCheckOn : m_bmpCheckOff));
}

void CMusicSettingsDlg::ChoosePicture(int mode)
{
    m_nMode = mode;
    m_bRepeatOne = mode == 0;
    m_bRepeatAll = mode == 1;
    m_bRandom = mode == 2;
    SetPicture(m_picRepeatOne, m_bRepeatOne, true);
    SetPicture(m_picRepeatAll, m_bRepeatAll, true);
    SetPicture(m_picRandom, m_bRandom, true);
}

void CMusicSettingsDlg::OnRepeatPicture() { ChoosePicture(0); }
void CMusicSettingsDlg::OnCyclePicture() { ChoosePicture(1); }
void CMusicSettingsDlg::OnRandomPicture() { ChoosePicture(2); }

void CMusicSettingsDlg::OnOwnMusic()
{
    m_bOwnMusic = m_bOwnMusic ? 0 : 1;
    SetPicture(m_picOwnMusic, m_bOwnMusic, false);
    if (m_bOwnMusic)
        OnPlay();
    else if (m_nPlayState == 0)
        OnStop();
}

// ---- the settings file ----

void CMusicSettingsDlg::SaveSettings()
{
    const CSettingsFile file;
    // One rewrite for the whole list, however long.
    const CProfileWriteBatch batch(file.Path().c_str());
    file.Write(SECTION, "RandomMusic", m_bRandom ? "1" : "0");
    file.Write(SECTION, "CycMusic", m_bRepeatAll ? "1" : "0");
    file.Write(SECTION, "RepeatMusic", m_bRepeatOne ? "1" : "0");
    file.Write(SECTION, "OwnMusic", m_bOwnMusic ? "1" : "0");
    const int rows = m_listMusic.GetItemCount();
    file.Write(SECTION, "MusicSum", std::to_string(rows));
    // Every row, also of files that cannot be played now; names byte for byte.
    for (int row = 0; row < rows; ++row) {
        std::string kept;
        KeepExactProfileValue(m_pPlaylist->At(row).path, kept);
        file.Write(SECTION, ("MusicList" + std::to_string(row)).c_str(), kept);
    }
}

void CMusicSettingsDlg::LoadSettings()
{
    const CSettingsFile file;
    const auto read = [&file](const std::string& key) { return file.Read(SECTION, key.c_str()); };
    OnRemoveAll();
    m_bRandom = TextToInt(read("RandomMusic")) == 1;
    SetPicture(m_picRandom, m_bRandom, true);
    m_bRepeatAll = TextToInt(read("CycMusic")) == 1;
    SetPicture(m_picRepeatAll, m_bRepeatAll, true);
    const std::string repeat = read("RepeatMusic");
    m_bRepeatOne = repeat.empty() || TextToInt(repeat) == 1;
    SetPicture(m_picRepeatOne, m_bRepeatOne, true);
    m_bOwnMusic = TextToInt(read("OwnMusic")) == 1;
    SetPicture(m_picOwnMusic, m_bOwnMusic, false);

    // The playlist ends at its stored length or at the first missing entry.
    // Its files are looked at in the background; what cannot be played is
    // told once, with the other lists' files, when every list has loaded.
    load_report::Begin(LIST_NAME);
    m_bLoadingStored = true;
    const int stored = TextToInt(read("MusicSum"));
    for (int i = 0; i < stored; ++i) {
        const std::string path = read("MusicList" + std::to_string(i));
        if (path.empty())
            break;
        AddTrack(path);
    }

    if (m_bRandom)
        OnRandomPicture();
    if (m_bRepeatAll)
        OnCyclePicture();
    if (m_bRepeatOne)
        OnRepeatPicture();
    m_pPlaylist->CheckAll();
    if (stored > 0 && m_bOwnMusic)
        m_bStartPending = true;
}

// ---- the window ----

HBRUSH CMusicSettingsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = TransparentStaticBrush(CDialog::OnCtlColor(pDC, pWnd, nCtlColor), pDC, nCtlColor);
    if (pWnd && pWnd->GetDlgCtrlID() == IDC_VOLUME) {
        if (!m_brVolume.GetSafeHandle())
            m_brVolume.CreateSolidBrush(RGB(154, 159, 172));
        return m_brVolume;
    }
    return brush;
}

BOOL CMusicSettingsDlg::OnSetCursor(CWnd* pWnd, UINT, UINT)
{
    return SetHandOrArrowCursor(pWnd, m_hHandCursor, kHandIds);
}
