// Core of the framework: definitions, CObject and run-time classes, CString, handle maps.
// Window classes come with afxwin.h, collections with afxcoll.h / afxtempl.h.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CObject.h"
#include "afxlite/CString.h"
#include "afxlite/CHandleMap.h"
