#pragma once
// The About dialog: the version line centred on the light-blue face, and a
// picture OK button.

#include "framework/String.h"
#include "shell/DialogFace.h"

class CAboutDlg : public CFaceDialog {
public:
    CString PaintedText() const override;
    CAboutDlg();

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CString m_strVersion;
};
