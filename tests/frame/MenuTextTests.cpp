// SetMenuItemText / GetMenuItemText round trips by command and by position, an owner-drawn
// item turning into a string item, and items that do not exist or carry no text.

#include <VoHelpers.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Text(HMENU menu, UINT item, BOOL byPosition)
{
    CString text = L"stale";
    GetMenuItemText(menu, item, text, byPosition);
    return text.GetString();
}

} // namespace

TEST(MenuTexts, ReadBackByCommandAndByPositionAndReplaceOwnerDrawing)
{
    const UINT openId = 4001, drawnId = 4002;
    HMENU menu = CreatePopupMenu();
    ASSERT_NE(nullptr, menu);
    AppendMenuW(menu, MF_STRING, openId, L"Open");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_OWNERDRAW, drawnId, reinterpret_cast<LPCWSTR>(0x1234));

    EXPECT_EQ(L"Open", Text(menu, openId, FALSE));
    SetMenuItemText(menu, openId, L"\u6253\u5F00 && close", FALSE);
    EXPECT_EQ(L"\u6253\u5F00 && close", Text(menu, 0, TRUE));
    const std::wstring longText(300, L'x');
    SetMenuItemText(menu, 0, longText.c_str(), TRUE);
    EXPECT_EQ(longText, Text(menu, openId, FALSE));

    SetMenuItemText(menu, drawnId, L"Drawn no more", FALSE);
    MENUITEMINFOW info = {sizeof(info), MIIM_FTYPE};
    ASSERT_TRUE(GetMenuItemInfoW(menu, drawnId, FALSE, &info));
    EXPECT_EQ(0u, info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(L"Drawn no more", Text(menu, drawnId, FALSE));

    EXPECT_EQ(L"", Text(menu, 4999, FALSE)) << "missing command";
    EXPECT_EQ(L"", Text(menu, 7, TRUE)) << "missing position";
    EXPECT_EQ(L"", Text(menu, 1, TRUE)) << "separator";
    EXPECT_EQ(L"", Text(nullptr, openId, FALSE)) << "no menu";
    DestroyMenu(menu);
}
