// CMapWordToPtr: a hash map from 16-bit values to untyped pointers; the map does not own what they point to.
// Named instantiation kept for code written against MFC's collection classes.
#pragma once

#include "afxlite/CMap.h"

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10) : CMap<WORD, WORD, void*, void*>(nBlockSize) {}
};
