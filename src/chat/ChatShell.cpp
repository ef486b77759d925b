// The chat view's one call of the shell seam.
#include "chat/ChatShell.h"

#include <ShellOpen.h>

BOOL ChatShellOpen(const wchar_t* pszFile)
{
    if (pszFile == nullptr || *pszFile == L'\0')
        return FALSE;
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = pszFile;
    info.nShow = SW_SHOWDEFAULT;
    return VoShellExecuteEx(&info);
}
