// Scoped owners of kernel-side resources, shared by the framework, the library and its hosts;
// the drawing guards are in AfxGdiScoped.h. Classes in this file:
//   CScopedHandle<Traits>  an owned handle released through its traits; move-only
//     CKernelHandle        files, events, threads, mutexes (CloseHandle)
//     CFindHandle          a file search (FindClose)
//     CRegKeyHandle        an open registry key (RegCloseKey)
//     CSocketHandle        a Winsock socket (closesocket)
//     CGlobalMemory        a memory block from GlobalAlloc (GlobalFree)
//   CGlobalMemoryLock      a memory block's bytes locked for the scope (GlobalLock)
//   CComApartment          COM initialised on the current thread for the scope
//   CCriticalSectionLock   a critical section held for the scope
//   CScopeExit             an action run when the scope ends
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

// An owned handle, released through Traits::Close when replaced or destroyed. Null (0) and
// INVALID_HANDLE_VALUE (INVALID_SOCKET) both mean "no handle": CreateFile and FindFirstFile
// fail with the one, most other functions with the other. Move-only: exactly one owner releases a handle.
//     CKernelHandle file(::CreateFileW(...));
//     if (!file) return false;
template <class Traits>
class CScopedHandle {
public:
    using Handle = typename Traits::Handle;

    CScopedHandle() = default;
    explicit CScopedHandle(Handle h) : m_h(h) {}
    ~CScopedHandle() { Reset(); }

    CScopedHandle(CScopedHandle&& other) noexcept : m_h(other.Release()) {}
    CScopedHandle& operator=(CScopedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    CScopedHandle(const CScopedHandle&) = delete;
    CScopedHandle& operator=(const CScopedHandle&) = delete;

    static bool IsEmpty(Handle h) { return h == Handle() || reinterpret_cast<HANDLE>(h) == INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return !IsEmpty(m_h); }
    Handle Get() const { return m_h; }

    // Releases the handle held (if any) and takes h.
    void Reset(Handle h = Handle())
    {
        const Handle old = m_h;
        m_h = h;
        if (!IsEmpty(old))
            Traits::Close(old);
    }
    // Gives the handle up without releasing it; the caller owns it now.
    [[nodiscard]] Handle Release()
    {
        const Handle h = m_h;
        m_h = Handle();
        return h;
    }

private:
    Handle m_h = Handle();
};

struct CKernelHandleTraits {
    using Handle = HANDLE;
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct CFindHandleTraits {
    using Handle = HANDLE;
    static void Close(HANDLE h) { ::FindClose(h); }
};
struct CRegKeyHandleTraits {
    using Handle = HKEY;
    static void Close(HKEY h) { ::RegCloseKey(h); }
};
// SOCKET comes with windows.h (its winsock.h); closing needs ws2_32.
struct CSocketHandleTraits {
    using Handle = SOCKET;
    static void Close(SOCKET s) { ::closesocket(s); }
};
struct CGlobalMemoryTraits {
    using Handle = HGLOBAL;
    static void Close(HGLOBAL h) { ::GlobalFree(h); }
};
using CKernelHandle = CScopedHandle<CKernelHandleTraits>;
using CFindHandle = CScopedHandle<CFindHandleTraits>;
using CRegKeyHandle = CScopedHandle<CRegKeyHandleTraits>;
using CSocketHandle = CScopedHandle<CSocketHandleTraits>;
using CGlobalMemory = CScopedHandle<CGlobalMemoryTraits>;

// The bytes of a memory block from GlobalAlloc, locked for the lifetime of the object. Data() is
// null when the block is null or cannot be locked.
class CGlobalMemoryLock {
public:
    explicit CGlobalMemoryLock(HGLOBAL hGlobal)
        : m_hGlobal(hGlobal), m_pData(hGlobal ? static_cast<BYTE*>(::GlobalLock(hGlobal)) : nullptr)
    {
    }
    ~CGlobalMemoryLock()
    {
        if (m_pData != nullptr)
            ::GlobalUnlock(m_hGlobal);
    }
    CGlobalMemoryLock(const CGlobalMemoryLock&) = delete;
    CGlobalMemoryLock& operator=(const CGlobalMemoryLock&) = delete;

    BYTE* Data() const { return m_pData; }

private:
    HGLOBAL m_hGlobal;
    BYTE* m_pData;
};

// COM initialised on the current thread for the lifetime of the object, so that code can create
// COM objects whether or not its caller initialised COM. Nested inside the caller's own
// initialisation it only adds and removes a reference; on a thread already in the other
// apartment kind it does nothing (RPC_E_CHANGED_MODE) and COM stays usable.
class CComApartment {
public:
    explicit CComApartment(DWORD dwCoInit = COINIT_APARTMENTTHREADED) : m_hr(::CoInitializeEx(nullptr, dwCoInit)) {}
    ~CComApartment()
    {
        if (SUCCEEDED(m_hr)) // S_OK and S_FALSE both need their CoUninitialize
            ::CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

    // Whether COM can be used on this thread now (initialised here or before).
    bool IsUsable() const { return SUCCEEDED(m_hr) || m_hr == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_hr;
};

// A critical section entered for the lifetime of the object.
class CCriticalSectionLock {
public:
    explicit CCriticalSectionLock(CRITICAL_SECTION& cs) : m_cs(cs) { ::EnterCriticalSection(&m_cs); }
    ~CCriticalSectionLock() { ::LeaveCriticalSection(&m_cs); }
    CCriticalSectionLock(const CCriticalSectionLock&) = delete;
    CCriticalSectionLock& operator=(const CCriticalSectionLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};

// Runs an action when the scope ends, however it ends.
//     CScopeExit restore([&] { SetActiveRequest(nullptr); });
template <class Action>
class CScopeExit {
public:
    explicit CScopeExit(Action action) : m_action(std::move(action)) {}
    ~CScopeExit() { m_action(); }
    CScopeExit(const CScopeExit&) = delete;
    CScopeExit& operator=(const CScopeExit&) = delete;

private:
    Action m_action;
};
