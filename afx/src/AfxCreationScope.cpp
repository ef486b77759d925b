// The creation hook behind CWnd::CreateEx and dialog creation.
#include "AfxCreationScope.h"

#include "AfxThreadState.h"
#include "afxlite/CWnd.h"

namespace {

// Windows the system creates on its own while an application window is being created
// (the input method windows) must not be taken for the application's window.
bool IsSystemHelperWindow(HWND hWnd)
{
    wchar_t name[32] = L"";
    if (!::GetClassNameW(hWnd, name, 32))
        return false;
    return lstrcmpiW(name, L"IME") == 0 || lstrcmpiW(name, L"MSCTFIME UI") == 0;
}

} // namespace

AfxCreationScope::AfxCreationScope(CWnd* pWnd)
    : m_pWnd(pWnd), m_pPreviousInit(nullptr), m_bInstalledHook(FALSE), m_bReady(FALSE)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (!state->hHookCbt) {
        state->hHookCbt = ::SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, ::GetCurrentThreadId());
        if (!state->hHookCbt)
            return;
        m_bInstalledHook = TRUE;
    }
    m_pPreviousInit = state->pWndInit;
    state->pWndInit = pWnd;
    pWnd->m_nFlags |= WF_CREATING;
    m_bReady = TRUE;
}

AfxCreationScope::~AfxCreationScope()
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (m_bReady) {
        m_pWnd->m_nFlags &= ~WF_CREATING;
        state->pWndInit = m_pPreviousInit;
    }
    if (m_bInstalledHook) {
        ::UnhookWindowsHookEx(state->hHookCbt);
        state->hHookCbt = nullptr;
    }
}

LRESULT CALLBACK AfxCreationScope::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (nCode == HCBT_CREATEWND && state->pWndInit) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (!IsSystemHelperWindow(hWnd)) {
            CWnd* pWnd = state->pWndInit;
            state->pWndInit = nullptr;
            // A nonzero answer cancels the creation: better than a window without its object.
            if (!pWnd->SubclassWindow(hWnd))
                return 1;
        }
    }
    return ::CallNextHookEx(state->hHookCbt, nCode, wParam, lParam);
}
