#include "framework/Sound.h"

#include "framework/App.h"
#include "framework/String.h"

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
    const std::string_view data = AfxLoadResourceData(Wide(lpszName).c_str(), L"WAVE");
    if (data.empty())
        return;
    if (g_observer)
        g_observer(lpszName);
    // Without a sound device this fails, and the game goes on silently.
    ::sndPlaySoundW(reinterpret_cast<LPCWSTR>(data.data()), SND_ASYNC | SND_MEMORY);
}
