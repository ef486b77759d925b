// CConvertXml on well-formed input: reversed sibling order, joined texts, attribute maps,
// skipped comments and text nodes, top-level order, save and reload, empty inputs.

#include "XmlTestSupport.h"

TEST_F(ConvertXmlTest, EmptyOrMalformedTextIsRefusedAndLeavesTheDocumentAlone)
{
    IXMLDOMDocumentPtr doc;
    ASSERT_EQ(S_OK, CConvertXml::CStringToXml(L"<kept/>", doc));
    IXMLDOMDocument* before = doc.GetInterfacePtr();
    EXPECT_EQ(1, CConvertXml::CStringToXml(L"", doc));
    EXPECT_EQ(1, CConvertXml::CStringToXml(L"<a><b></a>", doc));
    EXPECT_EQ(before, doc.GetInterfacePtr());
    EXPECT_EQ(L"<kept/>", XmlOf(doc).substr(0, 7));

    ASSERT_EQ(S_OK, CConvertXml::CStringToXml(L"<fresh/>", doc));
    EXPECT_NE(before, doc.GetInterfacePtr());
    doc->AddRef();
    EXPECT_EQ(1u, doc->Release());  // the caller's pointer is the only reference
}

TEST_F(ConvertXmlTest, SiblingsComeOutInReverseOrderWithJoinedTexts)
{
    CXmlTreeCtrl tree;
    ASSERT_EQ(S_OK, Parse(L"<?xml version=\"1.0\"?><!-- note --><root>"
                          L"<x>1</x><!-- skipped --><y>2<![CDATA[3]]></y><z><deep>4</deep></z></root>",
                          tree));
    CXmlTreeItem* root = tree.GetFirstItem();
    ASSERT_NE(nullptr, root);
    EXPECT_STREQ(L"root", root->GetName());
    EXPECT_EQ(L"root,xml", Names(root));  // the declaration follows the root element
    EXPECT_EQ(L"z,y,x", Names(root->GetChild()));
    EXPECT_STREQ(L"1234", root->GetText());

    CXmlTreeItem* y = tree.GetItemByName(L"y");
    EXPECT_STREQ(L"23", y->GetText());
    EXPECT_EQ(nullptr, y->GetChild());  // neither text nor CDATA nodes become items
    EXPECT_STREQ(L"4", tree.GetItemByName(L"z")->GetText());
    EXPECT_EQ(6, tree.GetItemCount());  // root, x, y, z, deep and the declaration
    EXPECT_EQ(root, y->GetParent());
    EXPECT_EQ(1u, y->GetPosition() & 0xFFFF);
}

TEST_F(ConvertXmlTest, AttributesBecomeMapsAndItemsWithoutThemHaveNone)
{
    CXmlTreeCtrl tree;
    ASSERT_EQ(S_OK, Parse(L"<cmd id=\"7\" name=\"a &amp; b\"><plain>t</plain></cmd>", tree));
    const CXmlTreeItem* cmd = tree.GetFirstItem();
    ASSERT_NE(nullptr, cmd->GetAttri());
    EXPECT_EQ(2, cmd->GetAttri()->GetCount());
    EXPECT_EQ(L"7", Attribute(cmd, L"id"));
    EXPECT_EQ(L"a & b", Attribute(cmd, L"name"));
    EXPECT_EQ(nullptr, cmd->GetChild()->GetAttri());
}

TEST_F(ConvertXmlTest, NewTopLevelItemsGoInFrontOfWhatTheTreeHolds)
{
    CXmlTreeCtrl tree;
    CXmlTreeItem* old = tree.InsertItem(L"old");
    ASSERT_EQ(S_OK, Parse(L"<new><child/></new>", tree));
    EXPECT_EQ(L"new,old", Names(tree.GetFirstItem()));
    EXPECT_EQ(old, tree.GetFirstItem()->GetNext());
    EXPECT_EQ(3, tree.GetItemCount());
}

TEST_F(ConvertXmlTest, EmptyInputsGiveOne)
{
    CXmlTreeCtrl tree;
    IXMLDOMDocumentPtr doc;
    EXPECT_EQ(1, CConvertXml::ConvertTreeToXml(&tree, doc));
    ASSERT_NE(nullptr, doc.GetInterfacePtr());  // the new, empty document stays
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
    CXmlTreeItem* second = tree.InsertItem(L"second", L"", nullptr, root);
    tree.InsertItem(L"leaf", L"two", nullptr, second);
    tree.InsertItem(L"empty", L"", nullptr, root);  // children now: empty, second, first

    const std::wstring path = TempFile(L"saved.xml");
    ASSERT_EQ(S_OK, CConvertXml::SaveToXml(path.c_str(), &tree));
    CXmlTreeCtrl back;
    ASSERT_EQ(S_OK, CConvertXml::LoadXmlToTree(path.c_str(), &back));
    const CXmlTreeItem* loaded = back.GetItemByName(L"tavo");
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(L"2", Attribute(loaded, L"ver"));
    EXPECT_EQ(L"\u5f20\u4e09 <&>\"", Attribute(loaded, L"user"));
    EXPECT_EQ(L"first,second,empty", Names(loaded->GetChild()));
    EXPECT_STREQ(L"one", back.GetItemByName(L"first")->GetText());
    EXPECT_STREQ(L"two", back.GetItemByName(L"leaf")->GetText());
    EXPECT_STREQ(L"two", back.GetItemByName(L"second")->GetText());
    EXPECT_STREQ(L"twoone", loaded->GetText());  // in the saved document's order

    // Reloaded again, the tree is back in the order it was built in.
    ASSERT_EQ(S_OK, CConvertXml::SaveToXml(path.c_str(), &back));
    CXmlTreeCtrl twice;
    ASSERT_EQ(S_OK, CConvertXml::LoadXmlToTree(path.c_str(), &twice));
    EXPECT_EQ(L"empty,second,first", Names(twice.GetItemByName(L"tavo")->GetChild()));
}

TEST_F(ConvertXmlTest, OnlyOneTopLevelElementAndNoDeclarationItemGoIntoADocument)
{
    CXmlTreeCtrl tree;
    ASSERT_EQ(S_OK, Parse(L"<?xml version=\"1.0\"?><tavo><ok/></tavo>", tree));
    IXMLDOMDocumentPtr doc;
    EXPECT_EQ(S_OK, CConvertXml::ConvertTreeToXml(&tree, doc));  // root + declaration item
    EXPECT_EQ(L"<tavo>", XmlOf(doc).substr(0, 6));

    tree.InsertItem(L"extra", L"", nullptr, nullptr, tree.GetFirstItem());
    EXPECT_EQ(1, CConvertXml::ConvertTreeToXml(&tree, doc));  // a second element is refused
    EXPECT_EQ(std::wstring::npos, XmlOf(doc).find(L"extra"));
    EXPECT_NE(std::wstring::npos, XmlOf(doc).find(L"<tavo>"));
    EXPECT_EQ(1, CConvertXml::SaveToXml(TempFile(L"two.xml").c_str(), &tree));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(TempFile(L"two.xml").c_str()));

    CXmlTreeCtrl unnamed;
    unnamed.InsertItem(L"", L"text");
    EXPECT_EQ(1, CConvertXml::ConvertTreeToXml(&unnamed, doc));  // a name the DOM refuses
}

TEST_F(ConvertXmlTest, DeclaredGbkEncodingDoesNotAlterTextAlreadyInUnicode)
{
    CXmlTreeCtrl tree;
    ASSERT_EQ(S_OK, Parse(L"<?xml version=\"1.0\" encoding=\"gbk\"?><tavo>\u4e2d\u6587</tavo>", tree));
    EXPECT_STREQ(L"\u4e2d\u6587", tree.GetFirstItem()->GetText());
}
