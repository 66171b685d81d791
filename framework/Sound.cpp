#include "framework/Sound.h"

#include "framework/App.h"

#include <windows.h>
#include <mmsystem.h>

namespace {
SoundObserver g_observer = nullptr;
} // namespace

void SetSoundObserver(SoundObserver observer)
{
    g_observer = observer;
}

void PlayWaveResource(const char* lpszName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, lpszName, "WAVE");
    HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const void* data = hData ? ::LockResource(hData) : nullptr;
    if (!data)
        return;
    if (g_observer)
        g_observer(lpszName);
    // Without a sound device this fails, and the game goes on silently.
    ::sndPlaySoundA(static_cast<LPCSTR>(data), SND_ASYNC | SND_MEMORY);
}
