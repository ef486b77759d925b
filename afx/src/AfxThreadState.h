// Per-thread state of the window side of the framework: the thread object, the window being
// created (caught by the creation hook), the message being handled (for CWnd::Default) and
// the menu being tracked (for owner-drawn menu items).
#pragma once

#include "afxlite/AfxDef.h"

class CWnd;
class CWinThread;
struct IClassFactory;

struct AFX_THREAD_STATE {
    CWinThread* pThread;                // set while a CWinThread runs on this thread
    CWnd* pWndInit;                     // object waiting for its window from the creation hook
    HHOOK hHookCbt;                     // creation hook, installed only during a creation
    MSG lastSentMsg;                    // message under dispatch, replayed by CWnd::Default
    HWND hLockoutNotifyWindow;          // UpdateData in progress: its control notifications are dropped
    HWND hTrackingWindow;               // owner of the popup menu being tracked
    HMENU hTrackingMenu;                // that popup menu
    HMENU hLastInitMenu;                // popup of the last WM_INITMENUPOPUP
    IClassFactory* pXmlDocumentFactory; // held by the thread's CXmlDocumentFactoryScope, if any
};

// The calling thread's state (zero-initialised on first use; holds no owned resources).
AFX_THREAD_STATE* AfxGetThreadState();
