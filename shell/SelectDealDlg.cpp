#include "shell/SelectDealDlg.h"

#include "board/Random.h"
#include "framework/App.h"
#include "resources/resource.h"

#include <string>

CSelectDealDlg::CSelectDealDlg(bool bKnown, std::uint32_t nDeal, CWnd* pParent)
    : CDialog(IDD_SELECT_DEAL, pParent), m_strNumber(bKnown ? std::to_string(nDeal) : std::string())
{
}

void CSelectDealDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DEAL_NUMBER, m_strNumber);
    if (pDX->m_bSaveAndValidate && !ParseDealNumber(m_strNumber.str(), m_nNumber)) {
        AfxMessageBox(IDS_DEAL_RANGE, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
