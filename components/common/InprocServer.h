// What every in-process COM server of the client shares: its module handle, the count of live
// objects and server locks that DllCanUnloadNow answers from, the class factory, and the
// registration below HKEY_LOCAL_MACHINE\Software\Classes, the place both Windows and Wine look
// for in-process servers (Wine does not read classes registered only for the current user).
// Each component compiles this file into its own DLL, so each has its own module state.
#pragma once

#include <unknwn.h>

// Makes one object of the component and queries riid on it.
typedef HRESULT (*INPROC_CREATE)(REFIID riid, void** ppv);

// Called from DllMain on process attach.
void InprocServerSetModule(HINSTANCE hInstance);
HINSTANCE InprocServerModule();
// Every live object and factory holds the module once.
void InprocServerAddRef();
void InprocServerRelease();

// The bodies of the four entry points for a component that serves one class.
HRESULT InprocServerGetClassObject(REFCLSID rclsid, REFCLSID served, INPROC_CREATE pfnCreate, REFIID riid, void** ppv);
HRESULT InprocServerCanUnloadNow();
HRESULT InprocServerRegister(REFCLSID clsid, const wchar_t* pszDescription);
HRESULT InprocServerUnregister(REFCLSID clsid);
