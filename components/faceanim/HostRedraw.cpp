// CHostRedraw: per-window invalidation of changed emoticons.

#include "HostRedraw.h"

#include <richedit.h>
#include <richole.h>

#include <afxlite/AfxScoped.h>

#include <comdef.h>

#include <algorithm>

_COM_SMARTPTR_TYPEDEF(IRichEditOle, IID_IRichEditOle);

namespace {

// Where the object at character cp is drawn: cx wide from its position, from the top of its row
// to the next row's top (the client area's bottom for the last row).
RECT ObjectArea(HWND hWnd, LONG cp, int cx, const RECT& client)
{
    POINTL top = {0, 0};
    ::SendMessageW(hWnd, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&top), cp);
    RECT row = {top.x, top.y, top.x + cx, client.bottom};
    const LRESULT line = ::SendMessageW(hWnd, EM_EXLINEFROMCHAR, 0, cp);
    const LRESULT next = ::SendMessageW(hWnd, EM_LINEINDEX, static_cast<WPARAM>(line + 1), 0);
    if (next > cp) {
        POINTL below = {0, 0};
        ::SendMessageW(hWnd, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&below), next);
        if (below.y > top.y)
            row.bottom = below.y;
    }
    return row;
}

} // namespace

void CHostRedraw::Add(HWND hWnd, IOleObject* pObject, int cx)
{
    if (hWnd != nullptr)
        m_entries.push_back({hWnd, pObject, cx});
}

bool CHostRedraw::IsShowing(HWND hWnd)
{
    return ::IsWindow(hWnd) && ::IsWindowVisible(hWnd) && !::IsIconic(::GetAncestor(hWnd, GA_ROOT));
}

void CHostRedraw::Flush()
{
    std::vector<Entry> entries;
    entries.swap(m_entries);
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.hWnd < b.hWnd; });
    for (size_t i = 0; i < entries.size();) {
        const HWND hWnd = entries[i].hWnd;
        std::vector<Entry> group;
        for (; i < entries.size() && entries[i].hWnd == hWnd; ++i)
            group.push_back(entries[i]);
        if (IsShowing(hWnd))
            FlushWindow(hWnd, group);
    }
}

void CHostRedraw::FlushWindow(HWND hWnd, const std::vector<Entry>& entries)
{
    IRichEditOle* pRaw = nullptr;
    if (!::SendMessageW(hWnd, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&pRaw)) || pRaw == nullptr) {
        ::InvalidateRect(hWnd, nullptr, FALSE);
        return;
    }
    const IRichEditOlePtr richEdit(pRaw, false);
    RECT client;
    ::GetClientRect(hWnd, &client);
    const LONG count = richEdit->GetObjectCount();
    for (LONG i = 0; i < count; ++i) {
        REOBJECT object = {};
        object.cbStruct = sizeof(object);
        if (FAILED(richEdit->GetObject(i, &object, REO_GETOBJ_POLEOBJ)) || object.poleobj == nullptr)
            continue;
        const CScopeExit release([&] { object.poleobj->Release(); });
        const auto changed = std::find_if(entries.begin(), entries.end(),
                                          [&](const Entry& entry) { return entry.pObject == object.poleobj; });
        if (changed == entries.end())
            continue;
        RECT area = ObjectArea(hWnd, object.cp, changed->cx, client), visible;
        if (::IntersectRect(&visible, &area, &client))
            ::InvalidateRect(hWnd, &visible, FALSE);
    }
}
