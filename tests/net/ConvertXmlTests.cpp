// CConvertXml on well-formed input: reversed sibling order, joined texts, attribute maps,
// skipped comments and text nodes, top-level order, save and reload, empty inputs.

#include "XmlTestSupport.h"

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
