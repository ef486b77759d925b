// Opening an address or a file of the chat view with the shell, through the library's shell
// seam (VoShellExecuteEx): no verb, no parameters, SW_SHOWDEFAULT.
#pragma once

#include <windows.h>

BOOL ChatShellOpen(const wchar_t* pszFile);
