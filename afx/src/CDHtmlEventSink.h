// CDHtmlEventSink: the dispatch object a CDHtmlDialog connects to its browser's
// DWebBrowserEvents2 connection point; each event goes to the dialog's event sink maps as an
// event of control AFX_IDC_BROWSER. The browser may hold the object after the dialog is gone:
// Detach cuts it off.
#pragma once

#include "afxlite/CDHtmlDialog.h"

class CDHtmlEventSink : public IDispatch {
public:
    explicit CDHtmlEventSink(CDHtmlDialog* pDialog) : m_pDialog(pDialog) {}
    CDHtmlEventSink(const CDHtmlEventSink&) = delete;
    CDHtmlEventSink& operator=(const CDHtmlEventSink&) = delete;

    void Detach() { m_pDialog = nullptr; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

private:
    virtual ~CDHtmlEventSink() = default;

    CDHtmlDialog* m_pDialog;
    LONG m_nRefs = 1;
};
