// The framework's window side: module state and resource chain, message maps, threads and
// the application, windows, dialogs with data exchange, menus and the standard controls,
// on top of the core (afx.h) and the GDI wrappers (afxgdi.h).
#pragma once

#include "afx.h"
#include "afxcoll.h"
#include "afxgdi.h"

#include <commctrl.h>

#include "afxlite/AfxModule.h"
#include "afxlite/AfxMsgMap.h"
#include "afxlite/CCmdTarget.h"
#include "afxlite/CCmdUI.h"
#include "afxlite/CDynLinkLibrary.h"
#include "afxlite/CWinThread.h"
#include "afxlite/CWinApp.h"
#include "afxlite/CWnd.h"
#include "afxlite/AfxWinMsg.h"
#include "afxlite/CDataExchange.h"
#include "afxlite/CDialog.h"
#include "afxlite/CMenu.h"
#include "afxlite/CButton.h"
#include "afxlite/CStatic.h"
#include "afxlite/CEdit.h"
#include "afxlite/CListBox.h"
#include "afxlite/CComboBox.h"
#include "afxlite/CScrollBar.h"
