// The three tile sizes: each is stored and starts a new puzzle with it.

#include "view/MahjongView.h"

#include "view/Settings.h"

#include <string>

void CMahjongView::SetTileSize(int nStep)
{
    m_nSizeTiles = nStep;
    WriteSetting("SizeTiles", std::to_string(nStep));
    OnFileNew();
}

void CMahjongView::OnTilesNormal()
{
    SetTileSize(0);
}

void CMahjongView::OnTilesBig()
{
    SetTileSize(1);
}

void CMahjongView::OnTilesBiggest()
{
    SetTileSize(2);
}
