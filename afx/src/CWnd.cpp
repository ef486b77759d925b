// CWnd core: the handle map, attaching and subclassing, creation, the window procedure,
// message dispatch with reflection to child objects, pre-translation and modal loops.
#include "afxlite/CWnd.h"

#include "AfxCreationScope.h"
#include "AfxThreadState.h"
#include "afxlite/AfxModule.h"
#include "afxlite/CCmdUI.h"
#include "afxlite/CDataExchange.h"
#include "afxlite/CException.h"
#include "afxlite/CHandleMap.h"
#include "afxlite/CMenu.h"
#include "afxlite/CWinApp.h"
#include "afxlite/CWinThread.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

WNDPROC CurrentWndProc(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
}

// The calling thread's and the application's main window pointers must not outlive the
// window; losing the thread's main window ends the thread's message loop.
void ForgetMainWindow(CWnd* pWnd, BOOL bPostQuit)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread && pThread->m_pMainWnd == pWnd) {
        pThread->m_pMainWnd = nullptr;
        if (bPostQuit)
            ::PostQuitMessage(0);
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == pWnd)
        pApp->m_pMainWnd = nullptr;
}

// Map key of a message: all WM_CTLCOLORxxx share WM_CTLCOLOR.
UINT MapKey(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC ? WM_CTLCOLOR : message;
}

// The child control a parent's message is about, or null when the message is not a
// reflectable notification (menus, the window's own scroll bars, mouse parent-notifies).
HWND ReflectionTarget(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        const auto* p = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        return p->CtlType == ODT_MENU ? nullptr : p->hwndItem;
    }
    case WM_MEASUREITEM: {
        const auto* p = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        return p->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hWndParent, static_cast<int>(p->CtlID));
    }
    case WM_COMPAREITEM:
        return reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem;
    case WM_DELETEITEM:
        return reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)->hwndItem;
    case WM_PARENTNOTIFY:
        return LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY ? reinterpret_cast<HWND>(lParam) : nullptr;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return reinterpret_cast<HWND>(lParam);
    default:
        return MapKey(message) == WM_CTLCOLOR ? reinterpret_cast<HWND>(lParam) : nullptr;
    }
}

// Offers a parent's message to the permanent object of hWndChild (never to the parent
// itself, e.g. WM_CTLCOLORDLG names the dialog).
BOOL SendChildNotify(const CWnd* pParent, HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
    if (!pChild || pChild == pParent)
        return FALSE;
    LRESULT lResult = 0;
    if (!pChild->OnChildNotify(message, wParam, lParam, &lResult))
        return FALSE;
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

// While UpdateData runs, the controls' notifications to this window are dropped.
class NotifyLockout {
public:
    explicit NotifyLockout(HWND hWnd) : m_state(AfxGetThreadState()), m_hPrevious(m_state->hLockoutNotifyWindow)
    {
        m_state->hLockoutNotifyWindow = hWnd;
    }
    ~NotifyLockout() { m_state->hLockoutNotifyWindow = m_hPrevious; }
    NotifyLockout(const NotifyLockout&) = delete;
    NotifyLockout& operator=(const NotifyLockout&) = delete;

private:
    AFX_THREAD_STATE* m_state;
    HWND m_hPrevious;
};

// Menu search for owner-drawn items: the permanent CMenu of the popup holding the item,
// else of its nearest ancestor that has one. An item is named by its ID (WM_MEASUREITEM)
// or by its menu's handle (WM_DRAWITEM); popup items carry their submenu's handle as ID.
struct MenuItemQuery {
    UINT nItemID;
    HMENU hPopup; // non-null: look for this menu instead of an item ID
};

const int kMaxMenuDepth = 16;

CMenu* FindMenuObject(HMENU hMenu, const MenuItemQuery& query, CMenu* pNearest, int nDepth)
{
    if (CMenu* pMenu = CMenu::FromHandlePermanent(hMenu))
        pNearest = pMenu;
    if (query.hPopup == hMenu)
        return pNearest;
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        const UINT nID = hSub ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(hSub)) : ::GetMenuItemID(hMenu, i);
        if (!query.hPopup && nID == query.nItemID)
            return pNearest;
        if (hSub && nDepth < kMaxMenuDepth) {
            if (CMenu* found = FindMenuObject(hSub, query, pNearest, nDepth + 1))
                return found;
        }
    }
    return nullptr;
}

// Searches the menus a window's owner-drawn item can belong to: the popup it is tracking,
// its menu bar, and the last popup it was told about.
CMenu* FindMenuObjectOf(HWND hWnd, const MenuItemQuery& query)
{
    const AFX_THREAD_STATE* state = AfxGetThreadState();
    const HMENU roots[] = {state->hTrackingWindow == hWnd ? state->hTrackingMenu : nullptr, ::GetMenu(hWnd),
                           state->hLastInitMenu};
    for (HMENU hRoot : roots) {
        if (!hRoot || !::IsMenu(hRoot))
            continue;
        if (CMenu* found = FindMenuObject(hRoot, query, nullptr, 0))
            return found;
    }
    return nullptr;
}

} // namespace

// ---- Construction and the handle map ----

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr), m_hWndOwner(nullptr), m_nFlags(0), m_nModalResult(-1)
{
}

CWnd::CWnd(HWND hWnd) : CWnd()
{
    m_hWnd = hWnd;
}

CWnd::~CWnd()
{
    if (!m_hWnd || FromHandlePermanent(m_hWnd) != this)
        return;
    // The object dies before its window: route the window back to its own procedure first,
    // so that the messages of its destruction do not reach a half-destroyed object.
    HWND hWnd = m_hWnd;
    const bool bDestroy = !(m_nFlags & WF_DESTROYING);
    if (m_pfnSuper && CurrentWndProc(hWnd) == &AfxWndProc)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ForgetMainWindow(this, FALSE);
    Detach();
    if (bDestroy)
        ::DestroyWindow(hWnd);
}

AFX_IMPLEMENT_HANDLE_MAP(CWnd, HWND, WindowMap, &CWnd::m_hWnd)
AFX_IMPLEMENT_HANDLE_OWNERSHIP(CWnd, HWND, WindowMap)

BOOL CWnd::HookWindowProc(HWND hWnd)
{
    const WNDPROC previous = CurrentWndProc(hWnd);
    if (previous == &AfxWndProc) {
        // Already routed through the framework (by another object): nothing to remember.
        return TRUE;
    }
    ::SetLastError(0);
    if (!::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)) && ::GetLastError())
        return FALSE;
    m_pfnSuper = previous;
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    if (HookWindowProc(hWnd))
        return TRUE;
    Detach();
    return FALSE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper && CurrentWndProc(m_hWnd) == &AfxWndProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// ---- The window procedure ----

namespace {

// Result of a message whose handler threw: creation fails, anything else counts as done.
LRESULT AbandonedResult(UINT message)
{
    AfxTrace(L"Exception in the handler of message 0x%04X\n", message);
    return message == WM_CREATE ? -1 : 0;
}

} // namespace

// What the window procedure does to an object beyond dispatching.
class AfxWndProcAccess {
public:
    static void MarkDestroying(CWnd* pWnd) { pWnd->m_nFlags |= WF_DESTROYING; }
    static void FinishNcDestroy(CWnd* pWnd) { pWnd->OnFinalNcDestroy(); }
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);

    AFX_THREAD_STATE* state = AfxGetThreadState();
    const MSG previous = state->lastSentMsg;
    state->lastSentMsg = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    if (message == WM_DESTROY)
        AfxWndProcAccess::MarkDestroying(pWnd);

    // Exceptions must not unwind through the system's frames: they end at the handler.
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    } catch (CException* e) {
        e->Delete();
        lResult = AbandonedResult(message);
    } catch (...) {
        lResult = AbandonedResult(message);
    }

    // The handler may have deleted the object; only a still-attached one is finished off.
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        AfxWndProcAccess::FinishNcDestroy(pWnd);
    state->lastSentMsg = previous;
    return lResult;
}

void CWnd::OnFinalNcDestroy()
{
    if (m_pfnSuper && CurrentWndProc(m_hWnd) == &AfxWndProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    ForgetMainWindow(this, TRUE);
    Detach();
    m_nFlags &= ~WF_DESTROYING;
    if (!(m_nFlags & WF_CREATING))
        PostNcDestroy();
}

// ---- Creation and destruction ----

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, LPVOID lpParam)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd)
        return FALSE;

    CREATESTRUCTW cs = {};
    cs.lpCreateParams = lpParam;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hMenu = nIDorHMenu;
    cs.hwndParent = hWndParent;
    cs.cy = nHeight;
    cs.cx = nWidth;
    cs.y = y;
    cs.x = x;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    if (!PreCreateWindow(cs))
        return FALSE;

    AfxCreationScope scope(this);
    if (!scope.IsReady())
        return FALSE;
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!hWnd && m_hWnd) {
        // Refused after the hook attached it, without the usual WM_NCDESTROY.
        m_pfnSuper = nullptr;
        Detach();
    }
    ASSERT(!hWnd || hWnd == m_hWnd);
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS);
    return cs.lpszClass != nullptr;
}

void CWnd::PreSubclassWindow()
{
}

void CWnd::PostNcDestroy()
{
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    // For a permanent object the window's WM_NCDESTROY detaches it (and may delete it), so
    // no member may be touched afterwards.
    return ::DestroyWindow(m_hWnd);
}

// ---- Dispatch ----

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled = FALSE;
    if (message == WM_COMMAND) {
        bHandled = OnCommand(wParam, lParam);
        lResult = bHandled;
    } else if (message == WM_NOTIFY) {
        const auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        bHandled = pNMHDR && pNMHDR->hwndFrom && OnNotify(wParam, lParam, &lResult);
    } else {
        if (message == WM_INITMENUPOPUP)
            AfxGetThreadState()->hLastInitMenu = reinterpret_cast<HMENU>(wParam);
        HWND hWndChild = ReflectionTarget(m_hWnd, message, wParam, lParam);
        bHandled = hWndChild && SendChildNotify(this, hWndChild, message, wParam, lParam, &lResult);
        if (!bHandled) {
            AFX_MSGCALL call = {message, wParam, lParam, 0, 0, nullptr, 0};
            bHandled = DispatchMessageEntry(MapKey(message), call);
            lResult = call.lResult;
        }
    }
    if (pResult)
        *pResult = lResult;
    return bHandled;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!hWndCtrl) {
        nCode = CN_COMMAND; // menu item or accelerator
    } else {
        if (AfxGetThreadState()->hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (SendChildNotify(this, hWndCtrl, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    LRESULT lLocal = 0;
    if (!pResult)
        pResult = &lLocal;
    if (AfxGetThreadState()->hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (SendChildNotify(this, pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    // The sender's control ID, as the map names it (tooltips report their tool in idFrom).
    const UINT nID = static_cast<UINT>(::GetDlgCtrlID(pNMHDR->hwndFrom));
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(nID, MAKELONG(AFX_NOTIFY_CODE(pNMHDR->code), WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lLocal = 0;
    if (!pResult)
        pResult = &lLocal;
    if (message == WM_COMMAND) {
        const int nCode = MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND);
        if (!CCmdTarget::OnCmdMsg(0, nCode, nullptr, nullptr))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = {pResult, pNMHDR};
        const int nCode = MAKELONG(AFX_NOTIFY_CODE(pNMHDR->code), WM_REFLECT_BASE + WM_NOTIFY);
        return CCmdTarget::OnCmdMsg(0, nCode, &notify, nullptr);
    }
    AFX_MSGCALL call = {message, wParam, lParam, 0, 0, nullptr, 0};
    if (!DispatchMessageEntry(WM_REFLECT_BASE + MapKey(message), call))
        return FALSE;
    *pResult = call.lResult;
    return TRUE;
}

BOOL AFXAPI CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->lastSentMsg;
    return SendChildNotify(FromHandlePermanent(msg.hwnd), hWndChild, msg.message, msg.wParam, msg.lParam, pResult);
}

// ---- Pre-translation ----

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL AFXAPI CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(MSG* pMsg)
{
    const bool bKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    const bool bMouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
    return (bKey || bMouse) && ::IsDialogMessageW(m_hWnd, pMsg);
}

// ---- Data exchange and modal loops ----

void CWnd::DoDataExchange(CDataExchange*)
{
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    NotifyLockout lockout(m_hWnd);
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchange::CFailure&) {
        return FALSE;
    }
    return TRUE;
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bShowOnIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    m_nFlags |= WF_MODALLOOP;
    // A window destroyed while the loop runs ends it too.
    while (m_hWnd && ContinueModal()) {
        MSG msg;
        if (bShowOnIdle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
            bShowOnIdle = FALSE;
        }
        int nExitCode = 0;
        if (!AfxPumpMessage(&nExitCode)) {
            // The thread is quitting: let its own loop see WM_QUIT too.
            ::PostQuitMessage(nExitCode);
            m_nModalResult = -1;
            break;
        }
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        // Wakes the loop when it is waiting in GetMessage.
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
}

// ---- Handlers with framework behaviour ----

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU) {
        HMENU hMenu = reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem);
        CMenu* pMenu = CMenu::FromHandlePermanent(hMenu);
        if (!pMenu)
            pMenu = FindMenuObjectOf(m_hWnd, MenuItemQuery{0, hMenu});
        if (pMenu) {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    }
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU) {
        if (CMenu* pMenu = FindMenuObjectOf(m_hWnd, MenuItemQuery{lpMeasureItemStruct->itemID, nullptr})) {
            pMenu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    }
    Default();
}

void CWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    Default();
    if (!bSysMenu && pPopupMenu)
        CCmdUI::UpdateMenu(pPopupMenu, this);
}
