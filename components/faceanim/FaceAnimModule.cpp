// faceanim.dll: the in-process server's entry points. Registration goes under
// HKEY_LOCAL_MACHINE\Software\Classes, the place both Windows and Wine look for in-process
// servers (Wine does not read classes registered only for the current user).

#include <initguid.h>

#include "FaceAnimator.h"
#include "AnimationClock.h"
#include "FaceAnimFactory.h"
#include "FaceAnimModule.h"

#include <afxlite/AfxScoped.h>

#include <olectl.h>

#include <string>

namespace {

HINSTANCE g_hModule = nullptr;
volatile LONG g_nLocks = 0;

const wchar_t kDescription[] = L"Corvala emoticon animation";
const wchar_t kThreadingModel[] = L"Apartment";

std::wstring ClassKeyPath()
{
    wchar_t clsid[64] = {};
    ::StringFromGUID2(CLSID_FaceAnimator, clsid, 64);
    return std::wstring(L"Software\\Classes\\CLSID\\") + clsid;
}

bool SetString(HKEY hKey, const wchar_t* pszName, const std::wstring& value)
{
    return ::RegSetValueExW(hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool CreateKey(const std::wstring& path, CRegKeyHandle& key)
{
    HKEY hKey = nullptr;
    const LONG result =
        ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr);
    key.Reset(result == ERROR_SUCCESS ? hKey : nullptr);
    return result == ERROR_SUCCESS;
}

std::wstring ModulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(g_hModule, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size())
            return path.substr(0, length);
        path.resize(path.size() * 2);
    }
}

} // namespace

HINSTANCE FaceAnimModule()
{
    return g_hModule;
}

void FaceAnimAddRef()
{
    ::InterlockedIncrement(&g_nLocks);
}

void FaceAnimRelease()
{
    ::InterlockedDecrement(&g_nLocks);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hModule = hInstance;
        ::DisableThreadLibraryCalls(hInstance);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        // A class left registered would point a later load of the module at this one's code.
        CAnimationClock::UnregisterWindowClass(hInstance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (!::IsEqualCLSID(rclsid, CLSID_FaceAnimator))
        return CLASS_E_CLASSNOTAVAILABLE;
    CFaceAnimFactory* pFactory = new CFaceAnimFactory();
    const HRESULT hr = pFactory->QueryInterface(riid, ppv);
    pFactory->Release();
    return hr;
}

STDAPI DllCanUnloadNow()
{
    return g_nLocks == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    const std::wstring path = ModulePath();
    CRegKeyHandle classKey, serverKey;
    if (path.empty() || !CreateKey(ClassKeyPath(), classKey) || !SetString(classKey.Get(), nullptr, kDescription) ||
        !CreateKey(ClassKeyPath() + L"\\InprocServer32", serverKey) || !SetString(serverKey.Get(), nullptr, path) ||
        !SetString(serverKey.Get(), L"ThreadingModel", kThreadingModel))
        return SELFREG_E_CLASS;
    return S_OK;
}

STDAPI DllUnregisterServer()
{
    const LONG result = ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, ClassKeyPath().c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
