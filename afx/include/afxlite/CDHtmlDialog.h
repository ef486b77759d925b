// CDHtmlDialog: a dialog that shows a web page in the platform's web browser control
// (CLSID_WebBrowser), hosted in place over the dialog's client area through the documented OLE
// embedding interfaces (IOleObject, IOleInPlaceObject, IWebBrowser2, DWebBrowserEvents2).
// The browser's events reach the dialog's event sink map as events of control AFX_IDC_BROWSER;
// the base map turns BeforeNavigate2, NavigateComplete2 and DocumentComplete into the virtual
// OnBeforeNavigate, OnNavigateComplete and OnDocumentComplete.
#pragma once

#include "afxlite/AfxEventSink.h"
#include "afxlite/CDialog.h"
#include "afxlite/CString.h"

#include <oaidl.h>
#include <oleidl.h>

struct IHTMLDocument2;
struct IWebBrowser2;

// The control identifier of the hosted browser.
#define AFX_IDC_BROWSER 102

class CDHtmlBrowserSite;
class CDHtmlEventSink;

class AFX_API CDHtmlDialog : public CDialog {
    DECLARE_DYNAMIC(CDHtmlDialog)
public:
    CDHtmlDialog();
    // nHtmlResID: an HTML resource (RT_HTML) of the resource chain shown when the dialog opens;
    // 0 shows "about:blank".
    CDHtmlDialog(UINT nIDTemplate, UINT nHtmlResID = 0, CWnd* pParentWnd = nullptr);
    CDHtmlDialog(LPCTSTR lpszTemplateName, LPCTSTR szHtmlResID, CWnd* pParentWnd = nullptr);
    ~CDHtmlDialog() override;

    // Hosts the browser over the client area, connects its events and opens the first page.
    // When the browser cannot be created the dialog still opens, without a page.
    BOOL OnInitDialog() override;

    // ---- Navigation ----
    // Asks the browser to open lpszURL; nothing when there is no browser.
    void Navigate(LPCTSTR lpszURL, DWORD dwFlags = 0, LPCTSTR lpszTargetFrameName = nullptr,
                  LPCTSTR lpszHeaders = nullptr);
    // Opens HTML resource lpszResource (a name or MAKEINTRESOURCE) of the resource chain through
    // its res: address; FALSE when no module of the chain has it.
    BOOL LoadFromResource(LPCTSTR lpszResource);
    BOOL LoadFromResource(UINT nRes) { return LoadFromResource(MAKEINTRESOURCE(nRes)); }
    // The address of the page last completed in the top-level frame.
    void GetCurrentUrl(CString& szUrl) const { szUrl = m_strCurrentUrl; }
    // The page's document object (AddRef'd); E_NOINTERFACE when no HTML document is shown.
    HRESULT GetDHtmlDocument(IHTMLDocument2** pphtmlDoc) const;

    // DOCHOSTUIFLAG_xxx the browser gets for the documents it opens from now on.
    void SetHostFlags(DWORD dwFlags) { m_dwHostFlags = dwFlags; }
    DWORD GetHostFlags() const { return m_dwHostFlags; }

    // ---- Navigation events (the top-level frame and every sub-frame) ----
    // Before a navigation starts. Default: nothing.
    virtual void OnBeforeNavigate(LPDISPATCH pDisp, LPCTSTR szUrl);
    // A navigation arrived; for the top-level frame the address and document are kept.
    virtual void OnNavigateComplete(LPDISPATCH pDisp, LPCTSTR szUrl);
    // A document finished loading; for the top-level frame the address and document are kept.
    virtual void OnDocumentComplete(LPDISPATCH pDisp, LPCTSTR szUrl);

    // Delivers an event of control nCtrlID to the handler the event sink maps name; S_OK when
    // one handled it, DISP_E_MEMBERNOTFOUND when none exists.
    HRESULT OnEvent(UINT nCtrlID, DISPID dispid, DISPPARAMS* pParams);

    IWebBrowser2* m_pBrowserApp = nullptr;   // the hosted browser, null when it could not be created
    IHTMLDocument2* m_spHtmlDoc = nullptr;   // the top-level document once navigated, else null
    CString m_strCurrentUrl;                 // address of the last top-level page
    UINT m_nHtmlResID = 0;                   // HTML resource shown first (0: none)
    CString m_strHtmlResName;                // or its name
    DWORD m_dwHostFlags = kDefaultHostFlags; // DOCHOSTUIFLAG_xxx

    // No three-dimensional border, no scroll bars (DOCHOSTUIFLAG_NO3DBORDER | _SCROLL_NO).
    static const DWORD kDefaultHostFlags = 0x4 | 0x8;

protected:
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();
    virtual const AFX_EVENTSINKMAP* GetEventSinkMap() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    // The base map's handlers: the event's address as text for the virtual functions above.
    void _OnBeforeNavigate2(LPDISPATCH pDisp, VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                            VARIANT* Headers, BOOL* Cancel);
    void _OnNavigateComplete2(LPDISPATCH pDisp, VARIANT* URL);
    void _OnDocumentComplete(LPDISPATCH pDisp, VARIANT* URL);

    // TRUE when pDisp is the top-level browser rather than a frame inside its page.
    BOOL IsTopLevel(LPDISPATCH pDisp) const;

private:
    friend class CDHtmlBrowserSite;

    bool CreateBrowser();
    void DestroyBrowser();
    void KeepDocument();
    CRect BrowserRect() const;

    IOleObject* m_pOleObject = nullptr;
    IOleInPlaceObject* m_pInPlaceObject = nullptr;
    CDHtmlBrowserSite* m_pSite = nullptr;
    CDHtmlEventSink* m_pEventSink = nullptr;
    DWORD m_dwEventCookie = 0;
};

// The text of a variant (a string, or a string by reference); empty for anything else.
AFX_API CString AFXAPI AfxStringFromVariant(const VARIANT* pVar);
