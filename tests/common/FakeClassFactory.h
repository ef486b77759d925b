// Fake COM objects a test serves from its own process (CoRegisterClassObject in place of a
// registered server): CFakeComObject counts the references of one object and the objects of its
// class alive; CFakeClassFactory makes a new T for each request.
#pragma once

#include <objbase.h>

// The reference counting of fake T implementing interface I: it starts with one reference and
// deletes itself at none. s_nLive tells whether the code under test released what it was given.
template <class T, class I>
class CFakeComObject : public I {
public:
    static inline LONG s_nLive = 0;

    CFakeComObject() { ++s_nLive; }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG nRefs = --m_nRefs;
        if (nRefs == 0)
            delete this;
        return nRefs;
    }

protected:
    virtual ~CFakeComObject() { --s_nLive; }

private:
    ULONG m_nRefs = 1;
};

// The factory lives on the test's stack, so it counts no references of its own; each new T
// starts with one reference.

template <class T>
class CFakeClassFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IClassFactory)
            return E_NOINTERFACE;
        *ppv = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (pOuter != nullptr)
            return CLASS_E_NOAGGREGATION;
        T* pObject = new T;
        const HRESULT hr = pObject->QueryInterface(riid, ppv);
        pObject->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};
