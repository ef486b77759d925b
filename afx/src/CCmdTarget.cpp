// Message-map search and command routing.
#include "afxlite/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* AFXAPI CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace {

bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID)
{
    const UINT message = entry.pnRegisteredMessage ? *entry.pnRegisteredMessage : entry.nMessage;
    return message == nMessage && entry.nCode == nCode && nID >= entry.nID && nID <= entry.nLastID;
}

} // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfnDispatch; ++entry) {
            if (EntryMatches(*entry, nMessage, nCode, nID))
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchMessageEntry(UINT nKey, AFX_MSGCALL& call)
{
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(nKey, call.nCode, call.nID);
    return entry ? entry->pfnDispatch(this, entry->pfn, call) : FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Plain commands and updates are WM_COMMAND; other messages ride in the high word.
    UINT nMsg = 0;
    UINT nPlainCode = static_cast<UINT>(nCode);
    if (nPlainCode != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(nPlainCode);
        nPlainCode = LOWORD(nPlainCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(nMsg, nPlainCode, nID);
    if (!entry)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = entry->pfn;
        return TRUE;
    }
    AFX_MSGCALL call = {nMsg, 0, 0, nID, nPlainCode, pExtra, 0};
    return entry->pfnDispatch(this, entry->pfn, call);
}
