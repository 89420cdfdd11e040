// "3D Parvolune - Background Settings": the player's own pictures (JPEG,
// BMP, PNG; at most 10) on the back wall of the tank instead of the built-in
// ones, changed on the dialog's own clock: one picture again and again, all
// in turn, or at random, every few seconds. Modeless: made hidden when the
// game starts (in the game window's GL context, where the textures live),
// shown by command 1052, hidden again by its close box and Esc. Its settings
// are the section "Custom Images". The list and the pictures are a
// slideshow that the game window draws from; the dialog edits it and
// chooses the picture shown. A stored picture that cannot be loaded keeps its
// row (marked "Failed") and is tried again next time.
#pragma once
#include <GL/glew.h>

#include "gfx/slideshow.h"
#include "platform/list_ctrl.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/icon_toggle_button.h"
#include "ui/dialog_frame.h"

#include <memory>
#include <string>
#include <vector>

class CBackgroundSettingsDlg : public CModelessSettingsDlg {
public:
    enum { IDD = 288 };
    static constexpr int MAX_IMAGES = 10;
    // What PickImage answers when there is nothing to pick.
    static constexpr long NO_PICK = -1;

    // The dialog edits `slides` (the game window's), or a slideshow of its
    // own when none is given.
    explicit CBackgroundSettingsDlg(CWnd* pParent = nullptr, CSlideshow* slides = nullptr);
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

    // Appends a row for the picture, which loads in the background; a file
    // that turns out to be no picture gets one message and loses its row.
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
    // The picture to show next (a slideshow handle): row nRow (marked "ON")
    // when bUseRow, else by the mode, passing over pictures that failed;
    // NO_PICK when the list is empty, cycling is stopped or none can be shown.
    long PickImage(int nRow, BOOL bUseRow);
    BOOL IsListEmpty();
    int GetFirstSelected();
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    void SaveSettings() override;
    void LoadSettings();
    // Takes the pictures loaded since the last tick (the clock does, first):
    // a failed one the player just added is told and loses its row; a failed
    // stored one is marked and told with the others in one message.
    void TakeLoadedPictures();

    // The pictures and the one shown (what the rules call the texture table
    // and the current texture).
    CSlideshow& Slides() { return *m_pSlides; }
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
    // Marks row `row` "ON" and every other row "OFF" (none for -1); a row
    // whose picture failed reads "Failed".
    void MarkShown(int row);
    // The row of the picture, or m_nRows when none is.
    int RowOf(CSlideshow::Handle handle) const;
    // Appends a row; `stored`: from the settings file (a failure keeps the row).
    void AppendRow(const std::string& path, bool stored);
    // The first row from `row` on (wrapping) whose picture has not failed, or -1.
    int UsableFrom(int row) const;
    // Makes one mode switch the only one on.
    void ChooseMode(int mode);
    // Takes a pick as the shown picture unless there was nothing to pick.
    void Show(long pick);
    int IntervalSeconds();

    std::unique_ptr<CSlideshow> m_ownSlides;
    CSlideshow* m_pSlides;
    // Pictures added by the player whose load has not ended yet.
    std::vector<CSlideshow::Handle> m_added;
    // Failed pictures already marked.
    std::vector<CSlideshow::Handle> m_marked;
    // The stored pictures are still loading (the load report waits).
    bool m_bLoadingStored = false;
    bool m_bTaking = false;
};
