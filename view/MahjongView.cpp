#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "resources/resource.h"
#include "shell/GameTime.h"
#include "shell/MainFrame.h"
#include "shell/TileSetList.h"
#include "view/BoardSizes.h"
#include "view/GameClock.h"
#include "view/Settings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

CBitmap* g_pBoardPicture = nullptr;

namespace {
// Background commands and the bitmaps they choose.
constexpr std::array<std::pair<UINT, int>, 4> kBackgrounds = {{
    {ID_BACK_EASY, IDB_BACK_EASY},
    {ID_BACK_DARK_BLUE, IDB_BACK_DARK_BLUE},
    {ID_BACK_CLOUDS, IDB_BACK_CLOUDS},
    {ID_BACK_GREEN, IDB_BACK_GREEN},
}};

// Tile-size commands and their steps.
constexpr std::array<std::pair<UINT, int>, 4> kTileSizes = {{
    {ID_TILES_NORMAL, 0},
    {ID_TILES_BIG, 1},
    {ID_TILES_BIGGEST, 2},
    {ID_TILES_FIT, kFitToWindow},
}};

template <std::size_t N>
int ValueOfCommand(const std::array<std::pair<UINT, int>, N>& table, UINT nCommand)
{
    const auto it = std::find_if(table.begin(), table.end(), [&](const auto& e) { return e.first == nCommand; });
    return it != table.end() ? it->second : -1;
}

} // namespace

IMPLEMENT_DYNCREATE(CMahjongView)

BEGIN_MESSAGE_MAP(CMahjongView, CView)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_MESSAGE(WM_FIT_AGAIN, OnFitAgain)
    ON_MESSAGE(WM_ERASEBKGND, OnEraseBackground)
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_PRESS_CELL, OnPressCell)
    ON_COMMAND(ID_HELP_ME, OnHelpMe)
    ON_COMMAND(ID_HINT, OnHint)
    ON_COMMAND(ID_SOLVE, OnAutoSolve)
    ON_COMMAND(ID_SHOW_TIP, OnShowTip)
    ON_COMMAND(ID_UNDO, OnUndo)
    ON_COMMAND(ID_REDO, OnRedo)
    ON_UPDATE_COMMAND_UI(ID_REDO, OnUpdateRedo)
    ON_COMMAND(ID_RESTART, OnRestart)
    ON_COMMAND(ID_SELECT_DEAL, OnSelectDeal)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_BACK_EASY, OnBackgroundEasy)
    ON_COMMAND(ID_BACK_DARK_BLUE, OnBackgroundDarkBlue)
    ON_COMMAND(ID_BACK_CLOUDS, OnBackgroundClouds)
    ON_COMMAND(ID_BACK_GREEN, OnBackgroundGreen)
    ON_COMMAND(ID_SOUND_ON, OnSoundOn)
    ON_COMMAND(ID_ANIMATION, OnAnimation)
    ON_COMMAND(ID_CHOOSE_SETS, OnChooseSets)
    ON_COMMAND(ID_NEXT_TILES, OnNextTiles)
    ON_COMMAND(ID_SELECT_SET, OnSelectAnotherSet)
    ON_COMMAND(ID_PAUSE, OnPause)
    ON_COMMAND(ID_SAVE_TO, OnSaveTo)
    ON_UPDATE_COMMAND_UI(ID_SAVE_TO, OnUpdateSaveTo)
    ON_COMMAND(ID_LOAD_FROM, OnLoadFrom)
    ON_COMMAND(ID_RESUME_LAST_GAME, OnResumeLastGame)
    ON_UPDATE_COMMAND_UI(ID_RESUME_LAST_GAME, OnUpdateResumeLastGame)
    ON_COMMAND(ID_STATISTICS, OnStatistics)
    ON_COMMAND(ID_TILES_NORMAL, OnTilesNormal)
    ON_COMMAND(ID_TILES_BIG, OnTilesBig)
    ON_COMMAND(ID_TILES_BIGGEST, OnTilesBiggest)
    ON_COMMAND(ID_TILES_FIT, OnTilesFit)
    ON_COMMAND(ID_HIGH_SCORES, OnHighScores)
    ON_COMMAND_EX(ID_SIZE_8X10, OnSetSize)
    ON_COMMAND_EX(ID_SIZE_8X18, OnSetSize)
    ON_COMMAND_EX(ID_SIZE_8X20, OnSetSize)
    ON_COMMAND_EX(ID_SIZE_10X18, OnSetSize)
    ON_COMMAND_EX(ID_SIZE_12X12, OnSetSize)
    ON_COMMAND_EX(ID_SIZE_12X16, OnSetSize)
    ON_COMMAND_EX(ID_SIZE_12X24, OnSetSize)
    ON_COMMAND_EX(ID_SIZE_16X10, OnSetSize)
    ON_COMMAND_EX(ID_SIZE_20X16, OnSetSize)
    ON_UPDATE_COMMAND_UI(ID_SIZE_8X10, OnUpdateSetSize)
    ON_UPDATE_COMMAND_UI(ID_SIZE_8X18, OnUpdateSetSize)
    ON_UPDATE_COMMAND_UI(ID_SIZE_8X20, OnUpdateSetSize)
    ON_UPDATE_COMMAND_UI(ID_SIZE_10X18, OnUpdateSetSize)
    ON_UPDATE_COMMAND_UI(ID_SIZE_12X12, OnUpdateSetSize)
    ON_UPDATE_COMMAND_UI(ID_SIZE_12X16, OnUpdateSetSize)
    ON_UPDATE_COMMAND_UI(ID_SIZE_12X24, OnUpdateSetSize)
    ON_UPDATE_COMMAND_UI(ID_SIZE_16X10, OnUpdateSetSize)
    ON_UPDATE_COMMAND_UI(ID_SIZE_20X16, OnUpdateSetSize)
    ON_UPDATE_COMMAND_UI(ID_TILES_NORMAL, OnUpdateTileSize)
    ON_UPDATE_COMMAND_UI(ID_TILES_BIG, OnUpdateTileSize)
    ON_UPDATE_COMMAND_UI(ID_TILES_BIGGEST, OnUpdateTileSize)
    ON_UPDATE_COMMAND_UI(ID_TILES_FIT, OnUpdateTileSize)
    ON_UPDATE_COMMAND_UI(ID_BACK_EASY, OnUpdateBackground)
    ON_UPDATE_COMMAND_UI(ID_BACK_DARK_BLUE, OnUpdateBackground)
    ON_UPDATE_COMMAND_UI(ID_BACK_CLOUDS, OnUpdateBackground)
    ON_UPDATE_COMMAND_UI(ID_BACK_GREEN, OnUpdateBackground)
    ON_UPDATE_COMMAND_UI(ID_SOUND_ON, OnUpdateSoundOn)
    ON_UPDATE_COMMAND_UI(ID_ANIMATION, OnUpdateAnimation)
    ON_UPDATE_COMMAND_UI(ID_PAUSE, OnUpdatePause)
    ON_COMMAND(ID_GRAVITY, OnGravity)
    ON_UPDATE_COMMAND_UI(ID_GRAVITY, OnUpdateGravity)
    ON_COMMAND(ID_SHUFFLE, OnShuffle)
    ON_UPDATE_COMMAND_UI(ID_SHUFFLE, OnUpdateShuffle)
    ON_COMMAND(ID_DEAL_OF_THE_DAY, OnDealOfTheDay)
    ON_MESSAGE(WM_RBUTTONDOWN, OnRButtonDown)
    ON_MESSAGE(WM_RBUTTONUP, OnRButtonUp)
    ON_MESSAGE(WM_KEYUP, OnKeyUp)
END_MESSAGE_MAP()

CMahjongView::CMahjongView()
{
    g_pBoard = nullptr;
    ReadSettings();
}

CMahjongView::~CMahjongView()
{
    delete g_pBoard;
    g_pBoard = nullptr;
    delete g_pBoardPicture;
    g_pBoardPicture = nullptr;
}

void CMahjongView::ReadSettings()
{
    // The size counts only when both halves are stored.
    int nSizeX = 0, nSizeY = 0;
    if (ReadSettingNumber("SizeX", nSizeX) && ReadSettingNumber("SizeY", nSizeY)) {
        m_nSizeX = nSizeX;
        m_nSizeY = nSizeY;
    }
    ReadSettingNumber("TileSet", m_nTileSet);
    ReadSettingNumber("BackPic", m_nBackPic);
    ReadSettingNumber("Animation", m_bNoAnimation);
    ReadSettingNumber("Tiles", m_nTiles);
    ReadSettingNumber("SoundON", m_bSoundOff);
    ReadSettingNumber("SizeTiles", m_nSizeTiles);
    int nGravity = 0;
    ReadSettingNumber("Gravity", nGravity);
    m_bGravity = nGravity == 1;

    // Values that only a changed store can hold are read as the game's own:
    // a size that is not offered (or kinds that do not belong to it) as 18 x 8
    // with 36 kinds, an unknown tile set as the default one, and a switch or
    // step outside its values as what the game does with it.
    const CBoardSize* size = FindBoardSize(m_nSizeX, m_nSizeY);
    if (!size)
        size = FindBoardSize(18, 8);
    m_nSizeX = size->nColumns;
    m_nSizeY = size->nRows;
    m_nTiles = size->nKinds;
    if (m_nTileSet != 0 && !IsBuiltInTileSet(m_nTileSet))
        m_nTileSet = IDB_SET_EGIPTIAN;
    m_bSoundOff = m_bSoundOff == 1 ? 1 : 0;
    m_bNoAnimation = m_bNoAnimation != 0 ? 1 : 0;
    if (m_nSizeTiles < 0 || m_nSizeTiles > kFitToWindow)
        m_nSizeTiles = 0;
}

int CMahjongView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetTimer(ID_TIMER_TOTAL, 1000, nullptr);
    m_tAppStart = NowSeconds();
    return 0;
}

void CMahjongView::OnTimer(UINT_PTR nIDEvent)
{
    if (!m_bPaused && nIDEvent == ID_TIMER_GAME)
        ShowClock(0, m_tGameStart);
    if (!m_bPaused && nIDEvent == ID_TIMER_TOTAL)
        ShowClock(1, m_tAppStart);
    CView::OnTimer(nIDEvent);
}

void CMahjongView::ShowClock(int nPane, int tStart)
{
    CString text;
    FormatGameTime(SecondsSince(tStart), text);
    static_cast<CMainFrame*>(GetParent())->m_wndStatusBar.SetPaneText(nPane, text, TRUE);
}

void CMahjongView::OnUpdateSetSize(CCmdUI* pCmdUI)
{
    const CBoardSize* size = FindBoardSizeCommand(pCmdUI->m_nID);
    pCmdUI->SetCheck(size->nColumns == m_nSizeX && size->nRows == m_nSizeY);
}

void CMahjongView::OnUpdateTileSize(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(ValueOfCommand(kTileSizes, pCmdUI->m_nID) == m_nSizeTiles);
}

void CMahjongView::OnUpdateBackground(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(ValueOfCommand(kBackgrounds, pCmdUI->m_nID) == m_nBackPic);
}

void CMahjongView::OnUpdateSoundOn(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bSoundOff == 0);
}

void CMahjongView::OnUpdateAnimation(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bNoAnimation == 0);
}

void CMahjongView::OnUpdatePause(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bPaused != 0);
}

void CMahjongView::OnUpdateGravity(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bGravity);
}
