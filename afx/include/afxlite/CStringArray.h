// CStringArray: an array of strings.
// Named instantiation kept for code written against MFC's collection classes.
#pragma once

#include "afxlite/CArray.h"
#include "afxlite/CString.h"

class CStringArray : public CArray<CString, const CString&> {
public:
    CStringArray() = default;
};
