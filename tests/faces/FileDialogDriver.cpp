// CFileDialogDriver: answers a common file dialog from a hook.
#include "FileDialogDriver.h"

#include <dlgs.h>

thread_local CFileDialogDriver* CFileDialogDriver::s_pCurrent = nullptr;

CFileDialogDriver::CFileDialogDriver(const wchar_t* fileName)
    : m_hHook(nullptr), m_hMessageHook(nullptr), m_hDialog(nullptr), m_strFileName(fileName ? fileName : L""), m_bCancel(fileName == nullptr),
      m_bAnswered(false)
{
    m_hHook = ::SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, ::GetCurrentThreadId());
    m_hMessageHook = ::SetWindowsHookExW(WH_GETMESSAGE, &GetMessageProc, nullptr, ::GetCurrentThreadId());
    s_pCurrent = this;
}

CFileDialogDriver::~CFileDialogDriver()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
    if (m_hMessageHook)
        ::UnhookWindowsHookEx(m_hMessageHook);
    s_pCurrent = nullptr;
}

LRESULT CALLBACK CFileDialogDriver::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    CFileDialogDriver* driver = s_pCurrent;
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (driver && code == HCBT_ACTIVATE && !driver->m_bAnswered) {
        wchar_t className[32] = {};
        ::GetClassNameW(hWnd, className, 32);
        if (lstrcmpW(className, L"#32770") == 0)
            driver->Answer(hWnd);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CFileDialogDriver::GetMessageProc(int code, WPARAM wParam, LPARAM lParam)
{
    // The lists are filled after activation and emptied when the dialog ends, so they are read
    // when the posted answer is taken from the queue.
    CFileDialogDriver* driver = s_pCurrent;
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (driver && code == HC_ACTION && wParam == PM_REMOVE && msg->hwnd == driver->m_hDialog
        && msg->message == WM_COMMAND)
        driver->ReadFirstFileType();
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CFileDialogDriver::ReadFirstFileType()
{
    HWND types = ::GetDlgItem(m_hDialog, cmb1);
    int length = types ? static_cast<int>(::SendMessageW(types, CB_GETLBTEXTLEN, 0, 0)) : CB_ERR;
    if (length > 0) {
        ::SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(m_strFirstFileType.GetBuffer(length + 1)));
        m_strFirstFileType.ReleaseBuffer();
    }
}

void CFileDialogDriver::Answer(HWND hDialog)
{
    m_bAnswered = true;
    m_hDialog = hDialog;
    if (m_bCancel) {
        ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    // The name box is cmb13 in the Explorer-style template and edt1 in older ones.
    ::SetDlgItemTextW(hDialog, cmb13, m_strFileName);
    ::SetDlgItemTextW(hDialog, edt1, m_strFileName);
    ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
