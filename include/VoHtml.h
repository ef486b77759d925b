// CVoHtml: a dialog that shows a web page in the framework's DHTML dialog (the platform's web
// browser control) and hands the browser's navigation events to an optional CVoHtmlEventSink.
// The client embeds service pages with it. Enter and Escape do not close it.
#pragma once

#include "VoDef.h"
#include "VoHtmlEventSink.h"

#include <afxdhtml.h>

class VO_API CVoHtml : public CDHtmlDialog {
    DECLARE_DYNCREATE(CVoHtml)
public:
    // The dialog's default template.
    enum { IDD = 6358 };

    // pSink (which may be null) is not owned: it must outlive the dialog.
    CVoHtml(CWnd* pParent = nullptr, UINT nIDTemplate = IDD, UINT nHtmlResID = 0, CVoHtmlEventSink* pSink = nullptr);

    // Creates the dialog as a modeless window from template 6358, whatever template was given.
    BOOL Create(CWnd* pParent);

    // The base initialisation, then flat scroll bars and no three-dimensional border.
    BOOL OnInitDialog() override;
    // Enter and Escape leave the dialog open.
    void OnOK() override;
    void OnCancel() override;
    // The base handling first, then the listener.
    void OnNavigateComplete(LPDISPATCH pDisp, LPCTSTR szUrl) override;

    // ---- The browser's events (DWebBrowserEvents2 of control AFX_IDC_BROWSER) ----
    // The listener decides whether the error page is stopped (an answer above 0).
    virtual void NavigateError(LPDISPATCH pDisp, VARIANT* pvURL, VARIANT* pvFrame, VARIANT* pvStatusCode,
                               VARIANT_BOOL* pvbCancel);
    // To the listener when there is one, else to the base class.
    virtual void DocumentComplete(LPDISPATCH pDisp, VARIANT* URL);
    // To the listener first, then to the base class.
    virtual void OnBeforeNavigate2(LPDISPATCH pDisp, VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName,
                                   VARIANT* PostData, VARIANT* Headers, BOOL* Cancel);
    // To the listener when there is one; else the browser may open its window.
    virtual void OnNewWindow2(LPDISPATCH* ppDisp, BOOL* Cancel);

    CVoHtmlEventSink* m_pSink;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_EVENTSINK_MAP()
};
