// Module state of the framework: the application's instance and resource handles, the
// application object, and the resource search over the chain of extension libraries
// (CDynLinkLibrary). Everything that loads a resource by name asks AfxFindResourceHandle.
#pragma once

#include "afxlite/AfxDef.h"

class CWinApp;

// Resource type of toolbar button layouts (searched like any other type).
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

// One record per extension library, filled by AfxInitExtensionModule in its DllMain.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

// Instance handle of the executable (set by AfxWinInit; until then the process's exe module).
AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance);

// Module searched first for resources (defaults to the instance handle).
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hResource);

// Module of afxlite.dll itself (searched last).
AFX_API HINSTANCE AFXAPI AfxGetFrameworkHandle();

// The application object, or null when the process has none (e.g. a test program).
AFX_API CWinApp* AFXAPI AfxGetApp();

// Finds the module holding resource lpszName of type lpszType: the application's resource
// handle first, then each extension library of the chain (newest first), then afxlite
// itself. When nobody has it, returns the application's resource handle, so that the
// caller's load then fails the ordinary way.
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// Same search for string nID: the first module whose string table has a non-empty string nID.
AFX_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);

// Extension library support (see afxdllx.h). AfxInitExtensionModule fills the record (FALSE
// for a null module); AfxTermExtensionModule removes and deletes the CDynLinkLibrary objects
// of the record's module, or of every module when bAll is TRUE.
AFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
AFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
