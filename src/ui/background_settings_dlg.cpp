#include "ui/background_settings_dlg.h"

#include "gfx/app_title.h"
#include "gfx/user_picture.h"
#include "platform/crt.h"
#include "platform/dialog_file.h"
#include "settings/settings_file.h"
#include "settings/shared_state.h"
#include "ui/dialog_art.h"
#include "ui/dialog_commands.h"
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

}  // namespace

CBackgroundSettingsDlg::CBackgroundSettingsDlg(CWnd* pParent)
    : CModelessSettingsDlg(IDD, pParent, "Custom Backgrounds(V1.9.1)", CPoint(50, 10))
{
    TheInstance() = this;
}

CBackgroundSettingsDlg::~CBackgroundSettingsDlg()
{
    if (TheInstance() == this)
        TheInstance() = nullptr;
    // The window and its controls go while their objects still live.
    DestroyWindow();
    for (GLuint& texture : m_nTextures) {
        DeletePictureTexture(texture);
        texture = 0;
    }
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
    std::string problem;
    const GLuint texture = LoadPictureTexture(path.c_str(), nullptr, &problem);
    if (!texture) {
        // The picture is refused; the pictures already there go on as they were.
        std::string text = "(" + path + ")" + "image loading error.";
        if (!problem.empty())
            text += "\n\n" + problem;
        MessageBox(text.c_str(), APP_TITLE, MB_OK);
        return;
    }
    m_nTextures[m_nRows] = texture;
    const int row = m_listImages.InsertItem(m_nRows, path.c_str());
    m_listImages.SetItemText(row, 1, "OFF");
    m_nRows = m_listImages.GetItemCount();
}

void CBackgroundSettingsDlg::OnRemoveImage()
{
    for (int row = 0; row < m_listImages.GetItemCount(); ++row) {
        if (!(m_listImages.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED))
            continue;
        const GLuint removed = m_nTextures[row];
        m_listImages.DeleteItem(row);
        m_nRows = m_listImages.GetItemCount();
        std::copy(m_nTextures + row + 1, m_nTextures + MAX_IMAGES, m_nTextures + row);
        m_nTextures[MAX_IMAGES - 1] = 0;
        if (m_texCurrent == removed)
            m_texCurrent = 0;
        DeletePictureTexture(removed);
        break;
    }
    if (IsListEmpty()) {
        std::fill(std::begin(m_nTextures), std::end(m_nTextures), 0);
        m_texCurrent = 0;
    } else {
        Show(PickImage(0, TRUE));
    }
}

void CBackgroundSettingsDlg::OnRemoveAll()
{
    m_listImages.DeleteAllItems();
    m_nRows = m_listImages.GetItemCount();
    for (GLuint& texture : m_nTextures) {
        DeletePictureTexture(texture);
        texture = 0;
    }
    m_texCurrent = 0;
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

int CBackgroundSettingsDlg::RowOf(GLuint texture) const
{
    for (int row = 0; row < m_nRows; ++row)
        if (m_nTextures[row] == texture)
            return row;
    return m_nRows;
}

void CBackgroundSettingsDlg::MarkShown(int row)
{
    for (int i = 0; i < m_listImages.GetItemCount(); ++i)
        m_listImages.SetItemText(i, 1, i == row ? "ON" : "OFF");
}

long CBackgroundSettingsDlg::PickImage(int nRow, BOOL bUseRow)
{
    if (IsListEmpty() || !m_bRunning)
        return NO_PICK;
    m_nRows = m_listImages.GetItemCount();
    if (bUseRow) {
        if (nRow < 0 || nRow >= m_nRows)
            return NO_PICK;
        MarkShown(nRow);
        return static_cast<long>(m_nTextures[nRow]);
    }
    switch (m_nMode) {
    case 0: return static_cast<long>(m_texCurrent ? m_texCurrent : m_nTextures[0]);
    case 1: return static_cast<long>(m_nTextures[(RowOf(m_texCurrent) + 1) % m_nRows]);
    default: return static_cast<long>(m_nTextures[crt::rand() % m_nRows]);
    }
}

void CBackgroundSettingsDlg::Show(long pick)
{
    // Nothing to pick keeps the picture shown; a removed picture's texture is
    // never kept (OnRemoveImage forgets it first).
    if (pick != NO_PICK)
        m_texCurrent = static_cast<GLuint>(pick);
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
    if (m_bRunning) {
        if (m_nTick < INT_MAX)
            ++m_nTick;
        const long long interval = static_cast<long long>(IntervalSeconds()) * 1000;
        if (m_nTick == 0 || static_cast<long long>(m_nTick) * TICK_MS >= interval) {
            const long pick = PickImage(0, FALSE);
            Show(pick);
            m_nTick = 0;
            if (pick != NO_PICK && pick != 0)
                MarkShown(RowOf(static_cast<GLuint>(pick)));
        }
    }
    Default();
}

// ---- the settings file ----

void CBackgroundSettingsDlg::SaveSettings()
{
    const CSettingsFile file;
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
    for (int row = 0; row < rows; ++row)
        file.Write(SECTION, ("ImageList" + std::to_string(row)).c_str(), m_listImages.GetItemText(row, 0));
}

void CBackgroundSettingsDlg::LoadSettings()
{
    const CSettingsFile file;
    std::fill(std::begin(m_nTextures), std::end(m_nTextures), 0);
    m_texCurrent = 0;
    const auto read = [&file](const std::string& key) { return file.Read(SECTION, key.c_str()); };
    m_chkRandom.SetCheck(TextToInt(read("RandomImage")) == 1, TRUE);
    m_chkCycle.SetCheck(TextToInt(read("CycImage")) == 1, TRUE);
    m_chkRepeat.SetCheck(TextToInt(read("RepeatImage")) == 1, TRUE);
    m_chkOwn.SetCheck(TextToInt(read("OwnImage")) == 1, TRUE);
    const std::string interval = read("ImageTime");
    if (CWnd* edit = GetDlgItem(IDC_INTERVAL))
        edit->SetWindowText(interval.empty() ? "5" : interval.c_str());

    // The list ends at its stored length, at the first missing entry, or at
    // the most pictures the dialog holds (told once).
    const int stored = TextToInt(read("ImageSum"));
    for (int i = 0; i < stored; ++i) {
        const std::string path = read("ImageList" + std::to_string(i));
        if (path.empty())
            break;
        const bool full = m_listImages.GetItemCount() >= MAX_IMAGES;
        AddImage(path);
        if (full)
            break;
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
