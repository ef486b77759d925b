// CConvertXml: XML trees to and from MSXML DOM documents.
//
// The DOM is called through its raw interfaces, so every failure comes back as an HRESULT and is
// passed on; the guards below turn the exceptions that the COM helpers and the allocator may
// still raise (_com_error, std::bad_alloc) into failure codes, so none reaches the caller.
// Subtrees are walked with explicit stacks: a deep document or tree cannot exhaust the stack.

#include <ConvertXml.h>

#include "XmlSpaceMap.h"
#include "XmlTextWriter.h"

#include <comutil.h>

#include <cwctype>

#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace {

const HRESULT kNothingDone = S_FALSE;      // 1: nothing done, or the input was refused
const wchar_t kDeclarationName[] = L"xml"; // name of the item an XML declaration becomes
const wchar_t kLineEnd[] = L"\r\n";
const long kManyAttributes = 32; // from this count on, attributes are read through a selection

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

// The attributes of an element with many of them as a list that gives each one at once: some DOMs
// walk an attribute map from its start for every index, which makes reading all of them
// quadratic. Null when the selection fails or misses some of the map's count (namespace
// declarations are no attributes to it): the map is then read by index.
IXMLDOMNodeListPtr AttributeList(IXMLDOMNode* node, long count)
{
    if (count < kManyAttributes)
        return nullptr;
    IXMLDOMNodeListPtr list;
    long length = 0;
    if (FAILED(node->selectNodes(_bstr_t(L"@*"), &list)) || !list || FAILED(list->get_length(&length)) ||
        length != count)
        return nullptr;
    return list;
}

// How this process's DOM writes a document: flat, indented, or otherwise (then it writes every
// text itself). Learned once, from the DOM's own text of a small tree holding each case the writer
// handles; not stored when the DOM could not be asked (no COM on this thread, for instance).
int LayoutOfDom()
{
    int layout = CXmlTextWriter::g_nLayout;
    if (layout != CXmlTextWriter::kLayoutUnknown)
        return layout;
    const wchar_t kMarkup[] = L"<&>\"' \x4E2D";
    CXmlTreeCtrl probe;
    auto* attri = new CMapStringToString;
    attri->SetAt(L"k", kMarkup);
    CXmlTreeItem* root = probe.InsertItem(L"a", L"", attri);
    CXmlTreeItem* inner = probe.InsertItem(L"b", L"", nullptr, root);
    probe.InsertItem(L"c", kMarkup, nullptr, inner);
    probe.InsertItem(L"d", L"", nullptr, inner);
    CXmlTreeItem* mixed = probe.InsertItem(L"e", L"t", nullptr, root);
    probe.InsertItem(L"f", L"", nullptr, probe.InsertItem(L"g", L"", nullptr, mixed));
    IXMLDOMDocumentPtr doc;
    _bstr_t xml;
    if (CConvertXml::ConvertTreeToXml(&probe, doc) != S_OK || FAILED(doc->get_xml(xml.GetAddress())))
        return CXmlTextWriter::kLayoutUnknown;
    const CString dom = AfxStringFromBstr(xml);
    layout = CXmlTextWriter::kLayoutDomOnly;
    for (const int candidate : {CXmlTextWriter::kLayoutFlat, CXmlTextWriter::kLayoutIndented}) {
        CString written;
        if (CXmlTextWriter::Write(root, candidate == CXmlTextWriter::kLayoutIndented, written) &&
            written + kLineEnd == dom)
            layout = candidate;
    }
    CXmlTextWriter::g_nLayout = layout;
    return layout;
}

// White space for the checks below: XML's own, any other control character, and what the C
// library counts as space (no-break and ideographic spaces included).
bool IsSpace(wchar_t ch)
{
    return ch <= L' ' || iswspace(ch);
}

// Whether text starts or ends with white space.
bool HasSpaceAtAnEnd(const CString& text)
{
    return !text.IsEmpty() && (IsSpace(text[0]) || IsSpace(text[text.GetLength() - 1]));
}

// The text of one converted node as the DOM's text property gives it; for an element, the text of
// all its descendants joined. Asking the DOM for an element's joined text costs its whole subtree
// each time (and more than linearly under some DOMs), so the walk joins the texts of an element's
// children itself where the result is provably the DOM's: an element whose children are only
// elements with clean texts, and whose dropped white space the map of the source places (the DOM
// puts one space for it between two non-empty texts). A text is clean when the DOM gave it exactly
// as its raw content joins, with no white space at its ends, so that no trimming rule of the DOM
// can tell the join apart: an element without children, one of clean elements, or one holding a
// single text node without white space at its ends. Anything else (mixed content, CDATA,
// references, comments, white space at the ends, nodes other than elements, no map) is asked of
// the DOM.
class CNodeText {
public:
    // pSpaces: the element's white space as the map places it; null to ask the DOM.
    explicit CNodeText(const CXmlSpaceMap::Element* pSpaces)
        : m_pSpaces(pSpaces), m_bJoinable(pSpaces != nullptr), m_bSpace(pSpaces && pSpaces->bSpaceFirst)
    {
    }

    // A child converted into an item, with its text, whether that text is clean, and whether
    // the child ended with dropped white space.
    void AddItem(const CString& text, bool bClean, bool bTrailingSpace)
    {
        const size_t nChild = m_nItems++;
        m_bJoinable = m_bJoinable && bClean && nChild < m_pSpaces->spaceAfter.size();
        if (!m_bJoinable)
            return;
        if (!text.IsEmpty()) {
            if (m_bSpace && !m_joined.IsEmpty())
                m_joined += L' ';
            m_joined += text;
            m_bSpace = false;
        }
        m_bSpace = m_bSpace || m_pSpaces->spaceAfter[nChild] || bTrailingSpace;
    }

    // A child that is no item: a text node's value is kept, any other node ends the joining.
    HRESULT AddNode(IXMLDOMNode* node)
    {
        if (!m_bJoinable)
            return S_OK;
        DOMNodeType type = NODE_INVALID;
        HRESULT hr = node->get_nodeType(&type);
        if (FAILED(hr))
            return hr;
        if (type != NODE_TEXT || ++m_nTexts > 1) {
            m_bJoinable = false;
            return S_OK;
        }
        _variant_t value;
        hr = node->get_nodeValue(value.GetAddress());
        if (FAILED(hr))
            return hr;
        if (V_VT(&value) == VT_BSTR)
            m_raw = AfxStringFromBstr(V_BSTR(&value));
        else
            m_bJoinable = false;
        return S_OK;
    }

    // The node's text, once every child was added; called once (the joined text is handed over).
    HRESULT Finish(IXMLDOMNode* node, CString& text)
    {
        m_bClean = m_bJoinable && m_nTexts == 0 && m_nItems == m_pSpaces->spaceAfter.size();
        if (m_bClean) {
            text = std::move(m_joined);
            return S_OK;
        }
        // A single text node with no white space at its ends (references to the predefined
        // entities never decode to white space): the DOM neither trims nor separates it.
        m_bClean = m_bJoinable && m_nItems == 0 && m_nTexts == 1 && !HasSpaceAtAnEnd(m_raw);
        if (m_bClean) {
            text = std::move(m_raw);
            return S_OK;
        }
        _bstr_t value;
        const HRESULT hr = node->get_text(value.GetAddress());
        if (FAILED(hr))
            return hr;
        text = AfxStringFromBstr(value);
        m_bSpace = false;
        return S_OK;
    }

    // Whether the text Finish gave is clean.
    bool IsClean() const { return m_bClean; }
    // Whether a clean text ended with dropped white space (after its last non-empty part).
    bool HasTrailingSpace() const { return m_bSpace; }

private:
    const CXmlSpaceMap::Element* m_pSpaces;
    bool m_bJoinable; // an element whose children so far are clean items or one text node
    bool m_bSpace;    // dropped white space since the last non-empty text joined
    bool m_bClean = false;
    size_t m_nItems = 0;
    int m_nTexts = 0;
    CString m_joined; // the clean texts of the child items, joined
    CString m_raw;    // the value of the one text node
};

} // namespace

HRESULT CConvertXml::CStringToXml(CString text, IXMLDOMDocumentPtr& doc)
{
    if (text.IsEmpty())
        return kNothingDone;
    return RunGuarded([&]() -> HRESULT { return BstrToXml(ToBstr(text), doc); });
}

HRESULT CConvertXml::BstrToXml(BSTR text, IXMLDOMDocumentPtr& doc)
{
    if (SysStringLen(text) == 0)
        return kNothingDone;
    return RunGuarded([&]() -> HRESULT {
        IXMLDOMDocumentPtr parsed;
        HRESULT hr = AfxCreateXmlDocument(parsed);
        if (FAILED(hr))
            return hr;
        VARIANT_BOOL loaded = VARIANT_FALSE;
        hr = parsed->loadXML(text, &loaded);
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
    return ConvertDocument(doc, tree, nullptr);
}

HRESULT CConvertXml::ConvertXmlToTree(IXMLDOMDocumentPtr doc, CXmlTreeCtrl* tree, const CString& source)
{
    return RunGuarded([&]() -> HRESULT {
        const CXmlSpaceMap spaces(source.GetString(), static_cast<size_t>(source.GetLength()));
        return ConvertDocument(doc, tree, &spaces);
    });
}

HRESULT CConvertXml::ConvertXmlToTree(IXMLDOMDocumentPtr doc, CXmlTreeCtrl* tree, BSTR source)
{
    return RunGuarded([&]() -> HRESULT {
        const CXmlSpaceMap spaces(source, SysStringLen(source));
        return ConvertDocument(doc, tree, &spaces);
    });
}

HRESULT CConvertXml::ConvertDocument(IXMLDOMDocumentPtr doc, CXmlTreeCtrl* tree, const CXmlSpaceMap* pSpaces)
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
        size_t nElements = 0;
        for (long index = 0; index < count; ++index) {
            IXMLDOMNodePtr node;
            hr = nodes->get_item(index, &node);
            if (FAILED(hr))
                return hr;
            // Top-level comments, the document type and the like give 1 and are passed over.
            hr = node ? XmlOutToTree(node, tree, nullptr, nullptr, pSpaces, nElements) : S_OK;
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

HRESULT CConvertXml::ConvertTreeToText(CXmlTreeCtrl* tree, CString& text)
{
    return RunGuarded([&]() -> HRESULT {
        CString written;
        CXmlTreeItem* element = nullptr;
        for (CXmlTreeItem* item = tree ? tree->GetFirstItem() : nullptr; item; item = item->GetNext()) {
            if (item->GetName() == kDeclarationName)
                continue;
            if (element)
                return kNothingDone; // a second element
            element = item;
        }
        const int layout = element ? LayoutOfDom() : CXmlTextWriter::kLayoutUnknown;
        const bool bWritable = layout == CXmlTextWriter::kLayoutFlat || layout == CXmlTextWriter::kLayoutIndented;
        if (bWritable && CXmlTextWriter::Write(element, layout == CXmlTextWriter::kLayoutIndented, written)) {
            written += kLineEnd; // the DOM ends the text of a document's element with a line break
            text = std::move(written);
            return S_OK;
        }
        // Nothing, or something only the DOM can say how it writes: the DOM's own text.
        IXMLDOMDocumentPtr doc;
        const HRESULT hr = ConvertTreeToXml(tree, doc);
        if (hr != S_OK)
            return hr;
        _bstr_t xml;
        const HRESULT hrXml = doc->get_xml(xml.GetAddress());
        if (FAILED(hrXml))
            return hrXml;
        text = AfxStringFromBstr(xml);
        return S_OK;
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

// Depth first with one stack entry per open level: the node, its item, the next child node to
// convert and the node's text as it is joined. Children are converted from the first to the last,
// each put in front of the ones before it, so every level comes out in reverse document order. A
// child that is not converted (text, comment) only adds to its parent's text; a DOM failure ends
// the walk. A node's text is set when its level closes, after its children.
HRESULT CConvertXml::XmlOutToTree(IXMLDOMNode* node, CXmlTreeCtrl* tree, CXmlTreeItem* parent, CXmlTreeItem* after,
                                  const CXmlSpaceMap* pSpaces, size_t& nElements)
{
    struct Level {
        IXMLDOMNodePtr node;
        CXmlTreeItem* item;
        IXMLDOMNodePtr next;
        CNodeText text;
    };
    // Converts one node and opens its level; 1 (no level) for a node that is not converted.
    auto open = [tree, pSpaces, &nElements](IXMLDOMNode* child, CXmlTreeItem* under, CXmlTreeItem* behind,
                                            std::vector<Level>& levels) {
        CXmlTreeItem* item = nullptr;
        bool bElement = false;
        HRESULT hr = NodeToItem(child, tree, under, behind, item, bElement);
        if (hr != S_OK)
            return hr;
        // Elements are counted in document order, as the map counts their start tags.
        const CXmlSpaceMap::Element* pElementSpaces = nullptr;
        if (bElement && pSpaces)
            pElementSpaces = pSpaces->Find(nElements);
        nElements += bElement ? 1 : 0;
        levels.push_back({IXMLDOMNodePtr(child), item, IXMLDOMNodePtr(), CNodeText(pElementSpaces)});
        return child->get_firstChild(&levels.back().next);
    };
    return RunGuarded([&]() -> HRESULT {
        std::vector<Level> levels;
        HRESULT hr = open(node, parent, after, levels);
        if (hr != S_OK)
            return hr;
        while (!levels.empty()) {
            Level& level = levels.back();
            if (!level.next) {
                CString text;
                hr = level.text.Finish(level.node, text);
                if (FAILED(hr))
                    return hr;
                const bool bClean = level.text.IsClean();
                const bool bTrailingSpace = level.text.HasTrailingSpace();
                CXmlTreeItem* const item = level.item;
                levels.pop_back();
                if (!levels.empty())
                    levels.back().text.AddItem(text, bClean, bTrailingSpace);
                item->SetText(std::move(text));
                continue;
            }
            IXMLDOMNodePtr child = level.next;
            hr = child->get_nextSibling(&level.next);
            if (FAILED(hr))
                return hr;
            CXmlTreeItem* const under = level.item;
            hr = open(child, under, nullptr, levels); // may move the levels: level is not used again
            if (hr == kNothingDone)
                hr = levels.back().text.AddNode(child);
            if (FAILED(hr))
                return hr;
        }
        return S_OK;
    });
}

// The attribute collection is read first: a node without one is not converted, so its name and
// text are never needed. An element's text is left to its level; other nodes get theirs here.
HRESULT CConvertXml::NodeToItem(IXMLDOMNode* node, CXmlTreeCtrl* tree, CXmlTreeItem* parent, CXmlTreeItem* after,
                                CXmlTreeItem*& item, bool& bElement)
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
    DOMNodeType type = NODE_INVALID;
    hr = node->get_nodeType(&type);
    if (FAILED(hr))
        return hr;
    bElement = type == NODE_ELEMENT;
    CString text;
    if (!bElement) {
        hr = GetNodeText(node, text);
        if (FAILED(hr))
            return hr;
    }
    item = tree->InsertItem(std::move(name), std::move(text), attri.release(), parent, after);
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
    const IXMLDOMNodeListPtr list = AttributeList(node, count);
    // In collection order; a later attribute of the same name replaces an earlier one.
    for (long index = 0; index < count; ++index) {
        IXMLDOMNodePtr attribute;
        hr = list ? list->get_item(index, &attribute) : attributes->get_item(index, &attribute);
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
    if (!CXmlTextWriter::IsWritable(item))
        return kNothingDone;
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
