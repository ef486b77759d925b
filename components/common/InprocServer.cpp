// The shared module state, class factory and registration of the client's in-process servers.

#include "InprocServer.h"

#include <afxlite/AfxScoped.h>

#include <olectl.h>

#include <string>

namespace {

HINSTANCE g_hModule = nullptr;
volatile LONG g_nLocks = 0;

const wchar_t kThreadingModel[] = L"Apartment";

// Creates objects through the component's creation function; no aggregation.
class CInprocClassFactory final : public IClassFactory {
public:
    explicit CInprocClassFactory(INPROC_CREATE pfnCreate) : m_nRef(1), m_pfnCreate(pfnCreate) { InprocServerAddRef(); }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (!::IsEqualIID(riid, IID_IUnknown) && !::IsEqualIID(riid, IID_IClassFactory)) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRef)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG nRef = ::InterlockedDecrement(&m_nRef);
        if (nRef == 0)
            delete this;
        return static_cast<ULONG>(nRef);
    }
    STDMETHODIMP CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        return pOuter != nullptr ? CLASS_E_NOAGGREGATION : m_pfnCreate(riid, ppv);
    }
    STDMETHODIMP LockServer(BOOL bLock) override
    {
        if (bLock)
            InprocServerAddRef();
        else
            InprocServerRelease();
        return S_OK;
    }

private:
    ~CInprocClassFactory() { InprocServerRelease(); }

    volatile LONG m_nRef;
    INPROC_CREATE m_pfnCreate;
};

std::wstring ClassKeyPath(REFCLSID clsid)
{
    wchar_t text[64] = {};
    ::StringFromGUID2(clsid, text, 64);
    return std::wstring(L"Software\\Classes\\CLSID\\") + text;
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

void InprocServerSetModule(HINSTANCE hInstance)
{
    g_hModule = hInstance;
}

HINSTANCE InprocServerModule()
{
    return g_hModule;
}

void InprocServerAddRef()
{
    ::InterlockedIncrement(&g_nLocks);
}

void InprocServerRelease()
{
    ::InterlockedDecrement(&g_nLocks);
}

HRESULT InprocServerGetClassObject(REFCLSID rclsid, REFCLSID served, INPROC_CREATE pfnCreate, REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (!::IsEqualCLSID(rclsid, served))
        return CLASS_E_CLASSNOTAVAILABLE;
    CInprocClassFactory* pFactory = new CInprocClassFactory(pfnCreate);
    const HRESULT hr = pFactory->QueryInterface(riid, ppv);
    pFactory->Release();
    return hr;
}

HRESULT InprocServerCanUnloadNow()
{
    return g_nLocks == 0 ? S_OK : S_FALSE;
}

HRESULT InprocServerRegister(REFCLSID clsid, const wchar_t* pszDescription)
{
    const std::wstring path = ModulePath();
    const std::wstring classPath = ClassKeyPath(clsid);
    CRegKeyHandle classKey, serverKey;
    if (path.empty() || !CreateKey(classPath, classKey) || !SetString(classKey.Get(), nullptr, pszDescription) ||
        !CreateKey(classPath + L"\\InprocServer32", serverKey) || !SetString(serverKey.Get(), nullptr, path) ||
        !SetString(serverKey.Get(), L"ThreadingModel", kThreadingModel))
        return SELFREG_E_CLASS;
    return S_OK;
}

HRESULT InprocServerUnregister(REFCLSID clsid)
{
    const LONG result = ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, ClassKeyPath(clsid).c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
