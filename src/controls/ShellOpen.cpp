// The shell seam: every address or file the library opens goes through VoShellExecuteEx.
#include <ShellOpen.h>

#include "OpenWithShell.h"
#include "controls/ControlsGlobals.h"

VO_SHELLEXECUTEEX VoSetShellExecuteEx(VO_SHELLEXECUTEEX pfnShellExecuteEx)
{
    const VO_SHELLEXECUTEEX pfnPrevious = g_pfnShellExecuteEx;
    g_pfnShellExecuteEx = pfnShellExecuteEx;
    return pfnPrevious;
}

BOOL VoShellExecuteEx(SHELLEXECUTEINFOW* pInfo)
{
    if (pInfo == nullptr)
        return FALSE;
    return g_pfnShellExecuteEx ? g_pfnShellExecuteEx(pInfo) : ::ShellExecuteExW(pInfo);
}

BOOL OpenWithShell(HWND hWnd, LPCTSTR lpszFile, int nShowCmd, HINSTANCE* phInstApp)
{
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = hWnd;
    info.lpVerb = L"open";
    info.lpFile = lpszFile;
    info.nShow = nShowCmd;
    const BOOL bOpened = VoShellExecuteEx(&info);
    if (phInstApp != nullptr)
        *phInstApp = info.hInstApp;
    return bOpened;
}
