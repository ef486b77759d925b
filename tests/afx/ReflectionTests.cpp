// Reflection: a parent's notifications reach the child's own object first (reflect entries,
// owner-draw virtuals); the parent's map sees what the child does not handle. Owner-drawn
// menu items reach the menu object.
#include "AfxTestIds.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT kChildId = 301;
const RECT kChildRect = {5, 5, 105, 35};

class CParentWnd : public CWnd {
public:
    int m_nClicks = 0;
    int m_nNotifies = 0;
    int m_nDrawItems = 0;
    CWnd* m_pCtlColorWnd = nullptr;
    HBRUSH m_hBrush = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));

protected:
    afx_msg void OnChildClicked() { ++m_nClicks; }
    afx_msg void OnChildNotify(NMHDR*, LRESULT* pResult)
    {
        ++m_nNotifies;
        *pResult = 1;
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        ++m_nDrawItems;
        CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
    }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT)
    {
        m_pCtlColorWnd = pWnd;
        return m_hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(kChildId, &CParentWnd::OnChildClicked)
    ON_NOTIFY(NM_CLICK, kChildId, &CParentWnd::OnChildNotify)
    ON_WM_DRAWITEM()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// Sees its own click and decides whether the parent sees it too.
class CSharingButton : public CButton {
public:
    int m_nClicks = 0;
    BOOL m_bKeep = FALSE;

protected:
    afx_msg BOOL OnClicked()
    {
        ++m_nClicks;
        return m_bKeep;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSharingButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CSharingButton::OnClicked)
END_MESSAGE_MAP()

class COwnerDrawButton : public CButton {
public:
    std::vector<DRAWITEMSTRUCT> m_draws;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_draws.push_back(*lpDrawItemStruct); }
};

// Colours itself unless told to decline.
class CColorStatic : public CStatic {
public:
    BOOL m_bDecline = FALSE;
    HBRUSH m_hBrush = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT)
    {
        if (m_bDecline)
            return nullptr;
        pDC->SetTextColor(RGB(200, 0, 0));
        return m_hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// Owner-drawn list box sorted by item data, measuring its items itself.
class COwnerList : public CListBox {
public:
    static const UINT kItemHeight = 31;
    int m_nMeasures = 0;
    std::vector<DWORD_PTR> m_deleted;

    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        ++m_nMeasures;
        lpMeasureItemStruct->itemHeight = kItemHeight;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override
    {
        const ULONG_PTR a = lpCompareItemStruct->itemData1;
        const ULONG_PTR b = lpCompareItemStruct->itemData2;
        return a < b ? -1 : a > b ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override
    {
        m_deleted.push_back(lpDeleteItemStruct->itemData);
    }
};

// Handles its own NM_CLICK, sharing it with the parent on request.
class CReflectingChild : public CWnd {
public:
    int m_nClicks = 0;
    BOOL m_bKeep = TRUE;

protected:
    afx_msg BOOL OnClick(NMHDR*, LRESULT* pResult)
    {
        ++m_nClicks;
        *pResult = 9;
        return m_bKeep;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
    ON_NOTIFY_REFLECT_EX(NM_CLICK, &CReflectingChild::OnClick)
END_MESSAGE_MAP()

class COwnerMenu : public CMenu {
public:
    std::vector<UINT> m_measured;
    std::vector<UINT> m_drawn;

    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        m_measured.push_back(lpMeasureItemStruct->itemID);
        lpMeasureItemStruct->itemWidth = 80;
        lpMeasureItemStruct->itemHeight = 20;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_drawn.push_back(lpDrawItemStruct->itemID); }
};

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(afxtest::CreateHiddenFrame(m_parent)); }
    void TearDown() override { m_parent.DestroyWindow(); }

    BOOL CreateButton(CButton& button, DWORD dwStyle = BS_PUSHBUTTON)
    {
        return button.Create(L"Child", WS_VISIBLE | dwStyle, kChildRect, &m_parent, kChildId);
    }

    CParentWnd m_parent;
};

TEST_F(ReflectionTest, ClicksAndNotificationsGoToTheChildAndToTheParentUnlessTheChildKeepsThem)
{
    CSharingButton sharing;
    ASSERT_TRUE(CreateButton(sharing));
    sharing.SendMessage(BM_CLICK);
    EXPECT_EQ(1, m_parent.m_nClicks);
    sharing.m_bKeep = TRUE;
    sharing.SendMessage(BM_CLICK);
    EXPECT_EQ(2, sharing.m_nClicks);
    EXPECT_EQ(1, m_parent.m_nClicks);
    sharing.DestroyWindow();

    CButton plain;
    ASSERT_TRUE(CreateButton(plain));
    plain.SendMessage(BM_CLICK);
    EXPECT_EQ(2, m_parent.m_nClicks);

    // A reflected notification returns the child's result; the parent gets what it shares.
    CReflectingChild child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, kChildRect, &m_parent, kChildId));
    NMHDR header = {child.m_hWnd, kChildId, static_cast<UINT>(NM_CLICK)};
    const LPARAM lParam = reinterpret_cast<LPARAM>(&header);
    EXPECT_EQ(9, m_parent.SendMessage(WM_NOTIFY, kChildId, lParam));
    EXPECT_EQ(0, m_parent.m_nNotifies);
    child.m_bKeep = FALSE;
    EXPECT_EQ(1, m_parent.SendMessage(WM_NOTIFY, kChildId, lParam));
    EXPECT_EQ(2, child.m_nClicks);
    EXPECT_EQ(1, m_parent.m_nNotifies);
}

TEST_F(ReflectionTest, OwnerDrawnButtonPaintsInItsDrawItemAndControlColourGoesToTheControlUnlessItDeclines)
{
    COwnerDrawButton button;
    ASSERT_TRUE(CreateButton(button, BS_OWNERDRAW));
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    button.RedrawWindow();
    ASSERT_FALSE(button.m_draws.empty());
    EXPECT_EQ(kChildId, button.m_draws.back().CtlID);
    EXPECT_EQ(button.m_hWnd, button.m_draws.back().hwndItem);
    EXPECT_EQ(0, m_parent.m_nDrawItems);

    // Control colour goes to the control unless it declines (the button's paint asked the parent).
    m_parent.m_pCtlColorWnd = nullptr;
    CColorStatic label;
    ASSERT_TRUE(label.Create(L"Label", WS_VISIBLE, kChildRect, &m_parent, kChildId));
    CClientDC dc(&label);
    const LPARAM lParam = reinterpret_cast<LPARAM>(label.m_hWnd);
    const WPARAM wParam = reinterpret_cast<WPARAM>(dc.m_hDC);
    EXPECT_EQ(reinterpret_cast<LRESULT>(label.m_hBrush), m_parent.SendMessage(WM_CTLCOLORSTATIC, wParam, lParam));
    EXPECT_EQ(RGB(200, 0, 0), dc.GetTextColor());
    EXPECT_EQ(nullptr, m_parent.m_pCtlColorWnd);

    label.m_bDecline = TRUE;
    EXPECT_EQ(reinterpret_cast<LRESULT>(m_parent.m_hBrush), m_parent.SendMessage(WM_CTLCOLOREDIT, wParam, lParam));
    EXPECT_EQ(&label, m_parent.m_pCtlColorWnd);
}

TEST_F(ReflectionTest, OwnerDrawnListBoxMeasuresComparesAndDeletesItsItems)
{
    COwnerList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_SORT, kChildRect, &m_parent, kChildId));
    // Measured while it was being created: the object was attached before its first message.
    EXPECT_GT(list.m_nMeasures, 0);
    EXPECT_EQ(static_cast<int>(COwnerList::kItemHeight), list.GetItemHeight(0));
    for (DWORD_PTR data : {30, 10, 20})
        list.AddString(reinterpret_cast<LPCTSTR>(data));
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(10u, list.GetItemData(0));
    EXPECT_EQ(30u, list.GetItemData(2));
    list.DeleteString(1);
    EXPECT_EQ((std::vector<DWORD_PTR>{20}), list.m_deleted);
}

TEST_F(ReflectionTest, MenuItemsGoToTheObjectOfTheirPopupOrTheNearestMenuAboveIt)
{
    CMenu bar;
    ASSERT_TRUE(bar.LoadMenu(IDM_AFXTEST_MENU));
    const HMENU hPopup = ::GetSubMenu(bar.m_hMenu, 0);
    for (UINT nID : {ID_AFXTEST_OPEN, ID_AFXTEST_CLOSE})
        ASSERT_TRUE(::ModifyMenuW(hPopup, nID, MF_BYCOMMAND | MF_OWNERDRAW, nID, nullptr));
    ASSERT_TRUE(m_parent.SetMenu(&bar));
    const auto measureAndDraw = [&](UINT nMeasured, UINT nDrawn) {
        MEASUREITEMSTRUCT measure = {ODT_MENU, 0, nMeasured};
        m_parent.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        DRAWITEMSTRUCT draw = {ODT_MENU, 0, nDrawn};
        draw.hwndItem = reinterpret_cast<HWND>(hPopup);
        m_parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    };

    COwnerMenu popup;
    ASSERT_TRUE(popup.Attach(hPopup));
    measureAndDraw(ID_AFXTEST_CLOSE, ID_AFXTEST_OPEN);
    popup.Detach(); // the menu bar owns the popup
    EXPECT_EQ((std::vector<UINT>{ID_AFXTEST_CLOSE}), popup.m_measured);
    EXPECT_EQ((std::vector<UINT>{ID_AFXTEST_OPEN}), popup.m_drawn);
    EXPECT_EQ(1, m_parent.m_nDrawItems); // the parent's handler ran first and passed it on

    COwnerMenu ownerBar;
    ASSERT_TRUE(ownerBar.Attach(bar.Detach()));
    measureAndDraw(ID_AFXTEST_OPEN, ID_AFXTEST_CLOSE);
    bar.Attach(ownerBar.Detach());
    EXPECT_EQ((std::vector<UINT>{ID_AFXTEST_OPEN}), ownerBar.m_measured);
    EXPECT_EQ((std::vector<UINT>{ID_AFXTEST_CLOSE}), ownerBar.m_drawn);
    m_parent.SetMenu(nullptr);
}

} // namespace
