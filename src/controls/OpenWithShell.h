// Opening an address or a file with the shell's "open" verb, as the controls do it.
#pragma once

#include <windows.h>

// Opens lpszFile for hWnd through the library's shell seam, without the shell's own error
// messages; TRUE when the shell opened it. phInstApp, when given, receives the shell's result
// code (above 32 on success, an SE_ERR_ code otherwise).
BOOL OpenWithShell(HWND hWnd, LPCTSTR lpszFile, int nShowCmd, HINSTANCE* phInstApp = nullptr);
