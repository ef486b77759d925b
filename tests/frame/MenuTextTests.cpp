// SetMenuItemText / GetMenuItemText round trips by command and by position, an owner-drawn
// item turning into a string item, and items that do not exist or carry no text.

#include <VoHelpers.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT kOpenId = 4001;
const UINT kDrawnId = 4002;
const UINT kMissingId = 4999;

// A popup menu "Open", separator, owner-drawn item; destroyed with the fixture.
class MenuTexts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_menu = CreatePopupMenu();
        ASSERT_NE(nullptr, m_menu);
        ASSERT_TRUE(AppendMenuW(m_menu, MF_STRING, kOpenId, L"Open"));
        ASSERT_TRUE(AppendMenuW(m_menu, MF_SEPARATOR, 0, nullptr));
        ASSERT_TRUE(AppendMenuW(m_menu, MF_OWNERDRAW, kDrawnId, reinterpret_cast<LPCWSTR>(0x1234)));
    }
    void TearDown() override { DestroyMenu(m_menu); }

    UINT ItemType(UINT id) const
    {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        return GetMenuItemInfoW(m_menu, id, FALSE, &info) ? info.fType : ~0u;
    }

    HMENU m_menu = nullptr;
};

} // namespace

TEST_F(MenuTexts, TextReadsBackByCommandAndByPosition)
{
    CString text;
    GetMenuItemText(m_menu, kOpenId, text, FALSE);
    EXPECT_STREQ(L"Open", text);

    SetMenuItemText(m_menu, kOpenId, L"\u6253\u5F00 && close", FALSE);
    GetMenuItemText(m_menu, 0, text, TRUE);
    EXPECT_STREQ(L"\u6253\u5F00 && close", text);

    const std::wstring longText(300, L'x');
    SetMenuItemText(m_menu, 0, longText.c_str(), TRUE);
    GetMenuItemText(m_menu, kOpenId, text, FALSE);
    EXPECT_EQ(longText, text.GetString());
}

TEST_F(MenuTexts, OwnerDrawnItemBecomesAStringItem)
{
    ASSERT_NE(0u, ItemType(kDrawnId) & MFT_OWNERDRAW);
    SetMenuItemText(m_menu, kDrawnId, L"Drawn no more", FALSE);
    EXPECT_EQ(0u, ItemType(kDrawnId) & MFT_OWNERDRAW);
    CString text;
    GetMenuItemText(m_menu, kDrawnId, text, FALSE);
    EXPECT_STREQ(L"Drawn no more", text);
}

TEST_F(MenuTexts, MissingItemOrSeparatorGivesEmptyText)
{
    CString text = L"stale";
    GetMenuItemText(m_menu, kMissingId, text, FALSE);
    EXPECT_STREQ(L"", text);

    text = L"stale";
    GetMenuItemText(m_menu, 7, text, TRUE);
    EXPECT_STREQ(L"", text);

    text = L"stale";
    GetMenuItemText(m_menu, 1, text, TRUE);
    EXPECT_STREQ(L"", text);

    text = L"stale";
    GetMenuItemText(nullptr, kOpenId, text, FALSE);
    EXPECT_STREQ(L"", text);
}
