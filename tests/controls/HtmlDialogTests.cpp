// The HTML dialog: the browser's navigation events, fired through the dialog's event interface
// as the browser fires them (arguments last to first, by reference where the browser passes them
// so), reach the listener and the base class in the order the dialog promises; without a
// listener the browser's own behaviour stays. The dialog opens from the library's template even
// where no browser can be made (this prefix has no browser engine), and Enter and Escape leave
// it open.
#include "ControlsTestSupport.h"

#include "../common/FakeClassFactory.h"

#include <afxlite/AfxScoped.h>

#include <comdef.h>
#include <exdispid.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A listener that logs what reaches it and answers navigation errors with m_nAnswer.
class CLoggingSink : public CVoHtmlEventSink {
public:
    explicit CLoggingSink(Log& log) : m_log(log) {}

    void OnNavigateError(const wchar_t* url, const wchar_t* frame, DWORD status, BOOL* pbCancel) override
    {
        m_strUrl = url;
        m_strFrame = frame;
        m_dwStatus = status;
        m_log.push_back("sink error");
        if (m_bAnswer)
            *pbCancel = m_nAnswer;
    }
    void OnBeforeNavigate2(IDispatch*, VARIANT* pURL, VARIANT*, VARIANT*, VARIANT*, VARIANT*, BOOL* pbCancel) override
    {
        m_strUrl = AfxStringFromVariant(pURL);
        m_log.push_back("sink before");
        *pbCancel = m_bCancelNavigation;
    }
    void OnNewWindow2(IDispatch**, BOOL* pbCancel) override
    {
        m_log.push_back("sink new window");
        *pbCancel = TRUE;
    }
    void DocumentComplete(IDispatch*, VARIANT* pURL) override
    {
        m_strUrl = AfxStringFromVariant(pURL);
        m_log.push_back("sink document");
    }
    void OnNavigateComplete(IDispatch*, const wchar_t* url) override
    {
        m_strUrl = url;
        m_log.push_back("sink navigated");
    }

    bool m_bAnswer = false;
    BOOL m_nAnswer = 0;
    BOOL m_bCancelNavigation = FALSE;
    CString m_strUrl;
    CString m_strFrame;
    DWORD m_dwStatus = 0;

private:
    Log& m_log;
};

// The dialog with its base class's overridable handling logged.
class CLoggingHtml : public CVoHtml {
public:
    CLoggingHtml(Log& log, CVoHtmlEventSink* pSink) : CVoHtml(nullptr, IDD, 0, pSink), m_log(log) {}

    void OnBeforeNavigate(LPDISPATCH, LPCTSTR szUrl) override
    {
        m_strUrl = szUrl;
        m_log.push_back("base before");
    }
    void OnDocumentComplete(LPDISPATCH, LPCTSTR szUrl) override
    {
        m_strUrl = szUrl;
        m_log.push_back("base document");
    }

    CString m_strUrl;

private:
    Log& m_log;
};

// The arguments of one event, first to last as the event declares them; the browser passes its
// text and number arguments as variants by reference.
class CEventArgs {
public:
    CEventArgs& Dispatch()
    {
        return Add(VT_DISPATCH, [](VARIANT& v) { v.pdispVal = nullptr; });
    }
    CEventArgs& DispatchRef(IDispatch** ppDisp)
    {
        return Add(VT_BYREF | VT_DISPATCH, [ppDisp](VARIANT& v) { v.ppdispVal = ppDisp; });
    }
    CEventArgs& Ref(VARIANT& target)
    {
        return Add(VT_BYREF | VT_VARIANT, [&target](VARIANT& v) { v.pvarVal = &target; });
    }
    CEventArgs& Bool(VARIANT_BOOL& target)
    {
        return Add(VT_BYREF | VT_BOOL, [&target](VARIANT& v) { v.pboolVal = &target; });
    }

    // Fires the event at the dialog as its event interface does.
    HRESULT Fire(CDHtmlDialog& dlg, DISPID dispid)
    {
        m_reversed.assign(m_args.rbegin(), m_args.rend());
        DISPPARAMS params = {m_reversed.data(), nullptr, static_cast<UINT>(m_reversed.size()), 0};
        return dlg.OnEvent(AFX_IDC_BROWSER, dispid, &params);
    }

private:
    template <typename Fill>
    CEventArgs& Add(VARTYPE vt, Fill fill)
    {
        VARIANT v;
        ::VariantInit(&v);
        v.vt = vt;
        fill(v);
        m_args.push_back(v);
        return *this;
    }

    std::vector<VARIANT> m_args;
    std::vector<VARIANT> m_reversed;
};

class HtmlDialogTest : public ::testing::Test {
protected:
    // NavigateError(disp, url, frame, status, cancel) with the browser's cancel flag starting false.
    VARIANT_BOOL FireNavigateError(CDHtmlDialog& dlg, VARIANT& status)
    {
        VARIANT_BOOL cancel = VARIANT_FALSE;
        EXPECT_EQ(S_OK, CEventArgs().Dispatch().Ref(m_url).Ref(m_frame).Ref(status).Bool(cancel).Fire(
                            dlg, DISPID_NAVIGATEERROR));
        return cancel;
    }
    HRESULT FireBeforeNavigate(CDHtmlDialog& dlg, VARIANT_BOOL& cancel)
    {
        _variant_t empty;
        return CEventArgs().Dispatch().Ref(m_url).Ref(empty).Ref(m_frame).Ref(empty).Ref(empty).Bool(cancel).Fire(
            dlg, DISPID_BEFORENAVIGATE2);
    }

    _variant_t m_url{L"http://127.0.0.1/中文页"};
    _variant_t m_frame{L"main"};
    Log m_log;
};

} // namespace

TEST_F(HtmlDialogTest, WithoutAListenerTheBrowsersOwnBehaviourStays)
{
    CLoggingHtml dlg(m_log, nullptr);
    _variant_t status(404L);
    EXPECT_EQ(VARIANT_FALSE, FireNavigateError(dlg, status));

    // The browser may open its window: the flag it sent as true comes back false.
    IDispatch* pNewBrowser = nullptr;
    VARIANT_BOOL cancel = VARIANT_TRUE;
    EXPECT_EQ(S_OK, CEventArgs().DispatchRef(&pNewBrowser).Bool(cancel).Fire(dlg, DISPID_NEWWINDOW2));
    EXPECT_EQ(VARIANT_FALSE, cancel);

    EXPECT_EQ(S_OK, CEventArgs().Dispatch().Ref(m_url).Fire(dlg, DISPID_DOCUMENTCOMPLETE));
    cancel = VARIANT_FALSE;
    EXPECT_EQ(S_OK, FireBeforeNavigate(dlg, cancel));
    EXPECT_EQ(Log({"base document", "base before"}), m_log);
    EXPECT_EQ(CString(L"http://127.0.0.1/中文页"), dlg.m_strUrl);
    EXPECT_EQ(VARIANT_FALSE, cancel);
}

TEST_F(HtmlDialogTest, OnlyAPositiveAnswerOfTheListenerStopsTheErrorPage)
{
    CLoggingSink sink(m_log);
    CLoggingHtml dlg(m_log, &sink);
    _variant_t status(404L);
    EXPECT_EQ(VARIANT_FALSE, FireNavigateError(dlg, status)); // the listener's default leaves 0
    EXPECT_EQ(CString(L"http://127.0.0.1/中文页"), sink.m_strUrl);
    EXPECT_EQ(CString(L"main"), sink.m_strFrame);
    EXPECT_EQ(404u, sink.m_dwStatus);

    sink.m_bAnswer = true;
    sink.m_nAnswer = 1;
    EXPECT_EQ(VARIANT_TRUE, FireNavigateError(dlg, status));
    sink.m_nAnswer = -1;
    EXPECT_EQ(VARIANT_FALSE, FireNavigateError(dlg, status));
    sink.m_nAnswer = 0;
    EXPECT_EQ(VARIANT_FALSE, FireNavigateError(dlg, status));

    // The status comes as a number whatever integer or text form the browser gives it; garbage is 0.
    _variant_t text(L"500");
    FireNavigateError(dlg, text);
    EXPECT_EQ(500u, sink.m_dwStatus);
    _variant_t garbage(L"not a status");
    FireNavigateError(dlg, garbage);
    EXPECT_EQ(0u, sink.m_dwStatus);
}

TEST_F(HtmlDialogTest, ListenerComesFirstForBeforeNavigateAndReplacesTheBaseForDocumentComplete)
{
    CLoggingSink sink(m_log);
    CLoggingHtml dlg(m_log, &sink);
    sink.m_bCancelNavigation = TRUE;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    EXPECT_EQ(S_OK, FireBeforeNavigate(dlg, cancel));
    EXPECT_EQ(VARIANT_TRUE, cancel); // the listener's answer goes back to the browser

    EXPECT_EQ(S_OK, CEventArgs().Dispatch().Ref(m_url).Fire(dlg, DISPID_DOCUMENTCOMPLETE));
    IDispatch* pNewBrowser = nullptr;
    cancel = VARIANT_FALSE;
    EXPECT_EQ(S_OK, CEventArgs().DispatchRef(&pNewBrowser).Bool(cancel).Fire(dlg, DISPID_NEWWINDOW2));
    EXPECT_EQ(VARIANT_TRUE, cancel);
    EXPECT_EQ(S_OK, CEventArgs().Dispatch().Ref(m_url).Fire(dlg, DISPID_NAVIGATECOMPLETE2));

    EXPECT_EQ(Log({"sink before", "base before", "sink document", "sink new window", "sink navigated"}), m_log);
    EXPECT_EQ(CString(L"http://127.0.0.1/中文页"), sink.m_strUrl);
}

TEST_F(HtmlDialogTest, EventsWithArgumentsThatDoNotFitReachNoHandler)
{
    CLoggingSink sink(m_log);
    CLoggingHtml dlg(m_log, &sink);
    // Too few arguments, a cancel flag that is not a boolean by reference, an unknown event.
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, CEventArgs().Dispatch().Fire(dlg, DISPID_DOCUMENTCOMPLETE));
    _variant_t notAFlag(1L);
    EXPECT_EQ(DISP_E_TYPEMISMATCH, CEventArgs().Dispatch().Ref(m_url).Ref(m_frame).Ref(notAFlag).Ref(notAFlag).Fire(
                                       dlg, DISPID_NAVIGATEERROR));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, CEventArgs().Fire(dlg, DISPID_STATUSTEXTCHANGE));
    EXPECT_TRUE(m_log.empty());

    // A url that is not text reads as empty.
    _variant_t number(7L);
    EXPECT_EQ(S_OK, CEventArgs().Dispatch().Ref(number).Fire(dlg, DISPID_NAVIGATECOMPLETE2));
    EXPECT_EQ(CString(), sink.m_strUrl);
}

TEST(HtmlDialog, OpensFromTheLibraryTemplateWithoutABrowserAndEnterAndEscapeLeaveItOpen)
{
    CComApartment com;
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                              nullptr, nullptr));
    CVoHtml dlg;
    ASSERT_TRUE(dlg.Create(&host));
    EXPECT_EQ(&host, dlg.GetParent());
    EXPECT_TRUE(dlg.GetStyle() & WS_CHILD);

    dlg.SetFocus();
    ::PostMessageW(dlg.GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0);
    ::PostMessageW(dlg.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    ctltest::PumpPending();
    dlg.SendMessage(WM_COMMAND, IDOK);
    dlg.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(::IsWindow(dlg.GetSafeHwnd()));
    dlg.DestroyWindow();
    host.DestroyWindow();
}

namespace {

// A stand-in for the web browser control, registered for this process under the browser's class
// identifier: an OLE object that records how the dialog embeds it. It offers no IWebBrowser2, so
// the dialog must give it up again cleanly.
class CFakeBrowser : public CFakeComObject<CFakeBrowser, IOleObject> {
public:
    // The last one made, with a reference of the test's own, so that it can be looked at after
    // the dialog let it go.
    static CFakeBrowser* s_pKept;

    CFakeBrowser()
    {
        s_pKept = this;
        AddRef();
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IOleObject)
            return E_NOINTERFACE;
        *ppv = static_cast<IOleObject*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP SetClientSite(IOleClientSite* pSite) override
    {
        if (pSite != nullptr)
            pSite->AddRef();
        if (m_pSite != nullptr)
            m_pSite->Release();
        m_pSite = pSite;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite** ppSite) override
    {
        *ppSite = m_pSite;
        if (m_pSite != nullptr)
            m_pSite->AddRef();
        return S_OK;
    }
    // In-place activation as a control does it: asks the site where to stand.
    STDMETHODIMP DoVerb(LONG iVerb, LPMSG, IOleClientSite* pSite, LONG, HWND hwndParent, LPCRECT) override
    {
        m_hParent = hwndParent;
        IOleInPlaceSite* pInPlace = nullptr;
        if (iVerb != OLEIVERB_INPLACEACTIVATE ||
            FAILED(pSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&pInPlace))))
            return E_FAIL;
        IOleInPlaceFrame* pFrame = nullptr;
        IOleInPlaceUIWindow* pDoc = nullptr;
        OLEINPLACEFRAMEINFO info = {sizeof(info)};
        RECT rcClip = {};
        m_bActivated = pInPlace->CanInPlaceActivate() == S_OK &&
                       SUCCEEDED(pInPlace->GetWindowContext(&pFrame, &pDoc, &m_rcPos, &rcClip, &info));
        if (pFrame != nullptr)
            pFrame->Release();
        pInPlace->Release();
        return m_bActivated ? S_OK : E_FAIL;
    }
    STDMETHODIMP Close(DWORD) override
    {
        m_bClosed = true;
        return S_OK;
    }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    IOleClientSite* m_pSite = nullptr;
    HWND m_hParent = nullptr;
    RECT m_rcPos = {};
    bool m_bActivated = false;
    bool m_bClosed = false;

private:
    ~CFakeBrowser() override
    {
        if (m_pSite != nullptr)
            m_pSite->Release();
    }
};
CFakeBrowser* CFakeBrowser::s_pKept = nullptr;

} // namespace

TEST(HtmlDialog, HostsTheBrowserOverItsClientAreaAndGivesUpOneWithoutTheBrowserInterface)
{
    CComApartment com;
    CFakeBrowser::s_pKept = nullptr;
    CFakeClassFactory<CFakeBrowser> factory;
    DWORD dwCookie = 0;
    ASSERT_EQ(S_OK,
              ::CoRegisterClassObject(CLSID_WebBrowser, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &dwCookie));
    CScopeExit revoke([dwCookie] { ::CoRevokeClassObject(dwCookie); });

    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                              nullptr, nullptr));
    CVoHtml dlg;
    ASSERT_TRUE(dlg.Create(&host));
    CFakeBrowser* pBrowser = CFakeBrowser::s_pKept;
    ASSERT_NE(nullptr, pBrowser);
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    EXPECT_TRUE(pBrowser->m_bActivated);
    EXPECT_EQ(dlg.GetSafeHwnd(), pBrowser->m_hParent);
    EXPECT_EQ(rcClient, CRect(pBrowser->m_rcPos));
    // Without IWebBrowser2 the control is closed and its site taken back at once.
    EXPECT_TRUE(pBrowser->m_bClosed);
    EXPECT_EQ(nullptr, pBrowser->m_pSite);
    EXPECT_EQ(nullptr, dlg.m_pBrowserApp);
    pBrowser->Release();
    EXPECT_EQ(0, CFakeBrowser::s_nLive);
    dlg.DestroyWindow();
    host.DestroyWindow();
}
