// faceanim.dll: the in-process server's entry points.

#include <initguid.h>

#include "FaceAnimator.h"
#include "AnimationClock.h"
#include "FaceAnimModule.h"
#include "FaceAnimObject.h"

namespace {

const wchar_t kDescription[] = L"Corvala emoticon animation";

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        InprocServerSetModule(hInstance);
        ::DisableThreadLibraryCalls(hInstance);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        // A class left registered would point a later load of the module at this one's code.
        CAnimationClock::UnregisterWindowClass(hInstance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    return InprocServerGetClassObject(rclsid, CLSID_FaceAnimator, &CFaceAnimObject::Create, riid, ppv);
}

STDAPI DllCanUnloadNow()
{
    return InprocServerCanUnloadNow();
}

STDAPI DllRegisterServer()
{
    return InprocServerRegister(CLSID_FaceAnimator, kDescription);
}

STDAPI DllUnregisterServer()
{
    return InprocServerUnregister(CLSID_FaceAnimator);
}
