// CMapPtrToPtr: a hash map from pointers to pointers; the map owns neither.
// Named instantiation kept for code written against MFC's collection classes.
#pragma once

#include "afxlite/CMap.h"

class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10) : CMap<void*, void*, void*, void*>(nBlockSize) {}
};
