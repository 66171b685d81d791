// The records of the board sizes, as the game in play makes them: the best
// result of its size (the check at the end of a won game, the caption, the
// high-score table), the statistics of every size, and the game kept at exit.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "board/Random.h"
#include "framework/App.h"
#include "framework/Language.h"
#include "resources/resource.h"
#include "shell/GameTime.h"
#include "shell/HighScoresDlg.h"
#include "shell/RecordStore.h"
#include "shell/StatisticsDlg.h"
#include "view/BoardSizes.h"
#include "view/GameClock.h"
#include "view/Settings.h"

#include <windows.h>

#include <string>

bool CMahjongView::GetSizeKey(std::string& key) const
{
    const CBoardSize* size = FindBoardSize(m_nSizeX, m_nSizeY);
    if (!size)
        return false;
    key = RecordKey(*size, m_bGravity);
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
    AfxGetMainWnd()->SetWindowText(AfxFormatString(IDS_BEST_RESULT, {time.str()}));
}

void CMahjongView::TakeLanguage()
{
    if (!HasPicture())
        return;
    ShowBestTimeInTitle();
    UpdateMatchStatus();
}

void CMahjongView::OnHighScores()
{
    // The caption shows the cleared result at once.
    CHighScoresDlg(nullptr, [this] { ShowBestTimeInTitle(); }).DoModal();
}

void CMahjongView::OnStatistics()
{
    CStatisticsDlg().DoModal();
}

// The statistics.

namespace {
// The record key of a board of these columns and rows under a rule; empty for a size that has none.
std::string SizeKeyOf(int nColumns, int nRows, bool bGravity)
{
    const CBoardSize* size = FindBoardSize(nColumns, nRows);
    return size ? RecordKey(*size, bGravity) : "";
}

// Counts an event on the record of a size; a size without a key keeps none.
template <typename Count>
void CountOn(const std::string& key, Count count)
{
    CGameRecord record = ReadGameRecord(key);
    count(record);
    if (!key.empty())
        WriteGameRecord(key, record);
}

// The game kept at exit: its file, and its marks below the store's "LastGame".
const char kLastGameKey[] = "LastGame";
std::string LastGamePath()
{
    wchar_t folder[MAX_PATH] = L"";
    const DWORD n = ::GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH);
    return n > 0 && n < MAX_PATH ? Utf8(folder) + "\\Morvane\\Last game.mhj" : std::string();
}
bool LastGameKept()
{
    const std::string path = LastGamePath();
    return !path.empty() && ::GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}
bool ReadLastGameMark(const char* lpszName, std::string& text)
{
    return ReadSettingValue(kLastGameKey, lpszName, text, 19);
}
} // namespace

void CMahjongView::RecordPairGone()
{
    if (!m_marks.bCounted)
        DropKeptGame(true); // another game is played instead of the kept one
    CountOn(SizeKeyOf(m_nSizeX, m_nSizeY, m_bGravity), [&](CGameRecord& record) {
        CountPairGone(m_marks, record);
        if (g_pBoard->CountTiles() == 0)
            CountWin(m_marks, record, SecondsSince(m_tGameStart));
    });
}

void CMahjongView::RecordGameLeft(const CGameMarks& marks, int nColumns, int nRows, bool bGravity)
{
    CountOn(SizeKeyOf(nColumns, nRows, bGravity), [&](CGameRecord& record) { CountLeft(marks, record); });
}

void CMahjongView::DropKeptGame(bool bLost)
{
    if (!LastGameKept())
        return;
    std::string key;
    if (bLost && ReadLastGameMark("Size", key) && IsRecordKey(key))
        CountOn(key, [](CGameRecord& record) { CountLeft({true, false, false}, record); });
    ::DeleteFileW(Wide(LastGamePath()).c_str());
    DeleteSettingKey(kLastGameKey);
}

void CMahjongView::KeepLastGame()
{
    // A game in progress: played, and neither won nor back to every tile (by Restart).
    const std::string path = LastGamePath();
    const int tiles = g_pBoard ? g_pBoard->CountTiles() : 0;
    if (!m_marks.bCounted || tiles == 0 || tiles == g_pBoard->GetWidth() * g_pBoard->GetHeight() || path.empty())
        return;
    // The marks first: a file without them is resumed as a game with none.
    WriteSettingValue(kLastGameKey, "Size", SizeKeyOf(m_nSizeX, m_nSizeY, m_bGravity));
    WriteSettingValue(kLastGameKey, "Deal", m_bDealKnown ? std::to_string(m_nDeal) : "");
    WriteSettingValue(kLastGameKey, "Aided", m_marks.bAided ? "1" : "0");
    WriteSettingValue(kLastGameKey, "SolverPlayed", m_bSolverPlayed ? "1" : "0");
    WriteSettingValue(kLastGameKey, "Gravity", g_pBoard->HasGravity() ? "1" : "0");
    ::CreateDirectoryW(Wide(path.substr(0, path.rfind('\\'))).c_str(), nullptr); // may be there already
    g_pBoard->SaveToFile(path.c_str(), static_cast<int>(GameSeconds()));
}

void CMahjongView::OnResumeLastGame()
{
    if (!LastGameKept())
        return;
    std::string deal, aided, solver, gravity;
    ReadLastGameMark("Deal", deal);
    ReadLastGameMark("Aided", aided);
    ReadLastGameMark("SolverPlayed", solver);
    ReadLastGameMark("Gravity", gravity);
    // The kept game plays on under its own rule, which is the rule in force from now on.
    const bool rule = m_bGravity;
    m_bGravity = gravity == "1";
    const bool resumed = LoadPuzzle(LastGamePath());
    if (!resumed)
        m_bGravity = rule;
    WriteSetting("Gravity", m_bGravity ? "1" : "0");
    // Resumed or refused, the kept game goes: a damaged file is not offered again.
    DropKeptGame(false);
    if (!resumed)
        return;
    // The same game as before: counted once, with its marks.
    m_marks = {true, aided == "1", false};
    m_bSolverPlayed = solver == "1";
    m_bDealKnown = ParseDealNumber(deal, m_nDeal);
}

void CMahjongView::OnUpdateResumeLastGame(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(LastGameKept());
}
