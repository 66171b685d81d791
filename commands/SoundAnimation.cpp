// Sound cues, the two switches, and the fade of a removed tile.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "framework/Sound.h"
#include "view/Settings.h"
#include "view/Waits.h"

namespace {
constexpr std::uint32_t kFadeMilliseconds = 500;
}

void CMahjongView::PlayWave(const char* lpszName)
{
    if (m_bSoundOff == 1)
        return;
    PlayWaveResource(lpszName);
}

void CMahjongView::OnSoundOn()
{
    m_bSoundOff = m_bSoundOff == 0 ? 1 : 0;
    WriteSetting("SoundON", m_bSoundOff ? "1" : "0");
}

void CMahjongView::OnAnimation()
{
    m_bNoAnimation = m_bNoAnimation != 0 ? 0 : 1;
    WriteSetting("Animation", m_bNoAnimation ? "1" : "0");
}

// The screen shows the board picture, so the fade is made in the picture and
// each frame copied to the screen: one pass does both, and the rectangle ends
// as the exact background under it in both. nMode -1 never fades.
void CMahjongView::EraseTileRect(int x, int y, int cx, int cy, int nMode)
{
    const CPixelRect r{x, y, cx, cy};
    std::vector<std::uint32_t> background = LoadBackground();
    const CPixelSurface patch(background.data(), BackgroundSide(), BackgroundSide());
    CPixelSurface picture = PictureSurface();
    if (nMode >= 0 && m_bNoAnimation == 0) {
        const std::vector<std::uint32_t> old = CopyRect(picture, r);
        WaitMilliseconds(kFadeMilliseconds, [&](std::uint32_t e) {
            BlendRectToBackground(picture, r, old, patch, e / 2);
            ShowPictureRect(r);
        });
    }
    PaintBackgroundRect(picture, patch, r);
    ShowPictureRect(r);
}
