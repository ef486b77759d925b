// Message maps: the tables that route window messages, commands and notifications to member
// functions of CCmdTarget-derived classes. Every entry is type-checked when it is compiled:
// the handler is static_cast to the exact member-function type its message needs, so a
// handler with the wrong signature does not compile.
//
// Writing a map (handlers named with their class, e.g. &CMyDlg::OnOK or &ThisClass::OnOK):
//     BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//         ON_WM_TIMER()
//         ON_BN_CLICKED(IDC_GO, &CMyDlg::OnGo)
//         ON_MESSAGE(WM_APP + 1, &CMyDlg::OnAppMessage)
//     END_MESSAGE_MAP()
//
// Adding an entry kind: a signature adapter (struct with Target, Pmf and a static Call that
// unpacks the message for the handler and says whether it was handled) and a macro built
// on AFX_MSG_ENTRY. Window-message entries live in AfxWinMsg.h.
#pragma once

#include "afxlite/AfxDef.h"

#include <type_traits>

class CCmdTarget;
class CCmdUI;

// Generic member-function pointer stored in the tables; each entry casts it back to the
// exact type its adapter was made for.
typedef void (CCmdTarget::*AFX_PMSG)();

// Base of the reflected message numbers: a parent's notification handled by the child that
// sent it is looked up in the child's map as WM_REFLECT_BASE + the message.
#define WM_REFLECT_BASE 0xBC00
// Map key standing for all WM_CTLCOLORxxx messages (the old 16-bit message number).
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Command codes of OnCmdMsg besides control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (static_cast<UINT>(-1))

// Everything one dispatch needs: the message as received and, for commands and
// notifications, the control ID, the code and the extra record (CCmdUI*, AFX_NOTIFY*).
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;
    UINT nCode;
    void* pExtra;
    LRESULT lResult; // set by the adapter when the message has a result
};

// Extra record of WM_NOTIFY dispatches.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg instead of calling, when a caller only asks whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// Calls the handler of an entry; returns whether the message counts as handled.
typedef BOOL (*AFX_PDISPATCH)(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;                   // message, WM_COMMAND / WM_NOTIFY, or reflected number
    UINT nCode;                      // notification code (low word for WM_NOTIFY codes)
    UINT nID;                        // first control ID (0 for window messages)
    UINT nLastID;                    // last control ID of a range
    const UINT* pnRegisteredMessage; // ON_REGISTERED_MESSAGE: the variable holding the number
    AFX_PDISPATCH pfnDispatch;       // null ends the table
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP*(AFXAPI* pfnGetBaseMap)(); // null for CCmdTarget's own map
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The adapter template behind every entry: casts target and handler back to the types the
// adapter Sig was written for and lets it unpack the message.
template <class Sig>
BOOL AfxDispatchEntry(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    return Sig::Call(static_cast<typename Sig::Target*>(pTarget), reinterpret_cast<typename Sig::Pmf>(pfn), call);
}

// The handler type Pmf with its class replaced by TClass: R (TClass::*)(A...).
template <class TPmf, class TClass>
struct AfxMemberOf;
template <class TBase, class TClass, class R, class... A>
struct AfxMemberOf<R (TBase::*)(A...), TClass> {
    typedef R (TClass::*type)(A...);
};

// A handler stored in a table: memberFxn must be a member of the map's class (ThisClass) or
// of one of its bases with exactly the signature Sig::Pmf. The first cast rejects other
// classes and signatures (and picks the right one of overloads), the second views the member
// from the adapter's target class.
#define AFX_HANDLER(Sig, memberFxn)                                                                                    \
    reinterpret_cast<AFX_PMSG>(static_cast<Sig::Pmf>(static_cast<AfxMemberOf<Sig::Pmf, ThisClass>::type>(memberFxn)))

// One table entry of a map (used between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP).
#define AFX_MSG_ENTRY(message, code, id, lastId, Sig, memberFxn)                                                       \
    {(message), static_cast<UINT>(code), static_cast<UINT>(id),      static_cast<UINT>(lastId),                        \
     nullptr,   &AfxDispatchEntry<Sig>,  AFX_HANDLER(Sig, memberFxn)},

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* AFXAPI GetThisMessageMap();                                                               \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const AFX_MSGMAP* AFXAPI theClass::GetThisMessageMap()                                                             \
    {                                                                                                                  \
        typedef theClass ThisClass;                                                                                    \
        typedef baseClass TheBaseClass;                                                                                \
        static_assert(std::is_base_of<TheBaseClass, ThisClass>::value,                                                 \
                      "BEGIN_MESSAGE_MAP: the second class must be a base of the first");                              \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, nullptr, nullptr, nullptr                                                                          \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }

// Marks message handlers in class declarations (documentation only).
#define afx_msg

// ---- Signature adapters of commands and notifications (target: any CCmdTarget) ----

struct AfxSigCmd_v {
    typedef CCmdTarget Target;
    typedef void (CCmdTarget::*Pmf)();
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL&)
    {
        (p->*f)();
        return TRUE;
    }
};

struct AfxSigCmd_b {
    typedef CCmdTarget Target;
    typedef BOOL (CCmdTarget::*Pmf)();
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL&) { return (p->*f)(); }
};

struct AfxSigCmd_v_u {
    typedef CCmdTarget Target;
    typedef void (CCmdTarget::*Pmf)(UINT);
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL& m)
    {
        (p->*f)(m.nID);
        return TRUE;
    }
};

struct AfxSigCmd_b_u {
    typedef CCmdTarget Target;
    typedef BOOL (CCmdTarget::*Pmf)(UINT);
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL& m) { return (p->*f)(m.nID); }
};

struct AfxSigCmd_UI {
    typedef CCmdTarget Target;
    typedef void (CCmdTarget::*Pmf)(CCmdUI*);
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL& m)
    {
        (p->*f)(static_cast<CCmdUI*>(m.pExtra));
        return TRUE;
    }
};

struct AfxSigNotify_v {
    typedef CCmdTarget Target;
    typedef void (CCmdTarget::*Pmf)(NMHDR*, LRESULT*);
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL& m)
    {
        auto* n = static_cast<AFX_NOTIFY*>(m.pExtra);
        (p->*f)(n->pNMHDR, n->pResult);
        return TRUE;
    }
};

struct AfxSigNotify_b {
    typedef CCmdTarget Target;
    typedef BOOL (CCmdTarget::*Pmf)(NMHDR*, LRESULT*);
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL& m)
    {
        auto* n = static_cast<AFX_NOTIFY*>(m.pExtra);
        return (p->*f)(n->pNMHDR, n->pResult);
    }
};

struct AfxSigNotify_v_u {
    typedef CCmdTarget Target;
    typedef void (CCmdTarget::*Pmf)(UINT, NMHDR*, LRESULT*);
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL& m)
    {
        auto* n = static_cast<AFX_NOTIFY*>(m.pExtra);
        (p->*f)(m.nID, n->pNMHDR, n->pResult);
        return TRUE;
    }
};

struct AfxSigNotify_b_u {
    typedef CCmdTarget Target;
    typedef BOOL (CCmdTarget::*Pmf)(UINT, NMHDR*, LRESULT*);
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL& m)
    {
        auto* n = static_cast<AFX_NOTIFY*>(m.pExtra);
        return (p->*f)(m.nID, n->pNMHDR, n->pResult);
    }
};

// ---- Command entries ----

#define ON_COMMAND(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSigCmd_v, memberFxn)
#define ON_COMMAND_EX(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSigCmd_b_u, memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                        \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSigCmd_v_u, memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                            \
    AFX_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AfxSigCmd_UI, memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                              \
    AFX_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, AfxSigCmd_UI, memberFxn)

// ---- Control notifications (WM_COMMAND from a child control) ----

#define ON_CONTROL(code, id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, code, id, id, AfxSigCmd_v, memberFxn)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                                                  \
    AFX_MSG_ENTRY(WM_COMMAND, code, id, idLast, AfxSigCmd_v_u, memberFxn)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// ---- WM_NOTIFY (codes are compared in their low word) ----

#define AFX_NOTIFY_CODE(code) LOWORD(static_cast<UINT>(code))

#define ON_NOTIFY(code, id, memberFxn)                                                                                 \
    AFX_MSG_ENTRY(WM_NOTIFY, AFX_NOTIFY_CODE(code), id, id, AfxSigNotify_v, memberFxn)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                                                   \
    AFX_MSG_ENTRY(WM_NOTIFY, AFX_NOTIFY_CODE(code), id, idLast, AfxSigNotify_v_u, memberFxn)
#define ON_NOTIFY_EX(code, id, memberFxn)                                                                              \
    AFX_MSG_ENTRY(WM_NOTIFY, AFX_NOTIFY_CODE(code), id, id, AfxSigNotify_b_u, memberFxn)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn)                                                                \
    AFX_MSG_ENTRY(WM_NOTIFY, AFX_NOTIFY_CODE(code), id, idLast, AfxSigNotify_b_u, memberFxn)

// ---- Reflected notifications, handled by the control that sent them ----
// The _EX forms return TRUE when they handled the notification; FALSE lets the parent see it.

#define ON_CONTROL_REFLECT(code, memberFxn)                                                                            \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxSigCmd_v, memberFxn)
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                                         \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxSigCmd_b, memberFxn)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                             \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, AFX_NOTIFY_CODE(code), 0, 0, AfxSigNotify_v, memberFxn)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                                          \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, AFX_NOTIFY_CODE(code), 0, 0, AfxSigNotify_b, memberFxn)
