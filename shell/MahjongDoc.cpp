#include "shell/MahjongDoc.h"

IMPLEMENT_DYNCREATE(CMahjongDoc)
