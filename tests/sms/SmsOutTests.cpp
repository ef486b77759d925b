// CXMLBase::Out and Load: messages into the list (columns, order, appending), folders into the
// tree (groups, unnamed folders, attribute maps), texts outside the ANSI code page, results
// without "tavo", loading files, the DOM's error passed on, shared documents.
#include "SmsTestSupport.h"

#include <thread>

TEST_F(SmsStoreTest, MessagesFillFirstTextAndFurtherColumnsAndAppend)
{
    CXMLBase store;
    ASSERT_EQ(0,
              store.Load(Parse(L"<tavo><sms value=\"1\"><node a=\"x\" b=\"y\">hello</node><other a=\"ignored\"/>"
                               L"<node a=\"x2\" b=\"y2\" c=\"z2\">second<node a=\"inner\">!</node></node>"
                               L"</sms><room><node a=\"not a message\"/></room><sms><node>third</node></sms></tavo>")));
    ASSERT_EQ(0, store.Out(&m_list));
    ASSERT_EQ(0, store.Out(&m_list)); // a second call appends the same rows again
    ASSERT_EQ(6, m_list.GetItemCount());
    const wchar_t* const rows[][4] = {
        {L"x", L"hello", L"y", L""}, {L"x2", L"second!", L"y2", L"z2"}, {L"", L"third", L"", L""}};
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_STREQ(rows[row % 3][column], m_list.GetItemText(row, column)) << row << "," << column;
}

TEST_F(SmsStoreTest, TextsOutsideTheAnsiCodePageArriveWhole)
{
    // Chinese, Korean and a character outside the basic plane: no ANSI code page holds them all.
    const std::wstring text = L"\u4f60\u597d \uc548\ub155 \U0001F600 caf\u00e9";
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(L"<tavo><sms><node from=\"\uc548\">" + text +
                                  L"</node></sms>"
                                  L"<node name=\"\u6587\u4ef6\u5939 \uc548\" note=\"\U0001F600\"/></tavo>")));
    ASSERT_EQ(0, store.Out(&m_list));
    EXPECT_EQ(text, m_list.GetItemText(0, 1).GetString());
    EXPECT_STREQ(L"\uc548", m_list.GetItemText(0, 0));
    ASSERT_EQ(0, store.Out(&m_tree));
    EXPECT_EQ(L"\u6587\u4ef6\u5939 \uc548", TreeText());
    EXPECT_EQ(L"\U0001F600", MapValue(m_tree.GetRootItem(), L"note"));
}

TEST_F(SmsStoreTest, FoldersFollowNodesWithGroupsAtTheirOwnLevel)
{
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(
                     L"<tavo><sms value=\"tree\"><node name=\"inbox\" id=\"1\" kind=\"in\" color=\"red\">"
                     L"<node name=\"friends\"/><room><node name=\"work\"/></room>"
                     L"<node><node name=\"hidden below an unnamed folder\"/></node>"
                     L"<node name=\"\"/><other><node name=\"ignored\"/></other></node>"
                     L"<node name=\"outbox\"/></sms><room><node name=\"drafts\"/></room><node name=\"top\"/></tavo>")));
    ASSERT_EQ(0, store.Out(&m_tree));
    EXPECT_EQ(L"inbox(friends,work),outbox,drafts,top", TreeText());
    HTREEITEM inbox = m_tree.GetRootItem();
    EXPECT_EQ(3, MapCount(inbox)); // every attribute but the name
    EXPECT_EQ(L"1", MapValue(inbox, L"id"));
    EXPECT_EQ(L"red", MapValue(inbox, L"color"));
    EXPECT_EQ(L"(none)", MapValue(inbox, L"name"));
    EXPECT_EQ(0, MapCount(m_tree.GetChildItem(inbox))); // an empty map all the same
    ASSERT_EQ(0, store.Out(&m_tree));                   // a second call adds the folders again at the top level
    EXPECT_EQ(12u, m_tree.GetCount());
}

TEST_F(SmsStoreTest, NothingIsShownWithoutTavoOrControlAndLoadSaysWhyItFails)
{
    CXMLBase store;
    EXPECT_EQ(-102, store.Out(&m_list)); // no document
    EXPECT_EQ(-102, store.Out(&m_tree));
    ASSERT_EQ(0, store.Load(Parse(L"<answer><sms><node a=\"x\" name=\"n\">t</node></sms></answer>")));
    EXPECT_EQ(-102, store.Out(&m_list));
    EXPECT_EQ(-102, store.Out(&m_tree));
    EXPECT_EQ(0, m_list.GetItemCount());
    EXPECT_EQ(0u, m_tree.GetCount());
    ASSERT_EQ(0, store.Load(Parse(L"<tavo><sms><node name=\"n\">t</node></sms></tavo>")));
    EXPECT_EQ(-1, store.Out(static_cast<CListCtrl*>(nullptr)));
    EXPECT_EQ(-1, store.Out(static_cast<CTreeCtrl*>(nullptr)));
    CListCtrl noWindow;
    EXPECT_EQ(-1, store.Out(&noWindow));

    EXPECT_EQ(-1, store.Load(IXMLDOMDocumentPtr()));
    EXPECT_EQ(-1, store.Load(PathOf(L"sms\\missing.xml").c_str()));
    EXPECT_EQ(-102, store.Out(&m_list)); // the current document is the new, empty one
    ASSERT_TRUE(WriteFileBytes(PathOf(L"sms\\broken.xml"), "<tavo><sms>"));
    EXPECT_EQ(-1, store.Load(PathOf(L"sms\\broken.xml").c_str()));
    ASSERT_TRUE(WriteFileBytes(PathOf(L"sms\\good.xml"), "<?xml version=\"1.0\" encoding=\"gbk\"?><tavo><sms>"
                                                         "<node a=\"1\">\xC4\xE3\xBA\xC3</node></sms></tavo>"));
    ASSERT_EQ(0, store.Load(PathOf(L"sms\\good.xml").c_str()));
    ASSERT_EQ(0, store.Out(&m_list));
    EXPECT_STREQ(L"\u4f60\u597d", m_list.GetItemText(0, 1));
    EXPECT_EQ(-1, store.Load(IXMLDOMDocumentPtr())); // a null document leaves the current one in place
    EXPECT_EQ(0, store.Out(&m_list));
    EXPECT_EQ(2, m_list.GetItemCount());

    HRESULT raised = S_OK; // on a thread that never initialised COM the DOM's error is passed on
    std::thread([&raised, path = PathOf(L"sms\\good.xml")] {
        try {
            CXMLBase().Load(path.c_str());
        } catch (const _com_error& error) {
            raised = error.Error();
        }
    }).join();
    EXPECT_EQ(CO_E_NOTINITIALIZED, raised);
}

TEST_F(SmsStoreTest, CopiesShareTheDocumentAndReleaseIt)
{
    IXMLDOMDocumentPtr doc = Parse(L"<tavo><sms value=\"8\"><node a=\"x\">t</node></sms></tavo>");
    const ULONG alone = References(doc);
    {
        CXMLBase store;
        ASSERT_EQ(0, store.Load(doc));
        CXMLBase copy(store);
        EXPECT_EQ(alone + 2, References(doc));
        ASSERT_EQ(0, copy.Out(&m_list));
        ASSERT_EQ(0, copy.Out(&m_tree));
        ASSERT_EQ(0, Save(store));
        EXPECT_EQ(alone + 2, References(doc));
    }
    EXPECT_EQ(alone, References(doc));
    // The save went through the shared document: the caller's document now carries the declaration.
    IXMLDOMNodePtr first;
    _bstr_t name;
    ASSERT_TRUE(SUCCEEDED(doc->get_firstChild(&first)) && SUCCEEDED(first->get_nodeName(name.GetAddress())));
    EXPECT_STREQ(L"xml", static_cast<const wchar_t*>(name));
}
