// Common controls of the framework: image lists; list, tree, slider, rich edit and tooltip
// controls join here.
#pragma once

#include "afxwin.h"

#include <commctrl.h>

#include "afxlite/CImageList.h"
#include "afxlite/CListCtrl.h"
#include "afxlite/CSliderCtrl.h"
#include "afxlite/CToolTipCtrl.h"
#include "afxlite/CTreeCtrl.h"
