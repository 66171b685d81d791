#pragma once
// "Select deal": the number of a deal to play, 0 to 4294967295, typed by the
// player; preloaded with the number of the deal in play when it is known.

#include "framework/Dialog.h"
#include "framework/String.h"

#include <cstdint>

class CSelectDealDlg : public CDialog {
public:
    CSelectDealDlg(bool bKnown, std::uint32_t nDeal, CWnd* pParent = nullptr);

    // The number typed, after OK.
    std::uint32_t m_nNumber = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_strNumber;
};
