#include "shell/GameTime.h"

void FormatGameTime(unsigned seconds, CString& text)
{
    text.Format("%02u:%02u:%02u", seconds / 3600, seconds / 60 % 60, seconds % 60);
}
