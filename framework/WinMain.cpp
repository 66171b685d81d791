// The program's entry: the application object takes over.

#include "framework/App.h"
#include "framework/String.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int)
{
    return AfxWinMain(hInstance, Utf8(lpCmdLine).c_str());
}
