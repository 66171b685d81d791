// The tile-set commands of CMahjongView: a built-in set chosen in the chooser,
// the next built-in set, or tiles cut from a picture of the player's own. Each
// changes only the pictures: cells, kinds, selection, undo and clock stay.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "framework/App.h"
#include "framework/FileDialog.h"
#include "framework/Language.h"
#include "resources/resource.h"
#include "shell/ChooseSetDlg.h"
#include "shell/TileSetList.h"
#include "view/Settings.h"

#include <string>

void CMahjongView::OnChooseSets()
{
    CChooseSetDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    m_nTileSet = dialog.GetTileSet();
    WriteSetting("TileSet", std::to_string(m_nTileSet));
    CutTilesAgain(nullptr);
}

void CMahjongView::OnNextTiles()
{
    m_nTileSet = NextTileSet(m_nTileSet);
    WriteSetting("TileSet", std::to_string(m_nTileSet));
    CutTilesAgain(nullptr);
}

void CMahjongView::OnSelectAnotherSet()
{
    CFileDialog dialog(TRUE, "bmp", "*.bmp", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, AfxLoadText(IDS_PICTURE_FILTER),
                       this);
    if (dialog.DoModal() != IDOK)
        return;
    // The picture is not looked at first: one that cannot be used gives the
    // default tiles, and the setting names it all the same.
    const std::string path(dialog.GetPathName());
    WriteSetting("TileSet", "00000");
    WriteSetting("TileSet\\FName", path);
    m_nTileSet = 0;
    CutTilesAgain(path.c_str());
}

void CMahjongView::CutTilesAgain(const char* lpszPicture)
{
    if (!HasPicture())
        return; // the next puzzle cuts its tiles from the stored choice
    const bool unusable = !CutTiles(CSize(g_pBoard->GetTileWidth(), g_pBoard->GetTileHeight()), lpszPicture);
    RenderBoardPicture();
    if (unusable)
        AfxMessageBox(AfxFormatString(IDS_PICTURE_UNUSABLE, {lpszPicture}), MB_OK | MB_ICONEXCLAMATION);
}
