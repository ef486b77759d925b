// transfile.dll: the in-process server's entry points.

#include <initguid.h>

#include "TransFile.h"
#include "TransFileObject.h"

#include "../common/InprocServer.h"

namespace {

const wchar_t kDescription[] = L"Corvala file transfer";

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        InprocServerSetModule(hInstance);
        ::DisableThreadLibraryCalls(hInstance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    return InprocServerGetClassObject(rclsid, CLSID_TransFile, &CTransFileObject::Create, riid, ppv);
}

STDAPI DllCanUnloadNow()
{
    return InprocServerCanUnloadNow();
}

STDAPI DllRegisterServer()
{
    return InprocServerRegister(CLSID_TransFile, kDescription);
}

STDAPI DllUnregisterServer()
{
    return InprocServerUnregister(CLSID_TransFile);
}
