// CRgn.
#include "afxlite/CRgn.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
