// "3D Parvolune - Aquarium Settings": the lights, colours and their cycles,
// fog, bubbles and the wave volume. The dialog keeps its own copy of the
// section "Aquarium Settings" (read as the game reads it) and, every 100 ms
// while it is open, writes it to the settings file and hands it to the tank
// (a live preview).
#pragma once
#include "platform/cursor.h"
#include "platform/dialog.h"
#include "settings/settings.h"
#include "settings/shared_state.h"
#include "ui/controls/color_swatch.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/hyperlink.h"
#include "ui/controls/round_slider.h"

// A control of the dialog and the field of the section it shows.
struct AquariumControl;

class CAquariumSettingsDlg : public CDialog {
public:
    enum { IDD = 182 };
    explicit CAquariumSettingsDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnTimer(UINT_PTR nIDEvent) override;
    void OnPaint() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
    void OnClose() override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;

    // Reads the section into the members and the controls, as the game reads
    // it at start (ReadAquariumSection): a key the file lacks shows the tank's value.
    void LoadSettings();
    // Writes the section from the members and hands it to ApplyAquariumSettings.
    void SaveSettings();

    void OnShowWater();
    void OnShowLight();
    void OnShowTerra();
    void OnLockFore();
    void OnLockBack();
    void OnFrontFixed();
    void OnFrontAuto();
    void OnBackFixed();
    void OnBackAuto();
    void OnBackGradient();
    void OnFrontColor();
    void OnFrontColor1();
    void OnFrontColor2();
    void OnBackColor();
    void OnBackColor1();
    void OnBackColor2();
    void OnPrevBackdrop();
    void OnNextBackdrop();
    void OnAbout();
    void OnAboutIcon();

    CStatic m_picBackGradient;
    CStatic m_picBackAuto;
    CStatic m_picBackFixed;
    CStatic m_picFrontAuto;
    CStatic m_picFrontFixed;
    CStatic m_picLockBack;
    CStatic m_picLockFore;
    CStatic m_picCorner;
    CStatic m_picShowTerra;
    CStatic m_picShowLight;
    CStatic m_picShowWater;
    CRoundSlider m_sliderBubbleSpeed;
    CRoundSlider m_sliderFog;
    CHoverButton m_btnAbout;
    CHoverButton m_btnPrevBackdrop;
    CHoverButton m_btnNextBackdrop;
    CHyperLink m_linkHome;
    CButton m_btnCancel;
    CButton m_btnOK;
    CColorSwatch m_swBackColor2;
    CColorSwatch m_swBackColor1;
    CColorSwatch m_swFrontColor2;
    CColorSwatch m_swFrontColor1;
    CColorSwatch m_swBackColor;
    CColorSwatch m_swFrontColor;
    CRoundSlider m_sliderVolume;
    CRoundSlider m_sliderBubbleCount;

    // The dialog's copy of the section, in the settings block's own layout;
    // the members below name its fields as the dialog uses them. The two
    // phases stay 0 here: they travel through g_fFrontPhaseSaved and
    // g_fBackPhaseSaved.
    TANKSETTINGS m_Values;
    int& m_nVolume = m_Values.g_nVolume;
    int& m_nBubbleCount = m_Values.g_nBubbleCount;
    int& m_nFogDensity = m_Values.g_nFogDensity;
    int& m_nBubbleSpeed = m_Values.g_nBubbleSpeed;
    int& m_bShowWater = m_Values.g_bShowShadow;
    int& m_bShowLight = m_Values.g_bShowLight;
    int& m_bShowTerra = m_Values.g_bShowTerra;
    int& m_bLockFore = m_Values.g_bLockFront;
    int& m_bLockBack = m_Values.g_bLockBack;
    int& m_bFrontFixed = m_Values.g_bFrontFixed;
    int& m_bFrontAuto = m_Values.g_bFrontAutoGradient;
    int& m_bBackFixed = m_Values.g_bBackFixed;
    int& m_bBackAuto = m_Values.g_bBackAutoGradient;
    int& m_bBackGradient = m_Values.g_bBackGradient;
    COLORREF& m_crFrontColor = m_Values.g_crFrontColor;
    COLORREF& m_crFrontColor1 = m_Values.g_crFrontColor1;
    COLORREF& m_crFrontColor2 = m_Values.g_crFrontColor2;
    COLORREF& m_crBackColor = m_Values.g_crBackColor;
    COLORREF& m_crBackColor1 = m_Values.g_crBackColor1;
    COLORREF& m_crBackColor2 = m_Values.g_crBackColor2;
    int& m_nBackground = m_Values.g_nBackground;
    int m_nBackgroundStep = 0;

    CBitmap m_bmpUnchecked;
    CBitmap m_bmpChecked;
    CBitmap m_bmpRadioOff;
    CBitmap m_bmpRadioOn;
    HCURSOR m_hHandCursor = nullptr;
    CBrush m_brSlider[4];

private:
    CWnd* ControlOf(const AquariumControl& control);
    // Shows a field's value on its control (picture, swatch or slider).
    void ShowValue(const AquariumControl& control);
    void Toggle(int id);
    void Choose(int id);
    void ChooseColor(int id);
    // The four sliders' positions into their fields.
    void ReadSliders();
};
