// Clicks in the chat view: addresses by their prefixes (capitals too) opened with their own
// text, keyword links found forward from the recorded position and opening their target, and
// ranges whose key names no live link (released keywords, pasted or typed text, drive-letter
// paths a peer typed) doing nothing.
#include "ChatTestSupport.h"

using chattest::ChatTest;
using chattest::ShellCalls;

namespace {

// A link object of the test: counts its clicks.
class CCountingLink : public CTavoLink {
public:
    void OnEnLink(ENLINK*) override { ++m_nClicks; }
    int m_nClicks = 0;
};

// Gives [start, end) the link effect with a real colour, as detection or pasting does.
void MarkAsLink(CRichEditCtrl& edit, long start, long end)
{
    edit.SetSel(start, end);
    CHARFORMAT2W format = {};
    format.dwMask = CFM_LINK | CFM_COLOR;
    format.dwEffects = CFE_LINK;
    format.crTextColor = RGB(0, 0, 255);
    edit.SetSelectionCharFormat(format);
}

} // namespace

TEST_F(ChatTest, AddressesOpenByTheirPrefixInAnyCase)
{
    // Keywords that are addresses open with their own text, not their target. Wine's detection
    // knows lower-case prefixes only, so this is also how capital prefixes get linked here.
    m_edit.SetEnLink(1);
    m_edit.AppendMsg(L"see HTTP://EXAMPLE.COM/x and MailTo:me@example.com ok", nullptr, 0, 0);
    CKeyWord capital(L"HTTP://EXAMPLE.COM/x", L"target");
    CKeyWord mail(L"MailTo:me@example.com", L"target");
    m_edit.SetKeyWords(&capital);
    m_edit.SetKeyWords(&mail);
    ClickAt(8);
    ClickAt(32);
    EXPECT_EQ((std::vector<std::wstring>{L"HTTP://EXAMPLE.COM/x", L"MailTo:me@example.com"}), ShellCalls());
}

TEST_F(ChatTest, AddressDetectionOnlyWhileAppendingUnlessSwitchedOn)
{
    EXPECT_FALSE(m_edit.GetAutoURLDetect());
    m_edit.AppendMsg(L"at www.example.com now", nullptr, 0, 0);
    EXPECT_FALSE(m_edit.GetAutoURLDetect()) << "off again after AppendMsg";
    ClickAt(6);
    EXPECT_EQ(std::vector<std::wstring>{L"www.example.com"}, ShellCalls());
    m_edit.SetEnLink(0);
    EXPECT_TRUE(m_edit.GetAutoURLDetect());
    m_edit.SetEnLink(1);
    EXPECT_FALSE(m_edit.GetAutoURLDetect());

    // An address with a prefix outside the table, linked as detection links addresses (Wine's
    // detection does not know news:), names no link object: nothing opens.
    m_edit.AppendMsg(L"\nnews:comp.lang.c today", nullptr, 0, 0);
    MarkAsLink(m_edit, 23, 39);
    ClickAt(26);
    EXPECT_EQ(1u, ShellCalls().size());
}

TEST_F(ChatTest, KeywordLinksTheFirstOccurrenceAfterTheRecordedPosition)
{
    m_edit.AppendMsg(L"old shop message\n", nullptr, 0, 0);
    m_edit.CaculateLastPos();
    EXPECT_EQ(17, m_edit.m_nLastPos);
    m_edit.AppendMsg(L"new shop, another shop", nullptr, 0, 0); // shop at 21 and 35
    CKeyWord shop(L"shop", L"http://shop.example/");
    m_edit.SetKeyWords(&shop);
    CKeyWord absent(L"nowhere", L"x");
    m_edit.SetKeyWords(&absent);
    EXPECT_EQ(1, CTavoKeyLink::m_mapKeys.GetCount()) << "a keyword that does not occur is not entered";

    ClickAt(5);
    EXPECT_TRUE(ShellCalls().empty()) << "the older message is not linked";
    ClickAt(36);
    EXPECT_TRUE(ShellCalls().empty()) << "only the first occurrence in the new text";
    ClickAt(22);
    EXPECT_EQ(std::vector<std::wstring>{L"http://shop.example/"}, ShellCalls());
}

TEST_F(ChatTest, FirstLinkedRecordDecidesTheTargetUntilReleaseAll)
{
    CKeyWord first(L"tavo", L"first-target");
    CKeyWord second(L"tavo", L"second-target");
    CTavoKeyLink* pLink = CTavoKeyLink::add(&first);
    EXPECT_EQ(pLink, CTavoKeyLink::add(&second));
    EXPECT_EQ(CString(L"first-target"), pLink->GetKeyWord()->m_strTarget);
    EXPECT_EQ(nullptr, CTavoKeyLink::add(nullptr));

    m_edit.AppendMsg(L"hi tavo", nullptr, 0, 0);
    m_edit.SetKeyWords(&second);
    ClickAt(4);
    EXPECT_EQ(std::vector<std::wstring>{L"first-target"}, ShellCalls());

    CTavoKeyLink::releaseAll();
    EXPECT_EQ(0, CTavoKeyLink::m_mapKeys.GetCount());
    ClickAt(4);
    EXPECT_EQ(1u, ShellCalls().size()) << "the released link's key names nothing";
}

TEST_F(ChatTest, RangesNamingNoLiveLinkDoNothing)
{
    m_edit.SetEnLink(1);
    m_edit.AppendMsg(L"plain C:\\Windows\\evil.exe and pasted", nullptr, 0, 0);
    // Link text whose colour field holds a real colour, as pasted link text has.
    MarkAsLink(m_edit, 30, 36);
    ClickAt(32);

    // A path a peer typed, made a link by a keyword: the path itself is never opened.
    CKeyWord path(L"C:\\Windows\\evil.exe", L"keyword-target");
    m_edit.SetKeyWords(&path);
    ClickAt(9);
    EXPECT_EQ(std::vector<std::wstring>{L"keyword-target"}, ShellCalls());
}

TEST_F(ChatTest, LinksCallTheirObjectWhileLiveAndKeepKeysApart)
{
    m_edit.SetEnLink(1);
    CCountingLink link;
    CCountingLink copy(link);
    EXPECT_NE(link.GetKey(), copy.GetKey());
    EXPECT_NE(0u, link.GetKey() & 0xFF000000u) << "no real colour is a key";

    m_edit.AppendMsg(L"before ", nullptr, 0, 0);
    m_edit.AddLink(L"answer", &link);
    m_edit.AppendMsg(L" after", nullptr, 0, 0);
    EXPECT_EQ(L"before answer after", Text());
    CHARFORMAT2W after = {};
    m_edit.SetSel(14, 15);
    m_edit.GetSelectionCharFormat(after);
    EXPECT_EQ(0u, after.dwEffects & CFE_LINK) << "the text after a link is plain";

    ClickAt(9);
    EXPECT_EQ(0, link.m_nClicks) << "not in the control's list: not called";
    m_edit.m_listLinks.AddTail(new CCountingLink);
    CCountingLink* pOwned = static_cast<CCountingLink*>(m_edit.m_listLinks.GetTail());
    m_edit.SetTextToLink(7, 13, pOwned);
    ClickAt(9);
    EXPECT_EQ(1, pOwned->m_nClicks);
    EXPECT_TRUE(ShellCalls().empty());
}
