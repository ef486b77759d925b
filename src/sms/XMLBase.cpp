// CXMLBase: short messages and their folder tree in XML files, shown in list and tree controls.
//
// The DOM is called through its raw interfaces; Check turns a failed call into the _com_error
// that the caller of Load(path) and Out sees. Names and texts stay UTF-16 as the DOM gives them:
// a detour through the ANSI code page would turn every character outside it (Chinese on a
// Western system) into a placeholder. Subtrees are walked with explicit stacks, so a deep
// document cannot exhaust the thread's stack.

#include <XMLBase.h>

#include "GbkXmlFile.h"

#include <afxlite/AfxPath.h>

#include <comutil.h>

#include <memory>
#include <vector>

namespace {

const int kDone = 0;
const int kFailed = -1;
const int kNoRoot = -102;

const wchar_t kRootName[] = L"tavo";
const wchar_t kSmsName[] = L"sms";
const wchar_t kRoomName[] = L"room";
const wchar_t kNodeName[] = L"node";
const wchar_t kValueAttribute[] = L"value";
const wchar_t kNameAttribute[] = L"name";
const wchar_t kTreeKey[] = L"tree";

const int kTextColumn = 1; // column of a message's text; attribute k > 0 goes to column k + 1

void Check(HRESULT hr)
{
    if (FAILED(hr))
        _com_issue_error(hr);
}

// The string form of a DOM value; null (a missing attribute) gives an empty string.
CString FromVariant(const _variant_t& value)
{
    if (V_VT(&value) == VT_BSTR)
        return AfxStringFromBstr(V_BSTR(&value));
    if (V_VT(&value) == VT_NULL || V_VT(&value) == VT_EMPTY)
        return CString();
    _variant_t text(value);
    Check(VariantChangeType(&text, &text, 0, VT_BSTR));
    return AfxStringFromBstr(V_BSTR(&text));
}

CString NodeName(IXMLDOMNode* node)
{
    _bstr_t name;
    Check(node->get_nodeName(name.GetAddress()));
    return AfxStringFromBstr(name);
}

IXMLDOMNodePtr FirstChild(IXMLDOMNode* node)
{
    IXMLDOMNodePtr child;
    Check(node->get_firstChild(&child));
    return child;
}

IXMLDOMNodePtr NextSibling(IXMLDOMNode* node)
{
    IXMLDOMNodePtr next;
    Check(node->get_nextSibling(&next));
    return next;
}

// node as an element; null for text, comments and the other kinds of node.
IXMLDOMElementPtr AsElement(IXMLDOMNode* node)
{
    DOMNodeType type = NODE_INVALID;
    Check(node->get_nodeType(&type));
    return type == NODE_ELEMENT ? IXMLDOMElementPtr(node) : IXMLDOMElementPtr();
}

// The first element among node and its following siblings, or null.
IXMLDOMElementPtr ElementFrom(IXMLDOMNodePtr node)
{
    for (; node; node = NextSibling(node)) {
        if (IXMLDOMElementPtr element = AsElement(node))
            return element;
    }
    return IXMLDOMElementPtr();
}

IXMLDOMElementPtr FirstChildElement(IXMLDOMNode* node)
{
    return ElementFrom(FirstChild(node));
}

IXMLDOMElementPtr NextSiblingElement(IXMLDOMNode* node)
{
    return ElementFrom(NextSibling(node));
}

// Attribute maps of tree items: CString values owned by the map's holder.
void DeleteAttributeMap(CMapStringToPtr* map)
{
    CString name;
    void* value = nullptr;
    for (POSITION pos = map->GetStartPosition(); pos;) {
        map->GetNextAssoc(pos, name, value);
        delete static_cast<CString*>(value);
    }
    delete map;
}

struct AttributeMapDeleter {
    void operator()(CMapStringToPtr* map) const { DeleteAttributeMap(map); }
};
using AttributeMapOwner = std::unique_ptr<CMapStringToPtr, AttributeMapDeleter>;

const int kMapBlockSize = 10;

} // namespace

CXMLBase::CXMLBase()
{
}

CXMLBase::~CXMLBase()
{
}

int CXMLBase::Load(IXMLDOMDocumentPtr doc)
{
    if (!doc)
        return kFailed;
    m_pDoc = doc;
    return kDone;
}

int CXMLBase::Load(const wchar_t* path)
{
    IXMLDOMDocumentPtr doc;
    Check(AfxCreateXmlDocument(doc));
    m_pDoc = doc;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT hr = doc->load(_variant_t(path ? path : L""), &loaded);
    return SUCCEEDED(hr) && loaded == VARIANT_TRUE ? kDone : kFailed;
}

IXMLDOMElementPtr CXMLBase::FindRoot()
{
    if (!m_pDoc)
        return IXMLDOMElementPtr();
    IXMLDOMNodePtr root;
    Check(m_pDoc->selectSingleNode(_bstr_t(kRootName), &root));
    return root ? AsElement(root) : IXMLDOMElementPtr();
}

// Every failure, an exception included, is reported as -1: a store that was not written must
// not look saved to the caller.
int CXMLBase::SaveSMS(CString& folder)
{
    try {
        return SaveDocument(folder);
    } catch (...) {
        return kFailed;
    }
}

int CXMLBase::SaveDocument(CString& folder)
{
    IXMLDOMElementPtr root = FindRoot();
    if (!root)
        return kNoRoot;
    IXMLDOMNodePtr first;
    if (FAILED(root->get_firstChild(&first)))
        return kFailed;
    // The "sms" element is the root's first child element; text or comments before it (the
    // indentation of a document that keeps white space) do not hide it.
    IXMLDOMElementPtr sms = ElementFrom(first);
    if (!sms || NodeName(sms) != kSmsName)
        return kDone;
    _variant_t value;
    Check(sms->getAttribute(_bstr_t(kValueAttribute), value.GetAddress()));
    if (V_VT(&value) == VT_NULL)
        return kDone;
    const CString base = folder;
    folder = FromVariant(value);
    if (folder.IsEmpty())
        return kDone;
    // The key becomes a file name in the "sms" folder: nothing in it may lead out of that folder.
    if (!AfxIsPlainFileName(folder))
        return kFailed;

    CString path;
    if (folder == kTreeKey)
        path.Format(L"%s\\sms\\smstree.xml", base.GetString());
    else
        path.Format(L"%s\\sms\\%s.xml", base.GetString(), folder.GetString());
    // A folder in the file's place would take no message, though the DOM reports it saved.
    if (AfxIsFolder(path))
        return kFailed;
    Check(m_pDoc->put_preserveWhiteSpace(VARIANT_TRUE));
    Check(SetGbkDeclaration(m_pDoc));
    // Nothing the store accepts may make its own file unreadable or come back changed.
    switch (ClassifyForGbk(m_pDoc)) {
    case GbkContent::Encodable:
        return SUCCEEDED(m_pDoc->save(_variant_t(path.GetString()))) ? kDone : kFailed;
    case GbkContent::NeedsReferences:
        return WriteGbkWithReferences(m_pDoc, path) ? kDone : kFailed;
    case GbkContent::Unsaveable:
        break;
    }
    return kFailed;
}

int CXMLBase::Out(CListCtrl* list)
{
    if (!list || !::IsWindow(list->GetSafeHwnd()))
        return kFailed;
    IXMLDOMElementPtr root = FindRoot();
    if (!root)
        return kNoRoot;
    const CRedrawSuspended quiet(list->GetSafeHwnd());
    for (IXMLDOMElementPtr sms = FirstChildElement(root); sms; sms = NextSiblingElement(sms)) {
        if (NodeName(sms) != kSmsName)
            continue;
        for (IXMLDOMElementPtr node = FirstChildElement(sms); node; node = NextSiblingElement(node)) {
            if (NodeName(node) == kNodeName)
                AppendMessage(list, node);
        }
    }
    return kDone;
}

void CXMLBase::AppendMessage(CListCtrl* list, IXMLDOMElementPtr& node)
{
    const int row = list->InsertItem(list->GetItemCount(), L"");
    if (row < 0)
        return;
    CString name;
    CString text;
    GetNodeName(node, name, text);
    list->SetItemText(row, kTextColumn, text);

    IXMLDOMNamedNodeMapPtr attributes;
    Check(node->get_attributes(&attributes));
    long count = 0;
    if (attributes)
        Check(attributes->get_length(&count));
    for (int index = 0; index < count; ++index) {
        CString value;
        GetNodeArrib(attributes, index, name, value);
        list->SetItemText(row, index == 0 ? 0 : index + 1, value);
    }
}

int CXMLBase::Out(CTreeCtrl* tree)
{
    if (!tree || !::IsWindow(tree->GetSafeHwnd()))
        return kFailed;
    IXMLDOMElementPtr root = FindRoot();
    if (!root)
        return kNoRoot;
    IXMLDOMNodePtr first;
    if (FAILED(root->get_firstChild(&first)))
        return kFailed;
    const CRedrawSuspended quiet(tree->GetSafeHwnd());
    for (IXMLDOMElementPtr child = ElementFrom(first); child; child = NextSiblingElement(child))
        XML2Tree(tree, child, nullptr);
    return kDone;
}

// Depth first with one stack entry per open level: the next child node of that level and the
// item its elements go below. Children are taken in document order and each new item is put
// last below its parent, so the folders keep the document's order.
int CXMLBase::XML2Tree(CTreeCtrl* tree, IXMLDOMElementPtr& element, HTREEITEM parent)
{
    struct Level {
        IXMLDOMNodePtr next;
        HTREEITEM parent;
    };
    HTREEITEM under = nullptr;
    if (!AddFolderElement(tree, element, parent, under))
        return kDone;
    std::vector<Level> levels;
    levels.push_back({FirstChild(element), under});
    while (!levels.empty()) {
        Level& level = levels.back();
        if (!level.next) {
            levels.pop_back();
            continue;
        }
        IXMLDOMNodePtr node = level.next;
        level.next = NextSibling(node);
        IXMLDOMElementPtr child = AsElement(node);
        if (child && AddFolderElement(tree, child, level.parent, under))
            levels.push_back({FirstChild(child), under});
    }
    return kDone;
}

// "sms" and "room" group folders at their own level; a "node" is a folder when it has a
// non-empty "name"; anything else is not shown, nor is what it holds. The map is complete
// before the item exists and goes in with it, so it is never left without an owner.
bool CXMLBase::AddFolderElement(CTreeCtrl* tree, IXMLDOMElementPtr& element, HTREEITEM parent, HTREEITEM& under)
{
    const CString elementName = NodeName(element);
    if (elementName == kSmsName || elementName == kRoomName) {
        under = parent;
        return true;
    }
    if (elementName != kNodeName)
        return false;

    IXMLDOMNamedNodeMapPtr attributes;
    Check(element->get_attributes(&attributes));
    long count = 0;
    if (attributes)
        Check(attributes->get_length(&count));
    AttributeMapOwner map(new CMapStringToPtr(kMapBlockSize));
    map->InitHashTable(AfxHashSizeFor(count));
    CString display;
    for (int index = 0; index < count; ++index) {
        CString name;
        CString value;
        GetNodeArrib(attributes, index, name, value);
        if (name == kNameAttribute) {
            display = value;
            continue;
        }
        std::unique_ptr<CString> text(new CString(value));
        map->SetAt(name, text.get()); // attribute names are unique within an element
        text.release();
    }
    if (display.IsEmpty())
        return false;

    under = tree->InsertItem(TVIF_TEXT | TVIF_PARAM, display, 0, 0, 0, 0, reinterpret_cast<LPARAM>(map.get()),
                             parent ? parent : TVI_ROOT, TVI_LAST);
    if (!under)
        return false;
    map.release(); // now the item's, and with it the caller's
    return true;
}

int CXMLBase::GetNodeName(IXMLDOMElementPtr& element, CString& name, CString& value)
{
    name = NodeName(element);
    _variant_t typed;
    Check(element->get_nodeTypedValue(typed.GetAddress()));
    value = FromVariant(typed);
    return kDone;
}

int CXMLBase::GetNodeArrib(IXMLDOMNamedNodeMapPtr& attributes, int index, CString& name, CString& value)
{
    IXMLDOMNodePtr attribute;
    Check(attributes->get_item(index, &attribute));
    if (!attribute) {
        name.Empty();
        value.Empty();
        return kDone;
    }
    name = NodeName(attribute);
    _variant_t nodeValue;
    Check(attribute->get_nodeValue(nodeValue.GetAddress()));
    value = FromVariant(nodeValue);
    return kDone;
}
