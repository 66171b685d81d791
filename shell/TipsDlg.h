#pragma once
// The tips dialog: one tip picture at a time, in a cycle that goes on across
// runs (TipsNumber), and the check box that keeps it from opening at start
// (ShowTips).

#include "framework/Controls.h"
#include "framework/Dialog.h"

// True when the player has ticked "Do not show this dialog on the start.":
// the stored ShowTips begins with "1".
bool TipsOffAtStart();

// Where tip nTip (0 to 6) writes its title, or its text, at 96 DPI from its
// picture's top left: there the picture is written over.
RECT TipWordsPlace(int nTip, bool bTitle);

class CTipsDlg : public CDialog {
public:
    explicit CTipsDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnClose();
    void OnPaint();
    // Picks, records and draws the next tip of the cycle.
    void ShowNextTip();
    void DrawTip();
    // Draws the tip's title or text in its place on the picture, in letters
    // made smaller where they would not fit; false when they do not fit even so.
    bool DrawTipWords(CDC& dc, bool bTitle);

    DECLARE_MESSAGE_MAP()

private:
    void StoreCheckBox();

    CButton m_chkNoTips;
    int m_nTipBitmap;
};
