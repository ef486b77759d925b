// Scroll bar controls: run-time class only (every method is inline).
#include "afxlite/CScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)
