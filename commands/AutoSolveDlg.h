#pragma once
// The "Auto Solve" dialog: replays the solver's solution on the board, one pair
// at every tick of its timer, counting down the pairs still to come. It stays
// open at 0 until the player presses Cancel.

#include "board/BoardTypes.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

class CMahjongView;

constexpr UINT_PTR ID_TIMER_SOLVE = 1003;

class CAutoSolveDlg : public CDialog {
public:
    // The solution in reverse order of play: its last pair is shown first.
    CAutoSolveDlg(const CTilePairList& solution, CMahjongView* pView);

    // One step of the replay: the next pair's line for two seconds, then both
    // tiles erased as a player's match erases them, with an undo entry.
    void ShowNextPair();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    CStatic m_stCounter;
    CTilePairList m_solution;
    int m_nStep;          // index of the next pair to show; -1 when all are shown
    CMahjongView* m_pView; // draws the pairs; also the dialog's parent
};
