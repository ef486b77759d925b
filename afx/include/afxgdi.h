// GDI wrappers: geometry, device contexts, GDI objects and the selection guards.
#pragma once

#include "afx.h"
#include "afxlite/CPoint.h"
#include "afxlite/CSize.h"
#include "afxlite/CRect.h"
#include "afxlite/CResourceException.h"
#include "afxlite/CGdiObject.h"
#include "afxlite/CPen.h"
#include "afxlite/CBrush.h"
#include "afxlite/CFont.h"
#include "afxlite/CBitmap.h"
#include "afxlite/CRgn.h"
#include "afxlite/CDC.h"
#include "afxlite/CPaintDC.h"
#include "afxlite/CClientDC.h"
#include "afxlite/CWindowDC.h"
#include "afxlite/AfxGdiScoped.h"
