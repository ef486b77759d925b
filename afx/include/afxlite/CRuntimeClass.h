// Run-time class information: the name, size, factory and base class of every class declared
// with DECLARE_DYNAMIC / DECLARE_DYNCREATE, and the process-wide list FromName searches.
#pragma once

#include "afxlite/AfxDef.h"

class CObject;

// One per dynamic class, a constant-initialised static member (class##name). The base class is
// reached through a function so that classes of other modules can name bases that live in a DLL
// without a load-time initialisation order problem.
struct AFX_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject*(AFXAPI* m_pfnCreateObject)();       // null when the class is not DYNCREATE
    CRuntimeClass*(AFXAPI* m_pfnGetBaseClass)(); // null for CObject

    CRuntimeClass* GetBaseClass() const;
    // Makes a new object of this class, or returns null when it has no factory.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Finds a registered class by name among all loaded modules; null when none matches.
    static CRuntimeClass* AFXAPI FromName(LPCSTR lpszClassName);
    static CRuntimeClass* AFXAPI FromName(LPCWSTR lpszClassName);
    static CObject* AFXAPI CreateObject(LPCSTR lpszClassName);
    static CObject* AFXAPI CreateObject(LPCWSTR lpszClassName);
};

// Registration of a class in the process-wide list (by IMPLEMENT_DYNAMIC's static registrar).
// A module's classes leave the list when its static objects are destroyed, that is when the
// module unloads, so FromName never hands out a class of an unloaded DLL.
AFX_API void AFXAPI AfxClassInit(CRuntimeClass* pNewClass);
AFX_API void AFXAPI AfxClassTerm(CRuntimeClass* pClass);

struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass) { AfxClassInit(pNewClass); }
    ~AFX_CLASSINIT() { AfxClassTerm(m_pClass); }
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

private:
    CRuntimeClass* m_pClass;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    static CRuntimeClass* AFXAPI _GetBaseClass();                                                                      \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject* AFXAPI CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                           \
    CRuntimeClass* AFXAPI class_name::_GetBaseClass()                                                                  \
    {                                                                                                                  \
        return RUNTIME_CLASS(base_class_name);                                                                         \
    }                                                                                                                  \
    CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class class_name), wSchema, pfnNew,             \
                                                   &class_name::_GetBaseClass};                                        \
    static const AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);                                     \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                                 \
    {                                                                                                                  \
        return RUNTIME_CLASS(class_name);                                                                              \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                 \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CObject* AFXAPI class_name::CreateObject()                                                                         \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, &class_name::CreateObject)

// Checked downcasts: DYNAMIC_DOWNCAST yields null when the object is not of the class,
// STATIC_DOWNCAST asserts (debug builds of afxlite) that it is.
AFX_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
AFX_API CObject* AFXAPI AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject);

#define DYNAMIC_DOWNCAST(class_name, object)                                                                           \
    (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
#define STATIC_DOWNCAST(class_name, object)                                                                            \
    (static_cast<class_name*>(AfxStaticDownCast(RUNTIME_CLASS(class_name), (object))))
