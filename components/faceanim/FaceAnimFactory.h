// CFaceAnimFactory: the class factory of faceanim.dll; makes CFaceAnimObject instances.
#pragma once

#include <unknwn.h>

class CFaceAnimFactory final : public IClassFactory {
public:
    CFaceAnimFactory();

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL bLock) override;

private:
    ~CFaceAnimFactory();
    volatile LONG m_nRef;
};
