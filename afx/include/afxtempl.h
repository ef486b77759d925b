// Collection templates (CArray, CList, CMap) and the typed pointer collections built on the
// named pointer classes.
#pragma once

#include "afxcoll.h"
#include "afxlite/CArray.h"
#include "afxlite/CList.h"
#include "afxlite/CMap.h"
#include "afxlite/CTypedPtrArray.h"
#include "afxlite/CTypedPtrList.h"
#include "afxlite/CTypedPtrMap.h"
