#pragma once
// CMahjongDoc: the program's document holds nothing; all play state lives in
// the view and the board. It is never modified, so closing asks nothing.

#include "framework/DocView.h"

class CMahjongDoc : public CDocument {
protected:
    CMahjongDoc() = default;
    DECLARE_DYNCREATE(CMahjongDoc)
};
