// CXMLBase on bad input: folder trees thousands of levels deep, files with thousands of messages
// or folders, items with thousands of attributes. Clear results, no crash, quick filling.
#include "SmsTestSupport.h"

namespace {

const int kDeepLevels = 3000;
const int kMany = 20000;
const DWORD kFillLimitMs = 20000; // a control that redraws per row takes minutes

IXMLDOMElementPtr AppendElement(IXMLDOMDocumentPtr& doc, IXMLDOMNode* parent, const wchar_t* name,
                                const std::wstring& value)
{
    IXMLDOMElementPtr element;
    IXMLDOMNodePtr appended;
    EXPECT_TRUE(
        SUCCEEDED(doc->createElement(_bstr_t(name), &element)) &&
        SUCCEEDED(element->setAttribute(_bstr_t(name[0] == L's' ? L"value" : L"name"), _variant_t(value.c_str()))) &&
        SUCCEEDED(parent->appendChild(element, &appended)));
    return element;
}

} // namespace

TEST_F(SmsStoreTest, DeepFolderTreesAreShownAndSavedWhole)
{
    // Built through the DOM: a parser may refuse a text that deep.
    IXMLDOMDocumentPtr doc;
    ASSERT_TRUE(SUCCEEDED(doc.CreateInstance(__uuidof(DOMDocument))));
    IXMLDOMElementPtr tavo;
    IXMLDOMNodePtr appended;
    ASSERT_TRUE(SUCCEEDED(doc->createElement(_bstr_t(L"tavo"), &tavo)) && SUCCEEDED(doc->appendChild(tavo, &appended)));
    IXMLDOMElementPtr parent = AppendElement(doc, tavo, L"sms", L"tree");
    for (int level = 0; level < kDeepLevels; ++level)
        parent = AppendElement(doc, parent, L"node", L"f" + std::to_wstring(level));
    CXMLBase store;
    ASSERT_EQ(0, store.Load(doc));
    ASSERT_EQ(0, store.Out(&m_tree));
    ASSERT_EQ(static_cast<UINT>(kDeepLevels), m_tree.GetCount());
    int depth = 0; // as many levels as items: one chain without siblings
    HTREEITEM last = nullptr;
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetChildItem(item), ++depth)
        last = item;
    EXPECT_EQ(kDeepLevels, depth);
    EXPECT_EQ(L"f" + std::to_wstring(kDeepLevels - 1), m_tree.GetItemText(last).GetString());
    EXPECT_EQ(0, Save(store));
    EXPECT_GT(ReadBytes(L"sms\\smstree.xml").size(), static_cast<size_t>(kDeepLevels) * 20);
}

TEST_F(SmsStoreTest, HugeFilesFillTheListAndTheTreeInOrderAndQuickly)
{
    std::wstring text = L"<tavo><sms value=\"big\">";
    for (int message = 0; message < kMany; ++message)
        text += L"<node name=\"f" + std::to_wstring(message) + L"\" at=\"t\">\u77ed\u4fe1 " + std::to_wstring(message) +
                L"</node>";
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(text + L"</sms></tavo>")));
    ASSERT_EQ(0, Save(store));
    CXMLBase reader;
    ASSERT_EQ(0, reader.Load(PathOf(L"sms\\big.xml").c_str()));
    DWORD start = GetTickCount();
    ASSERT_EQ(0, reader.Out(&m_list));
    EXPECT_LT(GetTickCount() - start, kFillLimitMs);
    ASSERT_EQ(kMany, m_list.GetItemCount());
    EXPECT_STREQ(L"f0", m_list.GetItemText(0, 0));
    const std::wstring last = std::to_wstring(kMany - 1);
    EXPECT_EQ(L"f" + last, m_list.GetItemText(kMany - 1, 0).GetString());
    EXPECT_EQ(L"\u77ed\u4fe1 " + last, m_list.GetItemText(kMany - 1, 1).GetString());
    EXPECT_STREQ(L"t", m_list.GetItemText(kMany - 1, 2));
    EXPECT_TRUE(m_list.GetStyle() & WS_VISIBLE); // drawing is back on

    start = GetTickCount();
    ASSERT_EQ(0, reader.Out(&m_tree));
    EXPECT_LT(GetTickCount() - start, kFillLimitMs);
    ASSERT_EQ(static_cast<UINT>(kMany), m_tree.GetCount());
    EXPECT_STREQ(L"f0", m_tree.GetItemText(m_tree.GetRootItem()));
}

TEST_F(SmsStoreTest, AttributeHeavyItemsKeepEveryAttribute)
{
    std::wstring attributes;
    for (int index = 0; index < 2000; ++index)
        attributes += L" a" + std::to_wstring(index) + L"=\"v" + std::to_wstring(index) + L"\"";
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(L"<tavo><sms><node" + attributes + L">text</node></sms><node" + attributes +
                                  L" name=\"heavy\"><node name=\"child\"/></node></tavo>")));
    ASSERT_EQ(0, store.Out(&m_list));
    ASSERT_EQ(1, m_list.GetItemCount());
    EXPECT_STREQ(L"v0", m_list.GetItemText(0, 0));
    EXPECT_STREQ(L"text", m_list.GetItemText(0, 1));
    EXPECT_STREQ(L"v3", m_list.GetItemText(0, 4)); // as far as the list has columns
    ASSERT_EQ(0, store.Out(&m_tree));
    EXPECT_EQ(L"heavy(child)", TreeText());
    EXPECT_EQ(2000, MapCount(m_tree.GetRootItem()));
    EXPECT_EQ(L"v1999", MapValue(m_tree.GetRootItem(), L"a1999"));
}
