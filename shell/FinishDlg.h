#pragma once
// The end of a game that is no best result: the outcome, what the time means
// and the time, centred on the light-blue face, with "WIN" or "LOST".

#include "framework/String.h"
#include "shell/DialogFace.h"

class CFinishDlg : public CFaceDialog {
public:
    CString PaintedText() const override;
    CFinishDlg(CString message, CString label, CString time, int bSoundOff, bool bLost, CWnd* pParent = nullptr);

protected:
    void OnPaint();
    void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()

private:
    CString m_strMessage; // the outcome
    CString m_strLabel;   // what the time means
    CString m_strTime;
    int m_bSoundOff;      // 1: silent
    bool m_bLost;         // a dead end: "LOST", else "WIN"
};
