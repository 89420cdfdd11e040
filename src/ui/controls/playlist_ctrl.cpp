#include "ui/controls/playlist_ctrl.h"

int g_nCurMusicItem = -1;

namespace {
const COLORREF kRowText = RGB(0, 0, 0);
const COLORREF kRowBk = RGB(196, 184, 130);
const COLORREF kPlayingBk = RGB(200, 200, 200);
const COLORREF kFailedText = RGB(160, 0, 0);
}  // namespace

CPlaylistCtrl::CPlaylistCtrl() = default;

CPlaylistCtrl::~CPlaylistCtrl() = default;

BOOL CPlaylistCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (message == WM_NOTIFY && header && header->code == NM_CUSTOMDRAW) {
        LRESULT ignored = 0;
        OnCustomDraw(header, result ? result : &ignored);
        return TRUE;
    }
    return CListCtrl::OnChildNotify(message, wParam, lParam, result);
}

void CPlaylistCtrl::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT: *result = CDRF_NOTIFYITEMDRAW; break;
    case CDDS_ITEMPREPAINT:
        draw->clrText = m_pPlaylist && m_pPlaylist->Failed(static_cast<int>(draw->nmcd.dwItemSpec)) ? kFailedText
                                                                                                  : kRowText;
        draw->clrTextBk = static_cast<int>(draw->nmcd.dwItemSpec) == g_nCurMusicItem ? kPlayingBk : kRowBk;
        *result = CDRF_DODEFAULT;
        break;
    default: break;
    }
}
