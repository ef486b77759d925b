// Drives a modal dialog like a user: a thread timer, running inside the dialog's own message
// loop, waits until a dialog of the thread is shown and acts on it through its controls.
#pragma once

#include <windows.h>

#include <functional>

namespace dialog_script {

inline std::function<void(HWND)>& Current()
{
    static std::function<void(HWND)> script;
    return script;
}

inline BOOL CALLBACK FindShownDialog(HWND hWnd, LPARAM lParam)
{
    wchar_t className[16] = {};
    if (!::IsWindowVisible(hWnd) || !::GetClassNameW(hWnd, className, 16) || lstrcmpW(className, L"#32770") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

inline void CALLBACK Act(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hDialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindShownDialog, reinterpret_cast<LPARAM>(&hDialog));
    if (hDialog == nullptr)
        return;
    ::KillTimer(nullptr, nIDEvent);
    Current()(hDialog);
    // A script that leaves the dialog open ends it as the Cancel button would.
    if (::IsWindow(hDialog) && ::IsWindowVisible(hDialog))
        ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

} // namespace dialog_script

// Runs runModal (which shows a modal dialog and returns its result); script acts on the dialog
// once it is shown.
template <class RunModal>
auto RunDialogScript(RunModal runModal, const std::function<void(HWND)>& script)
{
    dialog_script::Current() = script;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 20, dialog_script::Act);
    const auto result = runModal();
    ::KillTimer(nullptr, nTimer);
    return result;
}

inline void ClickButton(HWND hDialog, int nID)
{
    ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}
