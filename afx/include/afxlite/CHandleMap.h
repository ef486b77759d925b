// Maps from Windows handles to the framework objects that wrap them, and the one implementation
// of handle ownership every wrapper class uses (windows, menus, device contexts, GDI objects,
// image lists). The PERMANENT map is process-wide and holds objects that own or have attached
// their handle; the TEMPORARY map is per thread and holds wrappers that FromHandle makes on
// demand and AfxDeleteTempMaps deletes (at idle time and at thread end).
//
// Ownership rules, the same for every wrapper class:
// - Attach refuses a null handle (FALSE: the creation that should have given it failed).
// - Attach over a handle the object already holds, and Attach of a handle another object has
//   attached, are misuse: ASSERT in debug builds, FALSE otherwise, and nothing changes.
// - Detach gives the handle up and forgets the object; Detach of an object that holds no
//   handle is misuse (ASSERT in debug builds, null otherwise).
//
// Lifetime: each wrapper class keeps one map, made on first use inside afxlite.dll and never
// destroyed, so objects of any module may still detach while the process's modules unload.
#pragma once

#include "afxlite/AfxDef.h"

#include <unordered_map>

// Non-template core working on untyped object pointers; CHandleMap below is the typed face.
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
    // Enters pObject as the permanent object of h unless h has one already.
    bool AddPermanentCore(HANDLE h, void* pObject);
    // Forgets h when pObject is its permanent object.
    void RemovePermanentCore(HANDLE h, void* pObject);

    // Makes a temporary wrapper holding h (without registering it anywhere).
    virtual void* CreateTempObject(HANDLE h) = 0;
    // Clears the wrapper's handle (so its destructor does not release it) and deletes it.
    virtual void DeleteTempObject(void* pObject) = 0;

private:
    using Map = std::unordered_map<HANDLE, void*>;
    Map* TempMap(bool create) const;

    mutable CRITICAL_SECTION m_lock; // guards m_permanent
    Map m_permanent;
    DWORD m_tlsIndex; // slot holding this map's temporary Map* per thread
};

// The handle map of wrapper class T, whose handle member is Handle (of type H). Mirror, when
// given, is a second member that always holds the same handle (CDC's attribute DC).
// Temporary wrappers are default-constructed T objects with the handle stored.
template <class T, class H, H T::*Handle, H T::*Mirror = nullptr>
class CHandleMap final : public CHandleMapCore {
public:
    CHandleMap() = default;
    ~CHandleMap() override { DeleteTemp(); }

    // The permanent object of h, else the thread's temporary one, else a new temporary wrapper;
    // null for a null handle.
    T* FromHandle(H h) { return static_cast<T*>(FromHandleCore(h)); }
    // Only the permanent (attached) object; null for a handle without one.
    T* FromHandlePermanent(H h) const { return h ? static_cast<T*>(LookupPermanentCore(h)) : nullptr; }
    T* LookupTemporary(H h) const { return static_cast<T*>(LookupTemporaryCore(h)); }

    // object now stands for h in every thread (see the ownership rules above).
    BOOL Attach(T& object, H h)
    {
        ASSERT(object.*Handle == nullptr); // attach over a held handle
        if (object.*Handle != nullptr || h == nullptr)
            return FALSE;
        const bool bAdded = AddPermanentCore(h, &object);
        ASSERT(bAdded); // the handle belongs to another object
        if (!bAdded)
            return FALSE;
        Store(object, h);
        return TRUE;
    }

    // Attach of a handle just made by a creation function: a handle that cannot be attached is
    // released with release (DeleteObject, DestroyMenu ...), so a failed Create leaks nothing.
    template <class Release>
    BOOL AttachCreated(T& object, H h, Release release)
    {
        if (h != nullptr && Attach(object, h))
            return TRUE;
        if (h != nullptr)
            release(h);
        return FALSE;
    }

    // object holds h without standing for it: for handles the system shares among all who ask
    // (stock objects), which any number of objects may hold at once.
    BOOL AttachShared(T& object, H h)
    {
        ASSERT(object.*Handle == nullptr); // attach over a held handle
        if (object.*Handle != nullptr || h == nullptr)
            return FALSE;
        Store(object, h);
        return TRUE;
    }

    // object gives its handle up; the handle is returned.
    H Detach(T& object)
    {
        const H h = object.*Handle;
        ASSERT(h != nullptr); // nothing to detach
        if (h != nullptr)
            RemovePermanentCore(h, &object);
        Store(object, nullptr);
        return h;
    }

private:
    static void Store(T& object, H h)
    {
        object.*Handle = h;
        if constexpr (Mirror != nullptr)
            object.*Mirror = h;
    }

    void* CreateTempObject(HANDLE h) override
    {
        T* pObject = new T;
        Store(*pObject, static_cast<H>(h));
        return pObject;
    }

    void DeleteTempObject(void* pObject) override
    {
        T* pWrapper = static_cast<T*>(pObject);
        Store(*pWrapper, nullptr);
        delete pWrapper;
    }
};

// Defines, in a wrapper class's source file, the class's handle map as map_function (made on
// first use, never destroyed; the arguments after map_function are the handle member and, for
// CDC, its mirror) and the lookups every wrapper declares: FromHandle and FromHandlePermanent.
#define AFX_IMPLEMENT_HANDLE_MAP(class_name, handle_type, map_function, ...)                                           \
    static CHandleMap<class_name, handle_type, __VA_ARGS__>& map_function()                                            \
    {                                                                                                                  \
        static auto* map = new CHandleMap<class_name, handle_type, __VA_ARGS__>;                                       \
        return *map;                                                                                                   \
    }                                                                                                                  \
    class_name* AFXAPI class_name::FromHandle(handle_type h)                                                           \
    {                                                                                                                  \
        return map_function().FromHandle(h);                                                                           \
    }                                                                                                                  \
    class_name* AFXAPI class_name::FromHandlePermanent(handle_type h)                                                  \
    {                                                                                                                  \
        return map_function().FromHandlePermanent(h);                                                                  \
    }

// Attach and Detach of a wrapper whose handle needs nothing beyond the ownership rules.
#define AFX_IMPLEMENT_HANDLE_OWNERSHIP(class_name, handle_type, map_function)                                          \
    BOOL class_name::Attach(handle_type h)                                                                             \
    {                                                                                                                  \
        return map_function().Attach(*this, h);                                                                        \
    }                                                                                                                  \
    handle_type class_name::Detach()                                                                                   \
    {                                                                                                                  \
        return map_function().Detach(*this);                                                                           \
    }

// Deletes the calling thread's temporary wrappers in every handle map. Pointers obtained from
// FromHandle (and returned by SelectObject) are invalid afterwards.
AFX_API void AFXAPI AfxDeleteTempMaps();
