#include "ui/aquarium_settings_dlg.h"

#include "platform/dialog_color.h"
#include "settings/settings_file.h"
#include "settings/wave_volume.h"
#include "ui/dialog_art.h"
#include "ui/dialog_commands.h"
#include "ui/dialog_frame.h"
#include "ui/help_page.h"
#include "ui/skin_about_dlg.h"
#include "ui/tool_ids.h"
#include "ui/ui_resource.h"

namespace {

constexpr UINT_PTR SAVE_TIMER = 1;
constexpr UINT SAVE_PERIOD_MS = 100;

constexpr int IDC_ABOUT = 1004;
constexpr int IDC_ABOUT_ICON = 1005;
constexpr int IDC_SHOW_WATER = 1006;
constexpr int IDC_SHOW_LIGHT = 1007;
constexpr int IDC_SHOW_TERRA = 1008;
constexpr int IDC_BUBBLE_COUNT = 1009;
constexpr int IDC_VOLUME = 1010;
constexpr int IDC_FOG = 1011;
constexpr int IDC_PLAY = 1014;
constexpr int IDC_FRONT_COLOR = 1015;
constexpr int IDC_BACK_COLOR = 1016;
constexpr int IDC_FRONT_COLOR1 = 1017;
constexpr int IDC_FRONT_COLOR2 = 1018;
constexpr int IDC_BACK_COLOR1 = 1019;
constexpr int IDC_BACK_COLOR2 = 1020;
constexpr int IDC_BUBBLE_SPEED = 1030;
constexpr int IDC_RELOAD = 1031;
constexpr int IDC_WRITE = 1032;
constexpr int IDC_PREV_BACKDROP = 1035;
constexpr int IDC_NEXT_BACKDROP = 1036;
constexpr int IDC_LINK = 1037;
constexpr int IDC_CORNER = 1039;
constexpr int IDC_LOCK_FORE = 1044;
constexpr int IDC_LOCK_BACK = 1045;
constexpr int IDC_FRONT_FIXED = 1046;
constexpr int IDC_BACK_AUTO = 1047;
constexpr int IDC_BACK_FIXED = 1048;
constexpr int IDC_FRONT_AUTO = 1049;
constexpr int IDC_BACK_GRADIENT = 1050;

constexpr DWORD kChild = WS_CHILD;
constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPush = kChild | WS_TABSTOP;
constexpr DWORD kSwatch = WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kSlider = kShown | WS_TABSTOP | TBS_VERT;
constexpr DWORD kText = kShown | SS_LEFT;
constexpr DWORD kGroup = kShown | BS_GROUPBOX;
constexpr DWORD kPicture = SS_BITMAP | SS_NOTIFY;

// The template names the "System" font; its labels fit their statics in the
// dialog face "MS Sans Serif" at the same 2 pixels per dialog unit.
const DialogTemplate kAquariumSettings = {
    CAquariumSettingsDlg::IDD, "3D Parvolune - Aquarium Settings", 244, 243,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK, "MS Sans Serif", 8,
    {
        {IDC_NEXT_BACKDROP, "Button", ">>", kPush | BS_DEFPUSHBUTTON, 73, 218, 15, 9},
        {IDC_PREV_BACKDROP, "Button", "<<", kPush | BS_DEFPUSHBUTTON, 57, 217, 15, 9},
        {IDC_PLAY, "Button", "Play", kPush, 198, 93, 21, 8},
        {IDC_VOLUME, "msctls_trackbar32", "", kSlider, 12, 40, 11, 146},
        {IDOK, "Button", "OK", kPush | BS_DEFPUSHBUTTON, 194, 226, 15, 10},
        {IDCANCEL, "Button", "Cancel", kPush, 211, 224, 12, 12},
        {-1, "Button", "", kGroup | BS_CENTER, 52, 38, 133, 67},
        {IDC_BUBBLE_COUNT, "msctls_trackbar32", "", kSlider, 217, 40, 11, 146},
        {IDC_FRONT_COLOR, "Button", "", kShown | kSwatch, 123, 57, 44, 11},
        {IDC_BACK_COLOR, "Button", "", kShown | kSwatch, 124, 126, 48, 11},
        {IDC_FRONT_COLOR1, "Button", "", kChild | kSwatch, 135, 213, 22, 14},
        {IDC_FRONT_COLOR2, "Button", "", kChild | kSwatch, 158, 213, 22, 14},
        {IDC_BACK_COLOR1, "Button", "", kShown | kSwatch, 124, 142, 24, 11},
        {IDC_BACK_COLOR2, "Button", "", kShown | kSwatch, 148, 142, 24, 11},
        {-1, "Button", "", kGroup | BS_CENTER, 52, 107, 133, 82},
        {-1, "Static", "Bubble ", kText, 213, 23, 23, 8},
        {-1, "Static", "Waves ", kText, 9, 23, 26, 8},
        {IDC_RELOAD, "Button", "R", kPush, 56, 226, 12, 10},
        {IDC_WRITE, "Button", "W", kPush, 179, 226, 12, 10},
        {IDC_LINK, "Static", "Parvolune help page", kChild | SS_LEFT, 9, 230, 92, 8},
        {-1, "Button", "", kGroup, 53, 70, 131, 28},
        {-1, "Button", "", kGroup, 53, 154, 131, 28},
        {IDC_ABOUT, "Button", "about", kPush | BS_OWNERDRAW, 190, 180, 22, 15},
        {-1, "Static", "Sound", kText, 9, 32, 22, 8},
        {-1, "Static", "Count", kText, 213, 32, 20, 8},
        {IDC_FOG, "msctls_trackbar32", "", kSlider, 37, 62, 12, 101},
        {IDC_BUBBLE_SPEED, "msctls_trackbar32", "", kSlider, 191, 62, 12, 101},
        {-1, "Static", "Bubble ", kText, 189, 48, 26, 8},
        {IDC_ABOUT_ICON, "Static", "#160", kChild | SS_ICON | SS_NOTIFY, 222, 220, 20, 20},
        {IDC_CORNER, "Static", "#238", kShown | kPicture, 7, 209, 11, 11},
        {IDC_SHOW_WATER, "Static", "#275", kChild | kPicture, 14, 10, 10, 10},
        {-1, "Static", "Show Shadow", kChild | SS_LEFT, 26, 10, 46, 8},
        {IDC_SHOW_LIGHT, "Static", "#275", kChild | kPicture, 99, 10, 8, 8},
        {-1, "Static", "Show Lights", kChild | SS_LEFT, 111, 10, 41, 8},
        {IDC_SHOW_TERRA, "Static", "#275", kChild | kPicture, 186, 10, 8, 8},
        {-1, "Static", "Show Terra", kChild | SS_LEFT, 200, 10, 38, 8},
        {-1, "Static", "Lock the foreground colors", kText, 70, 88, 87, 8},
        {IDC_LOCK_FORE, "Static", "#275", kShown | kPicture, 57, 88, 8, 8},
        {IDC_LOCK_BACK, "Static", "#275", kShown | kPicture, 58, 171, 8, 8},
        {-1, "Static", "Lock the background colors", kText, 68, 171, 90, 8},
        {-1, "Static", "Fix Color", kText, 70, 60, 30, 8},
        {IDC_FRONT_FIXED, "Static", "#277", kShown | kPicture, 57, 60, 8, 8},
        {-1, "Static", "Auto Gradually Color", kText, 71, 160, 68, 8},
        {IDC_BACK_AUTO, "Static", "#277", kShown | kPicture, 58, 160, 8, 8},
        {-1, "Static", "Fix Color", kText, 71, 129, 30, 8},
        {IDC_BACK_FIXED, "Static", "#277", kShown | kPicture, 58, 129, 8, 8},
        {-1, "Static", "Auto Gradually Color", kText, 70, 78, 68, 8},
        {IDC_FRONT_AUTO, "Static", "#277", kShown | kPicture, 57, 78, 8, 8},
        {-1, "Static", "Gradually Color", kText, 71, 143, 52, 8},
        {IDC_BACK_GRADIENT, "Static", "#277", kShown | kPicture, 58, 143, 8, 8},
        {-1, "Static", "Speed", kText, 189, 55, 22, 8},
        {-1, "Static", "Light", kText, 32, 48, 17, 8},
        {-1, "Static", "Intensity", kText, 27, 55, 29, 8},
        {-1, "Static", "Foreground  Light", kText, 98, 44, 53, 9},
        {-1, "Static", "Background Light", kText, 98, 114, 53, 9},
        {-1, "Button", "", kGroup, 53, 120, 131, 34},
        {-1, "Button", "", kGroup, 53, 52, 131, 18},
    }};
const DialogTemplateRegistration kRegister(kAquariumSettings);

const DialogCommandRegistration kCommand(ID_TOOL_AQUARIUM_SETTINGS, [] {
    CAquariumSettingsDlg dialog(nullptr);
    dialog.DoModal();
});

// The controls whose ids the hand cursor shows over.
constexpr int kHandIds[] = {1006, 1007, 1008, 1009, 1010, 1011, 1030, 1044,
                            1045, 1046, 1047, 1048, 1049, 1050, 1053, 1055};

// A radio group: choosing one picture clears the others.
const int kFrontGroup[] = {IDC_FRONT_FIXED, IDC_FRONT_AUTO, 0};
const int kBackGroup[] = {IDC_BACK_FIXED, IDC_BACK_GRADIENT, IDC_BACK_AUTO, 0};

}  // namespace

// Which field of the section each control shows and changes.
struct AquariumControl {
    enum Kind { Check, Radio, Swatch, Slider };
    int id;
    const char* key;
    Kind kind;
    const int* group = nullptr;  // radios: the ids of the group, 0 last
    COLORREF color = 0;          // swatches: the colour before the section is read;
                                 // sliders: their background
};

namespace {

using C = AquariumControl;

const AquariumControl kControls[] = {
    {IDC_SHOW_WATER, "Show Water", C::Check},
    {IDC_SHOW_LIGHT, "Show Light", C::Check},
    {IDC_SHOW_TERRA, "Show Terra", C::Check},
    {IDC_LOCK_FORE, "CHECK LOCKFORE", C::Check},
    {IDC_LOCK_BACK, "CHECK LOCKBACK", C::Check},
    {IDC_FRONT_FIXED, "FRONT GUDING", C::Radio, kFrontGroup},
    {IDC_FRONT_AUTO, "FRONT AUTOJIANBIAN", C::Radio, kFrontGroup},
    {IDC_BACK_FIXED, "BACK GUDING", C::Radio, kBackGroup},
    {IDC_BACK_GRADIENT, "BACK MANJIANBIAN", C::Radio, kBackGroup},
    {IDC_BACK_AUTO, "BACK AUTOJIANBIAN", C::Radio, kBackGroup},
    {IDC_FRONT_COLOR, "FRONTCOLOR", C::Swatch, nullptr, RGB(0, 0, 0)},
    {IDC_BACK_COLOR, "BACKCOLOR", C::Swatch, nullptr, RGB(255, 255, 255)},
    {IDC_FRONT_COLOR1, "FRONT COLOR1", C::Swatch, nullptr, RGB(0, 0, 0)},
    {IDC_FRONT_COLOR2, "FRONT COLOR2", C::Swatch, nullptr, RGB(0, 0, 0)},
    {IDC_BACK_COLOR1, "BACK COLOR1", C::Swatch, nullptr, RGB(0, 0, 0)},
    {IDC_BACK_COLOR2, "BACK COLOR2", C::Swatch, nullptr, RGB(0, 0, 0)},
    {IDC_VOLUME, "YINLIANG", C::Slider, nullptr, RGB(152, 157, 171)},
    {IDC_FOG, "FOGNONGDU", C::Slider, nullptr, RGB(172, 176, 187)},
    {IDC_BUBBLE_SPEED, "LIGHTQIANGDU", C::Slider, nullptr, RGB(186, 187, 199)},
    {IDC_BUBBLE_COUNT, "QIPAONUM", C::Slider, nullptr, RGB(161, 164, 178)},
};

const AquariumControl* ControlWithId(int id)
{
    for (const AquariumControl& control : kControls)
        if (control.id == id)
            return &control;
    return nullptr;
}

const SettingsField& FieldOf(const AquariumControl& control) { return *FindAquariumField(control.key); }

// The phase a phase key travels through.
float& PhaseOf(const SettingsField& field)
{
    return field.phase == &TANKSETTINGS::g_fFrontRot ? g_fFrontPhaseSaved : g_fBackPhaseSaved;
}

bool IsFrontGradient(const SettingsField& field) { return field.number == &TANKSETTINGS::g_bFrontGradient; }

}  // namespace

CAquariumSettingsDlg::CAquariumSettingsDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_nVolume = 32767;
    m_nBubbleCount = 100;
    m_nFogDensity = 0;
    m_nBubbleSpeed = 49;
    m_bShowWater = 1;
    m_linkHome.SetURL(HelpPageAddress().c_str());
}

void CAquariumSettingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BACK_GRADIENT, m_picBackGradient);
    DDX_Control(pDX, IDC_BACK_AUTO, m_picBackAuto);
    DDX_Control(pDX, IDC_BACK_FIXED, m_picBackFixed);
    DDX_Control(pDX, IDC_FRONT_AUTO, m_picFrontAuto);
    DDX_Control(pDX, IDC_FRONT_FIXED, m_picFrontFixed);
    DDX_Control(pDX, IDC_LOCK_BACK, m_picLockBack);
    DDX_Control(pDX, IDC_LOCK_FORE, m_picLockFore);
    DDX_Control(pDX, IDC_CORNER, m_picCorner);
    DDX_Control(pDX, IDC_SHOW_TERRA, m_picShowTerra);
    DDX_Control(pDX, IDC_SHOW_LIGHT, m_picShowLight);
    DDX_Control(pDX, IDC_SHOW_WATER, m_picShowWater);
    DDX_Control(pDX, IDC_BUBBLE_SPEED, m_sliderBubbleSpeed);
    DDX_Control(pDX, IDC_FOG, m_sliderFog);
    DDX_Control(pDX, IDC_ABOUT, m_btnAbout);
    DDX_Control(pDX, IDC_PREV_BACKDROP, m_btnPrevBackdrop);
    DDX_Control(pDX, IDC_NEXT_BACKDROP, m_btnNextBackdrop);
    DDX_Control(pDX, IDC_LINK, m_linkHome);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_BACK_COLOR2, m_swBackColor2);
    DDX_Control(pDX, IDC_BACK_COLOR1, m_swBackColor1);
    DDX_Control(pDX, IDC_FRONT_COLOR2, m_swFrontColor2);
    DDX_Control(pDX, IDC_FRONT_COLOR1, m_swFrontColor1);
    DDX_Control(pDX, IDC_BACK_COLOR, m_swBackColor);
    DDX_Control(pDX, IDC_FRONT_COLOR, m_swFrontColor);
    DDX_Control(pDX, IDC_VOLUME, m_sliderVolume);
    DDX_Control(pDX, IDC_BUBBLE_COUNT, m_sliderBubbleCount);
}

LRESULT CAquariumSettingsDlg::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CDialog::DefWindowProc(message, wParam, lParam);
}

BOOL CAquariumSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    RegisterDialogPictures();
    m_bmpUnchecked.LoadBitmap(IDB_UNCHECKED);
    m_bmpChecked.LoadBitmap(IDB_CHECKED);
    m_bmpRadioOff.LoadBitmap(IDB_RADIO_OFF);
    m_bmpRadioOn.LoadBitmap(IDB_RADIO_ON);
    // The sliders' ranges are those of their fields.
    for (const AquariumControl& control : kControls) {
        if (control.kind != C::Slider)
            continue;
        auto* slider = static_cast<CSliderCtrl*>(ControlOf(control));
        slider->SetRange(FieldOf(control).min, FieldOf(control).max, FALSE);
        ShowValue(control);
    }
    CenterWindow();
    for (const AquariumControl& control : kControls)
        if (control.kind == C::Swatch)
            static_cast<CColorSwatch*>(ControlOf(control))->SetColor(control.color);
    m_btnNextBackdrop.SetTooltipText("NEXT", TRUE);
    m_btnPrevBackdrop.SetTooltipText("PREV", TRUE);
    LoadSettings();
    SetTimer(SAVE_TIMER, SAVE_PERIOD_MS, nullptr);
    m_btnAbout.SetIcon(IDI_ABOUT, IDI_ABOUT, 16, 16);
    m_hHandCursor = LoadCursorResource(IDC_HAND);
    return TRUE;
}

void CAquariumSettingsDlg::OnOK() { CDialog::OnOK(); }

BOOL CAquariumSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CDialog::OnCommand(wParam, lParam))
        return TRUE;
    if (HIWORD(wParam) != BN_CLICKED)  // STN_CLICKED too
        return FALSE;
    const int id = LOWORD(wParam);
    if (const AquariumControl* control = ControlWithId(id)) {
        switch (control->kind) {
        case C::Check: Toggle(id); return TRUE;
        case C::Radio: Choose(id); return TRUE;
        case C::Swatch: ChooseColor(id); return TRUE;
        case C::Slider: return FALSE;
        }
    }
    switch (id) {
    case IDC_PLAY: return TRUE;
    case IDC_RELOAD: LoadSettings(); return TRUE;
    case IDC_WRITE: SaveSettings(); return TRUE;
    case IDC_PREV_BACKDROP: OnPrevBackdrop(); return TRUE;
    case IDC_NEXT_BACKDROP: OnNextBackdrop(); return TRUE;
    case IDC_ABOUT: OnAbout(); return TRUE;
    case IDC_ABOUT_ICON: OnAboutIcon(); return TRUE;
    default: return FALSE;
    }
}

// ---- the section ----

void CAquariumSettingsDlg::LoadSettings()
{
    // The phases are the running ones the game window keeps.
    TANKSETTINGS held = g_Settings;
    held.g_fFrontRot = g_fFrontPhaseSaved;
    held.g_fBackRot = g_fBackPhaseSaved;
    const TANKSETTINGS read = ReadAquariumSection(CSettingsFile(), held);
    for (const SettingsField& field : g_AquariumFields) {
        if (field.kind == SettingKind::Phase)
            PhaseOf(field) = read.*field.phase;
        else if (!IsFrontGradient(field))  // read, and not used
            SetFieldValue(m_Values, field, GetFieldValue(read, field));
    }
    for (const AquariumControl& control : kControls)
        ShowValue(control);
}

void CAquariumSettingsDlg::SaveSettings()
{
    TANKSETTINGS written = m_Values;
    written.g_fFrontRot = g_fFrontPhaseSaved;
    written.g_fBackRot = g_fBackPhaseSaved;
    written.g_bFrontGradient = 0;
    CSettingsFile().WriteAquariumSection(written);
    ApplyAquariumSettings(m_Values);
}

// ---- the controls ----

CWnd* CAquariumSettingsDlg::ControlOf(const AquariumControl& control)
{
    switch (control.id) {
    case IDC_SHOW_WATER: return &m_picShowWater;
    case IDC_SHOW_LIGHT: return &m_picShowLight;
    case IDC_SHOW_TERRA: return &m_picShowTerra;
    case IDC_LOCK_FORE: return &m_picLockFore;
    case IDC_LOCK_BACK: return &m_picLockBack;
    case IDC_FRONT_FIXED: return &m_picFrontFixed;
    case IDC_FRONT_AUTO: return &m_picFrontAuto;
    case IDC_BACK_FIXED: return &m_picBackFixed;
    case IDC_BACK_GRADIENT: return &m_picBackGradient;
    case IDC_BACK_AUTO: return &m_picBackAuto;
    case IDC_FRONT_COLOR: return &m_swFrontColor;
    case IDC_BACK_COLOR: return &m_swBackColor;
    case IDC_FRONT_COLOR1: return &m_swFrontColor1;
    case IDC_FRONT_COLOR2: return &m_swFrontColor2;
    case IDC_BACK_COLOR1: return &m_swBackColor1;
    case IDC_BACK_COLOR2: return &m_swBackColor2;
    case IDC_VOLUME: return &m_sliderVolume;
    case IDC_FOG: return &m_sliderFog;
    case IDC_BUBBLE_SPEED: return &m_sliderBubbleSpeed;
    case IDC_BUBBLE_COUNT: return &m_sliderBubbleCount;
    default: return nullptr;
    }
}

void CAquariumSettingsDlg::ShowValue(const AquariumControl& control)
{
    const double value = GetFieldValue(m_Values, FieldOf(control));
    switch (control.kind) {
    case C::Check:
        static_cast<CStatic*>(ControlOf(control))->SetBitmap(value == 1 ? m_bmpChecked : m_bmpUnchecked);
        break;
    case C::Radio:
        static_cast<CStatic*>(ControlOf(control))->SetBitmap(value == 1 ? m_bmpRadioOn : m_bmpRadioOff);
        break;
    case C::Swatch: static_cast<CColorSwatch*>(ControlOf(control))->SetColor(static_cast<COLORREF>(value)); break;
    case C::Slider:
        // The thumb stops at the slider's ends; the member keeps the value read.
        static_cast<CSliderCtrl*>(ControlOf(control))->SetPos(static_cast<int>(value));
        break;
    }
}

void CAquariumSettingsDlg::Toggle(int id)
{
    const AquariumControl& control = *ControlWithId(id);
    const SettingsField& field = FieldOf(control);
    SetFieldValue(m_Values, field, GetFieldValue(m_Values, field) == 0 ? 1 : 0);
    ShowValue(control);
}

void CAquariumSettingsDlg::Choose(int id)
{
    const AquariumControl& chosen = *ControlWithId(id);
    for (const int* member = chosen.group; *member; ++member) {
        const AquariumControl& control = *ControlWithId(*member);
        SetFieldValue(m_Values, FieldOf(control), *member == id ? 1 : 0);
        ShowValue(control);
    }
}

void CAquariumSettingsDlg::ChooseColor(int id)
{
    const AquariumControl& control = *ControlWithId(id);
    CColorDialog chooser(0, 0, nullptr);
    if (chooser.DoModal() != IDOK)
        return;
    SetFieldValue(m_Values, FieldOf(control), chooser.GetColor());
    ShowValue(control);
}

void CAquariumSettingsDlg::ReadSliders()
{
    for (const AquariumControl& control : kControls)
        if (control.kind == C::Slider)
            SetFieldValue(m_Values, FieldOf(control), static_cast<CSliderCtrl*>(ControlOf(control))->GetPos());
}

void CAquariumSettingsDlg::OnShowWater() { Toggle(IDC_SHOW_WATER); }
void CAquariumSettingsDlg::OnShowLight() { Toggle(IDC_SHOW_LIGHT); }
void CAquariumSettingsDlg::OnShowTerra() { Toggle(IDC_SHOW_TERRA); }
void CAquariumSettingsDlg::OnLockFore() { Toggle(IDC_LOCK_FORE); }
void CAquariumSettingsDlg::OnLockBack() { Toggle(IDC_LOCK_BACK); }
void CAquariumSettingsDlg::OnFrontFixed() { Choose(IDC_FRONT_FIXED); }
void CAquariumSettingsDlg::OnFrontAuto() { Choose(IDC_FRONT_AUTO); }
void CAquariumSettingsDlg::OnBackFixed() { Choose(IDC_BACK_FIXED); }
void CAquariumSettingsDlg::OnBackAuto() { Choose(IDC_BACK_AUTO); }
void CAquariumSettingsDlg::OnBackGradient() { Choose(IDC_BACK_GRADIENT); }
void CAquariumSettingsDlg::OnFrontColor() { ChooseColor(IDC_FRONT_COLOR); }
void CAquariumSettingsDlg::OnFrontColor1() { ChooseColor(IDC_FRONT_COLOR1); }
void CAquariumSettingsDlg::OnFrontColor2() { ChooseColor(IDC_FRONT_COLOR2); }
void CAquariumSettingsDlg::OnBackColor() { ChooseColor(IDC_BACK_COLOR); }
void CAquariumSettingsDlg::OnBackColor1() { ChooseColor(IDC_BACK_COLOR1); }
void CAquariumSettingsDlg::OnBackColor2() { ChooseColor(IDC_BACK_COLOR2); }

void CAquariumSettingsDlg::OnPrevBackdrop()
{
    if (m_nBackgroundStep > 0)
        --m_nBackgroundStep;
    m_nBackground = m_nBackgroundStep;
}

void CAquariumSettingsDlg::OnNextBackdrop()
{
    if (m_nBackground < 3)
        ++m_nBackgroundStep;
    m_nBackground = m_nBackgroundStep;
}

void CAquariumSettingsDlg::OnAbout()
{
    CSkinAboutDlg about(nullptr);
    about.DoModal();
}

void CAquariumSettingsDlg::OnAboutIcon() { OnAbout(); }

// ---- messages ----

void CAquariumSettingsDlg::OnTimer(UINT_PTR)
{
    SaveSettings();
    Default();
}

void CAquariumSettingsDlg::OnClose()
{
    SaveSettings();
    Default();
}

void CAquariumSettingsDlg::OnHScroll(UINT, UINT, CWnd*)
{
    ReadSliders();
    Default();
}

void CAquariumSettingsDlg::OnVScroll(UINT, UINT, CWnd*)
{
    ReadSliders();
    SetWaveVolume(m_nVolume);
    Default();
}

HBRUSH CAquariumSettingsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = TransparentStaticBrush(CDialog::OnCtlColor(pDC, pWnd, nCtlColor), pDC, nCtlColor);
    // The sliders stand on brushes of their own, made once.
    int slider = 0;
    for (const AquariumControl& control : kControls) {
        if (control.kind != C::Slider)
            continue;
        if (pWnd && pWnd->GetDlgCtrlID() == static_cast<UINT>(control.id)) {
            if (!m_brSlider[slider].GetSafeHandle())
                m_brSlider[slider].CreateSolidBrush(control.color);
            return m_brSlider[slider];
        }
        ++slider;
    }
    return brush;
}

BOOL CAquariumSettingsDlg::OnSetCursor(CWnd* pWnd, UINT, UINT)
{
    return SetHandOrArrowCursor(pWnd, m_hHandCursor, kHandIds);
}

void CAquariumSettingsDlg::OnPaint()
{
    CPaintDC dc(this);
    BlitBitmap(&dc, IDB_AQUARIUM_FACE, 0, 0);
    Default();
}
