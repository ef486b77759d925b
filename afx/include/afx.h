// Core of the framework: definitions, scoped owners, CObject and run-time classes, CString,
// handle maps and exceptions. Window classes come with afxwin.h, collections with afxcoll.h / afxtempl.h,
// CInternetException with afxinet.h.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/AfxScoped.h"
#include "afxlite/CObject.h"
#include "afxlite/CString.h"
#include "afxlite/CHandleMap.h"
#include "afxlite/CException.h"
#include "afxlite/CMemoryException.h"
#include "afxlite/CFileException.h"
#include "afxlite/COleException.h"
