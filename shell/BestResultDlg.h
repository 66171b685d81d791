#pragma once
// A best result: the "WIN" cue and the holder's name, preloaded with the name
// entered last time.

#include "framework/Dialog.h"
#include "framework/String.h"

class CBestResultDlg : public CDialog {
public:
    explicit CBestResultDlg(int bSoundOff, CWnd* pParent = nullptr);

    // The name, at most 10 characters: as typed after OK, as preloaded after Esc.
    CString m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()

private:
    int m_bSoundOff; // 1: silent
};
