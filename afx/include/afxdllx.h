// For the DllMain of an extension library (a DLL built on the framework with _AFXEXT):
//
//     static AFX_EXTENSION_MODULE extensionModule;
//     extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
//     {
//         if (dwReason == DLL_PROCESS_ATTACH) {
//             if (!AfxInitExtensionModule(extensionModule, hInstance))
//                 return FALSE;
//             new CDynLinkLibrary(extensionModule); // joins the resource chain
//         } else if (dwReason == DLL_PROCESS_DETACH) {
//             AfxTermExtensionModule(extensionModule); // leaves it
//         }
//         return TRUE;
//     }
//
// The library's run-time classes need no such step: IMPLEMENT_DYNAMIC registers them in the
// process-wide class list while the library's static objects are built, and they leave it
// when the library unloads, so CRuntimeClass::FromName finds them exactly while it is loaded.
#pragma once

#include "afxwin.h"
