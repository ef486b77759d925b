// Module state of the framework: the application's instance and resource handles, the
// chain of extension libraries (CDynLinkLibrary) and the resource search over that chain.
// Everything that loads a resource by name (strings, dialogs, bitmaps, menus...) asks here.
#pragma once

#include <afxlite/AfxDef.h>

#include <windows.h>

class CWinApp;
class CDynLinkLibrary;
class CRuntimeClass;

// One record per extension library, filled by AfxInitExtensionModule in its DllMain.
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

// Instance handle of the executable (set by AfxWinInit, else the process's exe module).
AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance);

// Module searched first for resources (defaults to the instance handle).
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hResource);

// Module of afxlite.dll itself (searched last).
AFX_API HINSTANCE AFXAPI AfxGetFrameworkHandle();

// The application object, or nullptr when the process has none (e.g. a test exe).
AFX_API CWinApp* AFXAPI AfxGetApp();

// Finds the module holding resource lpszName of type lpszType: the application's resource
// handle first, then each extension library in the chain, then afxlite itself. Returns the
// application's resource handle when nobody has it (the following load then fails normally).
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// Same search for string nID (its RT_STRING block).
AFX_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);

// Extension library support (see afxdllx.h).
AFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
AFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
