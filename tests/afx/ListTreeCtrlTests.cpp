// CListCtrl and CTreeCtrl on real controls under a hidden parent: long texts read back whole,
// selection positions, image lists; the tree's walk order and insertion places.
#include <afxcmn.h>

#include "WindowTestSupport.h"
#include "../common/TreeText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kListId = 101;
const UINT kTreeId = 102;

// A hidden frame holding one report-style list control and one tree control.
class ListTreeCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(afxtest::CreateHiddenFrame(m_frame));
        ASSERT_TRUE(
            m_list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS, CRect(0, 0, 280, 160), &m_frame, kListId));
        ASSERT_TRUE(
            m_tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, CRect(0, 0, 280, 160), &m_frame, kTreeId));
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();
        AfxDeleteTempMaps();
    }

    // Three columns and the rows "r0" .. "r<count-1>", each with lParam 100 + row.
    void FillList(int count)
    {
        ASSERT_EQ(0, m_list.InsertColumn(0, L"first", LVCFMT_LEFT, 80));
        ASSERT_EQ(1, m_list.InsertColumn(1, L"second", LVCFMT_LEFT, 80));
        ASSERT_EQ(2, m_list.InsertColumn(2, L"third"));
        for (int row = 0; row < count; ++row) {
            const std::wstring text = L"r" + std::to_wstring(row);
            ASSERT_EQ(row, m_list.InsertItem(LVIF_TEXT | LVIF_PARAM, row, text.c_str(), 0, 0, 0, 100 + row));
        }
    }

    // The whole tree through the walking methods.
    std::wstring Walk() const { return TreeText(m_tree, m_tree.GetRootItem()); }

    CWnd m_frame;
    CListCtrl m_list;
    CTreeCtrl m_tree;
};

std::vector<int> SelectedItems(const CListCtrl& list)
{
    std::vector<int> items;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        items.push_back(list.GetNextSelectedItem(pos));
    return items;
}

} // namespace

TEST_F(ListTreeCtrlTest, ListItemsSelectionPositionsAndTheTreesWalkInInsertionPlaces)
{
    FillList(5);
    EXPECT_TRUE(m_list.SetItemText(1, 2, L"\u77ed\u4fe1 third"));
    EXPECT_STREQ(L"\u77ed\u4fe1 third", m_list.GetItemText(1, 2));
    EXPECT_STREQ(L"", m_list.GetItemText(7, 0));
    wchar_t buffer[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(3, m_list.GetItemText(1, 2, buffer, 4)); // cut to the buffer, null-terminated
    EXPECT_EQ(std::wstring(L"\u77ed\u4fe1 "), buffer);

    // Texts longer than the first buffer of the CString form, or filling it exactly, come back whole.
    for (const std::wstring& text : {std::wstring(1500, L'\u4fe1'), std::wstring(255, L'z')}) {
        EXPECT_TRUE(m_list.SetItemText(2, 1, text.c_str()));
        EXPECT_EQ(text, m_list.GetItemText(2, 1).GetString());
    }
    EXPECT_EQ(102u, m_list.GetItemData(2));

    EXPECT_EQ(nullptr, m_list.GetFirstSelectedItemPosition());
    for (int item : {0, 3, 4})
        EXPECT_TRUE(m_list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ((std::vector<int>{0, 3, 4}), SelectedItems(m_list)); // item 0 has a position too

    EXPECT_TRUE(m_list.SetItemState(3, 0, LVIS_SELECTED));
    EXPECT_TRUE(m_list.DeleteItem(0)); // the selected item 4 moves up to 3
    EXPECT_EQ((std::vector<int>{3}), SelectedItems(m_list));

    // The tree walks in insertion places and parents.
    HTREEITEM a = m_tree.InsertItem(L"a");
    HTREEITEM c = m_tree.InsertItem(L"c", a);
    HTREEITEM b = m_tree.InsertItem(L"b", a, TVI_FIRST);
    HTREEITEM d = m_tree.InsertItem(L"d", 1, 2, b);
    HTREEITEM z = m_tree.InsertItem(L"z");
    HTREEITEM m = m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, L"m", 0, 0, 0, 0, 55, TVI_ROOT, a);
    ASSERT_TRUE(a && b && c && d && z && m);

    EXPECT_EQ(L"a(b(d),c),m,z", Walk());
    EXPECT_EQ(b, m_tree.GetPrevSiblingItem(c));
    EXPECT_EQ(55u, m_tree.GetItemData(m));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    EXPECT_EQ(nullptr, m_tree.SetImageList(&images, TVSIL_NORMAL));
    EXPECT_EQ(&images, m_tree.GetImageList(TVSIL_NORMAL)); // the owning wrapper, not a temporary one
    EXPECT_EQ(&images, m_tree.SetImageList(nullptr, TVSIL_NORMAL));

    EXPECT_STREQ(L"", m_tree.GetItemText(nullptr));
    const std::wstring longText(700, L'\u6587');
    EXPECT_TRUE(m_tree.SetItemText(m, longText.c_str()));
    EXPECT_EQ(longText, m_tree.GetItemText(m).GetString());
}
