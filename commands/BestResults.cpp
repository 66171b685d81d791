// The best result of the board size in play: the check at the end of a won
// game, the caption, and the high-score table.

#include "view/MahjongView.h"

#include "framework/App.h"
#include "shell/BestResults.h"
#include "shell/GameTime.h"
#include "shell/HighScoresDlg.h"
#include "view/BoardSizes.h"
#include "view/Settings.h"

bool CMahjongView::GetSizeKey(std::string& key) const
{
    const CBoardSize* size = FindBoardSize(m_nSizeX, m_nSizeY);
    if (!size)
        return false;
    key = size->lpszKey;
    return true;
}

unsigned CMahjongView::RecordBestTime(unsigned t)
{
    std::string key;
    if (!GetSizeKey(key))
        return 0;
    const unsigned stored = ReadBestTime(key);
    if (stored != 0 && t >= stored)
        return stored;
    WriteSetting(key.c_str(), std::to_string(t));
    return t;
}

int CMahjongView::GetBestTime() const
{
    std::string key;
    return GetSizeKey(key) ? static_cast<int>(ReadBestTime(key)) : 0;
}

void CMahjongView::ShowBestTimeInTitle()
{
    CString time;
    FormatGameTime(static_cast<unsigned>(GetBestTime()), time);
    AfxGetMainWnd()->SetWindowText(CString("Best result is ") + time);
}

void CMahjongView::OnHighScores()
{
    // The caption shows the cleared result at once.
    CHighScoresDlg(nullptr, [this] { ShowBestTimeInTitle(); }).DoModal();
}
