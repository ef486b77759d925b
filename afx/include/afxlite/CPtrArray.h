// CPtrArray: an array of untyped pointers; the array does not own what they point to.
// Named instantiation kept for code written against MFC's collection classes.
#pragma once

#include "afxlite/CArray.h"

class CPtrArray : public CArray<void*, void*> {
public:
    CPtrArray() = default;
};
