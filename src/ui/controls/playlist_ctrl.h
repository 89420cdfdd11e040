// The playlist of the Music dialog: every row in one colour, the row of the
// track playing in grey.
#pragma once
#include "platform/list_ctrl.h"

// The playlist row of the track playing, -1 for none; the Music dialog writes it.
extern int g_nCurMusicItem;

class CPlaylistCtrl : public CListCtrl {
public:
    CPlaylistCtrl();
    ~CPlaylistCtrl() override;

    // Takes its own NM_CUSTOMDRAW.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnCustomDraw(NMHDR* header, LRESULT* result);
};
