#pragma once
// "Statistics": the games played and won of every board size, in a list the
// keyboard scrolls and screen readers read; Reset clears the counts (the best
// times stay: Clear scores clears those).

#include "framework/Dialog.h"

class CStatisticsDlg : public CDialog {
public:
    explicit CStatisticsDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnReset();

    DECLARE_MESSAGE_MAP()

private:
    // The rows read anew from the store, the columns as wide as their texts.
    void ShowRecords();
};
