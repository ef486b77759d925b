// Common controls of the framework: image lists; list, tree, rich edit and tooltip controls
// (sliders join here).
#pragma once

#include "afxwin.h"

#include <commctrl.h>

#include "afxlite/CImageList.h"
#include "afxlite/CListCtrl.h"
#include "afxlite/CRichEditCtrl.h"
#include "afxlite/CSliderCtrl.h"
#include "afxlite/CToolTipCtrl.h"
#include "afxlite/CTreeCtrl.h"
