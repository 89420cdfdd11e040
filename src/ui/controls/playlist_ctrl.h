// The playlist of the Music dialog: every row in one colour, the row of the
// track playing in grey, the text of a track that cannot be played now in
// dark red.
#pragma once
#include "gfx/playlist.h"
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
    // The tracks the rows show (for which cannot be played); none by default.
    void SetPlaylist(const CPlaylist* playlist) { m_pPlaylist = playlist; }

private:
    const CPlaylist* m_pPlaylist = nullptr;
};
