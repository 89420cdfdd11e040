#include "ui/controls/mci_player_wnd.h"

namespace {
// A visible child that never shows (its parent is hidden), telling its
// parent everything, without menu or play bar.
constexpr DWORD kPlayerStyle = WS_CHILD | WS_VISIBLE | MCIWNDF_NOTIFYALL | MCIWNDF_NOMENU | MCIWNDF_NOPLAYBAR;
constexpr UINT kActiveTimer = 100;
}  // namespace

CMciPlayerWnd::CMciPlayerWnd() = default;

CMciPlayerWnd::~CMciPlayerWnd()
{
    MCIWndDestroy(m_hMciWnd);
    m_hMciWnd = nullptr;
    m_strFile.clear();
}

void CMciPlayerWnd::SetParentWnd(HWND parent) { m_hParent = parent; }

void CMciPlayerWnd::SetFileName(const std::string& file) { m_strFile = file; }

HWND CMciPlayerWnd::Create()
{
    // One window per track: the previous one goes first, so that nothing
    // called while a message box of the new one is open meets it.
    MCIWndDestroy(m_hMciWnd);
    m_hMciWnd = nullptr;
    m_bCanPlay = 0;
    HWND mci = MCIWndCreateA(m_hParent, AfxGetInstanceHandle(), kPlayerStyle | (m_bQuiet ? MCIWNDF_NOERRORDLG : 0),
                             m_strFile.c_str());
    m_hMciWnd = mci;
    m_bCanPlay = MCIWndCanPlay(mci) ? 1 : 0;
    MCIWndSetTimeFormat(mci, "ms");
    MCIWndSetActiveTimer(mci, kActiveTimer);
    m_nVolume = MCIWndGetVolume(mci);
    return mci;
}

BOOL CMciPlayerWnd::CanPlayFile(HWND parent, const std::string& file)
{
    HWND probe = MCIWndCreateA(parent, AfxGetInstanceHandle(), kPlayerStyle & ~MCIWNDF_NOTIFYALL, file.c_str());
    const BOOL canPlay = MCIWndCanPlay(probe);
    MCIWndDestroy(probe);
    return canPlay;
}

void CMciPlayerWnd::SetQuiet(bool quiet) { m_bQuiet = quiet; }

std::string CMciPlayerWnd::GetError() const { return MCIWndGetErrorA(m_hMciWnd); }

void CMciPlayerWnd::Play() { MCIWndPlay(m_hMciWnd); }
void CMciPlayerWnd::Stop() { MCIWndStop(m_hMciWnd); }
void CMciPlayerWnd::Close() { MCIWndClose(m_hMciWnd); }
void CMciPlayerWnd::Seek(LONG position) { MCIWndSeek(m_hMciWnd, position); }
LONG CMciPlayerWnd::GetPosition() { return MCIWndGetPosition(m_hMciWnd); }
LONG CMciPlayerWnd::GetLength() { return MCIWndGetLength(m_hMciWnd); }
LONG CMciPlayerWnd::GetMode() { return MCIWndGetMode(m_hMciWnd); }

void CMciPlayerWnd::SetVolume(int volume)
{
    m_nVolume = volume;
    MCIWndSetVolume(m_hMciWnd, volume);
}

int CMciPlayerWnd::GetVolume() const { return m_nVolume; }
