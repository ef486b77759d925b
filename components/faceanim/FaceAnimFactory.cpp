// CFaceAnimFactory: creates emoticon objects; no aggregation.

#include "FaceAnimFactory.h"

#include "FaceAnimModule.h"
#include "FaceAnimObject.h"

CFaceAnimFactory::CFaceAnimFactory() : m_nRef(1)
{
    FaceAnimAddRef();
}

CFaceAnimFactory::~CFaceAnimFactory()
{
    FaceAnimRelease();
}

STDMETHODIMP CFaceAnimFactory::QueryInterface(REFIID riid, void** ppv)
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

STDMETHODIMP_(ULONG) CFaceAnimFactory::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) CFaceAnimFactory::Release()
{
    const LONG nRef = ::InterlockedDecrement(&m_nRef);
    if (nRef == 0)
        delete this;
    return static_cast<ULONG>(nRef);
}

STDMETHODIMP CFaceAnimFactory::CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (pOuter != nullptr)
        return CLASS_E_NOAGGREGATION;
    CFaceAnimObject* pObject = new CFaceAnimObject();
    const HRESULT hr = pObject->QueryInterface(riid, ppv);
    pObject->Release();
    return hr;
}

STDMETHODIMP CFaceAnimFactory::LockServer(BOOL bLock)
{
    if (bLock)
        FaceAnimAddRef();
    else
        FaceAnimRelease();
    return S_OK;
}
