#pragma once
// The puzzle: a grid of tiles inside an empty margin ring, with the rules,
// the deal, the solver, the undo ring, the puzzle file and the tile pictures.

#include "BoardTypes.h"
#include "Random.h"
#include "TileImage.h"

#include <cstdint>
#include <vector>

class CDC; // the view's device context; the board itself never draws

class CMahjongBoard {
public:
    static constexpr int kGrid = 40;      // the cell grid is kGrid x kGrid
    static constexpr int kMaxSide = kGrid - 2;
    static constexpr int kUndoDepth = 10;
    static constexpr int kSolveLimit = 1000;
    static constexpr int kArrangeTries = 20;
    static constexpr int kSheetColumns = 9;
    static constexpr int kSheetRows = 5;
    static constexpr unsigned kDefaultSheet = 131;
    // The sheet drawn at twice the size is the resource this far above its own.
    static constexpr unsigned kDoubleSizeSheet = 1000;

    CMahjongBoard();
    // Throws CBadBoardSize unless 1 <= width, height <= 38 and 1 <= kinds <= 1600.
    CMahjongBoard(int nKinds, int nWidth, int nHeight);
    CMahjongBoard(const CMahjongBoard&) = delete;
    CMahjongBoard& operator=(const CMahjongBoard&) = delete;
    virtual ~CMahjongBoard();

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    int GetTileWidth() const { return m_nTileWidth; }
    int GetTileHeight() const { return m_nTileHeight; }
    int GetKinds() const { return m_nKinds; }
    int GetSelCol() const { return m_nSelCol; }
    const CTileImage* GetImages() const { return m_pImages; }
    // The board and its margin ring lie centred in an area of the view, at the
    // top-left corner along a side where the area is no larger (as with none).
    int GetAreaWidth() const { return m_nAreaWidth; }
    int GetAreaHeight() const { return m_nAreaHeight; }
    int GetOriginX() const;
    int GetOriginY() const;

    // Gravity: when a pair goes, the tiles above each of its cells fall down
    // their column, so that every column touched stays packed from the bottom
    // row. Deals, the solver, shuffles, Undo and Redo follow the rule in force.
    void SetGravity(bool on) { m_bGravity = on; }
    bool HasGravity() const { return m_bGravity; }

    CTileCell GetCell(int col, int row) const;
    int GetIndexX(int i) const;
    int GetIndexY(int i) const;
    int GetIndexKind(int i) const;
    int CountTiles() const;
    int IsBlocked(int col, int row) const;

    // Pixel-based operations.
    CTileCell CellFromPoint(int px, int py) const;
    void ToggleSelection(const CTileCell& c);
    CTileCell GetSelectedCell() const;
    void ClearSelection();
    void RemoveTileAt(const CTileCell& c);
    // Empties the cells of a and b (found by pixel origin, as RemoveTileAt does)
    // and, under gravity, lets the tiles above them fall. Returns the tiles that
    // fell, in the order they moved (each cell's kind is then at its toRow). A
    // selection follows its tile down and is dropped when its own tile goes. When
    // the newest undo entry names these two cells (RecordPair or Redo just
    // before), it keeps the fall, so that Undo lifts the tiles back.
    std::vector<CTileMove> RemovePair(const CTileCell& a, const CTileCell& b);
    int LinkToSelection(const CTileCell& c, CLinkPath& path);
    std::uint32_t GetIndexPixel(int i, int px, int py) const;
    std::uint32_t GetCellPixel(CTileCell c, int px, int py) const;

    // Dealing: from the seed the deal source gives, or from a deal number; the
    // plan clears the board. Under gravity the tiles stand packed from the
    // bottom row, arranged so that the solver clears them too (kArrangeTries
    // arrangements at most).
    void Deal(CTilePairList& plan);
    void Deal(CTilePairList& plan, std::uint32_t seed);
    // Puts every cell at its place for the present tile size and area, keeping its kind.
    void LayOutCells();
    // Takes the area that the board is centred in (0 x 0: none) and lays the cells out in it.
    void SetLayoutArea(int nWidth, int nHeight);
    void ShuffleRemaining();
    // Mixes the kinds of the tiles left into an arrangement that the solver
    // clears under the rule in force; the occupied cells and each kind's count
    // stay. Clears the selection, Undo and Redo (a restart still goes back to
    // the deal). False, with the board unchanged, when fewer than two tiles are
    // left, some kind is left an odd number of times, or no arrangement of
    // kArrangeTries was solved.
    bool Shuffle();
    void SwapKinds(int c1, int r1, int c2, int r2);

    // The connection rule: 0 when linked, 1 when not.
    int IsSegmentBlocked(int c1, int r1, int c2, int r2) const;
    int FindShortPath(int c1, int r1, int c2, int r2, CLinkPath& path) const;
    static void ClearPath(CLinkPath& path);
    int FindPath(int c1, int r1, int c2, int r2, CLinkPath& path) const;

    // The solver.
    void FindAllPairs(CTilePairList& pairs) const;
    void Solve(CTilePairList& solution);

    // The puzzle file: 0 on success, 1 on failure.
    int SaveToFile(const char* path, int nElapsed) const;
    int LoadFromFile(const char* path, int* pElapsed);

    // Tile pictures, cut from a sheet of 9 x 5 slots brought to 9 cx x 5 cy by scaling.
    void LoadTilesFromResource(CDC* pDC, int cx, int cy, unsigned id = kDefaultSheet,
                               CTileScaling scaling = CTileScaling::Stretch);
    // A picture that cannot be used gives the default sheet's tiles, and false;
    // averaged tiles come from its sheet drawn at twice the size.
    bool LoadTilesFromFile(CDC* pDC, int cx, int cy, const char* path, CTileScaling scaling = CTileScaling::Stretch);

    // The undo ring.
    void RecordPair(const CTileCell& a, const CTileCell& b);
    void PushUndo(int c1, int r1, int c2, int r2);
    // Returns the tiles lifted back up to where they stood before the pair
    // went (fromRow where they had fallen to, toRow where they stand again).
    std::vector<CTileMove> Undo(CTileCell& a, CTileCell& b);
    // The pair the last Undo put back, taken off the undo ring's redo side and
    // recorded again; its two cells, still holding their tiles, are returned for
    // the caller to remove. Empty records when nothing is left to redo: a new
    // match (RecordPair), a deal, a load or a restart leaves nothing.
    void Redo(CTileCell& a, CTileCell& b);
    bool CanRedo() const { return !m_redo.empty(); }

    // The puzzle as it was dealt or loaded: every tile back, nothing selected,
    // nothing to undo or redo.
    void Restart();
    // Some tile has gone since the deal or the load.
    bool PairGoneSinceStart() const { return CountTiles() < m_nStartTiles; }

protected:
    int m_nKinds = 0;
    CTileImage* m_pImages = nullptr;
    CTileCell m_cells[kGrid][kGrid];
    int m_nWidth = 18;
    int m_nHeight = 8;
    int m_nSelCol = -1;
    int m_nSelRow = -1;
    int m_nTileWidth = 0;
    int m_nTileHeight = 0;
    int m_nAreaWidth = 0;
    int m_nAreaHeight = 0;
    int m_nShuffleFactor = 4;
    CUndoEntry m_undo[kUndoDepth];
    int m_nUndoTop = -1;
    int m_nSolveCalls = 0;

    // Keeps the kinds as dealt or loaded, for a restart, and forgets the history.
    void KeepStart();

private:
    bool IsPlaying(int col, int row) const;
    bool InGrid(int col, int row) const;
    bool FindCell(const CTileCell& c, int& col, int& row) const;
    void ResetCells(int lastCol, int lastRow);
    CTileCell PlacedCell(int col, int row, int kind) const;
    void PlanClearing(CTilePairList& plan);
    void DealScrambled(int perKind, CTilePairList& plan);
    void DealPacked(int perKind, CTilePairList& plan);
    void ArrangeKinds(std::vector<int> pairKinds, CTilePairList& plan);
    bool ArrangeSolvable(const std::vector<int>& pairKinds, CTilePairList& plan);
    bool PickLinkedPair(CTilePair& pair);
    template <typename T>
    void Mix(std::vector<T>& items);
    // Gravity's moves of kinds; the selection stays where it is.
    std::vector<CTileMove> Settle(int col1, int col2);
    std::vector<CTileMove> Lift(const std::vector<CTileMove>& falls);
    void CarrySelection(const std::vector<CTileMove>& moves);
    int SolveFrom(CTilePairList& solution);
    void ClearHistory();
    void CutSheet(const std::uint32_t* pixels, int w, int h, int cx, int cy, CTileScaling scaling);
    static CTileImage* NewImages(int nKinds);

    CRandom m_random;
    std::vector<CUndoEntry> m_redo; // the pairs undone, the last undone at the back
    std::vector<int> m_startKinds;  // the kinds of every grid cell at the deal or load
    int m_nStartTiles = 0;
    bool m_bGravity = false;
};

// The one board of the game; null until the first puzzle exists.
extern CMahjongBoard* g_pBoard;
