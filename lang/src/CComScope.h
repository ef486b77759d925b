// CComScope: COM initialised (apartment-threaded) on the current thread for the lifetime of
// the object, so that code can create COM objects whether or not its caller initialised COM.
// Nested inside the caller's own initialisation it only adds and removes a reference; on a
// thread already in the multithreaded apartment it does nothing and COM stays usable.
#pragma once

#include <objbase.h>

class CComScope
{
public:
    CComScope() : m_hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~CComScope()
    {
        if (SUCCEEDED(m_hr))  // S_OK and S_FALSE both need their CoUninitialize
            CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

private:
    HRESULT m_hr;
};
