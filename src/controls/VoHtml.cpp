// The HTML dialog: the browser's navigation events handed to the listener.
#include <VoHtml.h>

#include "res/VoHtmlIds.h"

IMPLEMENT_DYNCREATE(CVoHtml, CDHtmlDialog)

BEGIN_EVENTSINK_MAP(CVoHtml, CDHtmlDialog)
ON_EVENT(CVoHtml, AFX_IDC_BROWSER, DISPID_BEFORENAVIGATE2, &CVoHtml::OnBeforeNavigate2)
ON_EVENT(CVoHtml, AFX_IDC_BROWSER, DISPID_NEWWINDOW2, &CVoHtml::OnNewWindow2)
ON_EVENT(CVoHtml, AFX_IDC_BROWSER, DISPID_DOCUMENTCOMPLETE, &CVoHtml::DocumentComplete)
ON_EVENT(CVoHtml, AFX_IDC_BROWSER, DISPID_NAVIGATEERROR, &CVoHtml::NavigateError)
END_EVENTSINK_MAP()

static_assert(CVoHtml::IDD == IDD_VO_HTML, "the default template is the library's");

namespace {

// The status code of a navigation error: a number, whatever integer type the browser sent.
DWORD StatusCode(VARIANT* pvStatusCode)
{
    if (pvStatusCode == nullptr)
        return 0;
    VARIANT number;
    ::VariantInit(&number);
    if (FAILED(::VariantChangeType(&number, pvStatusCode, 0, VT_I4)))
        return 0;
    return static_cast<DWORD>(number.lVal);
}

} // namespace

CVoHtml::CVoHtml(CWnd* pParent, UINT nIDTemplate, UINT nHtmlResID, CVoHtmlEventSink* pSink)
    : CDHtmlDialog(nIDTemplate, nHtmlResID, pParent), m_pSink(pSink)
{
}

BOOL CVoHtml::Create(CWnd* pParent)
{
    return CDHtmlDialog::Create(IDD_VO_HTML, pParent);
}

BOOL CVoHtml::OnInitDialog()
{
    CDHtmlDialog::OnInitDialog();
    SetHostFlags(DOCHOSTUIFLAG_FLAT_SCROLLBAR | DOCHOSTUIFLAG_NO3DBORDER);
    return TRUE;
}

void CVoHtml::OnOK()
{
}

void CVoHtml::OnCancel()
{
}

void CVoHtml::DoDataExchange(CDataExchange*)
{
}

void CVoHtml::NavigateError(LPDISPATCH, VARIANT* pvURL, VARIANT* pvFrame, VARIANT* pvStatusCode,
                            VARIANT_BOOL* pvbCancel)
{
    BOOL bAnswer = 0;
    if (m_pSink != nullptr)
        m_pSink->OnNavigateError(AfxStringFromVariant(pvURL), AfxStringFromVariant(pvFrame), StatusCode(pvStatusCode),
                                 &bAnswer);
    *pvbCancel = bAnswer > 0 ? VARIANT_TRUE : VARIANT_FALSE;
}

void CVoHtml::DocumentComplete(LPDISPATCH pDisp, VARIANT* URL)
{
    if (m_pSink != nullptr)
        m_pSink->DocumentComplete(pDisp, URL);
    else
        OnDocumentComplete(pDisp, AfxStringFromVariant(URL));
}

void CVoHtml::OnBeforeNavigate2(LPDISPATCH pDisp, VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName,
                                VARIANT* PostData, VARIANT* Headers, BOOL* Cancel)
{
    if (m_pSink != nullptr)
        m_pSink->OnBeforeNavigate2(pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel);
    OnBeforeNavigate(pDisp, AfxStringFromVariant(URL));
}

void CVoHtml::OnNewWindow2(LPDISPATCH* ppDisp, BOOL* Cancel)
{
    if (m_pSink != nullptr)
        m_pSink->OnNewWindow2(ppDisp, Cancel);
    else
        *Cancel = FALSE;
}

void CVoHtml::OnNavigateComplete(LPDISPATCH pDisp, LPCTSTR szUrl)
{
    CDHtmlDialog::OnNavigateComplete(pDisp, szUrl);
    if (m_pSink != nullptr)
        m_pSink->OnNavigateComplete(pDisp, szUrl);
}
