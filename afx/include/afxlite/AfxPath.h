// File names: the file name and folder of a module, and the check of a name built from outside
// text before it is joined to a folder.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CString.h"

// The full file name of hModule (the executable for null), however long; empty when it cannot
// be read.
AFX_API CString AFXAPI AfxGetModuleFileName(HMODULE hModule);
// The folder of that file name, without the trailing backslash ("C:\Prog" for
// C:\Prog\client.exe); empty when it cannot be read.
AFX_API CString AFXAPI AfxGetModuleFolder(HMODULE hModule);
// The file name of hModule without folder and extension ("client"); empty when it cannot be
// read.
AFX_API CString AFXAPI AfxGetModuleBaseName(HMODULE hModule);

// Whether lpszName stays one file or folder name directly below the folder it is joined to:
// not empty, not dots only, free of path separators, drive or stream colons, wildcards, quotes,
// angle brackets, pipes and control characters, and no reserved device name (CON, PRN, AUX,
// NUL, COM0-COM9, LPT0-LPT9, CONIN$, CONOUT$ in any case, with or without an extension), which
// the system would open as the device instead of a file.
AFX_API BOOL AFXAPI AfxIsPlainFileName(LPCTSTR lpszName);

// Whether lpszPath names an existing folder: a write aimed at it as a file stores nothing.
AFX_API BOOL AFXAPI AfxIsFolder(LPCTSTR lpszPath);
