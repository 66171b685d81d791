#pragma once
// The time text in which every time of the game is shown.

#include "framework/String.h"

// Hours, minutes and seconds joined by colons, each with a leading zero below
// 10; hours are not capped. 3725 seconds read 01:02:05.
void FormatGameTime(unsigned seconds, CString& text);
