// Named collection classes: arrays, lists and hash maps of pointers and strings.
#pragma once

#include "afx.h"
#include "afxlite/CPtrArray.h"
#include "afxlite/CStringArray.h"
#include "afxlite/CPtrList.h"
#include "afxlite/CMapStringToPtr.h"
#include "afxlite/CMapStringToString.h"
#include "afxlite/CMapPtrToPtr.h"
#include "afxlite/CMapWordToPtr.h"
