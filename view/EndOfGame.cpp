// Board sizes, pause, and the end of a game.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "framework/App.h"
#include "framework/Language.h"
#include "resources/resource.h"
#include "shell/BestResultDlg.h"
#include "shell/FinishDlg.h"
#include "shell/GameTime.h"
#include "view/BoardSizes.h"
#include "view/GameClock.h"
#include "view/Settings.h"

void CMahjongView::OnSetSize(UINT nID)
{
    // Asked even on an empty board or for the size in play.
    if (AfxMessageBox(IDS_CREATE_NEW_PUZZLE, MB_OKCANCEL) != IDOK)
        return;
    const CBoardSize* size = FindBoardSizeCommand(nID);
    NewPuzzleOfSize(size->nKinds, size->nColumns, size->nRows);
}

void CMahjongView::OnPause()
{
    m_bPaused = !m_bPaused;
    if (m_bPaused) {
        m_tPause = NowSeconds();
    } else {
        // Neither clock counts the pause.
        m_tPause = static_cast<int>(SecondsSince(m_tPause));
        m_tGameStart += m_tPause;
        m_tAppStart += m_tPause;
    }
    RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    // The cells are hidden from screen readers, or shown again.
    ::NotifyWinEvent(EVENT_OBJECT_REORDER, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

void CMahjongView::CheckEndOfGame()
{
    const unsigned t = SecondsSince(m_tGameStart);
    CString time;
    FormatGameTime(t, time);
    std::string key;
    m_bGameEnded = true;
    if (g_pBoard->CountTiles() > 0) {
        CFinishDlg(AfxLoadText(IDS_NO_MATCHES), AfxLoadText(IDS_TIME_PLAYING), time, m_bSoundOff, true).DoModal();
    } else if (!m_bSolverPlayed && GetSizeKey(key) && RecordBestTime(t) == t) {
        CBestResultDlg dialog(m_bSoundOff);
        dialog.DoModal();
        WriteSetting((key + "\\Name").c_str(), dialog.m_strName.str());
        WriteSetting("LastName", dialog.m_strName.str());
    } else {
        CFinishDlg(AfxLoadText(IDS_WON), AfxLoadText(IDS_TIME_SOLUTION), time, m_bSoundOff, false).DoModal();
    }
    KillTimer(ID_TIMER_GAME);
    OnFileNew();
}
