// Catches the window a CWnd is creating: while a scope lives, a thread-local creation hook
// (WH_CBT) attaches the next window created on this thread to the object before that window
// receives its first message, so the object also sees WM_GETMINMAXINFO, WM_NCCREATE,
// WM_CREATE and, for dialogs, WM_SETFONT and WM_INITDIALOG.
#pragma once

#include "afxlite/AfxDef.h"

class CWnd;

class AfxCreationScope {
public:
    explicit AfxCreationScope(CWnd* pWnd);
    ~AfxCreationScope();
    AfxCreationScope(const AfxCreationScope&) = delete;
    AfxCreationScope& operator=(const AfxCreationScope&) = delete;

    // FALSE when the hook could not be installed; the creation must not go ahead.
    BOOL IsReady() const { return m_bReady; }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);

    CWnd* m_pWnd;
    CWnd* m_pPreviousInit;
    BOOL m_bInstalledHook;
    BOOL m_bReady;
};
