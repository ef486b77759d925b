// CConvertXml: XML trees to and from MSXML DOM documents.
//
// The DOM is called through its raw interfaces, so every failure comes back as an HRESULT and is
// passed on; the guards below turn the exceptions that the COM helpers and the allocator may
// still raise (_com_error, std::bad_alloc) into failure codes, so none reaches the caller.
// Subtrees are walked with explicit stacks: a deep document or tree cannot exhaust the stack.

#include <ConvertXml.h>

#include <comutil.h>

#include <memory>
#include <new>
#include <vector>

namespace {

const HRESULT kNothingDone = S_FALSE;      // 1: nothing done, or the input was refused
const wchar_t kDeclarationName[] = L"xml"; // name of the item an XML declaration becomes

// Runs one conversion step; an exception becomes its failure code.
template <typename Step>
HRESULT RunGuarded(Step step)
{
    try {
        return step();
    } catch (const _com_error& error) {
        return FAILED(error.Error()) ? error.Error() : E_FAIL;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

_bstr_t ToBstr(const CString& text)
{
    return _bstr_t(text.GetString());
}

} // namespace

HRESULT CConvertXml::CStringToXml(CString text, IXMLDOMDocumentPtr& doc)
{
    if (text.IsEmpty())
        return kNothingDone;
    return RunGuarded([&]() -> HRESULT {
        IXMLDOMDocumentPtr parsed;
        HRESULT hr = AfxCreateXmlDocument(parsed);
        if (FAILED(hr))
            return hr;
        VARIANT_BOOL loaded = VARIANT_FALSE;
        hr = parsed->loadXML(ToBstr(text), &loaded);
        if (FAILED(hr))
            return hr;
        if (loaded != VARIANT_TRUE)
            return kNothingDone;
        doc = parsed;
        return S_OK;
    });
}

// The top level is walked through the document's child list, in document order: some DOMs
// cannot step from a document type node to its next sibling.
HRESULT CConvertXml::ConvertXmlToTree(IXMLDOMDocumentPtr doc, CXmlTreeCtrl* tree)
{
    if (!doc || !tree)
        return kNothingDone;
    return RunGuarded([&]() -> HRESULT {
        IXMLDOMNodeListPtr nodes;
        HRESULT hr = doc->get_childNodes(&nodes);
        if (FAILED(hr))
            return hr;
        long count = 0;
        if (nodes) {
            hr = nodes->get_length(&count);
            if (FAILED(hr))
                return hr;
        }
        if (count <= 0)
            return kNothingDone;
        for (long index = 0; index < count; ++index) {
            IXMLDOMNodePtr node;
            hr = nodes->get_item(index, &node);
            if (FAILED(hr))
                return hr;
            // Top-level comments, the document type and the like give 1 and are passed over.
            hr = node ? XmlOutToTree(node, tree, nullptr, nullptr) : S_OK;
            if (FAILED(hr))
                return hr;
        }
        return S_OK;
    });
}

HRESULT CConvertXml::LoadXmlToTree(const wchar_t* path, CXmlTreeCtrl* tree)
{
    if (!path || !tree)
        return kNothingDone;
    return RunGuarded([&]() -> HRESULT {
        IXMLDOMDocumentPtr doc;
        HRESULT hr = AfxCreateXmlDocument(doc);
        if (FAILED(hr))
            return hr;
        VARIANT_BOOL loaded = VARIANT_FALSE;
        hr = doc->load(_variant_t(path), &loaded);
        if (FAILED(hr) || loaded != VARIANT_TRUE)
            return kNothingDone; // missing file or not well-formed
        return ConvertXmlToTree(doc, tree);
    });
}

HRESULT CConvertXml::ConvertTreeToXml(CXmlTreeCtrl* tree, IXMLDOMDocumentPtr& doc)
{
    doc = static_cast<IXMLDOMDocument*>(nullptr);
    return RunGuarded([&]() -> HRESULT {
        HRESULT hr = AfxCreateXmlDocument(doc);
        if (FAILED(hr))
            return hr;
        // A document holds one top-level element. A top-level item named "xml" stands for the
        // declaration of the document the tree was read from: it is no element and is left out.
        // A second element is refused (1), whether or not the DOM would take it, rather than
        // written as a document no parser reads back; the document keeps the first element.
        int elements = 0;
        for (CXmlTreeItem* item = tree ? tree->GetFirstItem() : nullptr; item; item = item->GetNext()) {
            if (item->GetName() == kDeclarationName)
                continue;
            if (elements++ > 0)
                return kNothingDone;
            hr = TreeSaveToXml(item, doc, nullptr);
            if (hr != S_OK)
                return hr;
        }
        return elements > 0 ? S_OK : kNothingDone;
    });
}

HRESULT CConvertXml::SaveToXml(const wchar_t* path, CXmlTreeCtrl* tree)
{
    if (!path)
        return kNothingDone;
    return RunGuarded([&]() -> HRESULT {
        IXMLDOMDocumentPtr doc;
        const HRESULT hr = ConvertTreeToXml(tree, doc);
        if (hr != S_OK)
            return hr;
        return doc->save(_variant_t(path));
    });
}

// Depth first with one stack entry per open level: the next child node of that level and the
// item its conversion goes under. Children are converted from the first to the last, each put
// in front of the ones before it, so every level comes out in reverse document order. A child
// that is not converted (text, comment) is passed over; a DOM failure ends the walk.
HRESULT CConvertXml::XmlOutToTree(IXMLDOMNode* node, CXmlTreeCtrl* tree, CXmlTreeItem* parent, CXmlTreeItem* after)
{
    struct Level {
        IXMLDOMNodePtr next;
        CXmlTreeItem* parent;
    };
    return RunGuarded([&]() -> HRESULT {
        CXmlTreeItem* item = nullptr;
        HRESULT hr = NodeToItem(node, tree, parent, after, item);
        if (hr != S_OK)
            return hr;
        std::vector<Level> levels;
        levels.push_back({IXMLDOMNodePtr(), item});
        hr = node->get_firstChild(&levels.back().next);
        if (FAILED(hr))
            return hr;
        while (!levels.empty()) {
            Level& level = levels.back();
            if (!level.next) {
                levels.pop_back();
                continue;
            }
            IXMLDOMNodePtr child = level.next;
            hr = child->get_nextSibling(&level.next);
            if (FAILED(hr))
                return hr;
            CXmlTreeItem* childItem = nullptr;
            hr = NodeToItem(child, tree, level.parent, nullptr, childItem);
            if (FAILED(hr))
                return hr;
            if (!childItem)
                continue;
            levels.push_back({IXMLDOMNodePtr(), childItem});
            hr = child->get_firstChild(&levels.back().next);
            if (FAILED(hr))
                return hr;
        }
        return S_OK;
    });
}

// The attribute collection is read first: a node without one is not converted, so its name and
// text are never needed.
HRESULT CConvertXml::NodeToItem(IXMLDOMNode* node, CXmlTreeCtrl* tree, CXmlTreeItem* parent, CXmlTreeItem* after,
                                CXmlTreeItem*& item)
{
    item = nullptr;
    CMapStringToString* attriRead = nullptr;
    HRESULT hr = GetNodeAttri(node, attriRead);
    if (hr != S_OK)
        return hr;
    std::unique_ptr<CMapStringToString> attri(attriRead);
    CString name;
    hr = GetNodeName(node, name);
    if (FAILED(hr))
        return hr;
    CString text;
    hr = GetNodeText(node, text);
    if (FAILED(hr))
        return hr;
    item = tree->InsertItem(name, text, attri.release(), parent, after);
    return S_OK;
}

HRESULT CConvertXml::GetNodeName(IXMLDOMNode* node, CString& name)
{
    _bstr_t value;
    const HRESULT hr = node->get_nodeName(value.GetAddress());
    if (SUCCEEDED(hr))
        name = AfxStringFromBstr(value);
    return hr;
}

HRESULT CConvertXml::GetNodeText(IXMLDOMNode* node, CString& text)
{
    _bstr_t value;
    const HRESULT hr = node->get_text(value.GetAddress());
    if (SUCCEEDED(hr))
        text = AfxStringFromBstr(value);
    return hr;
}

HRESULT CConvertXml::GetNodeAttri(IXMLDOMNode* node, CMapStringToString*& attri)
{
    attri = nullptr;
    IXMLDOMNamedNodeMapPtr attributes;
    HRESULT hr = node->get_attributes(&attributes);
    // Text, comment and CDATA nodes have no attribute collection. Some DOMs do not implement
    // the property for the document type node at all: it has no attributes either.
    if (hr == E_NOTIMPL || (SUCCEEDED(hr) && !attributes))
        return kNothingDone;
    if (FAILED(hr))
        return hr;
    long count = 0;
    hr = attributes->get_length(&count);
    if (FAILED(hr) || count <= 0)
        return FAILED(hr) ? hr : S_OK;

    std::unique_ptr<CMapStringToString> map(new CMapStringToString);
    map->InitHashTable(AfxHashSizeFor(count));
    // In collection order; a later attribute of the same name replaces an earlier one.
    for (long index = 0; index < count; ++index) {
        IXMLDOMNodePtr attribute;
        hr = attributes->get_item(index, &attribute);
        if (FAILED(hr))
            return hr;
        if (!attribute)
            continue;
        CString name;
        CString value;
        hr = GetNodeAttriValue(attribute, name, value);
        if (FAILED(hr))
            return hr;
        map->SetAt(name, value);
    }
    attri = map.release();
    return S_OK;
}

HRESULT CConvertXml::GetNodeAttriValue(IXMLDOMNode* attribute, CString& name, CString& value)
{
    HRESULT hr = GetNodeName(attribute, name);
    if (FAILED(hr))
        return hr;
    _variant_t nodeValue;
    hr = attribute->get_nodeValue(nodeValue.GetAddress());
    if (FAILED(hr))
        return hr;
    if (V_VT(&nodeValue) != VT_BSTR) {
        hr = VariantChangeType(&nodeValue, &nodeValue, 0, VT_BSTR);
        if (FAILED(hr))
            return hr;
    }
    value = AfxStringFromBstr(V_BSTR(&nodeValue));
    return S_OK;
}

// Depth first with one stack entry per open level: the next item of that level and the element
// its conversion is appended to. The first failure ends the conversion and is returned.
HRESULT CConvertXml::TreeSaveToXml(CXmlTreeItem* item, IXMLDOMDocument* doc, IXMLDOMNode* parent)
{
    struct Level {
        CXmlTreeItem* next;
        IXMLDOMElementPtr parent;
    };
    return RunGuarded([&]() -> HRESULT {
        IXMLDOMElementPtr element;
        HRESULT hr = ItemToElement(item, doc, parent, element);
        if (hr != S_OK)
            return hr;
        std::vector<Level> levels;
        levels.push_back({item->GetChild(), element});
        while (!levels.empty()) {
            Level& level = levels.back();
            CXmlTreeItem* child = level.next;
            if (!child) {
                levels.pop_back();
                continue;
            }
            level.next = child->GetNext();
            IXMLDOMElementPtr childElement;
            hr = ItemToElement(child, doc, level.parent, childElement);
            if (hr != S_OK)
                return hr;
            levels.push_back({child->GetChild(), childElement});
        }
        return S_OK;
    });
}

HRESULT CConvertXml::ItemToElement(CXmlTreeItem* item, IXMLDOMDocument* doc, IXMLDOMNode* parent,
                                   IXMLDOMElementPtr& element)
{
    IXMLDOMElementPtr created;
    HRESULT hr = doc->createElement(ToBstr(item->GetName()), &created);
    if (FAILED(hr) || !created)
        return kNothingDone; // a name the DOM refuses
    hr = created->put_text(ToBstr(item->GetText()));
    if (FAILED(hr))
        return hr;
    if (CMapStringToString* attri = item->GetAttri()) {
        CString name;
        CString value;
        for (POSITION pos = attri->GetStartPosition(); pos;) {
            attri->GetNextAssoc(pos, name, value);
            hr = created->setAttribute(ToBstr(name), _variant_t(value.GetString()));
            if (FAILED(hr))
                return hr;
        }
    }
    IXMLDOMNodePtr appended;
    hr = parent ? parent->appendChild(created, &appended) : doc->appendChild(created, &appended);
    if (FAILED(hr))
        return hr;
    element = created;
    return S_OK;
}
