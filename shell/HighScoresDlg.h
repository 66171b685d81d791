#pragma once
// The table of the best result of each board size: size, holder and time,
// with a button that clears them all. Below the nine sizes come those that
// have a best result under gravity, each in a row of its own.

#include "framework/String.h"
#include "shell/DialogFace.h"

#include <functional>
#include <string>
#include <vector>

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
    struct CRow {
        std::string key; // the result's setting
        CString label, name, time;
    };
    // The rows, chosen when the table opens: the nine sizes in the order of
    // the sizes' menu, then those with a best result under gravity.
    void ChooseRows();
    // Reads the rows' results again.
    void ReadResults();
    // Makes the dialog taller by the rows past the ninth, the buttons moved down.
    void MakeRoomForRows();

    std::function<void()> m_onCleared;
    CBitmapButton m_btnClear;
    std::vector<CRow> m_rows;
};
