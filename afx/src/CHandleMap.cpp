// Handle maps: the permanent map under a critical section, the temporary maps in thread-local
// storage, and the list of all maps that AfxDeleteTempMaps walks.
#include "afxlite/CHandleMap.h"
#include "afxlite/AfxScoped.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

SRWLOCK g_mapsLock = SRWLOCK_INIT;

std::vector<CHandleMapCore*>& AllMaps()
{
    // Never destroyed: maps of other translation units leave the list during unload.
    static auto* maps = new std::vector<CHandleMapCore*>();
    return *maps;
}

} // namespace

CHandleMapCore::CHandleMapCore() : m_tlsIndex(TlsAlloc())
{
    if (m_tlsIndex == TLS_OUT_OF_INDEXES)
        throw std::bad_alloc();
    InitializeCriticalSection(&m_lock);
    AcquireSRWLockExclusive(&g_mapsLock);
    AllMaps().push_back(this);
    ReleaseSRWLockExclusive(&g_mapsLock);
}

CHandleMapCore::~CHandleMapCore()
{
    AcquireSRWLockExclusive(&g_mapsLock);
    auto& maps = AllMaps();
    maps.erase(std::remove(maps.begin(), maps.end(), this), maps.end());
    ReleaseSRWLockExclusive(&g_mapsLock);
    DeleteCriticalSection(&m_lock);
    TlsFree(m_tlsIndex);
}

CHandleMapCore::Map* CHandleMapCore::TempMap(bool create) const
{
    auto* map = static_cast<Map*>(TlsGetValue(m_tlsIndex));
    if (!map && create) {
        map = new Map();
        TlsSetValue(m_tlsIndex, map);
    }
    return map;
}

void* CHandleMapCore::FromHandleCore(HANDLE h)
{
    if (!h)
        return nullptr;
    if (void* permanent = LookupPermanentCore(h))
        return permanent;
    if (void* temporary = LookupTemporaryCore(h))
        return temporary;
    void* object = CreateTempObject(h);
    (*TempMap(true))[h] = object;
    return object;
}

void* CHandleMapCore::LookupPermanentCore(HANDLE h) const
{
    const CCriticalSectionLock lock(m_lock);
    const auto it = m_permanent.find(h);
    return it == m_permanent.end() ? nullptr : it->second;
}

void* CHandleMapCore::LookupTemporaryCore(HANDLE h) const
{
    const Map* map = TempMap(false);
    if (!map)
        return nullptr;
    const auto it = map->find(h);
    return it == map->end() ? nullptr : it->second;
}

bool CHandleMapCore::AddPermanentCore(HANDLE h, void* pObject)
{
    ASSERT(h != nullptr && pObject != nullptr);
    const CCriticalSectionLock lock(m_lock);
    return m_permanent.emplace(h, pObject).second;
}

void CHandleMapCore::RemovePermanentCore(HANDLE h, void* pObject)
{
    const CCriticalSectionLock lock(m_lock);
    const auto it = m_permanent.find(h);
    if (it != m_permanent.end() && it->second == pObject)
        m_permanent.erase(it);
}

void CHandleMapCore::DeleteTemp()
{
    // Take the map out first: a wrapper's destructor may itself ask for temporary wrappers,
    // which then go into a fresh map.
    Map* map = TempMap(false);
    if (!map)
        return;
    TlsSetValue(m_tlsIndex, nullptr);
    for (const auto& entry : *map)
        DeleteTempObject(entry.second);
    delete map;
}

void AFXAPI AfxDeleteTempMaps()
{
    AcquireSRWLockShared(&g_mapsLock);
    const std::vector<CHandleMapCore*> maps = AllMaps();
    ReleaseSRWLockShared(&g_mapsLock);
    for (CHandleMapCore* map : maps)
        map->DeleteTemp();
}
