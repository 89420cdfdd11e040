// "3D Parvolune - Background Settings": the player's own pictures (JPEG,
// BMP, PNG; at most 10) on the back wall of the tank instead of the built-in
// ones, changed on the dialog's own clock: one picture again and again, all
// in turn, or at random, every few seconds. Modeless: made hidden when the
// game starts (in the game window's GL context, where its textures live),
// shown by command 1052, hidden again by its close box and Esc. Its settings
// are the section "Custom Images".
#pragma once
#include <GL/glew.h>

#include "platform/list_ctrl.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/icon_toggle_button.h"
#include "ui/dialog_frame.h"

#include <string>

class CBackgroundSettingsDlg : public CModelessSettingsDlg {
public:
    enum { IDD = 288 };
    static constexpr int MAX_IMAGES = 10;
    // What PickImage answers when there is nothing to pick.
    static constexpr long NO_PICK = -1;

    explicit CBackgroundSettingsDlg(CWnd* pParent = nullptr);
    ~CBackgroundSettingsDlg() override;
    // The dialog of the running game (the one made last), or null.
    static CBackgroundSettingsDlg* Instance();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;

    // Loads one picture and appends its row; a file that is no picture gets
    // one message and no row.
    void AddImage(const std::string& path);
    void OnAddImage();
    void OnRemoveImage();
    void OnRemoveAll();
    void Start();
    void Stop();
    void OnOwnImage();
    void OnModeRepeat();
    void OnModeCycle();
    void OnModeRandom();
    // The texture to show next: row nRow (marked "ON") when bUseRow, else by
    // the mode; NO_PICK when the list is empty or cycling is stopped.
    long PickImage(int nRow, BOOL bUseRow);
    BOOL IsListEmpty();
    int GetFirstSelected();
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    void SaveSettings() override;
    void LoadSettings();

    GLuint m_nTextures[MAX_IMAGES] = {};
    GLuint m_texCurrent = 0;
    int m_nRows = 0;
    BYTE m_bRunning = 0;
    int m_nMode = 0;
    int m_nTick = -1;
    HCURSOR m_hHandCursor = nullptr;
    CHoverButton m_btnRemoveAll;
    CHoverButton m_btnRemoveImage;
    CHoverButton m_btnAddImage;
    CIconButton m_chkRandom;
    CIconButton m_chkCycle;
    CIconButton m_chkRepeat;
    CIconButton m_chkOwn;
    CListCtrl m_listImages;

private:
    // Marks row `row` "ON" and every other row "OFF" (none for -1).
    void MarkShown(int row);
    // The row whose texture is `texture`, or m_nRows when none is.
    int RowOf(GLuint texture) const;
    // Makes one mode switch the only one on.
    void ChooseMode(int mode);
    // Takes a pick as the shown picture unless there was nothing to pick.
    void Show(long pick);
    int IntervalSeconds();
};
