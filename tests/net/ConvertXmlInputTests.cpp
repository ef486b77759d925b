// CConvertXml on hostile or oversized input: deep and wide documents, deep trees, huge texts,
// attribute-heavy elements, entities, no COM, and memory that must not grow with each call.

#include "XmlTestSupport.h"

#include "../common/HeapUsage.h"

#include <thread>

// A parser may refuse nesting beyond its own limit; what it accepts is converted level by level.
TEST_F(ConvertXmlTest, DeepTreeAndDeepDocumentConvertWholeOrAreRefusedCleanly)
{
    const int kDepth = 20000;
    CXmlTreeCtrl tree;
    CXmlTreeItem* item = nullptr;
    for (int level = 0; level < kDepth; ++level)
        item = tree.InsertItem(L"d", L"", nullptr, item);
    IXMLDOMDocumentPtr doc;
    ASSERT_EQ(S_OK, CConvertXml::ConvertTreeToXml(&tree, doc));
    IXMLDOMNodeListPtr elements;
    long count = 0;
    ASSERT_EQ(S_OK, doc->getElementsByTagName(_bstr_t(L"d"), &elements));
    ASSERT_EQ(S_OK, elements->get_length(&count));
    EXPECT_EQ(kDepth, count);

    const std::wstring path = TempFile(L"deep.xml");
    ASSERT_EQ(S_OK, CConvertXml::SaveToXml(path.c_str(), &tree));
    CXmlTreeCtrl back;
    const HRESULT hr = CConvertXml::LoadXmlToTree(path.c_str(), &back);
    EXPECT_TRUE((hr == S_OK && back.GetItemCount() == kDepth) || (hr == 1 && back.GetItemCount() == 0))
        << "result " << hr << ", " << back.GetItemCount() << " items";
}

TEST_F(ConvertXmlTest, WideDocumentHugeTextAndManyAttributesArriveWhole)
{
    const int kChildren = 10000, kAttributes = 5000;
    std::wstring text = L"<list>";
    for (int index = 0; index < kChildren; ++index)
        text += L"<i n=\"" + std::to_wstring(index) + L"\"/>";
    const std::wstring huge(1 << 20, L'w');
    text += L"<big>" + huge + L"</big><heavy";
    for (int index = 0; index < kAttributes; ++index)
        text += L" a" + std::to_wstring(index) + L"=\"v" + std::to_wstring(index) + L"\"";
    text += L"/><ns xmlns:q=\"urn:q\"";
    for (int index = 0; index < 40; ++index) // read by index: the declaration is no attribute to a selection
        text += L" a" + std::to_wstring(index) + L"=\"\"";
    text += L"/></list>";

    CXmlTreeCtrl tree;
    ASSERT_EQ(S_OK, Parse(text, tree));
    EXPECT_EQ(kChildren + 4, tree.GetItemCount());
    const CXmlTreeItem* ns = tree.GetFirstItem()->GetChild(); // last in the document
    ASSERT_NE(nullptr, ns->GetAttri());
    EXPECT_EQ(41, ns->GetAttri()->GetCount());
    EXPECT_EQ(L"urn:q", Attribute(ns, L"xmlns:q"));
    const CXmlTreeItem* heavy = ns->GetNext();
    ASSERT_NE(nullptr, heavy->GetAttri());
    EXPECT_EQ(kAttributes, heavy->GetAttri()->GetCount());
    EXPECT_EQ(L"v4321", Attribute(heavy, L"a4321"));
    const CXmlTreeItem* big = heavy->GetNext();
    EXPECT_EQ(static_cast<int>(huge.size()), big->GetText().GetLength());
    EXPECT_EQ(std::to_wstring(kChildren - 1), Attribute(big->GetNext(), L"n"));

    IXMLDOMDocumentPtr doc;
    ASSERT_EQ(S_OK, CConvertXml::ConvertTreeToXml(&tree, doc));
    CXmlTreeCtrl back;
    ASSERT_EQ(S_OK, CConvertXml::ConvertXmlToTree(doc, &back));
    const CXmlTreeItem* heavyBack = back.GetItemByName(L"heavy");
    ASSERT_NE(nullptr, heavyBack->GetAttri());
    EXPECT_EQ(kAttributes, heavyBack->GetAttri()->GetCount());

    tree.DeleteItem(tree.GetItemByName(L"ns")); // written by the DOM: a declaration
    CString written;
    ASSERT_EQ(S_OK, CConvertXml::ConvertTreeToText(&tree, written));
    CXmlTreeCtrl fromText;
    ASSERT_EQ(S_OK, Parse(written.GetString(), fromText));
    const CXmlTreeItem* heavyText = fromText.GetItemByName(L"heavy");
    ASSERT_NE(nullptr, heavyText->GetAttri());
    EXPECT_EQ(kAttributes, heavyText->GetAttri()->GetCount());
    EXPECT_EQ(L"v4321", Attribute(heavyText, L"a4321"));
    EXPECT_EQ(static_cast<int>(huge.size()), fromText.GetItemByName(L"big")->GetText().GetLength());
}

TEST_F(ConvertXmlTest, EntitiesNeitherReadFilesNorExplode)
{
    const std::wstring secret = TempFile(L"secret.txt");
    ASSERT_TRUE(WriteFileBytes(secret, "TOPSECRET"));
    CXmlTreeCtrl tree;
    const HRESULT hr = Parse(L"<?xml version=\"1.0\"?><!DOCTYPE tavo [<!ENTITY e SYSTEM \"file:///" + secret +
                                 L"\">]><tavo>[&e;]</tavo>",
                             tree);
    EXPECT_FALSE(FAILED(hr)) << hr;
    if (const CXmlTreeItem* tavo = tree.GetItemByName(L"tavo")) {
        EXPECT_EQ(-1, tavo->GetText().Find(L"TOPSECRET"));
    }

    std::wstring bomb = L"<!DOCTYPE b [<!ENTITY e0 \"ha\">";
    for (int level = 1; level < 10; ++level) {
        bomb += L"<!ENTITY e" + std::to_wstring(level) + L" \"";
        for (int copy = 0; copy < 10; ++copy)
            bomb += L"&e" + std::to_wstring(level - 1) + L";";
        bomb += L"\">";
    }
    CXmlTreeCtrl exploded;
    const HRESULT bombResult = Parse(bomb + L"]><b>&e9;</b>", exploded); // 2e9 characters
    const bool bounded = bombResult == S_OK && exploded.GetFirstItem()->GetText().GetLength() < (1 << 24);
    EXPECT_TRUE(bombResult == 1 || bounded) << bombResult;
}

TEST_F(ConvertXmlTest, WithoutComTheDomFailsWithANegativeResult)
{
    HRESULT results[4] = {};
    bool docLeftEmpty = false;
    const std::wstring path = TempFile(L"nocom.xml");
    std::thread([&] { // a thread that never initialised COM
        CXmlTreeCtrl tree;
        tree.InsertItem(L"tavo");
        IXMLDOMDocumentPtr doc;
        results[0] = CConvertXml::CStringToXml(L"<a/>", doc);
        results[1] = CConvertXml::ConvertTreeToXml(&tree, doc);
        docLeftEmpty = !doc;
        results[2] = CConvertXml::LoadXmlToTree(path.c_str(), &tree);
        results[3] = CConvertXml::SaveToXml(path.c_str(), &tree);
    })
        .join();
    for (HRESULT hr : results)
        EXPECT_LT(hr, 0);
    EXPECT_TRUE(docLeftEmpty);
}

// A thread that keeps the document factory creates its documents through it: they refuse
// external entities and convert as any other; a second factory on the same thread is a misuse.
TEST_F(ConvertXmlTest, DocumentsOfAThreadsFactoryConvertAsOthers)
{
    const std::wstring text = L"<tavo><a x=\"1\">t &amp; u</a><b/></tavo>";
    CXmlTreeCtrl plain, factored;
    ASSERT_EQ(S_OK, Parse(text, plain));
    {
        CXmlDocumentFactoryScope factory;
        IXMLDOMDocumentPtr doc;
        ASSERT_EQ(S_OK, AfxCreateXmlDocument(doc));
        VARIANT_BOOL resolve = VARIANT_TRUE;
        ASSERT_EQ(S_OK, doc->get_resolveExternals(&resolve));
        EXPECT_EQ(VARIANT_FALSE, resolve);
        ASSERT_EQ(S_OK, Parse(text, factored));
        EXPECT_DEATH(CXmlDocumentFactoryScope second, "Assertion failed");
    }
    CString plainText, factoredText;
    ASSERT_EQ(S_OK, CConvertXml::ConvertTreeToText(&plain, plainText));
    ASSERT_EQ(S_OK, CConvertXml::ConvertTreeToText(&factored, factoredText));
    EXPECT_EQ(plainText, factoredText);
    EXPECT_EQ(plain.GetItemCount(), factored.GetItemCount());
}

// A leak of the items, maps, strings or DOM objects of one round trip would grow the heaps by
// megabytes over the repetitions.
TEST_F(ConvertXmlTest, RepeatedRoundTripsDoNotGrowTheHeaps)
{
    std::wstring text = L"<tavo>";
    for (int index = 0; index < 500; ++index)
        text +=
            L"<item id=\"" + std::to_wstring(index) + L"\" kind=\"k\"><v>" + std::to_wstring(index) + L"</v></item>";
    text += L"</tavo>";
    auto roundTrip = [&] {
        CXmlTreeCtrl tree;
        ASSERT_EQ(S_OK, Parse(text, tree));
        IXMLDOMDocumentPtr doc;
        ASSERT_EQ(S_OK, CConvertXml::ConvertTreeToXml(&tree, doc));
    };
    for (int warmUp = 0; warmUp < 20; ++warmUp)
        roundTrip();
    const size_t before = BusyHeapBytes();
    for (int repeat = 0; repeat < 100; ++repeat)
        roundTrip();
    const size_t after = BusyHeapBytes();
    EXPECT_LT(after, before + (size_t(256) << 10)) << "grew by " << (after > before ? after - before : 0);
}

// The parser reads no text of about 10,000,000 bytes of UTF-8 from a string, and no name longer
// than 50,000 characters: texts beyond 9,000,000 bytes and longer names are refused before
// anything is written.
TEST_F(ConvertXmlTest, TextsAndNamesBeyondTheParsersLimitsAreRefusedAndTheLimitReadsBack)
{
    const int kMaxBytes = 9000000;
    struct Case {
        std::wstring name;
        std::wstring text;
        HRESULT expected;
    } cases[] = {
        {L"big", std::wstring(kMaxBytes, L'w'), S_OK},
        {L"big", std::wstring(kMaxBytes + 1, L'w'), 1},
        {L"big", std::wstring(50000000, L'w'), 1},
        {L"big", std::wstring(kMaxBytes / 3 + 1, L'\x4E2D'), 1}, // three bytes each
        {std::wstring(50000, L'n'), L"", S_OK},
        {std::wstring(50001, L'n'), L"", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name.size() << " " << c.text.size());
        CXmlTreeCtrl tree;
        tree.InsertItem(c.name.c_str(), c.text.c_str());
        CString written;
        ASSERT_EQ(c.expected, CConvertXml::ConvertTreeToText(&tree, written));
        const std::wstring path = TempFile(L"limit.xml");
        EXPECT_EQ(c.expected, CConvertXml::SaveToXml(path.c_str(), &tree));
        EXPECT_EQ(c.expected == S_OK, GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES);
        DeleteFileW(path.c_str());
        if (c.expected != S_OK)
            continue;
        CXmlTreeCtrl back;
        ASSERT_EQ(S_OK, Parse(written.GetString(), back));
        EXPECT_EQ(static_cast<int>(c.text.size()), back.GetFirstItem()->GetText().GetLength());
    }
}
