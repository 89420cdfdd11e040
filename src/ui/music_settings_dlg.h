// "3D Parvolune - Music Settings": the player's own music (MP3, OGG, FLAC,
// WAV) from a playlist in place of the game's built-in music: one track
// again and again, all in turn, or at random, at the volume of its slider.
// Modeless: made hidden when the game starts, shown by command 1050, hidden
// again by its close box and Esc; it plays on while hidden. Its settings are
// the section "Custom Settings"; the volume starts from the application
// profile. The tracks are a playlist (the game window's) that the dialog
// edits; a stored track that cannot be played now keeps its row, painted as
// such, and is tried again next time.
#pragma once
#include "gfx/playlist.h"
#include "platform/gdi.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/icon_toggle_button.h"
#include "ui/controls/mci_player_wnd.h"
#include "ui/controls/playlist_ctrl.h"
#include "ui/controls/round_slider.h"
#include "ui/dialog_frame.h"
#include "ui/profile_settings.h"

#include <memory>
#include <string>

class CMusicSettingsDlg : public CModelessSettingsDlg {
public:
    enum { IDD = 259 };

    // The dialog edits `playlist` (the game window's), or one of its own when
    // none is given.
    explicit CMusicSettingsDlg(CWnd* pParent = nullptr, CPlaylist* playlist = nullptr);
    ~CMusicSettingsDlg() override;
    // The dialog of the running game (the one made last), or null.
    static CMusicSettingsDlg* Instance();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;

    void OnAddMusic();
    // Appends a row for the file.
    void AddTrack(const std::string& path);
    // Chooses the next track by the mode and opens it (without playing).
    void OpenTrack();
    void PlayCurrent();
    void OnPlay();
    void OnStop();
    BOOL IsListEmpty();
    int GetItemCount();
    int GetFirstSelected();
    void SetCurrentItem();
    void OnRemoveTrack();
    void OnRemoveAll();
    void OnModeRepeat();
    void OnModeCycle();
    void OnModeRandom();
    void OnOwnMusic();
    void OnRepeatPicture();
    void OnRandomPicture();
    void OnCyclePicture();
    void OnCustomDrawPosition(NMHDR* pNMHDR, LRESULT* pResult);
    void OnNotifyIgnore(NMHDR* pNMHDR, LRESULT* pResult);
    void SaveSettings() override;
    // Reads the section; stored music starts playing on the clock's first
    // tick, after the game has shown its tank.
    void LoadSettings();
    // Takes what the playlist found of its tracks (the clock does, first):
    // rows that cannot be played are painted so, and told with the other
    // lists' files in one message while the stored lists load.
    void TakeCheckedTracks();
    CPlaylist& Playlist() { return *m_pPlaylist; }

    CProfileSettings m_profile;
    CMciPlayerWnd m_player;
    int m_nPosition = 0;
    int m_nVolume = 1000;
    int m_nPlayState = 1;  // 1 never played, 0 playing, 2 stopped
    int m_nCurItem = -1;
    int m_nRows = 0;
    int m_nMode = 0;
    CBitmap m_bmpCheckOff;
    CBitmap m_bmpCheckOn;
    CBitmap m_bmpRadioOff;
    CBitmap m_bmpRadioOn;
    BYTE m_bOwnMusic = 0;
    BYTE m_bRepeatOne = 0;
    BYTE m_bRandom = 0;
    BYTE m_bRepeatAll = 0;
    HCURSOR m_hHandCursor = nullptr;
    CStatic m_picRandom;
    CStatic m_picRepeatAll;
    CStatic m_picRepeatOne;
    CStatic m_picOwnMusic;
    CHoverButton m_btnStop;
    CHoverButton m_btnPlay;
    CHoverButton m_btnRemove;
    CHoverButton m_btnRemoveAll;
    CHoverButton m_btnAdd;
    CStatic m_stcPlayerHost;
    CIconButton m_chkCycle;
    CIconButton m_chkRandom;
    CIconButton m_chkRepeat;
    CPlaylistCtrl m_listMusic;
    CSliderCtrl m_sldPosition;
    CRoundSlider m_sldVolume;
    int m_nSliderPos = 0;

private:
    // The row the rules give for the next track.
    int ChooseRow();
    // Opens row `row` in the player; false when it cannot play (the row is
    // then marked).
    bool OpenRow(int row);
    // The first row from `row` on (wrapping) whose file is not known to fail, or -1.
    int PlayableFrom(int row);
    // The hidden switches: one on, the mode theirs.
    void ChooseMode(int mode);
    // Shows one radio picture chosen and the other two not.
    void ChoosePicture(int mode);
    void SetPicture(CStatic& picture, bool on, bool radio);
    void EnableListButtons(BOOL enable);

    CBrush m_brVolume;
    // A track is being opened: the clock does nothing meanwhile (a message
    // box about the file runs the loop).
    bool m_bOpening = false;
    std::unique_ptr<CPlaylist> m_ownPlaylist;
    CPlaylist* m_pPlaylist;
    // The stored tracks are still being looked at (the load report waits).
    bool m_bLoadingStored = false;
    // Stored music waits for the first tick to start.
    bool m_bStartPending = false;
};
