// Reading a module text file with MSXML (see CLangXmlReader.h for the format).
#include "CLangXmlReader.h"

#include <afxlite/AfxScoped.h>

#include <cstring>
#include <memory>

namespace {

const wchar_t kRootTag[] = L"resources";
const wchar_t kStringTag[] = L"string";
const wchar_t kDialogTag[] = L"dialog";
const wchar_t kItemTag[] = L"item";

// A module text file is small; anything larger than this is not one.
const LONGLONG kMaxFileBytes = 16 * 1024 * 1024;

} // namespace

bool CLangXmlReader::Read(LPCTSTR path, CLangProRC& set)
{
    if (path == nullptr)
        return false;
    std::vector<BYTE> bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    const CComApartment com; // outlives every interface pointer below
    try {
        const IXMLDOMElementPtr root = LoadRoot(bytes);
        if (root == nullptr || TagName(root) != kRootTag)
            return false;
        ReadElements(root, set);
        return true;
    } catch (const _com_error&) {
        return false;
    }
}

// The file is read here rather than by MSXML, which would take its path for an address and
// decode escapes such as "%41" in folder names.
bool CLangXmlReader::ReadFileBytes(LPCTSTR path, std::vector<BYTE>& bytes)
{
    const CKernelHandle file(
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > kMaxFileBytes)
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    return ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size();
}

// MSXML reads a byte array as a file: the XML declaration names its encoding.
IXMLDOMElementPtr CLangXmlReader::LoadRoot(const std::vector<BYTE>& bytes)
{
    IXMLDOMDocumentPtr doc;
    if (FAILED(AfxCreateXmlDocument(doc)))
        return nullptr;
    _variant_t source;
    if (!ToByteArray(bytes, source))
        return nullptr;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (doc->load(source, &loaded) != S_OK || loaded != VARIANT_TRUE)
        return nullptr;
    IXMLDOMElementPtr root;
    if (FAILED(doc->get_documentElement(&root)))
        return nullptr;
    return root;
}

bool CLangXmlReader::ToByteArray(const std::vector<BYTE>& bytes, _variant_t& array)
{
    SAFEARRAY* data = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (data == nullptr)
        return false;
    VARIANT value;
    value.vt = VT_ARRAY | VT_UI1;
    value.parray = data;
    array.Attach(value); // the variant now owns the array
    void* target = nullptr;
    if (FAILED(SafeArrayAccessData(data, &target)))
        return false;
    if (!bytes.empty())
        std::memcpy(target, bytes.data(), bytes.size());
    return SUCCEEDED(SafeArrayUnaccessData(data));
}

std::vector<IXMLDOMElementPtr> CLangXmlReader::ChildElements(IXMLDOMNode* parent)
{
    std::vector<IXMLDOMElementPtr> elements;
    IXMLDOMNodeListPtr children;
    long count = 0;
    if (FAILED(parent->get_childNodes(&children)) || FAILED(children->get_length(&count)))
        return elements;
    for (long i = 0; i < count; ++i) {
        IXMLDOMNodePtr node;
        DOMNodeType type = NODE_INVALID;
        if (children->get_item(i, &node) != S_OK || FAILED(node->get_nodeType(&type)))
            continue;
        const IXMLDOMElementPtr element = type == NODE_ELEMENT ? node : nullptr;
        if (element != nullptr)
            elements.push_back(element);
    }
    return elements;
}

CString CLangXmlReader::TagName(IXMLDOMElement* element)
{
    _bstr_t name;
    if (FAILED(element->get_tagName(name.GetAddress())))
        return CString();
    return AfxStringFromBstr(name);
}

CString CLangXmlReader::Attribute(IXMLDOMElement* element, LPCTSTR name)
{
    _variant_t value;
    if (element->getAttribute(_bstr_t(name), &value) != S_OK || value.vt != VT_BSTR)
        return CString();
    return AfxStringFromBstr(value.bstrVal);
}

void CLangXmlReader::ReadElements(IXMLDOMElement* root, CLangProRC& set)
{
    for (const IXMLDOMElementPtr& element : ChildElements(root)) {
        const CString tag = TagName(element);
        if (tag == kStringTag)
            set.SetString(Attribute(element, L"id"), Attribute(element, L"text"));
        else if (tag == kDialogTag)
            ReadDialog(element, set);
    }
}

void CLangXmlReader::ReadDialog(IXMLDOMElement* dialog, CLangProRC& set)
{
    CLangRCDlg* record = set.AddDialog(Attribute(dialog, L"name"));
    if (record == nullptr)
        return;
    record->m_strCaption = Attribute(dialog, L"caption");
    for (const IXMLDOMElementPtr& item : ChildElements(dialog)) {
        if (TagName(item) == kItemTag)
            record->SetItemText(Attribute(item, L"id"), Attribute(item, L"text"));
    }
}
