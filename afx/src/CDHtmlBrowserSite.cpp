// The browser's container: client site, in-place site and frame, and host UI handler.
#include "CDHtmlBrowserSite.h"

#include <cstddef>

CDHtmlBrowserSite::~CDHtmlBrowserSite()
{
    if (m_pActiveObject != nullptr)
        m_pActiveObject->Release();
}

void CDHtmlBrowserSite::Detach()
{
    m_pDialog = nullptr;
    SetActiveObject(nullptr, nullptr);
}

BOOL CDHtmlBrowserSite::PreTranslate(MSG* pMsg)
{
    if (m_pActiveObject == nullptr || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return m_pActiveObject->TranslateAccelerator(pMsg) == S_OK;
}

// ---- IUnknown ----

STDMETHODIMP CDHtmlBrowserSite::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *ppv = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *ppv = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
        *ppv = static_cast<IOleInPlaceFrame*>(this);
    else if (riid == IID_IDocHostUIHandler)
        *ppv = static_cast<IDocHostUIHandler*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CDHtmlBrowserSite::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) CDHtmlBrowserSite::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return static_cast<ULONG>(nRefs);
}

// ---- IOleClientSite ----

STDMETHODIMP CDHtmlBrowserSite::SaveObject()
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CDHtmlBrowserSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer != nullptr)
        *ppContainer = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CDHtmlBrowserSite::ShowObject()
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::OnShowWindow(BOOL)
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

// ---- IOleWindow ----

STDMETHODIMP CDHtmlBrowserSite::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = m_pDialog != nullptr ? m_pDialog->GetSafeHwnd() : nullptr;
    return *phwnd != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP CDHtmlBrowserSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

// ---- IOleInPlaceSite ----

STDMETHODIMP CDHtmlBrowserSite::CanInPlaceActivate()
{
    return m_pDialog != nullptr ? S_OK : S_FALSE;
}

STDMETHODIMP CDHtmlBrowserSite::OnInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::OnUIActivate()
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                                 LPRECT lprcPosRect, LPRECT lprcClipRect,
                                                 LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (ppFrame == nullptr || ppDoc == nullptr || lprcPosRect == nullptr || lprcClipRect == nullptr ||
        lpFrameInfo == nullptr)
        return E_POINTER;
    *ppDoc = nullptr;
    *ppFrame = nullptr;
    if (m_pDialog == nullptr)
        return E_FAIL;
    *ppFrame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *lprcPosRect = m_pDialog->BrowserRect();
    *lprcClipRect = *lprcPosRect;
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = m_pDialog->GetSafeHwnd();
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}

STDMETHODIMP CDHtmlBrowserSite::OnUIDeactivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::OnInPlaceDeactivate()
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::DiscardUndoState()
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::DeactivateAndUndo()
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    if (m_pDialog == nullptr || m_pDialog->m_pInPlaceObject == nullptr || lprcPosRect == nullptr)
        return E_FAIL;
    return m_pDialog->m_pInPlaceObject->SetObjectRects(lprcPosRect, lprcPosRect);
}

// ---- IOleInPlaceUIWindow, IOleInPlaceFrame: the dialog has no tool space or menus to share ----

STDMETHODIMP CDHtmlBrowserSite::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CDHtmlBrowserSite::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CDHtmlBrowserSite::SetBorderSpace(LPCBORDERWIDTHS)
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR)
{
    if (pActiveObject != nullptr)
        pActiveObject->AddRef();
    if (m_pActiveObject != nullptr)
        m_pActiveObject->Release();
    m_pActiveObject = pActiveObject;
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return E_NOTIMPL;
}

STDMETHODIMP CDHtmlBrowserSite::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::RemoveMenus(HMENU)
{
    return E_NOTIMPL;
}

STDMETHODIMP CDHtmlBrowserSite::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}

// ---- IDocHostUIHandler: the browser's own behaviour, with the dialog's host flags ----

STDMETHODIMP CDHtmlBrowserSite::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*)
{
    return S_FALSE;
}

STDMETHODIMP CDHtmlBrowserSite::GetHostInfo(DOCHOSTUIINFO* pInfo)
{
    if (pInfo == nullptr || pInfo->cbSize < offsetof(DOCHOSTUIINFO, pchHostCss))
        return E_INVALIDARG;
    pInfo->dwFlags = m_pDialog != nullptr ? m_pDialog->m_dwHostFlags : 0;
    pInfo->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                       IOleInPlaceUIWindow*)
{
    return S_FALSE;
}

STDMETHODIMP CDHtmlBrowserSite::HideUI()
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::UpdateUI()
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::OnDocWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::OnFrameWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL)
{
    return S_OK;
}

STDMETHODIMP CDHtmlBrowserSite::TranslateAccelerator(LPMSG, const GUID*, DWORD)
{
    return S_FALSE;
}

STDMETHODIMP CDHtmlBrowserSite::GetOptionKeyPath(LPOLESTR* pchKey, DWORD)
{
    if (pchKey != nullptr)
        *pchKey = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CDHtmlBrowserSite::GetDropTarget(IDropTarget*, IDropTarget** ppDropTarget)
{
    if (ppDropTarget != nullptr)
        *ppDropTarget = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CDHtmlBrowserSite::GetExternal(IDispatch** ppDispatch)
{
    if (ppDispatch != nullptr)
        *ppDispatch = nullptr;
    return S_FALSE;
}

STDMETHODIMP CDHtmlBrowserSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* ppchURLOut)
{
    if (ppchURLOut != nullptr)
        *ppchURLOut = nullptr;
    return S_FALSE;
}

STDMETHODIMP CDHtmlBrowserSite::FilterDataObject(IDataObject*, IDataObject** ppDORet)
{
    if (ppDORet != nullptr)
        *ppDORet = nullptr;
    return S_FALSE;
}
