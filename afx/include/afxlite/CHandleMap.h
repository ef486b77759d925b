// Maps from Windows handles to the framework objects that wrap them (windows, menus, device
// contexts, GDI objects, image lists). The PERMANENT map is process-wide and holds objects that
// own or have attached their handle; the TEMPORARY map is per thread and holds wrappers that
// FromHandle makes on demand and AfxDeleteTempMaps deletes (at idle time and at thread end).
#pragma once

#include "afxlite/AfxDef.h"

#include <unordered_map>

// Non-template core working on untyped object pointers; CHandleMap<T> below is the typed face.
class AFX_API CHandleMapCore {
public:
    CHandleMapCore(const CHandleMapCore&) = delete;
    CHandleMapCore& operator=(const CHandleMapCore&) = delete;

    // Deletes the calling thread's temporary wrappers of this map.
    void DeleteTemp();

protected:
    CHandleMapCore();
    virtual ~CHandleMapCore();

    void* FromHandleCore(HANDLE h);
    void* LookupPermanentCore(HANDLE h) const;
    void* LookupTemporaryCore(HANDLE h) const;
    void SetPermanentCore(HANDLE h, void* pObject);
    void RemoveHandleCore(HANDLE h);

    // Makes a temporary wrapper holding h (without registering it anywhere).
    virtual void* CreateTempObject(HANDLE h) = 0;
    // Clears the wrapper's handle (so its destructor does not release it) and deletes it.
    virtual void DeleteTempObject(void* pObject) = 0;

private:
    using Map = std::unordered_map<HANDLE, void*>;
    Map* TempMap(bool create) const;

    mutable CRITICAL_SECTION m_lock; // guards m_permanent
    Map m_permanent;
    DWORD m_tlsIndex;                // slot holding this map's temporary Map* per thread
};

// A handle map for wrapper class T. The two functions make and delete temporary wrappers:
// create returns a new T with its handle member set, destroy clears that member and deletes.
template <class T>
class CHandleMap final : public CHandleMapCore {
public:
    using CreateFn = T* (*)(HANDLE h);
    using DestroyFn = void (*)(T* pObject);

    CHandleMap(CreateFn create, DestroyFn destroy) : m_create(create), m_destroy(destroy) {}
    ~CHandleMap() override { DeleteTemp(); }

    // The permanent object of h, else the thread's temporary one, else a new temporary wrapper;
    // null for a null handle.
    T* FromHandle(HANDLE h) { return static_cast<T*>(FromHandleCore(h)); }
    T* LookupPermanent(HANDLE h) const { return static_cast<T*>(LookupPermanentCore(h)); }
    T* LookupTemporary(HANDLE h) const { return static_cast<T*>(LookupTemporaryCore(h)); }
    // Attach: the object now stands for h in every thread. Detach: forget it.
    void SetPermanent(HANDLE h, T* pObject) { SetPermanentCore(h, pObject); }
    void RemoveHandle(HANDLE h) { RemoveHandleCore(h); }

private:
    void* CreateTempObject(HANDLE h) override { return m_create(h); }
    void DeleteTempObject(void* pObject) override { m_destroy(static_cast<T*>(pObject)); }

    CreateFn m_create;
    DestroyFn m_destroy;
};

// Deletes the calling thread's temporary wrappers in every handle map. Pointers obtained from
// FromHandle (and returned by SelectObject) are invalid afterwards.
AFX_API void AFXAPI AfxDeleteTempMaps();
