// Run-time class queries and the process-wide list of registered classes.
#include "afxlite/CRuntimeClass.h"
#include "afxlite/CObject.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Guarded by a slim lock that needs no construction, so registrars of any module may run
// before or after this file's own static objects.
SRWLOCK g_classLock = SRWLOCK_INIT;

std::vector<CRuntimeClass*>& ClassList()
{
    // Never destroyed: registrars of other translation units unregister during unload,
    // possibly after this file's statics would have gone.
    static auto* list = new std::vector<CRuntimeClass*>();
    return *list;
}

std::string ToAnsi(LPCWSTR text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &result[0], size, nullptr, nullptr);
    result.resize(static_cast<size_t>(size) - 1);
    return result;
}

} // namespace

void AFXAPI AfxClassInit(CRuntimeClass* pNewClass)
{
    AcquireSRWLockExclusive(&g_classLock);
    ClassList().push_back(pNewClass);
    ReleaseSRWLockExclusive(&g_classLock);
}

void AFXAPI AfxClassTerm(CRuntimeClass* pClass)
{
    AcquireSRWLockExclusive(&g_classLock);
    auto& list = ClassList();
    list.erase(std::remove(list.begin(), list.end(), pClass), list.end());
    ReleaseSRWLockExclusive(&g_classLock);
}

CRuntimeClass* CRuntimeClass::GetBaseClass() const
{
    return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* cls = this; cls; cls = cls->GetBaseClass()) {
        if (cls == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* AFXAPI CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    CRuntimeClass* found = nullptr;
    AcquireSRWLockShared(&g_classLock);
    for (CRuntimeClass* cls : ClassList()) {
        if (strcmp(cls->m_lpszClassName, lpszClassName) == 0) {
            found = cls;
            break;
        }
    }
    ReleaseSRWLockShared(&g_classLock);
    return found;
}

CRuntimeClass* AFXAPI CRuntimeClass::FromName(LPCWSTR lpszClassName)
{
    return lpszClassName ? FromName(ToAnsi(lpszClassName).c_str()) : nullptr;
}

CObject* AFXAPI CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    const CRuntimeClass* cls = FromName(lpszClassName);
    return cls ? cls->CreateObject() : nullptr;
}

CObject* AFXAPI CRuntimeClass::CreateObject(LPCWSTR lpszClassName)
{
    const CRuntimeClass* cls = FromName(lpszClassName);
    return cls ? cls->CreateObject() : nullptr;
}
