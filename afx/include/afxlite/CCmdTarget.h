// Base of every class that has a message map (windows, threads, the application): routes
// commands and notifications to the handlers of its map and of its base classes' maps.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/AfxMsgMap.h"
#include "afxlite/CObject.h"

class AFX_API CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes command nID through the maps. nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI (pExtra
    // is the CCmdUI*), a control notification code, or MAKELONG(code, message) for other
    // messages such as WM_NOTIFY (pExtra is an AFX_NOTIFY*) and the reflected ones. With
    // pHandlerInfo the handler is only looked up and reported, not called.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The first entry of this object's map chain (own map first, then its bases) matching the
    // message, code and ID; null when none does. Registered-message entries match by the
    // number their variable holds.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

    // Finds the entry like FindMessageEntry and calls it; FALSE when there is none or the
    // handler declined.
    BOOL DispatchMessageEntry(UINT nKey, AFX_MSGCALL& call);

protected:
    static const AFX_MSGMAP* AFXAPI GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
