// CPtrList: a linked list of untyped pointers walked with POSITION; the list does not own what they point to.
// Named instantiation kept for code written against MFC's collection classes.
#pragma once

#include "afxlite/CList.h"

class CPtrList : public CList<void*, void*> {
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};
