#pragma once
// The table of the best result of each board size: size, holder and time,
// with a button that clears them all.

#include "framework/String.h"
#include "shell/DialogFace.h"

#include <array>
#include <functional>

class CHighScoresDlg : public CFaceDialog {
public:
    CString PaintedText() const override;
    // onCleared runs when the results have been cleared, while the table stays open.
    explicit CHighScoresDlg(CWnd* pParent = nullptr, std::function<void()> onCleared = {});

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnClearScores();
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    // Reads the nine results again.
    void ReadResults();

    std::function<void()> m_onCleared;
    CBitmapButton m_btnClear;
    std::array<CString, 9> m_strTimes; // in the order of the sizes' menu
    std::array<CString, 9> m_strNames;
};
