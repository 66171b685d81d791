#pragma once
// The tile-set chooser: the built-in sets by name, and the whole sheet of the
// one selected as a preview. After OK, GetTileSet() is the chosen sheet's
// bitmap ("Egiptian" when the player chose none).

#include "framework/Controls.h"
#include "framework/Dialog.h"

class CChooseSetDlg : public CDialog {
public:
    explicit CChooseSetDlg(CWnd* pParent = nullptr);

    int GetTileSet() const { return m_nSet; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSelChangeSetList();
    void OnPaint();
    void TakeScale() override;

    DECLARE_MESSAGE_MAP()

private:
    // Places the preview control at the dialog's scale.
    void PlacePreview();
    // Draws the sheet of m_nSet over the preview control.
    void DrawPreview();

    CStatic m_wndPreview;
    CListBox m_wndSetList;
    int m_nSet;
};
