#pragma once
// CMahjongView: the window in which the game is played. It holds the play
// settings and the play state, owns the board (g_pBoard) and the board picture
// (g_pBoardPicture), and runs the clocks.

#include "framework/Accessible.h"
#include "framework/CmdTarget.h"
#include "framework/DocView.h"
#include "framework/Gdi.h"

#include "board/BoardTypes.h"
#include "board/GameRecords.h"
#include "commands/BoardPicture.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The board picture: the whole board with a margin of one tile; null until
// the first picture is composed.
extern CBitmap* g_pBoardPicture;

constexpr UINT_PTR ID_TIMER_GAME = 1000;  // the game clock, status pane 0
constexpr UINT_PTR ID_TIMER_TOTAL = 1001; // the time since start-up, status pane 1

// Posted to the view: a click at the centre of cell (wParam, lParam), as a screen reader asks for it.
constexpr UINT WM_PRESS_CELL = WM_APP + 1;
// Posted to the view when its size changed during a wait: the board is fitted once the wait is over.
constexpr UINT WM_FIT_AGAIN = WM_APP + 2;

// The tile-size step of "Fit to window": the tiles as large as the view allows.
constexpr int kFitToWindow = 3;

class CMahjongView : public CView {
protected:
    CMahjongView();
    DECLARE_DYNCREATE(CMahjongView)

public:
    ~CMahjongView() override;

    int m_nSizeX = 18;          // board width in columns
    int m_nSizeY = 8;           // board height in rows
    int m_nTileSet = 131;       // tile-sheet bitmap; 0: cut from the player's own picture
    int m_nBackPic = 154;       // background bitmap
    int m_nTiles = 36;          // tile kinds of the board size
    int m_tGameStart = 0;       // time() when the puzzle's clock started
    int m_tAppStart = 0;        // time() when the view was made
    int m_bSoundOff = 0;        // 1: the cues are silent
    std::uint8_t m_bPaused = 0; // nonzero while the game is paused
    int m_tPause = 0;           // while paused: when it began; after: how long it lasted
    int m_nSizeTiles = 0;       // tile size step: 0 Normal, 1 Big, 2 Biggest, 3 Fit to window
    int m_bNoAnimation = 0;     // 1: removed tiles vanish without fading
    // The number the deal in play was dealt from; unknown after a load.
    bool m_bDealKnown = false;
    std::uint32_t m_nDeal = 0;
    // The rule in force: under gravity the tiles above a pair that goes fall down their columns.
    bool m_bGravity = false;

    // Puzzle preparation.
    void OnFileNew();
    // FALSE, after telling the player, when the new puzzle could not be made:
    // the puzzle being played stays.
    BOOL NewPuzzle();
    BOOL NewPuzzleOfSize(int nKinds, int nColumns, int nRows);
    // Cuts the tiles at the base size cx x cy (before the tile-size step), deals
    // when bDeal is 1, sizes the frame and shows the puzzle. FALSE, after telling
    // the player, when the tiles or the deal could not be made.
    BOOL PreparePuzzle(int cx, int cy, int bDeal);

    // The window's scale has changed: the puzzle in play is laid out anew at
    // the new tile size, its tiles cut again and the frame fitted again.
    void TakeWindowScale();
    // The texts the view shows (caption, matched pairs) in the language now in force.
    void TakeLanguage();
    // The frame the puzzle in play needs at nDpi (empty before the first
    // puzzle): what Windows is to suggest when the frame's scale changes.
    CSize FrameSizeAtDpi(UINT nDpi) const;
    // With "Fit to window": the frame's smallest size, the board's at the
    // Normal tile size (empty otherwise, and before the first puzzle).
    CSize MinFrameSize() const;
    // With "Fit to window": the frame's size, place and maximized state kept
    // for the next start.
    void KeepWindowPlacement() const;

    // The board picture of the board in play, composed and shown, with the
    // status bar and screen readers told of the board.
    void RenderBoardPicture();
    // The picture alone, for the same board drawn at another size; false when
    // there is no memory for it (said to the player).
    bool ComposeBoardPicture();
    void PaintBackground(CDC* pDC, std::uint16_t nAcross, std::uint16_t nDown);
    void SetBackground(int nBitmapId);

    // Play.
    void ToggleHighlight(int x, int y);
    void DrawLink(const CLinkPath& path);
    // The pair of cells a and b goes: both tiles fade, the board removes them
    // (letting tiles fall under gravity) and the fall is shown.
    void ErasePair(const CTileCell& a, const CTileCell& b);
    void EraseTileRect(int x, int y, int cx, int cy, int nMode);
    int CountPossibleMoves() const;
    void UpdateMatchStatus();
    void PlayWave(const char* lpszName);

    // The end of a game: won or stuck, the time judged, the next puzzle.
    void CheckEndOfGame();
    // After a move: screen readers told, the end of the game judged, the count shown.
    void JudgeBoard();

    // Keyboard play (Keyboard.cpp). The cursor's cell, over the playing cells;
    // it is hidden until the first key that moves it.
    int m_nCursorCol = 1;
    int m_nCursorRow = 1;
    bool m_bCursorShown = false;
    // The kind whose tiles are outlined on the screen (not in the picture); -1: none.
    int m_nOutlinedKind = -1;
    // The playing cell under a point of the view; false for the margin.
    bool PlayingCellAt(CPoint point, int& col, int& row) const;
    // A click at the centre of a playing cell, as the mouse gives it.
    void PressCell(int col, int row);
    // A click on the board is acted on now: the board is shown, and no pause,
    // wait, replay or other modal window holds the game.
    bool TakesClicks() const;

    // The board as screen readers see it (BoardAccessible.cpp).
    IAccessible* GetAccessibleObject() override;

    // Best results of the board size in play.
    // The size's key below the store's root ("8_18"); false for a size that
    // has none, for which nothing is read or stored.
    bool GetSizeKey(std::string& key) const;
    // Stores t when it beats the stored best (or there is none) and returns
    // the best that holds now: t for a new best or a tie. 0 without a size key.
    unsigned RecordBestTime(unsigned t);
    int GetBestTime() const;
    void ShowBestTimeInTitle();

    // The statistics of the game in play (Records.cpp): its marks, counted
    // when a pair goes (a match, Redo, the solver's replay) and when the game
    // is left for another with tiles on the board.
    CGameMarks m_marks;
    void RecordPairGone();
    // The game in progress kept for the next start (at exit, or when Windows
    // ends the session), in the puzzle file's layout with its marks beside.
    void KeepLastGame();

protected:
    void OnDraw(CDC* pDC) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    LRESULT OnPressCell(WPARAM wParam, LPARAM lParam);
    void OnSetSize(UINT nID);
    void OnSaveTo();
    void OnUpdateSaveTo(CCmdUI* pCmdUI);
    void OnLoadFrom();
    void OnResumeLastGame();
    void OnUpdateResumeLastGame(CCmdUI* pCmdUI);
    void OnStatistics();
    void OnTilesNormal();
    void OnTilesBig();
    void OnTilesBiggest();
    void OnTilesFit();
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnFitAgain(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
    void OnPause();
    void OnHighScores();
    void OnHelpMe();
    void OnHint();
    void OnAutoSolve();
    void OnShowTip();
    void OnUndo();
    void OnRedo();
    void OnUpdateRedo(CCmdUI* pCmdUI);
    void OnRestart();
    void OnSelectDeal();
    void OnBackgroundEasy();
    void OnBackgroundDarkBlue();
    void OnBackgroundClouds();
    void OnBackgroundGreen();
    void OnSoundOn();
    void OnAnimation();
    void OnChooseSets();
    void OnNextTiles();
    void OnSelectAnotherSet();
    void OnUpdateSetSize(CCmdUI* pCmdUI);
    void OnUpdateTileSize(CCmdUI* pCmdUI);
    void OnUpdateBackground(CCmdUI* pCmdUI);
    void OnUpdateSoundOn(CCmdUI* pCmdUI);
    void OnUpdateAnimation(CCmdUI* pCmdUI);
    void OnUpdatePause(CCmdUI* pCmdUI);
    void OnGravity();
    void OnUpdateGravity(CCmdUI* pCmdUI);
    void OnShuffle();
    void OnUpdateShuffle(CCmdUI* pCmdUI);
    void OnDealOfTheDay();
    LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void ReadSettings();
    // A board picture that holds the board in play: drawing needs one.
    bool HasPicture() const;
    // The size of the picture made for the board in play: its rectangle, or
    // with "Fit to window" at least its monitor's size.
    CSize PictureCapacity() const;
    // The board picture's pixels, and their rectangle r copied to the screen.
    CPixelSurface PictureSurface() const;
    void ShowPictureRect(const CPixelRect& r);
    // The background picture m_nBackPic at the window's scale (black when it
    // cannot be loaded): a square of BackgroundSide() pixels.
    std::vector<std::uint32_t> LoadBackground();
    int BackgroundSide() const;
    // The width of the marks (selection frame, link line, keyboard cursor):
    // two pixels at 96 DPI.
    int MarkWidth() const;
    // Puts board in play, prepared at the base tile size; FALSE when it cannot
    // be, and then the board and size in play stay.
    BOOL PutBoardInPlay(std::unique_ptr<CMahjongBoard> board, CSize base, int bDeal);
    // The frame's size at nDpi for the board size in play at tiles of this size.
    CSize FrameSizeFor(CSize tile, UINT nDpi) const;
    // The tile size of the puzzle at 96 DPI, the step applied: what the tiles
    // are laid out at before they are fitted to the screen.
    CSize m_sizeLaidTile;
    // The background last loaded: its picture and side, and its pixels.
    std::pair<std::pair<int, int>, std::vector<std::uint32_t>> m_keptBackground;
    // The base tile size of the puzzle at 96 DPI, before the step.
    CSize m_sizeBaseTile;
    // The tile size in force at the window's scale: the fit of the view with
    // "Fit to window", FittedTileSize otherwise.
    CSize TileSizeInForce() const;
    // Lays the board's cells out at the board's tile size: centred in the view
    // with "Fit to window", from the view's corner otherwise.
    void LayOutBoard();
    // With "Fit to window", after the view's size changed: the tiles cut anew
    // when their size changed, the board laid out and shown.
    void FollowViewSize();
    // The frame resizable with "Fit to window", fixed otherwise; the first
    // time the mode is taken, at the placement kept at the last exit.
    void TakeFrameStyle();
    bool m_bPlacementTaken = false;
    // The frame at the placement kept at the last exit, inside the work area of
    // a monitor there is now; else at the Normal board's size, centred on the
    // primary monitor.
    void RestoreWindowPlacement();
    // The screen's height in pixels at 96 DPI, which the base tile size depends on.
    int ScreenHeightAt96Dpi() const;
    // m_sizeLaidTile at nDpi, or the largest smaller tile size whose frame
    // the work area holds.
    CSize FittedTileSize(UINT nDpi) const;
    // Sizes the frame for tiles of this size and keeps it inside the work area.
    void PlaceFrame(CSize tile);
    // Stores the tile-size step and starts a new puzzle with it.
    void SetTileSize(int nStep);
    // Cuts the tiles at size tile from the set m_nTileSet; when it is 0, from
    // lpszPicture (null: the stored picture), or from the default tiles when
    // that cannot be used: false then.
    bool CutTiles(CSize tile, const char* lpszPicture);
    // Cuts the tiles at the board's tile size from the set m_nTileSet (from
    // lpszPicture when it is 0) and shows them on a new board picture; a
    // picture that cannot be used is reported, and the default tiles shown.
    void CutTilesAgain(const char* lpszPicture);
    // The tips dialog after the first puzzle is dealt, unless the player switched it off.
    void ShowTipsAtStart();
    // Inverts the selection frame of the tile in cell, on the picture and the screen.
    void ToggleCellFrame(const CTileCell& cell);
    // The tiles that fell shown sliding from their rows to where they lie now.
    void SlideTiles(const std::vector<CTileMove>& moves);
    // Outlines every tile of the kind of cell (col, row), or takes the outlines away (kind -1).
    void OutlineKind(int kind);
    bool m_bFirstPaint = true; // the first paint makes the first puzzle
    // The end of the game has been judged and its clock stopped: a won board is
    // not judged again, and an undo that opens a dead end again goes on with it.
    bool m_bGameEnded = false;
    // The solver's replay removed a pair: the game's end is no best of the player's.
    bool m_bSolverPlayed = false;
    // A game whose end was judged goes on, clock and all, once it has moves again.
    void GoOnAfterEnd();
    // The number the next deal is dealt from, when the player chose one; the time otherwise.
    std::optional<std::uint32_t> m_chosenDeal;
    // A new puzzle dealt from this number, asked first as New asks.
    void DealNumber(std::uint32_t nDeal);
    // A puzzle read from a file that the game can play: a size's own kinds at
    // most, and a playing time the clock can count.
    bool IsPlayableFile(const CMahjongBoard& board, int nElapsed) const;
    // Reads a puzzle file and puts it in play with its clock; a file that is
    // refused is reported and changes nothing. False then.
    bool LoadPuzzle(const CString& path);
    // The time the game clock shows: a pause going on does not count.
    unsigned GameSeconds() const;
    // The game with these marks, on a board of this size under this rule, left with tiles on it.
    void RecordGameLeft(const CGameMarks& marks, int nColumns, int nRows, bool bGravity);
    // The kept game goes, its file and marks; lost when another game is played instead.
    void DropKeptGame(bool bLost);
    // Keyboard play: a shown cursor follows a click to its playing cell.
    void FollowClick(CPoint point);
    // The cursor moved to a playing cell, shown, and announced.
    void PlaceCursor(int col, int row);
    // A shown cursor drawn over the board picture on the screen, when the
    // picture's rectangle shown there has just covered it.
    void DrawCursor(CDC& dc, const CPixelRect& shown);
    // A ring of dashes of these picture colours over cell on the screen.
    void DrawRing(CDC& dc, const CTileCell& cell, std::uint32_t dark, std::uint32_t light);
    // Tells screen readers what changed on the board since they were last
    // told: the cells' names, the tiles left and a new selection.
    void AnnounceBoardChanges();
    std::vector<int> m_announcedKinds; // the kinds of the cells, row by row, as last announced
    long m_nAnnouncedSelection = 0;    // the selected cell's child id as last announced; 0: none
    int m_nAnnouncedSet = -1;          // the tile set the names were announced in
    CAccessibleHolder m_accessible;
    // Writes the time since start into status pane nPane.
    void ShowClock(int nPane, int tStart);
};
