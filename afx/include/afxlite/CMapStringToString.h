// CMapStringToString: a hash map from strings (case-sensitive) to strings.
// Named instantiation kept for code written against MFC's collection classes.
#pragma once

#include "afxlite/CMap.h"
#include "afxlite/CString.h"

class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR> {
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10) : CMap<CString, LPCTSTR, CString, LPCTSTR>(nBlockSize) {}
};
