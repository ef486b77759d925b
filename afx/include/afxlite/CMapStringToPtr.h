// CMapStringToPtr: a hash map from strings (case-sensitive) to untyped pointers; the map does not own what they point to.
// Named instantiation kept for code written against MFC's collection classes.
#pragma once

#include "afxlite/CMap.h"
#include "afxlite/CString.h"

class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*> {
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10) : CMap<CString, LPCTSTR, void*, void*>(nBlockSize) {}
};
