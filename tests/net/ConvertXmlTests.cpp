// CConvertXml on well-formed input: reversed sibling order, joined texts, attribute maps,
// skipped comments and text nodes, top-level order, save and reload, empty inputs, and every
// item text the DOM's own over a corpus of white space, entities and CDATA, and the text written
// from a tree the DOM's text of its document over a corpus of trees.

#include "XmlTestSupport.h"

#include <utility>
#include <vector>

TEST_F(ConvertXmlTest, SiblingsComeOutInReverseOrderWithJoinedTextsAndAttributeMaps)
{
    CXmlTreeCtrl tree;
    CXmlTreeItem* old = tree.InsertItem(L"old");
    ASSERT_EQ(S_OK, Parse(L"<?xml version=\"1.0\"?><!-- note --><root id=\"7\" name=\"a &amp; b\">"
                          L"<x>1</x><!-- skipped --><y>2<![CDATA[3]]></y><z><deep>4</deep></z></root>",
                          tree));
    CXmlTreeItem* root = tree.GetFirstItem();
    EXPECT_EQ(L"root,xml,old", Names(root)) << "new top-level items go in front, the declaration too";
    EXPECT_EQ(old, root->GetNext()->GetNext());
    EXPECT_EQ(L"z,y,x", Names(root->GetChild()));
    EXPECT_STREQ(L"1234", root->GetText());
    CXmlTreeItem* y = tree.GetItemByName(L"y");
    EXPECT_STREQ(L"23", y->GetText());
    EXPECT_EQ(nullptr, y->GetChild()); // neither text nor CDATA nodes become items
    EXPECT_EQ(root, y->GetParent());
    EXPECT_EQ(1u, y->GetPosition() & 0xFFFF);
    EXPECT_EQ(7, tree.GetItemCount());

    ASSERT_NE(nullptr, root->GetAttri());
    EXPECT_EQ(2, root->GetAttri()->GetCount());
    EXPECT_EQ(L"7", Attribute(root, L"id"));
    EXPECT_EQ(L"a & b", Attribute(root, L"name"));
    EXPECT_EQ(nullptr, y->GetAttri());
}

TEST_F(ConvertXmlTest, EmptyOrMalformedInputsGiveOneAndChangeNothing)
{
    IXMLDOMDocumentPtr doc;
    ASSERT_EQ(S_OK, CConvertXml::CStringToXml(L"<kept/>", doc));
    IXMLDOMDocument* before = doc.GetInterfacePtr();
    EXPECT_EQ(1, CConvertXml::CStringToXml(L"", doc));
    EXPECT_EQ(1, CConvertXml::CStringToXml(L"<a><b></a>", doc));
    EXPECT_EQ(before, doc.GetInterfacePtr());
    EXPECT_EQ(L"<kept/>", XmlOf(doc).substr(0, 7));
    ASSERT_EQ(S_OK, CConvertXml::CStringToXml(L"<fresh/>", doc));
    doc->AddRef();
    EXPECT_EQ(1u, doc->Release()) << "the caller's pointer is the only reference";

    CXmlTreeCtrl tree;
    EXPECT_EQ(1, CConvertXml::ConvertTreeToXml(&tree, doc));
    ASSERT_NE(nullptr, doc.GetInterfacePtr()); // the new, empty document stays
    EXPECT_EQ(1, CConvertXml::ConvertXmlToTree(doc, &tree));
    EXPECT_EQ(1, CConvertXml::ConvertXmlToTree(IXMLDOMDocumentPtr(), &tree));
    EXPECT_EQ(1, CConvertXml::ConvertXmlToTree(doc, nullptr));
    EXPECT_EQ(1, CConvertXml::SaveToXml(TempFile(L"empty.xml").c_str(), &tree));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(TempFile(L"empty.xml").c_str()));
    EXPECT_EQ(1, CConvertXml::LoadXmlToTree(TempFile(L"missing.xml").c_str(), &tree));
    EXPECT_EQ(1, CConvertXml::LoadXmlToTree(nullptr, &tree));
    EXPECT_EQ(0, tree.GetItemCount());
}

TEST_F(ConvertXmlTest, SaveAndReloadKeepNamesAttributesAndLeafTextsButReverseChildren)
{
    CXmlTreeCtrl tree;
    CMapStringToString* attri = new CMapStringToString;
    attri->SetAt(L"ver", L"2");
    attri->SetAt(L"user", L"\u5f20\u4e09 <&>\"");
    CXmlTreeItem* root = tree.InsertItem(L"tavo", L"", attri);
    tree.InsertItem(L"first", L"one", nullptr, root);
    tree.InsertItem(L"leaf", L"two", nullptr, tree.InsertItem(L"second", L"", nullptr, root));
    tree.InsertItem(L"empty", L"", nullptr, root); // children now: empty, second, first

    const std::wstring path = TempFile(L"saved.xml");
    ASSERT_EQ(S_OK, CConvertXml::SaveToXml(path.c_str(), &tree));
    CXmlTreeCtrl back;
    ASSERT_EQ(S_OK, CConvertXml::LoadXmlToTree(path.c_str(), &back));
    const CXmlTreeItem* loaded = back.GetItemByName(L"tavo");
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(L"2", Attribute(loaded, L"ver"));
    EXPECT_EQ(L"\u5f20\u4e09 <&>\"", Attribute(loaded, L"user"));
    EXPECT_EQ(L"first,second,empty", Names(loaded->GetChild()));
    EXPECT_STREQ(L"two", back.GetItemByName(L"leaf")->GetText());
    EXPECT_STREQ(L"twoone", loaded->GetText()); // in the saved document's order

    ASSERT_EQ(S_OK, CConvertXml::SaveToXml(path.c_str(), &back));
    CXmlTreeCtrl twice;
    ASSERT_EQ(S_OK, CConvertXml::LoadXmlToTree(path.c_str(), &twice));
    EXPECT_EQ(L"empty,second,first", Names(twice.GetItemByName(L"tavo")->GetChild())) << "back in built order";
}

TEST_F(ConvertXmlTest, OnlyOneTopLevelElementAndNoDeclarationItemGoIntoADocument)
{
    CXmlTreeCtrl tree;
    ASSERT_EQ(S_OK, Parse(L"<?xml version=\"1.0\" encoding=\"gbk\"?><tavo>\u4e2d\u6587</tavo>", tree));
    EXPECT_STREQ(L"\u4e2d\u6587", tree.GetFirstItem()->GetText()) << "a declared GBK alters no Unicode text";
    IXMLDOMDocumentPtr doc;
    EXPECT_EQ(S_OK, CConvertXml::ConvertTreeToXml(&tree, doc)); // root + declaration item
    EXPECT_EQ(L"<tavo>", XmlOf(doc).substr(0, 6));

    tree.InsertItem(L"extra", L"", nullptr, nullptr, tree.GetFirstItem());
    EXPECT_EQ(1, CConvertXml::ConvertTreeToXml(&tree, doc)); // a second element is refused
    EXPECT_EQ(std::wstring::npos, XmlOf(doc).find(L"extra"));
    EXPECT_EQ(1, CConvertXml::SaveToXml(TempFile(L"two.xml").c_str(), &tree));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(TempFile(L"two.xml").c_str()));

    CXmlTreeCtrl unnamed;
    unnamed.InsertItem(L"", L"text");
    EXPECT_EQ(1, CConvertXml::ConvertTreeToXml(&unnamed, doc)); // a name the DOM refuses
}

// A document no reader accepts, or one that reads back changed, is never reported written.
TEST_F(ConvertXmlTest, NamesAndTextsNoXmlFileCanHoldAreRefusedAndNothingIsWritten)
{
    struct Case {
        const wchar_t* name;
        const wchar_t* text;
        const wchar_t* attribute;
        const wchar_t* value;
    } cases[] = {
        {L"a b", L"", nullptr, nullptr},      {L"1x", L"", nullptr, nullptr},
        {L"<", L"", nullptr, nullptr},        {L"ok", L"esc \x1B", nullptr, nullptr},
        {L"ok", L"\xFFFE", nullptr, nullptr}, {L"ok", L"\xD800", nullptr, nullptr},
        {L"ok", L"", L"a b", L"v"},           {L"ok", L"", L"n", L"vt \x0B"},
    };
    for (const Case& c : cases) {
        CXmlTreeCtrl tree;
        CXmlTreeItem* root = tree.InsertItem(L"tavo");
        CMapStringToString* attri = nullptr;
        if (c.attribute) {
            attri = new CMapStringToString;
            attri->SetAt(c.attribute, c.value);
        }
        tree.InsertItem(c.name, c.text, attri, root);
        const std::wstring path = TempFile(L"bad.xml");
        EXPECT_EQ(1, CConvertXml::SaveToXml(path.c_str(), &tree)) << testing::PrintToString(std::wstring(c.name));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
    }
    CXmlTreeCtrl tree;
    tree.InsertItem(L"\u4fe1\u606f", L"tab\t \U0001F600");
    const std::wstring path = TempFile(L"good.xml");
    ASSERT_EQ(S_OK, CConvertXml::SaveToXml(path.c_str(), &tree));
    CXmlTreeCtrl back;
    ASSERT_EQ(S_OK, CConvertXml::LoadXmlToTree(path.c_str(), &back));
    EXPECT_STREQ(L"tab\t \U0001F600", back.GetItemByName(L"\u4fe1\u606f")->GetText());
}

namespace {

std::wstring DomText(IXMLDOMNode* node)
{
    _bstr_t text;
    if (FAILED(node->get_text(text.GetAddress())) || !text)
        return std::wstring();
    return std::wstring(text, text.length());
}

// Expects the text of item to be the DOM's text of node, and so on down both trees (the tree's
// children are in reverse order).
void ExpectDomTexts(IXMLDOMNode* node, const CXmlTreeItem* item)
{
    _bstr_t name;
    node->get_nodeName(name.GetAddress());
    EXPECT_EQ(DomText(node), item->GetText().GetString()) << "text of " << static_cast<const wchar_t*>(name);
    std::vector<IXMLDOMNodePtr> elements;
    IXMLDOMNodePtr child;
    for (node->get_firstChild(&child); child;) {
        DOMNodeType type = NODE_INVALID;
        child->get_nodeType(&type);
        if (type == NODE_ELEMENT)
            elements.push_back(child);
        IXMLDOMNodePtr next;
        child->get_nextSibling(&next);
        child = next;
    }
    std::vector<const CXmlTreeItem*> items;
    for (const CXmlTreeItem* childItem = item->GetChild(); childItem; childItem = childItem->GetNext())
        items.insert(items.begin(), childItem);
    ASSERT_EQ(elements.size(), items.size()) << "children of " << static_cast<const wchar_t*>(name);
    for (size_t i = 0; i < elements.size(); ++i)
        ExpectDomTexts(elements[i], items[i]);
}

} // namespace

TEST_F(ConvertXmlTest, EveryItemTextIsTheDomTextWithWhiteSpaceEntitiesAndCdata)
{
    const std::wstring longText = std::wstring(299, L'x') + std::wstring(700, L' ') + L"y";
    const std::wstring corpus[] = {
        L"<a><b>x</b><c>y</c><d/><e></e></a>",
        L"<a><b> x </b><c>y</c></a>",
        L"<a>\r\n  <b>x</b>\r\n  <c>y z</c>\r\n</a>",
        L"<a>t1<b>x</b>t2 <c>y</c></a>",
        L"<a><b>x &amp; &lt;y&gt; &#x4E2D;&#32;</b><c><![CDATA[ raw <c> ]]></c><d>1<![CDATA[2]]>3</d></a>",
        L"<a><b>x&amp;</b><c>&lt;y</c><d>p&#32;</d><e>&#9;</e></a>",
        L"<a><b><!-- note -->x</b><c>  </c><d>x<!-- note --></d><e>\t</e></a>",
        L"<a><b>line1\r\nline2\ttab  two</b><c><d>deep</d><e>er</e><f><g/></f></c></a>",
        L"<a xml:space=\"preserve\"><b> x </b> <c>y</c><d>\r\n</d></a>",
        L"<a><b>\x4E2D\x6587</b><c>\x00A0nbsp\x00A0</c><d>\x3000w\x3000</d></a>",
        L"<a><b><c> x</c><d>y</d></b><e><f>z </f></e><g><h>p</h><i>q</i></g></a>",
        L"<a><b>" + longText + L"</b><c>z</c></a>",
        L"<a><b><c>x</c> </b><d>y</d><e>\n<f/>\n</e>\n<g>z</g><h> </h><i>w</i></a>",
        L"<a> <b>\t<c/> </b> <d>x</d></a>",
        L"<tavo>\r\n\t<h0>v</h0>\r\n\t<contact id=\"1\">\r\n\t\t<name>n 1</name>\r\n\t\t<nick/>\r\n\t</contact>\r\n"
        L"\t<contact id=\"2\" note=\"a > b\">\r\n\t\t<name>n 2</name>\r\n\t</contact>\r\n</tavo>\r\n",
        L"<?xml version=\"1.0\"?>\r\n<tavo><h0>v</h0><contact id=\"1\"><name>n 1</name><nick>k</nick></contact>"
        L"<contact id=\"2\"><name>n 2</name><nick></nick></contact></tavo>\r\n",
    };
    for (const std::wstring& text : corpus) {
        SCOPED_TRACE(testing::Message() << text);
        IXMLDOMDocumentPtr doc;
        ASSERT_EQ(S_OK, CConvertXml::CStringToXml(text.c_str(), doc));
        IXMLDOMElementPtr root;
        ASSERT_EQ(S_OK, doc->get_documentElement(&root));
        CXmlTreeCtrl fromDocument;
        ASSERT_EQ(S_OK, CConvertXml::ConvertXmlToTree(doc, &fromDocument));
        ExpectDomTexts(root, fromDocument.GetFirstItem()); // the root goes in front of a declaration
        CXmlTreeCtrl fromSource;
        ASSERT_EQ(S_OK, CConvertXml::ConvertXmlToTree(doc, &fromSource, text.c_str()));
        ExpectDomTexts(root, fromSource.GetFirstItem());
    }
}

// The request text is written straight from the tree: over a corpus of trees it must be the
// DOM's own text of the document built from them, and refused where that is refused.
TEST_F(ConvertXmlTest, TextWrittenFromTheTreeIsTheDomTextOfItsDocument)
{
    struct Item {
        const wchar_t* name;
        const wchar_t* text;
        std::vector<std::pair<const wchar_t*, const wchar_t*>> attributes;
        int parent; // index of an earlier item, -1 for the top level
    };
    const std::vector<std::vector<Item>> corpus = {
        {{L"a", L"", {}, -1}},
        {{L"a", L"x <&> \"' ]]> \x4E2D\U0001F600\x00A0 ", {}, -1}},
        {{L"a", L"", {{L"k", L"<&>\"' \x4E2D\U0001F600"}, {L"e", L""}, {L"b", L"1"}, {L"z9", L"2"}}, -1}},
        {{L"r", L"rt", {}, -1}, {L"c", L"ct", {}, 0}, {L"d", L"", {}, 0}, {L"e", L"", {{L"i", L"1"}}, 2}},
        {{L"r", L"", {}, -1}, {L"c", L"", {}, 0}, {L"d", L"x", {}, 1}, {L"e", L"", {}, 1}, {L"f", L"y", {}, 0}},
        {{L"xml", L"version=\"1.0\"", {}, -1}, {L"tavo", L"", {{L"ver", L"1"}}, -1}, {L"cmd", L"login", {}, 1}},
        // Left to the DOM: control characters, namespace prefixes and declarations.
        {{L"a", L"t\tn\nr\r.", {{L"k", L"t\tn\nr\r."}}, -1}},
        {{L"x:a", L"", {{L"xmlns:x", L"urn:x"}, {L"xml:lang", L"en"}}, -1}},
        {{L"a", L"", {{L"xmlns", L"urn:d"}}, -1}, {L"b", L"", {}, 0}},
        // Refused both ways: no element, a second element, an item no XML file can hold.
        {},
        {{L"a", L"", {}, -1}, {L"b", L"", {}, -1}},
        {{L"a", L"", {}, -1}, {L"b c", L"", {}, 0}},
        {{L"a", L"", {}, -1}, {L"b", L"esc \x1B", {}, 0}},
    };
    for (const std::vector<Item>& items : corpus) {
        CXmlTreeCtrl tree;
        std::vector<CXmlTreeItem*> made;
        CXmlTreeItem* lastTop = nullptr;
        for (const Item& item : items) {
            CMapStringToString* attri = item.attributes.empty() ? nullptr : new CMapStringToString;
            for (const auto& attribute : item.attributes)
                attri->SetAt(attribute.first, attribute.second);
            // Top-level items in order: each behind the one before.
            CXmlTreeItem* parent = item.parent < 0 ? nullptr : made[static_cast<size_t>(item.parent)];
            made.push_back(tree.InsertItem(item.name, item.text, attri, parent, parent ? nullptr : lastTop));
            lastTop = parent ? lastTop : made.back();
        }
        SCOPED_TRACE(testing::Message() << (items.empty() ? L"(empty)" : items[0].name) << ", " << items.size());
        IXMLDOMDocumentPtr doc;
        const HRESULT hrDoc = CConvertXml::ConvertTreeToXml(&tree, doc);
        CString text = L"unchanged";
        const HRESULT hrText = CConvertXml::ConvertTreeToText(&tree, text);
        EXPECT_EQ(hrDoc, hrText);
        EXPECT_EQ(hrDoc == S_OK ? XmlOf(doc) : L"unchanged", text.GetString());
    }
}
