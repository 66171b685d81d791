#pragma once
// The About dialog: the version line centred on the light-blue face, and a
// picture OK button.

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/String.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CBitmapButton m_btnOK;
    CString m_strVersion;
};
