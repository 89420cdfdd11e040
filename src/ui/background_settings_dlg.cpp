#include "ui/background_settings_dlg.h"

#include "gfx/app_title.h"
#include "gfx/load_report.h"
#include "gfx/user_picture.h"
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

#include <algorithm>
#include <climits>

namespace {

constexpr UINT_PTR CLOCK_TIMER = 1;
constexpr int TICK_MS = 200;

constexpr int IDC_ADD_IMAGE = 1008;
constexpr int IDC_REMOVE_HIDDEN = 1009;
constexpr int IDC_REMOVE_ALL_HIDDEN = 1010;
constexpr int IDC_REMOVE_IMAGE = 1011;
constexpr int IDC_REMOVE_ALL = 1012;
constexpr int IDC_STOP_HIDDEN = 1013;
constexpr int IDC_OWN = 1014;
constexpr int IDC_LIST = 1015;
constexpr int IDC_ADD_HIDDEN = 1016;
constexpr int IDC_START_HIDDEN = 1017;
constexpr int IDC_INTERVAL = 1019;
constexpr int IDC_REPEAT = 1023;
constexpr int IDC_CYCLE = 1024;
constexpr int IDC_RANDOM = 1025;

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kSwitch = kShown | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kText = kShown | SS_LEFT;
constexpr DWORD kButton = kShown | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kHiddenPicture = WS_CHILD | SS_BITMAP | SS_NOTIFY;

const DialogTemplate kBackgroundSettings = {
    CBackgroundSettingsDlg::IDD, "3D Parvolune - Background Settings", 248, 135,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME, "MS Sans Serif", 8,
    {
        {IDC_OWN, "Button", "", kSwitch, 8, 10, 9, 10},
        {IDC_LIST, "SysListView32", "List1",
         kShown | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS, 10, 26, 231, 87},
        {IDC_REPEAT, "Button", "", kSwitch, 94, 12, 10, 9},
        {IDC_CYCLE, "Button", "", kSwitch, 147, 12, 10, 9},
        {IDC_RANDOM, "Button", "", kSwitch, 199, 12, 10, 9},
        {-1, "Static", "Use your own image", kText, 20, 13, 73, 11},
        {-1, "Static", "Repeat One", kText, 104, 13, 41, 9},
        {-1, "Static", "Repeat All", kText, 160, 13, 34, 8},
        {-1, "Static", "Random ", kText, 211, 13, 30, 8},
        {IDC_ADD_HIDDEN, "Static", "#289", kHiddenPicture, 53, 7, 11, 11},
        {IDC_REMOVE_HIDDEN, "Static", "#283", kHiddenPicture, 64, 7, 11, 11},
        {IDC_REMOVE_ALL_HIDDEN, "Static", "#284", kHiddenPicture, 76, 7, 11, 11},
        {IDC_START_HIDDEN, "Static", "#285", kHiddenPicture, 39, 7, 11, 11},
        {IDC_STOP_HIDDEN, "Static", "#286", kHiddenPicture, 26, 7, 11, 11},
        {IDC_INTERVAL, "Edit", "", kShown | WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL, 214, 117, 18, 12},
        {-1, "Static", "S", kText, 236, 119, 8, 8},
        {-1, "Static", "Interval", kText, 186, 119, 27, 9},
        {IDC_ADD_IMAGE, "Button", "Add Image", kButton, 7, 117, 55, 11},
        {IDC_REMOVE_IMAGE, "Button", "Remove Image", kButton, 62, 117, 65, 11},
        {IDC_REMOVE_ALL, "Button", "Remove All", kButton, 128, 117, 55, 11},
    }};
const DialogTemplateRegistration kRegister(kBackgroundSettings);

CBackgroundSettingsDlg*& TheInstance()
{
    static CBackgroundSettingsDlg* instance = nullptr;
    return instance;
}

const DialogCommandRegistration kCommand(ID_TOOL_BACKGROUND_SETTINGS, [] {
    if (CBackgroundSettingsDlg* dialog = CBackgroundSettingsDlg::Instance())
        dialog->ShowCentred();
});

constexpr int kHandIds[] = {IDC_OWN, IDC_REPEAT, IDC_CYCLE, IDC_RANDOM};

const char* const SECTION = "Custom Images";
const char* const LIST_NAME = "Custom Images";
const char* const FAILED = "Failed";

std::string LoadingError(const std::string& path) { return "(" + path + ")" + "image loading error."; }

}  // namespace

CBackgroundSettingsDlg::CBackgroundSettingsDlg(CWnd* pParent, CSlideshow* slides)
    : CModelessSettingsDlg(IDD, pParent, "Custom Backgrounds(V1.9.1)", CPoint(50, 10)),
      m_ownSlides(slides ? nullptr : std::make_unique<CSlideshow>()),
      m_pSlides(slides ? slides : m_ownSlides.get())
{
    TheInstance() = this;
}

CBackgroundSettingsDlg::~CBackgroundSettingsDlg()
{
    if (TheInstance() == this)
        TheInstance() = nullptr;
    if (m_bLoadingStored)
        load_report::End(LIST_NAME);
    // The window and its controls go while their objects still live.
    DestroyWindow();
}

CBackgroundSettingsDlg* CBackgroundSettingsDlg::Instance() { return TheInstance(); }

void CBackgroundSettingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REMOVE_ALL, m_btnRemoveAll);
    DDX_Control(pDX, IDC_REMOVE_IMAGE, m_btnRemoveImage);
    DDX_Control(pDX, IDC_ADD_IMAGE, m_btnAddImage);
    DDX_Control(pDX, IDC_RANDOM, m_chkRandom);
    DDX_Control(pDX, IDC_CYCLE, m_chkCycle);
    DDX_Control(pDX, IDC_REPEAT, m_chkRepeat);
    DDX_Control(pDX, IDC_OWN, m_chkOwn);
    DDX_Control(pDX, IDC_LIST, m_listImages);
}

BOOL CBackgroundSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    RegisterDialogPictures();
    m_listImages.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_listImages.SetBkColor(RGB(207, 184, 130));
    m_listImages.SetTextBkColor(RGB(207, 184, 130));
    m_listImages.SetTextColor(RGB(0, 0, 255));
    m_listImages.InsertColumn(0, "Backgrounds Directory", LVCFMT_CENTER, 320);
    m_listImages.InsertColumn(1, "State", LVCFMT_CENTER, 50);

    m_chkOwn.SetCheck(0, TRUE);
    m_chkOwn.SetIcons(IDI_OWN_IMAGE_ON, IDI_OWN_IMAGE_OFF);
    m_chkRandom.SetCheck(0, TRUE);
    m_chkCycle.SetCheck(0, TRUE);
    m_chkRepeat.SetCheck(1, TRUE);
    for (CIconButton* mode : {&m_chkRandom, &m_chkCycle, &m_chkRepeat})
        mode->SetColors(RGB(0, 255, 0), RGB(0, 0, 0));
    if (CWnd* interval = GetDlgItem(IDC_INTERVAL))
        interval->SetWindowText("5");
    m_btnAddImage.SetTooltipText("Add Aquarium Background", TRUE);
    m_btnRemoveImage.SetTooltipText("Remove Aquarium Background", TRUE);
    m_btnRemoveAll.SetTooltipText("Remove All Aquarium Backgrounds", TRUE);
    m_hHandCursor = LoadCursorResource(IDC_HAND);
    LoadSettings();
    SetTimer(CLOCK_TIMER, TICK_MS, nullptr);
    return TRUE;
}

BOOL CBackgroundSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The switches and the hidden pictures: BN_CLICKED and STN_CLICKED are both 0.
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_OWN: OnOwnImage(); return TRUE;
        case IDC_ADD_HIDDEN:
        case IDC_ADD_IMAGE: OnAddImage(); return TRUE;
        case IDC_REMOVE_HIDDEN:
        case IDC_REMOVE_IMAGE: OnRemoveImage(); return TRUE;
        case IDC_REMOVE_ALL_HIDDEN:
        case IDC_REMOVE_ALL: OnRemoveAll(); return TRUE;
        case IDC_START_HIDDEN: Start(); return TRUE;
        case IDC_STOP_HIDDEN: Stop(); return TRUE;
        case IDC_REPEAT: OnModeRepeat(); return TRUE;
        case IDC_CYCLE: OnModeCycle(); return TRUE;
        case IDC_RANDOM: OnModeRandom(); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CBackgroundSettingsDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header && header->idFrom == IDC_LIST && header->code == NM_CLICK) {
        OnClickList(header, pResult);
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

// ---- the pictures ----

void CBackgroundSettingsDlg::OnAddImage()
{
    CFileDialog chooser(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "(*.jpg;*.bmp;*.png)|*.jpg;*.bmp;*.png", nullptr);
    if (chooser.DoModal() != IDOK)
        return;
    AddImage(chooser.GetPathName());
    if (m_nRows == 1 && m_chkOwn.GetCheck())
        Start();
}

void CBackgroundSettingsDlg::AddImage(const std::string& path)
{
    m_nRows = m_listImages.GetItemCount();
    if (m_nRows >= MAX_IMAGES) {
        const std::string text = "The maximum number of background is: " + std::to_string(m_nRows);
        MessageBox(text.c_str(), APP_TITLE, MB_OK);
        return;
    }
    std::string kept;
    if (!KeepExactProfileValue(path, kept)) {
        const std::string text = LoadingError(path) + "\n\nIts name holds a line break, which the settings file cannot keep.";
        MessageBox(text.c_str(), APP_TITLE, MB_OK);
        return;
    }
    AppendRow(path, false);
}

void CBackgroundSettingsDlg::AppendRow(const std::string& path, bool stored)
{
    const CSlideshow::Handle handle = m_pSlides->Append(path);
    if (!stored)
        m_added.push_back(handle);
    const int row = m_listImages.InsertItem(m_listImages.GetItemCount(), path.c_str());
    m_listImages.SetItemText(row, 1, "OFF");
    m_nRows = m_listImages.GetItemCount();
}

void CBackgroundSettingsDlg::TakeLoadedPictures()
{
    // A message box below runs the loop, and with it this dialog's clock.
    if (m_bTaking)
        return;
    m_bTaking = true;
    m_pSlides->Poll();
    std::vector<std::string> refusals;
    for (int row = 0; row < m_pSlides->Count(); ++row) {
        const CSlideshow::Picture& p = m_pSlides->At(row);
        const auto added = std::find(m_added.begin(), m_added.end(), p.handle);
        if (p.state == CSlideshow::State::Loading)
            continue;
        if (added != m_added.end()) {
            m_added.erase(added);
            if (p.state == CSlideshow::State::Failed) {
                // The picture is refused; the pictures already there go on as they were.
                refusals.push_back(LoadingError(p.path) + "\n\n" + p.problem);
                m_pSlides->Remove(row);
                m_listImages.DeleteItem(row);
                m_nRows = m_listImages.GetItemCount();
                --row;
            }
            continue;
        }
        if (p.state == CSlideshow::State::Failed &&
            std::find(m_marked.begin(), m_marked.end(), p.handle) == m_marked.end()) {
            m_marked.push_back(p.handle);
            m_listImages.SetItemText(row, 1, FAILED);
            if (m_bLoadingStored)
                load_report::Note(p.path, p.problem);
        }
    }
    if (m_bLoadingStored && !m_pSlides->Loading()) {
        m_bLoadingStored = false;
        load_report::End(LIST_NAME);
    }
    for (const std::string& text : refusals)
        MessageBox(text.c_str(), APP_TITLE, MB_OK);
    m_bTaking = false;
}

void CBackgroundSettingsDlg::OnRemoveImage()
{
    for (int row = 0; row < m_listImages.GetItemCount(); ++row) {
        if (!(m_listImages.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED))
            continue;
        // The slideshow forgets a removed shown picture and frees its texture.
        m_listImages.DeleteItem(row);
        m_pSlides->Remove(row);
        m_nRows = m_listImages.GetItemCount();
        break;
    }
    if (IsListEmpty())
        m_pSlides->Clear();
    else
        Show(PickImage(0, TRUE));
}

void CBackgroundSettingsDlg::OnRemoveAll()
{
    m_listImages.DeleteAllItems();
    m_nRows = m_listImages.GetItemCount();
    m_pSlides->Clear();
    m_added.clear();
    m_marked.clear();
}

BOOL CBackgroundSettingsDlg::IsListEmpty() { return m_listImages.GetItemCount() < 1; }

int CBackgroundSettingsDlg::GetFirstSelected()
{
    for (int row = 0; row < m_listImages.GetItemCount(); ++row)
        if (m_listImages.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED)
            return row;
    return -1;
}

void CBackgroundSettingsDlg::OnClickList(NMHDR*, LRESULT* pResult)
{
    const int row = GetFirstSelected();
    if (row == -1)
        return;
    Show(PickImage(row, TRUE));
    *pResult = 0;
}

// ---- cycling ----

void CBackgroundSettingsDlg::Start()
{
    m_bRunning = 1;
    m_nTick = -1;
}

void CBackgroundSettingsDlg::Stop()
{
    if (!IsListEmpty())
        MarkShown(-1);
    m_bRunning = 0;
}

void CBackgroundSettingsDlg::OnOwnImage()
{
    if (m_chkOwn.GetCheck())
        Start();
    else if (m_bRunning)
        Stop();
}

void CBackgroundSettingsDlg::ChooseMode(int mode)
{
    m_nMode = mode;
    CheckOnly({&m_chkRepeat, &m_chkCycle, &m_chkRandom}, mode);
}

void CBackgroundSettingsDlg::OnModeRepeat() { ChooseMode(0); }
void CBackgroundSettingsDlg::OnModeCycle() { ChooseMode(1); }
void CBackgroundSettingsDlg::OnModeRandom() { ChooseMode(2); }

int CBackgroundSettingsDlg::RowOf(CSlideshow::Handle handle) const
{
    const int row = m_pSlides->RowOf(handle);
    return row < m_nRows ? row : m_nRows;
}

int CBackgroundSettingsDlg::UsableFrom(int row) const
{
    const int rows = m_pSlides->Count();
    for (int i = 0; i < rows; ++i) {
        const int r = (row + i) % rows;
        if (m_pSlides->At(r).state != CSlideshow::State::Failed)
            return r;
    }
    return -1;
}

void CBackgroundSettingsDlg::MarkShown(int row)
{
    for (int i = 0; i < m_listImages.GetItemCount(); ++i) {
        const bool failed = i < m_pSlides->Count() && m_pSlides->At(i).state == CSlideshow::State::Failed;
        m_listImages.SetItemText(i, 1, failed ? FAILED : i == row ? "ON" : "OFF");
    }
}

long CBackgroundSettingsDlg::PickImage(int nRow, BOOL bUseRow)
{
    if (IsListEmpty() || !m_bRunning)
        return NO_PICK;
    m_nRows = m_listImages.GetItemCount();
    const auto handleOf = [this](int row) {
        return row < 0 ? NO_PICK : static_cast<long>(m_pSlides->At(row).handle);
    };
    if (bUseRow) {
        if (nRow < 0 || nRow >= m_nRows || m_pSlides->At(nRow).state == CSlideshow::State::Failed)
            return NO_PICK;
        MarkShown(nRow);
        return handleOf(nRow);
    }
    const CSlideshow::Handle current = m_pSlides->Current();
    switch (m_nMode) {
    case 0: return current ? static_cast<long>(current) : handleOf(UsableFrom(0));
    case 1: return handleOf(UsableFrom((RowOf(current) + 1) % m_nRows));
    default: return handleOf(UsableFrom(crt::rand() % m_nRows));
    }
}

void CBackgroundSettingsDlg::Show(long pick)
{
    // Nothing to pick keeps the picture shown; a removed picture's texture is
    // never kept (OnRemoveImage forgets it first).
    if (pick != NO_PICK)
        m_pSlides->SetCurrent(static_cast<CSlideshow::Handle>(pick));
}

int CBackgroundSettingsDlg::IntervalSeconds()
{
    char text[64] = {};
    if (CWnd* interval = GetDlgItem(IDC_INTERVAL))
        interval->GetWindowText(text, sizeof text);
    return TextToInt(text);
}

void CBackgroundSettingsDlg::OnTimer(UINT_PTR)
{
    g_bOwnBackground = m_chkOwn.GetCheck() ? 1 : 0;
    TakeLoadedPictures();
    TellLoadReport(this);
    if (m_bRunning) {
        if (m_nTick < INT_MAX)
            ++m_nTick;
        const long long interval = static_cast<long long>(IntervalSeconds()) * 1000;
        if (m_nTick == 0 || static_cast<long long>(m_nTick) * TICK_MS >= interval) {
            const long pick = PickImage(0, FALSE);
            Show(pick);
            m_nTick = 0;
            if (pick != NO_PICK && pick != 0)
                MarkShown(RowOf(static_cast<CSlideshow::Handle>(pick)));
        }
    }
    Default();
}

// ---- the settings file ----

void CBackgroundSettingsDlg::SaveSettings()
{
    const CSettingsFile file;
    const CProfileWriteBatch batch(file.Path().c_str());
    const auto flag = [](const CIconButton& b) { return std::string(b.GetCheck() ? "1" : "0"); };
    file.Write(SECTION, "RandomImage", flag(m_chkRandom));
    file.Write(SECTION, "CycImage", flag(m_chkCycle));
    file.Write(SECTION, "RepeatImage", flag(m_chkRepeat));
    file.Write(SECTION, "OwnImage", flag(m_chkOwn));
    char interval[64] = {};
    if (CWnd* edit = GetDlgItem(IDC_INTERVAL))
        edit->GetWindowText(interval, sizeof interval);
    file.Write(SECTION, "ImageTime", interval);
    const int rows = m_listImages.GetItemCount();
    file.Write(SECTION, "ImageSum", std::to_string(rows));
    // Every row, also of pictures that could not be loaded now; names byte for byte.
    for (int row = 0; row < rows; ++row) {
        std::string kept;
        KeepExactProfileValue(m_pSlides->At(row).path, kept);
        file.Write(SECTION, ("ImageList" + std::to_string(row)).c_str(), kept);
    }
}

void CBackgroundSettingsDlg::LoadSettings()
{
    const CSettingsFile file;
    m_pSlides->Clear();
    const auto read = [&file](const std::string& key) { return file.Read(SECTION, key.c_str()); };
    m_chkRandom.SetCheck(TextToInt(read("RandomImage")) == 1, TRUE);
    m_chkCycle.SetCheck(TextToInt(read("CycImage")) == 1, TRUE);
    m_chkRepeat.SetCheck(TextToInt(read("RepeatImage")) == 1, TRUE);
    m_chkOwn.SetCheck(TextToInt(read("OwnImage")) == 1, TRUE);
    const std::string interval = read("ImageTime");
    if (CWnd* edit = GetDlgItem(IDC_INTERVAL))
        edit->SetWindowText(interval.empty() ? "5" : interval.c_str());

    // The list ends at its stored length, at the first missing entry, or at
    // the most pictures the dialog holds. What cannot be used is told once,
    // with the other lists' files, when every list has loaded.
    load_report::Begin(LIST_NAME);
    m_bLoadingStored = true;
    const int stored = TextToInt(read("ImageSum"));
    for (int i = 0; i < stored; ++i) {
        const std::string path = read("ImageList" + std::to_string(i));
        if (path.empty())
            break;
        if (m_listImages.GetItemCount() >= MAX_IMAGES) {
            load_report::NoteLine("The maximum number of background is: " + std::to_string(MAX_IMAGES));
            break;
        }
        AppendRow(path, true);
    }
    if (!m_pSlides->Loading()) {
        m_bLoadingStored = false;
        load_report::End(LIST_NAME);
    }

    if (!m_chkRandom.GetCheck() && !m_chkCycle.GetCheck() && !m_chkRepeat.GetCheck())
        m_chkRepeat.SetCheck(1, TRUE);
    if (m_chkRandom.GetCheck())
        OnModeRandom();
    if (m_chkCycle.GetCheck())
        OnModeCycle();
    if (m_chkRepeat.GetCheck())
        OnModeRepeat();
    if (stored > 0 && m_chkOwn.GetCheck())
        Start();
}

// ---- the window ----

HBRUSH CBackgroundSettingsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    return TransparentStaticBrush(CDialog::OnCtlColor(pDC, pWnd, nCtlColor), pDC, nCtlColor);
}

BOOL CBackgroundSettingsDlg::OnSetCursor(CWnd* pWnd, UINT, UINT)
{
    return SetHandOrArrowCursor(pWnd, m_hHandCursor, kHandIds);
}
