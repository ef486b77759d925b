// The framework's XML document factory and BSTR text.
#include "afxmsxml.h"

#include "AfxThreadState.h"

HRESULT AFXAPI AfxCreateXmlDocument(IXMLDOMDocumentPtr& doc)
{
    IXMLDOMDocumentPtr created;
    IClassFactory* factory = AfxGetThreadState()->pXmlDocumentFactory;
    HRESULT hr = factory
                     ? factory->CreateInstance(nullptr, __uuidof(IXMLDOMDocument), reinterpret_cast<void**>(&created))
                     : created.CreateInstance(__uuidof(DOMDocument), nullptr, CLSCTX_INPROC_SERVER);
    if (FAILED(hr))
        return hr;
    if (!created)
        return E_POINTER;
    hr = created->put_resolveExternals(VARIANT_FALSE);
    if (FAILED(hr))
        return hr;
    hr = created->put_async(VARIANT_FALSE);
    if (FAILED(hr))
        return hr;
    doc = created;
    return S_OK;
}

CXmlDocumentFactoryScope::CXmlDocumentFactoryScope() : m_pFactory(nullptr)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    ASSERT(!state->pXmlDocumentFactory); // one scope per thread at a time
    if (FAILED(::CoGetClassObject(__uuidof(DOMDocument), CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                  reinterpret_cast<void**>(&m_pFactory))))
        m_pFactory = nullptr;
    state->pXmlDocumentFactory = m_pFactory;
}

CXmlDocumentFactoryScope::~CXmlDocumentFactoryScope()
{
    AfxGetThreadState()->pXmlDocumentFactory = nullptr;
    if (m_pFactory)
        m_pFactory->Release();
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

namespace {

struct CharRange {
    wchar_t first;
    wchar_t last;
};

// The characters of the Basic Multilingual Plane that may start an XML name.
const CharRange kNameStart[] = {{L':', L':'},     {L'A', L'Z'},     {L'_', L'_'},     {L'a', L'z'},
                                {0xC0, 0xD6},     {0xD8, 0xF6},     {0xF8, 0x2FF},    {0x370, 0x37D},
                                {0x37F, 0x1FFF},  {0x200C, 0x200D}, {0x2070, 0x218F}, {0x2C00, 0x2FEF},
                                {0x3001, 0xD7FF}, {0xF900, 0xFDCF}, {0xFDF0, 0xFFFD}};
// The characters that may follow the first.
const CharRange kNameRest[] = {{L'-', L'.'}, {L'0', L'9'}, {0xB7, 0xB7}, {0x300, 0x36F}, {0x203F, 0x2040}};

template <size_t N>
bool InRanges(wchar_t ch, const CharRange (&ranges)[N])
{
    for (const CharRange& range : ranges) {
        if (ch >= range.first && ch <= range.last)
            return true;
    }
    return false;
}

} // namespace

BOOL AFXAPI AfxIsXmlName(LPCWSTR lpszName, int nLength)
{
    if (lpszName == nullptr || nLength <= 0)
        return FALSE;
    for (int i = 0; i < nLength; ++i) {
        const wchar_t ch = lpszName[i];
        // A surrogate pair stands for U+10000-U+10FFFF; names may use U+10000-U+EFFFF.
        if (IS_HIGH_SURROGATE(ch)) {
            if (i + 1 >= nLength || !IS_LOW_SURROGATE(lpszName[i + 1]) || ch > 0xDB7F)
                return FALSE;
            ++i;
            continue;
        }
        if (!InRanges(ch, kNameStart) && (i == 0 || !InRanges(ch, kNameRest)))
            return FALSE;
    }
    return TRUE;
}

CString AFXAPI AfxStringFromBstr(BSTR text)
{
    return text ? CString(text, static_cast<int>(::SysStringLen(text))) : CString();
}
