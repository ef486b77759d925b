// Event sink maps: a class lists which events of which hosted control reach which of its
// member functions, the way message maps list window messages.
//     BEGIN_EVENTSINK_MAP(CMyDialog, CDHtmlDialog)
//         ON_EVENT(CMyDialog, AFX_IDC_BROWSER, DISPID_NEWWINDOW2, &CMyDialog::OnNewWindow2)
//     END_EVENTSINK_MAP()
// A control fires an event as IDispatch::Invoke with its arguments last to first in DISPPARAMS;
// each entry decodes them into the handler's parameter types, checking every argument's type,
// so that a handler is called only with the arguments it declares. Handlers return void.
// Parameter types: IDispatch*, IDispatch** (by reference), VARIANT* (the argument, or the
// variant it refers to), VARIANT_BOOL* and BOOL* (a boolean by reference; a BOOL is written back
// as VARIANT_TRUE or VARIANT_FALSE after the call).
#pragma once

#include "afxlite/AfxDef.h"

#include <oaidl.h>

#include <tuple>
#include <utility>

class CCmdTarget;

// Calls the handler of one entry on pTarget; DISP_E_BADPARAMCOUNT or DISP_E_TYPEMISMATCH when
// the arguments do not fit the handler (it is not called then).
typedef HRESULT (*AFX_EVENT_INVOKE)(CCmdTarget* pTarget, DISPPARAMS* pParams);

struct AFX_EVENTSINKMAP_ENTRY {
    UINT nCtrlID;  // the control's identifier (0 ends the table)
    DISPID dispid; // the event
    AFX_EVENT_INVOKE pfnInvoke;
};

struct AFX_EVENTSINKMAP {
    const AFX_EVENTSINKMAP* (*pfnGetBaseMap)();
    const AFX_EVENTSINKMAP_ENTRY* lpEntries;
};

// The entry of pMap or its bases for the event, searching the most derived class first; null
// when no class handles it.
AFX_API const AFX_EVENTSINKMAP_ENTRY* AFXAPI AfxFindEventSinkEntry(const AFX_EVENTSINKMAP* pMap, UINT nCtrlID,
                                                                   DISPID dispid);

// ---- Decoding one argument ----

// The variant an argument stands for: by-reference variants are followed once.
inline VARIANT* AfxEventArgVariant(VARIANT* pArg)
{
    return pArg->vt == (VT_BYREF | VT_VARIANT) && pArg->pvarVal != nullptr ? pArg->pvarVal : pArg;
}

template <class T>
struct AfxEventArg; // only the types listed at the top of this file

template <>
struct AfxEventArg<IDispatch*> {
    IDispatch* value = nullptr;
    bool Read(VARIANT* pArg)
    {
        VARIANT* v = AfxEventArgVariant(pArg);
        if (v->vt == VT_DISPATCH)
            value = v->pdispVal;
        else if (v->vt == (VT_BYREF | VT_DISPATCH) && v->ppdispVal != nullptr)
            value = *v->ppdispVal;
        else
            return v->vt == VT_EMPTY || v->vt == VT_NULL;
        return true;
    }
    IDispatch* Get() { return value; }
    void WriteBack() {}
};

template <>
struct AfxEventArg<IDispatch**> {
    IDispatch** value = nullptr;
    bool Read(VARIANT* pArg)
    {
        VARIANT* v = AfxEventArgVariant(pArg);
        value = v->vt == (VT_BYREF | VT_DISPATCH) ? v->ppdispVal : nullptr;
        return value != nullptr;
    }
    IDispatch** Get() { return value; }
    void WriteBack() {}
};

template <>
struct AfxEventArg<VARIANT*> {
    VARIANT* value = nullptr;
    bool Read(VARIANT* pArg)
    {
        value = AfxEventArgVariant(pArg);
        return true;
    }
    VARIANT* Get() { return value; }
    void WriteBack() {}
};

template <>
struct AfxEventArg<VARIANT_BOOL*> {
    VARIANT_BOOL* value = nullptr;
    bool Read(VARIANT* pArg)
    {
        VARIANT* v = AfxEventArgVariant(pArg);
        value = v->vt == (VT_BYREF | VT_BOOL) ? v->pboolVal : nullptr;
        return value != nullptr;
    }
    VARIANT_BOOL* Get() { return value; }
    void WriteBack() {}
};

template <>
struct AfxEventArg<BOOL*> {
    VARIANT_BOOL* target = nullptr;
    BOOL value = FALSE;
    bool Read(VARIANT* pArg)
    {
        VARIANT* v = AfxEventArgVariant(pArg);
        target = v->vt == (VT_BYREF | VT_BOOL) ? v->pboolVal : nullptr;
        if (target == nullptr)
            return false;
        value = *target != VARIANT_FALSE;
        return true;
    }
    BOOL* Get() { return &value; }
    void WriteBack() { *target = value ? VARIANT_TRUE : VARIANT_FALSE; }
};

// ---- Calling a handler ----

template <auto pfnHandler>
struct AfxEventHandler;

template <class T, class... Args, void (T::*pfnHandler)(Args...)>
struct AfxEventHandler<pfnHandler> {
    static HRESULT Invoke(CCmdTarget* pTarget, DISPPARAMS* pParams)
    {
        if (pParams == nullptr || pParams->cArgs != sizeof...(Args) ||
            (sizeof...(Args) > 0 && pParams->rgvarg == nullptr))
            return DISP_E_BADPARAMCOUNT;
        return Call(static_cast<T*>(pTarget), pParams, std::index_sequence_for<Args...>());
    }

private:
    template <size_t... I>
    static HRESULT Call(T* pTarget, DISPPARAMS* pParams, std::index_sequence<I...>)
    {
        std::tuple<AfxEventArg<Args>...> args;
        // Argument I (first to last) is rgvarg[cArgs - 1 - I].
        const bool bRead = (true && ... && std::get<I>(args).Read(&pParams->rgvarg[pParams->cArgs - 1 - I]));
        if (!bRead)
            return DISP_E_TYPEMISMATCH;
        (pTarget->*pfnHandler)(std::get<I>(args).Get()...);
        (std::get<I>(args).WriteBack(), ...);
        return S_OK;
    }
};

// ---- The map macros ----

#define DECLARE_EVENTSINK_MAP()                                                                                        \
protected:                                                                                                             \
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();                                                              \
    const AFX_EVENTSINKMAP* GetEventSinkMap() const override;

#define BEGIN_EVENTSINK_MAP(theClass, baseClass)                                                                       \
    const AFX_EVENTSINKMAP* theClass::GetEventSinkMap() const                                                          \
    {                                                                                                                  \
        return GetThisEventSinkMap();                                                                                  \
    }                                                                                                                  \
    const AFX_EVENTSINKMAP* theClass::GetThisEventSinkMap()                                                            \
    {                                                                                                                  \
        typedef baseClass TheBaseClass;                                                                                \
        static const AFX_EVENTSINKMAP_ENTRY entries[] = {

#define ON_EVENT(theClass, id, dispid, pfnHandler) {id, dispid, &AfxEventHandler<pfnHandler>::Invoke},

#define END_EVENTSINK_MAP()                                                                                            \
    {                                                                                                                  \
        0, 0, nullptr                                                                                                  \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_EVENTSINKMAP map = {&TheBaseClass::GetThisEventSinkMap, entries};                                 \
    return &map;                                                                                                       \
    }
