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

CString AFXAPI AfxStringFromBstr(BSTR text)
{
    return text ? CString(text, static_cast<int>(::SysStringLen(text))) : CString();
}
