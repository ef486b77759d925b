// DHTML dialogs: hosting the web browser control in place, its events, navigation.
#include "afxlite/CDHtmlDialog.h"

#include "afxlite/AfxModule.h"
#include "afxlite/AfxWinMsg.h"

#include "CDHtmlBrowserSite.h"
#include "CDHtmlEventSink.h"

#include <exdisp.h>
#include <exdispid.h>
#include <mshtml.h>

IMPLEMENT_DYNAMIC(CDHtmlDialog, CDialog)

BEGIN_MESSAGE_MAP(CDHtmlDialog, CDialog)
    ON_WM_DESTROY()
    ON_WM_SIZE()
END_MESSAGE_MAP()

// ---- Event sink maps ----

const AFX_EVENTSINKMAP_ENTRY* AFXAPI AfxFindEventSinkEntry(const AFX_EVENTSINKMAP* pMap, UINT nCtrlID, DISPID dispid)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_EVENTSINKMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnInvoke != nullptr; ++pEntry) {
            if (pEntry->nCtrlID == nCtrlID && pEntry->dispid == dispid)
                return pEntry;
        }
    }
    return nullptr;
}

const AFX_EVENTSINKMAP* CDHtmlDialog::GetThisEventSinkMap()
{
    static const AFX_EVENTSINKMAP_ENTRY entries[] = {
        ON_EVENT(CDHtmlDialog, AFX_IDC_BROWSER, DISPID_BEFORENAVIGATE2, &CDHtmlDialog::_OnBeforeNavigate2)
            ON_EVENT(CDHtmlDialog, AFX_IDC_BROWSER, DISPID_NAVIGATECOMPLETE2, &CDHtmlDialog::_OnNavigateComplete2)
                ON_EVENT(CDHtmlDialog, AFX_IDC_BROWSER, DISPID_DOCUMENTCOMPLETE,
                         &CDHtmlDialog::_OnDocumentComplete){0, 0, nullptr},
    };
    static const AFX_EVENTSINKMAP map = {nullptr, entries};
    return &map;
}

const AFX_EVENTSINKMAP* CDHtmlDialog::GetEventSinkMap() const
{
    return GetThisEventSinkMap();
}

HRESULT CDHtmlDialog::OnEvent(UINT nCtrlID, DISPID dispid, DISPPARAMS* pParams)
{
    const AFX_EVENTSINKMAP_ENTRY* pEntry = AfxFindEventSinkEntry(GetEventSinkMap(), nCtrlID, dispid);
    if (pEntry == nullptr)
        return DISP_E_MEMBERNOTFOUND;
    return pEntry->pfnInvoke(this, pParams);
}

CString AFXAPI AfxStringFromVariant(const VARIANT* pVar)
{
    // A variant by reference is followed once (never a chain, which could loop).
    if (pVar != nullptr && pVar->vt == (VT_BYREF | VT_VARIANT))
        pVar = pVar->pvarVal;
    if (pVar == nullptr)
        return CString();
    BSTR text = nullptr;
    if (pVar->vt == VT_BSTR)
        text = pVar->bstrVal;
    else if (pVar->vt == (VT_BYREF | VT_BSTR) && pVar->pbstrVal != nullptr)
        text = *pVar->pbstrVal;
    return text != nullptr ? CString(text, static_cast<int>(::SysStringLen(text))) : CString();
}

// ---- Construction ----

CDHtmlDialog::CDHtmlDialog() = default;

CDHtmlDialog::CDHtmlDialog(UINT nIDTemplate, UINT nHtmlResID, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_nHtmlResID(nHtmlResID)
{
}

CDHtmlDialog::CDHtmlDialog(LPCTSTR lpszTemplateName, LPCTSTR szHtmlResID, CWnd* pParentWnd)
    : CDialog(lpszTemplateName, pParentWnd)
{
    if (IS_INTRESOURCE(szHtmlResID))
        m_nHtmlResID = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(szHtmlResID));
    else
        m_strHtmlResName = szHtmlResID;
}

CDHtmlDialog::~CDHtmlDialog()
{
    DestroyBrowser();
}

// ---- The hosted browser ----

CRect CDHtmlDialog::BrowserRect() const
{
    CRect rect;
    GetClientRect(&rect);
    return rect;
}

BOOL CDHtmlDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!CreateBrowser()) {
        DestroyBrowser();
        return TRUE;
    }
    if (m_nHtmlResID != 0)
        LoadFromResource(m_nHtmlResID);
    else if (!m_strHtmlResName.IsEmpty())
        LoadFromResource(m_strHtmlResName);
    else
        Navigate(L"about:blank");
    return TRUE;
}

bool CDHtmlDialog::CreateBrowser()
{
    if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  reinterpret_cast<void**>(&m_pOleObject))))
        return false;
    m_pSite = new CDHtmlBrowserSite(this);
    if (FAILED(m_pOleObject->SetClientSite(static_cast<IOleClientSite*>(m_pSite))))
        return false;
    const CRect rect = BrowserRect();
    if (FAILED(m_pOleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(m_pSite), 0, m_hWnd,
                                    &rect)))
        return false;
    m_pOleObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&m_pInPlaceObject));
    if (FAILED(m_pOleObject->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_pBrowserApp))))
        return false;
    // The browser's events: DWebBrowserEvents2 through its connection point.
    IConnectionPointContainer* pContainer = nullptr;
    if (FAILED(m_pOleObject->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&pContainer))))
        return false;
    IConnectionPoint* pPoint = nullptr;
    const HRESULT hr = pContainer->FindConnectionPoint(DIID_DWebBrowserEvents2, &pPoint);
    pContainer->Release();
    if (FAILED(hr))
        return false;
    m_pEventSink = new CDHtmlEventSink(this);
    const bool bAdvised = SUCCEEDED(pPoint->Advise(m_pEventSink, &m_dwEventCookie));
    pPoint->Release();
    return bAdvised;
}

void CDHtmlDialog::DestroyBrowser()
{
    if (m_dwEventCookie != 0 && m_pOleObject != nullptr) {
        IConnectionPointContainer* pContainer = nullptr;
        IConnectionPoint* pPoint = nullptr;
        if (SUCCEEDED(
                m_pOleObject->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&pContainer)))) {
            if (SUCCEEDED(pContainer->FindConnectionPoint(DIID_DWebBrowserEvents2, &pPoint))) {
                pPoint->Unadvise(m_dwEventCookie);
                pPoint->Release();
            }
            pContainer->Release();
        }
    }
    m_dwEventCookie = 0;
    if (m_pEventSink != nullptr) {
        m_pEventSink->Detach();
        m_pEventSink->Release();
        m_pEventSink = nullptr;
    }
    if (m_spHtmlDoc != nullptr) {
        m_spHtmlDoc->Release();
        m_spHtmlDoc = nullptr;
    }
    if (m_pBrowserApp != nullptr) {
        m_pBrowserApp->Release();
        m_pBrowserApp = nullptr;
    }
    if (m_pInPlaceObject != nullptr) {
        m_pInPlaceObject->InPlaceDeactivate();
        m_pInPlaceObject->Release();
        m_pInPlaceObject = nullptr;
    }
    if (m_pOleObject != nullptr) {
        m_pOleObject->Close(OLECLOSE_NOSAVE);
        m_pOleObject->SetClientSite(nullptr);
        m_pOleObject->Release();
        m_pOleObject = nullptr;
    }
    if (m_pSite != nullptr) {
        m_pSite->Detach();
        m_pSite->Release();
        m_pSite = nullptr;
    }
}

void CDHtmlDialog::OnDestroy()
{
    DestroyBrowser();
    CDialog::OnDestroy();
}

void CDHtmlDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_pInPlaceObject == nullptr)
        return;
    const CRect rect = BrowserRect();
    m_pInPlaceObject->SetObjectRects(&rect, &rect);
}

BOOL CDHtmlDialog::PreTranslateMessage(MSG* pMsg)
{
    // Keys go to the page first (its accelerators, tabbing between its fields), then to the
    // dialog's own navigation.
    if (m_pSite != nullptr && ::IsChild(m_hWnd, pMsg->hwnd) && m_pSite->PreTranslate(pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

// ---- Navigation ----

void CDHtmlDialog::Navigate(LPCTSTR lpszURL, DWORD dwFlags, LPCTSTR lpszTargetFrameName, LPCTSTR lpszHeaders)
{
    if (m_pBrowserApp == nullptr || lpszURL == nullptr)
        return;
    const BSTR url = ::SysAllocString(lpszURL);
    VARIANT flags;
    ::VariantInit(&flags);
    flags.vt = VT_I4;
    flags.lVal = static_cast<LONG>(dwFlags);
    VARIANT target;
    ::VariantInit(&target);
    if (lpszTargetFrameName != nullptr) {
        target.vt = VT_BSTR;
        target.bstrVal = ::SysAllocString(lpszTargetFrameName);
    }
    VARIANT headers;
    ::VariantInit(&headers);
    if (lpszHeaders != nullptr) {
        headers.vt = VT_BSTR;
        headers.bstrVal = ::SysAllocString(lpszHeaders);
    }
    VARIANT postData;
    ::VariantInit(&postData);
    m_pBrowserApp->Navigate(url, &flags, &target, &postData, &headers);
    ::VariantClear(&headers);
    ::VariantClear(&target);
    ::SysFreeString(url);
}

BOOL CDHtmlDialog::LoadFromResource(LPCTSTR lpszResource)
{
    const HINSTANCE hModule = AfxFindResourceHandle(lpszResource, RT_HTML);
    if (hModule == nullptr || ::FindResourceW(hModule, lpszResource, RT_HTML) == nullptr)
        return FALSE;
    wchar_t modulePath[MAX_PATH] = {};
    const DWORD nLength = ::GetModuleFileNameW(hModule, modulePath, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return FALSE;
    CString url;
    if (IS_INTRESOURCE(lpszResource))
        url.Format(L"res://%s/%u", modulePath, static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpszResource)));
    else
        url.Format(L"res://%s/%s", modulePath, lpszResource);
    Navigate(url);
    return TRUE;
}

HRESULT CDHtmlDialog::GetDHtmlDocument(IHTMLDocument2** pphtmlDoc) const
{
    if (pphtmlDoc == nullptr)
        return E_POINTER;
    *pphtmlDoc = m_spHtmlDoc;
    if (m_spHtmlDoc == nullptr)
        return E_NOINTERFACE;
    m_spHtmlDoc->AddRef();
    return S_OK;
}

BOOL CDHtmlDialog::IsTopLevel(LPDISPATCH pDisp) const
{
    if (pDisp == nullptr || m_pBrowserApp == nullptr)
        return FALSE;
    // COM identity: the same object answers IUnknown with the same pointer.
    IUnknown* pFrame = nullptr;
    IUnknown* pBrowser = nullptr;
    pDisp->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pFrame));
    m_pBrowserApp->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pBrowser));
    const BOOL bSame = pFrame != nullptr && pFrame == pBrowser;
    if (pFrame != nullptr)
        pFrame->Release();
    if (pBrowser != nullptr)
        pBrowser->Release();
    return bSame;
}

void CDHtmlDialog::KeepDocument()
{
    IDispatch* pDocument = nullptr;
    IHTMLDocument2* pHtml = nullptr;
    if (SUCCEEDED(m_pBrowserApp->get_Document(&pDocument)) && pDocument != nullptr) {
        pDocument->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&pHtml));
        pDocument->Release();
    }
    if (m_spHtmlDoc != nullptr)
        m_spHtmlDoc->Release();
    m_spHtmlDoc = pHtml;
}

void CDHtmlDialog::OnBeforeNavigate(LPDISPATCH, LPCTSTR)
{
}

void CDHtmlDialog::OnNavigateComplete(LPDISPATCH pDisp, LPCTSTR szUrl)
{
    if (!IsTopLevel(pDisp))
        return;
    m_strCurrentUrl = szUrl;
    KeepDocument();
}

void CDHtmlDialog::OnDocumentComplete(LPDISPATCH pDisp, LPCTSTR szUrl)
{
    OnNavigateComplete(pDisp, szUrl);
}

void CDHtmlDialog::_OnBeforeNavigate2(LPDISPATCH pDisp, VARIANT* URL, VARIANT*, VARIANT*, VARIANT*, VARIANT*, BOOL*)
{
    OnBeforeNavigate(pDisp, AfxStringFromVariant(URL));
}

void CDHtmlDialog::_OnNavigateComplete2(LPDISPATCH pDisp, VARIANT* URL)
{
    OnNavigateComplete(pDisp, AfxStringFromVariant(URL));
}

void CDHtmlDialog::_OnDocumentComplete(LPDISPATCH pDisp, VARIANT* URL)
{
    OnDocumentComplete(pDisp, AfxStringFromVariant(URL));
}
