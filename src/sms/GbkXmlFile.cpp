// Classifying a document's characters for a GBK file, and writing it with character references.

#include "GbkXmlFile.h"

#include <afxlite/AfxScoped.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

_COM_SMARTPTR_TYPEDEF(IStream, __uuidof(IStream));

namespace {

const UINT kGbkCodePage = 936;
const wchar_t kDeclarationTarget[] = L"xml";
const wchar_t kGbkDeclaration[] = L"version='1.0' encoding='gbk'";
const wchar_t kUtf8Declaration[] = L"version='1.0' encoding='utf-8'";

bool IsGbk(LPCWSTR text, int length)
{
    if (length == 0)
        return true;
    BOOL bUsedDefault = FALSE;
    const int bytes = WideCharToMultiByte(kGbkCodePage, 0, text, length, nullptr, 0, nullptr, &bUsedDefault);
    return bytes > 0 && !bUsedDefault;
}

// A string of the document; bReferences tells whether character references may stand in it.
GbkContent Classify(const CString& text, bool bReferences)
{
    if (!AfxIsXmlText(text, text.GetLength()))
        return GbkContent::Unsaveable;
    if (IsGbk(text, text.GetLength()))
        return GbkContent::Encodable;
    return bReferences ? GbkContent::NeedsReferences : GbkContent::Unsaveable;
}

GbkContent Worse(GbkContent a, GbkContent b)
{
    return static_cast<int>(a) > static_cast<int>(b) ? a : b;
}

CString NodeName(IXMLDOMNode* node)
{
    _bstr_t name;
    if (FAILED(node->get_nodeName(name.GetAddress())))
        _com_issue_error(E_FAIL);
    return AfxStringFromBstr(name);
}

CString NodeValue(IXMLDOMNode* node)
{
    _variant_t value;
    if (FAILED(node->get_nodeValue(value.GetAddress())))
        _com_issue_error(E_FAIL);
    return V_VT(&value) == VT_BSTR ? AfxStringFromBstr(V_BSTR(&value)) : CString();
}

// One node without its children: its name, its value and, for an element, its attributes.
GbkContent ClassifyNode(IXMLDOMNode* node)
{
    DOMNodeType type = NODE_INVALID;
    if (FAILED(node->get_nodeType(&type)))
        _com_issue_error(E_FAIL);
    switch (type) {
    case NODE_TEXT:
        return Classify(NodeValue(node), true);
    case NODE_ELEMENT: {
        GbkContent content = Classify(NodeName(node), false);
        IXMLDOMNamedNodeMapPtr attributes;
        long count = 0;
        if (FAILED(node->get_attributes(&attributes)) || FAILED(attributes->get_length(&count)))
            _com_issue_error(E_FAIL);
        for (long i = 0; i < count; ++i) {
            IXMLDOMNodePtr attribute;
            if (FAILED(attributes->get_item(i, &attribute)))
                _com_issue_error(E_FAIL);
            content = Worse(content, Classify(NodeName(attribute), false));
            content = Worse(content, Classify(NodeValue(attribute), true));
        }
        return content;
    }
    case NODE_COMMENT:
    case NODE_CDATA_SECTION:
    case NODE_PROCESSING_INSTRUCTION:
        return Classify(NodeValue(node), false);
    default:
        return GbkContent::Encodable;
    }
}

void AppendReference(std::string& bytes, unsigned codePoint)
{
    char reference[16];
    std::snprintf(reference, sizeof(reference), "&#x%X;", codePoint);
    bytes += reference;
}

// The text as GBK bytes, each character without a GBK form as a character reference.
std::string GbkWithReferences(const CString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.GetLength()) * 2);
    const int length = text.GetLength();
    for (int i = 0; i < length;) {
        const bool bPair = IS_HIGH_SURROGATE(text[i]) && i + 1 < length && IS_LOW_SURROGATE(text[i + 1]);
        const int units = bPair ? 2 : 1;
        char encoded[8];
        BOOL bUsedDefault = FALSE;
        const int count = WideCharToMultiByte(kGbkCodePage, 0, text.GetString() + i, units, encoded, sizeof(encoded),
                                              nullptr, &bUsedDefault);
        if (count > 0 && !bUsedDefault)
            bytes.append(encoded, static_cast<size_t>(count));
        else
            AppendReference(bytes, bPair ? 0x10000u + ((text[i] - 0xD800u) << 10) + (text[i + 1] - 0xDC00u)
                                         : static_cast<unsigned>(text[i]));
        i += units;
    }
    return bytes;
}

// Puts "<?xml data?>" at the start of the document, replacing the declaration it has.
HRESULT SetXmlDeclaration(IXMLDOMDocument* doc, LPCWSTR data)
{
    IXMLDOMProcessingInstructionPtr declaration;
    HRESULT hr = doc->createProcessingInstruction(_bstr_t(kDeclarationTarget), _bstr_t(data), &declaration);
    if (FAILED(hr))
        return hr;
    IXMLDOMNodePtr first;
    hr = doc->get_firstChild(&first);
    if (FAILED(hr))
        return hr;
    DOMNodeType type = NODE_INVALID;
    if (first && FAILED(hr = first->get_nodeType(&type)))
        return hr;
    IXMLDOMNodePtr placed;
    if (type == NODE_PROCESSING_INSTRUCTION && NodeName(first) == kDeclarationTarget)
        return doc->replaceChild(declaration, first, &placed);
    _variant_t before;
    if (first)
        before = static_cast<IDispatch*>(first.GetInterfacePtr());
    return doc->insertBefore(declaration, before, &placed);
}

// What the stream holds, from its start to its current position, decoded from UTF-8.
CString StreamText(IStream* stream)
{
    HGLOBAL memory = nullptr;
    ULARGE_INTEGER size = {};
    const LARGE_INTEGER zero = {};
    if (FAILED(GetHGlobalFromStream(stream, &memory)) || FAILED(stream->Seek(zero, STREAM_SEEK_CUR, &size)) ||
        size.QuadPart > static_cast<ULONGLONG>(INT_MAX))
        return CString();
    const char* bytes = static_cast<const char*>(GlobalLock(memory));
    if (!bytes)
        return CString();
    const int count = static_cast<int>(size.QuadPart);
    const int length = MultiByteToWideChar(CP_UTF8, 0, bytes, count, nullptr, 0);
    CString text;
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, bytes, count, text.GetBuffer(length), length);
    text.ReleaseBuffer(length > 0 ? length : 0);
    GlobalUnlock(memory);
    return text;
}

} // namespace

GbkContent ClassifyForGbk(IXMLDOMDocument* doc)
{
    GbkContent content = GbkContent::Encodable;
    std::vector<IXMLDOMNodePtr> pending;
    IXMLDOMNodePtr first;
    if (FAILED(doc->get_firstChild(&first)))
        _com_issue_error(E_FAIL);
    for (IXMLDOMNodePtr node = first; node || !pending.empty();) {
        if (!node) {
            node = pending.back();
            pending.pop_back();
        }
        content = Worse(content, ClassifyNode(node));
        IXMLDOMNodePtr child;
        IXMLDOMNodePtr next;
        if (FAILED(node->get_firstChild(&child)) || FAILED(node->get_nextSibling(&next)))
            _com_issue_error(E_FAIL);
        if (child && next)
            pending.push_back(next);
        node = child ? child : next;
    }
    return content;
}

HRESULT SetGbkDeclaration(IXMLDOMDocument* doc)
{
    return SetXmlDeclaration(doc, kGbkDeclaration);
}

bool WriteGbkWithReferences(IXMLDOMDocument* doc, LPCTSTR path)
{
    // The DOM serialises into memory as UTF-8, in exactly the form its file save has; the text
    // is then encoded here, with the GBK declaration put back in front.
    IStreamPtr stream;
    if (FAILED(SetXmlDeclaration(doc, kUtf8Declaration)) || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)))
        return false;
    const HRESULT saved = doc->save(_variant_t(static_cast<IUnknown*>(stream)));
    if (FAILED(SetGbkDeclaration(doc)) || FAILED(saved))
        return false;
    const CString text = StreamText(stream);
    const int end = text.Find(L"?>");
    if (text.Left(5) != L"<?xml" || end < 0)
        return false;
    const std::string bytes = GbkWithReferences(CString(L"<?xml ") + kGbkDeclaration + L"?>" + text.Mid(end + 2));
    const CKernelHandle file(
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}
