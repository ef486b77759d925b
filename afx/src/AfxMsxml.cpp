// The framework's XML document factory and BSTR text.
#include "afxmsxml.h"

HRESULT AFXAPI AfxCreateXmlDocument(IXMLDOMDocumentPtr& doc)
{
    IXMLDOMDocumentPtr created;
    HRESULT hr = created.CreateInstance(__uuidof(DOMDocument), nullptr, CLSCTX_INPROC_SERVER);
    if (FAILED(hr))
        return hr;
    hr = created->put_resolveExternals(VARIANT_FALSE);
    if (FAILED(hr))
        return hr;
    hr = created->put_async(VARIANT_FALSE);
    if (FAILED(hr))
        return hr;
    doc = created;
    return S_OK;
}

BOOL AFXAPI AfxIsXmlText(LPCWSTR lpszText, int nLength)
{
    for (int i = 0; i < nLength; ++i) {
        const wchar_t ch = lpszText[i];
        if (ch < L' ' && ch != L'\t' && ch != L'\n' && ch != L'\r')
            return FALSE;
        if (ch == 0xFFFE || ch == 0xFFFF || IS_LOW_SURROGATE(ch))
            return FALSE;
        if (IS_HIGH_SURROGATE(ch)) {
            if (i + 1 >= nLength || !IS_LOW_SURROGATE(lpszText[i + 1]))
                return FALSE;
            ++i;
        }
    }
    return TRUE;
}

CString AFXAPI AfxStringFromBstr(BSTR text)
{
    return text ? CString(text, static_cast<int>(::SysStringLen(text))) : CString();
}
