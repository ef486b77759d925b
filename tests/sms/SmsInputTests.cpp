// CXMLBase on bad input: folder trees thousands of levels deep, message files with thousands of
// messages, items with thousands of attributes. Clear results, no crash, quick filling; every
// folder item carries its map for the caller to free.
#include "SmsTestSupport.h"

namespace {

const int kDeepLevels = 3000;
const int kManyMessages = 20000;
const int kManyAttributes = 2000;
const DWORD kFillLimitMs = 20000;

IXMLDOMElementPtr AppendElement(IXMLDOMDocumentPtr& doc, IXMLDOMNode* parent, const wchar_t* name)
{
    IXMLDOMElementPtr element;
    EXPECT_TRUE(SUCCEEDED(doc->createElement(_bstr_t(name), &element)));
    IXMLDOMNodePtr appended;
    EXPECT_TRUE(SUCCEEDED(parent->appendChild(element, &appended)));
    return element;
}

void SetAttribute(IXMLDOMElementPtr& element, const std::wstring& name, const std::wstring& value)
{
    EXPECT_TRUE(SUCCEEDED(element->setAttribute(_bstr_t(name.c_str()), _variant_t(value.c_str()))));
}

// <tavo><sms value="tree"> with folders nested levels deep, built through the DOM (a parser
// may refuse a text that deep).
IXMLDOMDocumentPtr DeepFolderDocument(int levels)
{
    IXMLDOMDocumentPtr doc;
    EXPECT_TRUE(SUCCEEDED(doc.CreateInstance(__uuidof(DOMDocument))));
    IXMLDOMElementPtr parent = AppendElement(doc, doc, L"tavo");
    parent = AppendElement(doc, parent, L"sms");
    SetAttribute(parent, L"value", L"tree");
    for (int level = 0; level < levels; ++level) {
        parent = AppendElement(doc, parent, L"node");
        SetAttribute(parent, L"name", L"f" + std::to_wstring(level));
    }
    return doc;
}

} // namespace

TEST_F(SmsStoreTest, DeepFolderTreesAreShownAndSavedWhole)
{
    IXMLDOMDocumentPtr doc = DeepFolderDocument(kDeepLevels);
    CXMLBase store;
    ASSERT_EQ(0, store.Load(doc));
    ASSERT_EQ(0, store.Out(&m_tree));
    ASSERT_EQ(static_cast<UINT>(kDeepLevels), m_tree.GetCount());

    int depth = 0;
    HTREEITEM last = nullptr;
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetChildItem(item), ++depth) {
        ASSERT_EQ(nullptr, m_tree.GetNextSiblingItem(item));
        last = item;
    }
    EXPECT_EQ(kDeepLevels, depth);
    EXPECT_STREQ(std::wstring(L"f" + std::to_wstring(kDeepLevels - 1)).c_str(), m_tree.GetItemText(last));

    ASSERT_EQ(0, store.Out(&m_list));  // the top folder stands where a message would
    ASSERT_EQ(1, m_list.GetItemCount());
    EXPECT_STREQ(L"f0", m_list.GetItemText(0, 0));
    CString folder = m_base.c_str();
    EXPECT_EQ(0, store.SaveSMS(folder));
    EXPECT_GT(ReadBytes(L"sms\\smstree.xml").size(), static_cast<size_t>(kDeepLevels) * 20);
}

TEST_F(SmsStoreTest, HugeMessageFilesFillTheListInOrder)
{
    std::wstring text = L"<tavo><sms value=\"big\">";
    for (int message = 0; message < kManyMessages; ++message)
        text += L"<node id=\"" + std::to_wstring(message) + L"\" at=\"t\">\u77ed\u4fe1 " + std::to_wstring(message) + L"</node>";
    text += L"</sms></tavo>";
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(text)));
    CString folder = m_base.c_str();
    ASSERT_EQ(0, store.SaveSMS(folder));

    CXMLBase reader;
    ASSERT_EQ(0, reader.Load(PathOf(L"sms\\big.xml").c_str()));
    const DWORD start = GetTickCount();
    ASSERT_EQ(0, reader.Out(&m_list));
    EXPECT_LT(GetTickCount() - start, kFillLimitMs);  // a list that redraws per row takes minutes
    ASSERT_EQ(kManyMessages, m_list.GetItemCount());
    EXPECT_STREQ(L"0", m_list.GetItemText(0, 0));
    const std::wstring lastId = std::to_wstring(kManyMessages - 1);
    EXPECT_EQ(lastId, m_list.GetItemText(kManyMessages - 1, 0).GetString());
    EXPECT_EQ(L"\u77ed\u4fe1 " + lastId, m_list.GetItemText(kManyMessages - 1, 1).GetString());
    EXPECT_STREQ(L"t", m_list.GetItemText(kManyMessages - 1, 2));
    EXPECT_TRUE(m_list.GetStyle() & WS_VISIBLE);  // drawing is back on
}

TEST_F(SmsStoreTest, WideFolderTreesFillQuickly)
{
    std::wstring text = L"<tavo><sms value=\"tree\">";
    for (int folder = 0; folder < kManyMessages; ++folder)
        text += L"<node name=\"f" + std::to_wstring(folder) + L"\"/>";
    text += L"</sms></tavo>";
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(text)));
    const DWORD start = GetTickCount();
    ASSERT_EQ(0, store.Out(&m_tree));
    EXPECT_LT(GetTickCount() - start, kFillLimitMs);
    ASSERT_EQ(static_cast<UINT>(kManyMessages), m_tree.GetCount());
    EXPECT_STREQ(L"f0", m_tree.GetItemText(m_tree.GetRootItem()));
}

TEST_F(SmsStoreTest, AttributeHeavyItemsKeepEveryAttribute)
{
    std::wstring attributes;
    for (int index = 0; index < kManyAttributes; ++index)
        attributes += L" a" + std::to_wstring(index) + L"=\"v" + std::to_wstring(index) + L"\"";
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(L"<tavo><sms><node" + attributes + L">text</node></sms>"
                                  L"<node" + attributes + L" name=\"heavy\"><node name=\"child\"/></node></tavo>")));
    ASSERT_EQ(0, store.Out(&m_list));
    ASSERT_EQ(1, m_list.GetItemCount());
    EXPECT_STREQ(L"v0", m_list.GetItemText(0, 0));
    EXPECT_STREQ(L"text", m_list.GetItemText(0, 1));
    EXPECT_STREQ(L"v3", m_list.GetItemText(0, 4));  // as far as the list has columns

    ASSERT_EQ(0, store.Out(&m_tree));
    EXPECT_EQ(L"heavy(child)", TreeText());
    HTREEITEM heavy = m_tree.GetRootItem();
    EXPECT_EQ(kManyAttributes, MapCount(heavy));
    EXPECT_EQ(L"v1999", MapValue(heavy, L"a1999"));
}
