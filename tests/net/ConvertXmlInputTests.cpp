// CConvertXml on hostile or oversized input: deep and wide documents, deep trees, huge texts,
// attribute-heavy elements, entities, no COM, and memory that must not grow with each call.

#include "XmlTestSupport.h"

#include <thread>

namespace {

std::wstring Nested(const wchar_t* name, int depth, const wchar_t* inner)
{
    std::wstring open, close;
    for (int level = 0; level < depth; ++level) {
        open += std::wstring(L"<") + name + L">";
        close += std::wstring(L"</") + name + L">";
    }
    return open + inner + close;
}

std::wstring WithAttributes(int count)
{
    std::wstring text = L"<heavy";
    for (int index = 0; index < count; ++index)
        text += L" a" + std::to_wstring(index) + L"=\"v" + std::to_wstring(index) + L"\"";
    return text + L"/>";
}

// Bytes in use in all heaps of the process: the C++ runtime's and the DOM's allocations alike.
SIZE_T BusyHeapBytes()
{
    HANDLE heaps[64] = {};
    const DWORD count = GetProcessHeaps(64, heaps);
    SIZE_T busy = 0;
    for (DWORD index = 0; index < count && index < 64; ++index) {
        if (!HeapLock(heaps[index]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[index], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                busy += entry.cbData;
        }
        HeapUnlock(heaps[index]);
    }
    return busy;
}

} // namespace

// A parser may refuse nesting beyond its own limit; what it accepts is converted level by level.
TEST_F(ConvertXmlTest, DeepDocumentIsConvertedWholeOrRefusedCleanly)
{
    const int kDepth = 10000;
    CXmlTreeCtrl tree;
    const HRESULT hr = Parse(Nested(L"d", kDepth, L"x"), tree);
    if (hr == S_OK) {
        EXPECT_EQ(kDepth, tree.GetItemCount());
    } else {
        EXPECT_EQ(1, hr);
        EXPECT_EQ(0, tree.GetItemCount());
    }
}

TEST_F(ConvertXmlTest, DeepTreeBecomesADocumentAndAFile)
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
    EXPECT_EQ(S_OK, CConvertXml::SaveToXml(TempFile(L"deep.xml").c_str(), &tree));

    CXmlTreeCtrl back;
    const HRESULT hr = CConvertXml::LoadXmlToTree(TempFile(L"deep.xml").c_str(), &back);
    EXPECT_TRUE((hr == S_OK && back.GetItemCount() == kDepth) || (hr == 1 && back.GetItemCount() == 0))
        << "result " << hr << ", " << back.GetItemCount() << " items";
}

TEST_F(ConvertXmlTest, WideDocumentAndHugeTextArriveWhole)
{
    const int kChildren = 10000;
    std::wstring text = L"<list>";
    for (int index = 0; index < kChildren; ++index)
        text += L"<i n=\"" + std::to_wstring(index) + L"\"/>";
    const std::wstring huge(1 << 20, L'w');
    text += L"<big>" + huge + L"</big></list>";

    CXmlTreeCtrl tree;
    ASSERT_EQ(S_OK, Parse(text, tree));
    EXPECT_EQ(kChildren + 2, tree.GetItemCount());
    const CXmlTreeItem* big = tree.GetFirstItem()->GetChild();  // last in the document
    EXPECT_STREQ(L"big", big->GetName());
    EXPECT_EQ(static_cast<int>(huge.size()), big->GetText().GetLength());
    EXPECT_EQ(std::to_wstring(kChildren - 1), Attribute(big->GetNext(), L"n"));
}

TEST_F(ConvertXmlTest, AttributeHeavyItemsConvertBothWays)
{
    const int kAttributes = 5000;
    CXmlTreeCtrl tree;
    ASSERT_EQ(S_OK, Parse(WithAttributes(kAttributes), tree));
    CMapStringToString* attri = tree.GetFirstItem()->GetAttri();
    ASSERT_NE(nullptr, attri);
    EXPECT_EQ(kAttributes, attri->GetCount());
    EXPECT_EQ(L"v4321", Attribute(tree.GetFirstItem(), L"a4321"));

    IXMLDOMDocumentPtr doc;
    ASSERT_EQ(S_OK, CConvertXml::ConvertTreeToXml(&tree, doc));
    CXmlTreeCtrl back;
    ASSERT_EQ(S_OK, CConvertXml::ConvertXmlToTree(doc, &back));
    ASSERT_NE(nullptr, back.GetFirstItem()->GetAttri());
    EXPECT_EQ(kAttributes, back.GetFirstItem()->GetAttri()->GetCount());
    EXPECT_EQ(L"v0", Attribute(back.GetFirstItem(), L"a0"));
}

TEST_F(ConvertXmlTest, EntitiesNeitherReadFilesNorExplode)
{
    const std::wstring secret = TempFile(L"secret.txt");
    HANDLE file = CreateFileW(secret.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, "TOPSECRET", 9, &written, nullptr);
    CloseHandle(file);

    CXmlTreeCtrl tree;
    const HRESULT hr = Parse(L"<?xml version=\"1.0\"?><!DOCTYPE tavo [<!ENTITY e SYSTEM \"file:///" + secret +
                             L"\">]><tavo>[&e;]</tavo>", tree);
    EXPECT_FALSE(FAILED(hr)) << hr;
    if (const CXmlTreeItem* tavo = tree.GetItemByName(L"tavo")) {
        EXPECT_EQ(-1, tavo->GetText().Find(L"TOPSECRET"));
    }

    std::wstring bomb = L"<!DOCTYPE b [<!ENTITY e0 \"ha\">";
    for (int level = 1; level < 10; ++level) {
        const std::wstring previous = L"&e" + std::to_wstring(level - 1) + L";";
        bomb += L"<!ENTITY e" + std::to_wstring(level) + L" \"";
        for (int copy = 0; copy < 10; ++copy)
            bomb += previous;
        bomb += L"\">";
    }
    CXmlTreeCtrl exploded;
    const HRESULT bombResult = Parse(bomb + L"]><b>&e9;</b>", exploded);  // 2e9 characters
    const bool refused = bombResult == 1;
    const bool bounded = bombResult == S_OK && exploded.GetFirstItem()->GetText().GetLength() < (1 << 24);
    EXPECT_TRUE(refused || bounded) << bombResult;
}

TEST_F(ConvertXmlTest, WithoutComTheDomFailsWithANegativeResult)
{
    HRESULT parsed = S_OK, built = S_OK, loaded = S_OK, saved = S_OK;
    bool docLeftAlone = false, docEmpty = false;
    const std::wstring path = TempFile(L"nocom.xml");
    std::thread worker([&] {  // a thread that never initialised COM
        CXmlTreeCtrl tree;
        tree.InsertItem(L"tavo");
        IXMLDOMDocumentPtr doc;
        parsed = CConvertXml::CStringToXml(L"<a/>", doc);
        docLeftAlone = !doc;
        built = CConvertXml::ConvertTreeToXml(&tree, doc);
        docEmpty = !doc;
        loaded = CConvertXml::LoadXmlToTree(path.c_str(), &tree);
        saved = CConvertXml::SaveToXml(path.c_str(), &tree);
    });
    worker.join();
    EXPECT_LT(parsed, 0);
    EXPECT_LT(built, 0);
    EXPECT_LT(loaded, 0);
    EXPECT_LT(saved, 0);
    EXPECT_TRUE(docLeftAlone);
    EXPECT_TRUE(docEmpty);
}

// A leak of the items, maps, strings or DOM objects of one round trip would grow
// the heaps by megabytes over the repetitions.
TEST_F(ConvertXmlTest, RepeatedRoundTripsDoNotGrowTheHeaps)
{
    std::wstring text = L"<tavo>";
    for (int index = 0; index < 500; ++index)
        text += L"<item id=\"" + std::to_wstring(index) + L"\" kind=\"k\"><v>" + std::to_wstring(index) + L"</v></item>";
    text += L"</tavo>";
    auto roundTrip = [&] {
        CXmlTreeCtrl tree;
        ASSERT_EQ(S_OK, Parse(text, tree));
        IXMLDOMDocumentPtr doc;
        ASSERT_EQ(S_OK, CConvertXml::ConvertTreeToXml(&tree, doc));
    };
    for (int warmUp = 0; warmUp < 20; ++warmUp)
        roundTrip();
    const SIZE_T before = BusyHeapBytes();
    for (int repeat = 0; repeat < 100; ++repeat)
        roundTrip();
    const SIZE_T after = BusyHeapBytes();
    const SIZE_T grown = after > before ? after - before : 0;
    EXPECT_LT(grown, SIZE_T(256) << 10) << "grew by " << grown << " bytes";
}
