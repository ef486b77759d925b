// Drives a modal dialog or a popup menu like a user: a thread timer, running inside the dialog's
// or the menu's own message loop, waits until a window of that kind (the dialog class "#32770",
// the popup menu class "#32768") is shown on the thread and acts on it.
#pragma once

#include <windows.h>
#include <dlgs.h>

#include <functional>
#include <string>

namespace dialog_script {

inline std::function<void(HWND)>& Current()
{
    static std::function<void(HWND)> script;
    return script;
}

inline constexpr wchar_t kDialogClass[] = L"#32770";
inline constexpr wchar_t kPopupMenuClass[] = L"#32768";

// The window class the running script waits for.
inline const wchar_t*& WantedClass()
{
    static const wchar_t* wanted = kDialogClass;
    return wanted;
}

// The timer that ends a menu a script left open.
inline UINT_PTR& EndMenuTimer()
{
    static UINT_PTR timer = 0;
    return timer;
}

// Input a script sends is handled after it returns, so an open menu is ended only a while later.
const UINT kEndMenuDelayMs = 300;

inline void CALLBACK EndOpenMenu(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(nullptr, nIDEvent);
    EndMenuTimer() = 0;
    ::EndMenu();
}

inline BOOL CALLBACK FindShownWindow(HWND hWnd, LPARAM lParam)
{
    wchar_t className[16] = {};
    if (!::IsWindowVisible(hWnd) || !::GetClassNameW(hWnd, className, 16) || lstrcmpW(className, WantedClass()) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

inline void CALLBACK Act(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hWindow = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindShownWindow, reinterpret_cast<LPARAM>(&hWindow));
    if (hWindow == nullptr)
        return;
    ::KillTimer(nullptr, nIDEvent);
    Current()(hWindow);
    if (!::IsWindow(hWindow) || !::IsWindowVisible(hWindow))
        return;
    // A script that leaves the window open ends it as Cancel or Escape would.
    if (lstrcmpW(WantedClass(), kPopupMenuClass) == 0)
        EndMenuTimer() = ::SetTimer(nullptr, 0, kEndMenuDelayMs, EndOpenMenu);
    else
        ::PostMessageW(hWindow, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

template <class RunModal>
auto RunScript(RunModal runModal, const wchar_t* wantedClass, const std::function<void(HWND)>& script)
{
    Current() = script;
    WantedClass() = wantedClass;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 20, Act);
    const auto result = runModal();
    ::KillTimer(nullptr, nTimer);
    if (EndMenuTimer() != 0)
        ::KillTimer(nullptr, EndMenuTimer());
    EndMenuTimer() = 0;
    return result;
}

} // namespace dialog_script

// Runs runModal (which shows a modal dialog and returns its result); script acts on the dialog
// once it is shown.
template <class RunModal>
auto RunDialogScript(RunModal runModal, const std::function<void(HWND)>& script)
{
    return dialog_script::RunScript(runModal, dialog_script::kDialogClass, script);
}

// Runs runTracking (which opens a popup menu and returns when it closes); script acts on the
// menu's window once it is shown.
template <class RunTracking>
auto RunMenuScript(RunTracking runTracking, const std::function<void(HWND)>& script)
{
    return dialog_script::RunScript(runTracking, dialog_script::kPopupMenuClass, script);
}

inline void ClickButton(HWND hDialog, int nID)
{
    ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}

// What the user saw in a file dialog.
struct FileDialogSeen {
    bool bShown = false;
    std::wstring strFirstFileType;
    std::wstring strProposedName;
};

// The user of an Open or Save As dialog reads the first file type and the proposed name, types
// fileName and presses OK, or presses Cancel when bCancel. The name box is cmb13 in the
// Explorer-style template and edt1 in older ones.
inline std::function<void(HWND)> AnswerFileDialog(const std::wstring& fileName, bool bCancel, FileDialogSeen& seen)
{
    return [=, &seen](HWND hDialog) {
        seen.bShown = true;
        wchar_t text[MAX_PATH] = {};
        if (::SendDlgItemMessageW(hDialog, cmb1, CB_GETLBTEXTLEN, 0, 0) < MAX_PATH)
            ::SendDlgItemMessageW(hDialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
        seen.strFirstFileType = text;
        const int nNameBox = ::GetDlgItem(hDialog, cmb13) != nullptr ? cmb13 : edt1;
        text[0] = L'\0';
        ::GetDlgItemTextW(hDialog, nNameBox, text, MAX_PATH);
        seen.strProposedName = text;
        ::SetDlgItemTextW(hDialog, cmb13, fileName.c_str());
        ::SetDlgItemTextW(hDialog, edt1, fileName.c_str());
        ClickButton(hDialog, bCancel ? IDCANCEL : IDOK);
    };
}
