#pragma once
// The colours of the game's own dialogs: dark-blue lettering on a light-blue face.

#include <windows.h>

constexpr COLORREF kDialogFace = RGB(116, 191, 226);
constexpr COLORREF kDialogLettering = RGB(0, 74, 198);
