// Edit controls: run-time class only (every method is inline).
#include "afxlite/CEdit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)
