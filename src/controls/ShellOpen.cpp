// The shell seam: every address or file the library opens goes through VoShellExecuteEx.
#include <ShellOpen.h>

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
