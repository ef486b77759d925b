// Reflection: a parent's notifications reach the child's own object first (reflect entries,
// owner-draw virtuals); the parent's map sees what the child does not handle. Owner-drawn
// menu items reach the menu object.
#include "AfxTestIds.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const UINT kChildId = 301;

class CParentWnd : public CWnd {
public:
    int m_nClicks = 0;
    int m_nNotifies = 0;
    int m_nDrawItems = 0;
    int m_nHScrolls = 0;
    HWND m_hScrollSender = nullptr;
    UINT m_nCtlColorKind = 0;
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
    afx_msg void OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
    {
        ++m_nHScrolls;
        m_hScrollSender = AfxGetSafeHwnd(pScrollBar);
    }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor)
    {
        m_nCtlColorKind = nCtlColor;
        m_pCtlColorWnd = pWnd;
        return m_hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(kChildId, &CParentWnd::OnChildClicked)
    ON_NOTIFY(NM_CLICK, kChildId, &CParentWnd::OnChildNotify)
    ON_WM_DRAWITEM()
    ON_WM_HSCROLL()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// Handles its own click.
class CSelfClickButton : public CButton {
public:
    int m_nClicks = 0;

protected:
    afx_msg void OnClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClickButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, &CSelfClickButton::OnClicked)
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

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        m_draws.push_back(*lpDrawItemStruct);
        ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
};

// Colours itself unless told to decline.
class CColorStatic : public CStatic {
public:
    BOOL m_bDecline = FALSE;
    UINT m_nCtlColorKind = 0;
    HBRUSH m_hBrush = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        m_nCtlColorKind = nCtlColor;
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
    int m_nCompares = 0;
    std::vector<DWORD_PTR> m_deleted;

    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        ++m_nMeasures;
        lpMeasureItemStruct->itemHeight = kItemHeight;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override
    {
        ++m_nCompares;
        const ULONG_PTR a = lpCompareItemStruct->itemData1;
        const ULONG_PTR b = lpCompareItemStruct->itemData2;
        return a < b ? -1 : a > b ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override { m_deleted.push_back(lpDeleteItemStruct->itemData); }
};

// A notifying child that handles NM_CLICK itself, sharing it with the parent on request.
class CNotifyingChild : public CWnd {
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

BEGIN_MESSAGE_MAP(CNotifyingChild, CWnd)
    ON_NOTIFY_REFLECT_EX(NM_CLICK, &CNotifyingChild::OnClick)
END_MESSAGE_MAP()

class CScrollingChild : public CWnd {
public:
    UINT m_nCode = 0;
    UINT m_nPos = 0;

protected:
    afx_msg void HScroll(UINT nSBCode, UINT nPos)
    {
        m_nCode = nSBCode;
        m_nPos = nPos;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScrollingChild, CWnd)
    ON_WM_HSCROLL_REFLECT()
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

const RECT kChildRect = { 5, 5, 105, 35 };

void CALLBACK CloseMenuTimer(HWND hWnd, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(hWnd, nID);
    ::EndMenu();
}

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(afxtest::CreateHiddenFrame(m_parent)); }
    void TearDown() override { m_parent.DestroyWindow(); }

    BOOL CreateButton(CButton& button, DWORD dwStyle = BS_PUSHBUTTON)
    {
        return button.Create(L"Child", WS_VISIBLE | dwStyle, kChildRect, &m_parent, kChildId);
    }
    LRESULT SendNotify(HWND hWndFrom, int nCode)
    {
        NMHDR header = { hWndFrom, kChildId, static_cast<UINT>(nCode) };
        return m_parent.SendMessage(WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&header));
    }

    CParentWnd m_parent;
};

TEST_F(ReflectionTest, ReflectedClickIsHandledByTheButtonAlone)
{
    CSelfClickButton button;
    ASSERT_TRUE(CreateButton(button));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, button.m_nClicks);
    EXPECT_EQ(0, m_parent.m_nClicks);
}

TEST_F(ReflectionTest, ReflectExDecidesWhetherTheParentSeesTheClick)
{
    CSharingButton button;
    ASSERT_TRUE(CreateButton(button));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, button.m_nClicks);
    EXPECT_EQ(1, m_parent.m_nClicks);

    button.m_bKeep = TRUE;
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(2, button.m_nClicks);
    EXPECT_EQ(1, m_parent.m_nClicks);
}

TEST_F(ReflectionTest, ParentSeesNotificationsOfChildrenWithoutReflectEntries)
{
    CButton button;
    ASSERT_TRUE(CreateButton(button));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, m_parent.m_nClicks);
}

TEST_F(ReflectionTest, OwnerDrawnButtonPaintsInItsDrawItem)
{
    COwnerDrawButton button;
    ASSERT_TRUE(CreateButton(button, BS_OWNERDRAW));
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    button.RedrawWindow();
    ASSERT_FALSE(button.m_draws.empty());
    const DRAWITEMSTRUCT& draw = button.m_draws.back();
    EXPECT_EQ(static_cast<UINT>(ODT_BUTTON), draw.CtlType);
    EXPECT_EQ(kChildId, draw.CtlID);
    EXPECT_EQ(button.m_hWnd, draw.hwndItem);
    EXPECT_EQ(kChildRect.right - kChildRect.left, draw.rcItem.right - draw.rcItem.left);
    EXPECT_EQ(0, m_parent.m_nDrawItems);
}

TEST_F(ReflectionTest, ControlColourGoesToTheControlUnlessItDeclines)
{
    CColorStatic label;
    ASSERT_TRUE(label.Create(L"Label", WS_VISIBLE, kChildRect, &m_parent, kChildId));
    HDC hDC = ::GetDC(label.m_hWnd);
    ASSERT_NE(nullptr, hDC);
    const LPARAM lParam = reinterpret_cast<LPARAM>(label.m_hWnd);
    const WPARAM wParam = reinterpret_cast<WPARAM>(hDC);

    EXPECT_EQ(reinterpret_cast<LRESULT>(label.m_hBrush), m_parent.SendMessage(WM_CTLCOLORSTATIC, wParam, lParam));
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_STATIC), label.m_nCtlColorKind);
    EXPECT_EQ(RGB(200, 0, 0), ::GetTextColor(hDC));
    EXPECT_EQ(nullptr, m_parent.m_pCtlColorWnd);

    label.m_bDecline = TRUE;
    EXPECT_EQ(reinterpret_cast<LRESULT>(m_parent.m_hBrush), m_parent.SendMessage(WM_CTLCOLOREDIT, wParam, lParam));
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_EDIT), m_parent.m_nCtlColorKind);
    EXPECT_EQ(&label, m_parent.m_pCtlColorWnd);
    ::ReleaseDC(label.m_hWnd, hDC);
}

TEST_F(ReflectionTest, OwnerDrawnListBoxMeasuresComparesAndDeletesItsItems)
{
    COwnerList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_SORT, kChildRect, &m_parent, kChildId));
    // Measured while it was being created: the object was attached before its first message.
    EXPECT_GT(list.m_nMeasures, 0);
    EXPECT_EQ(static_cast<int>(COwnerList::kItemHeight), list.GetItemHeight(0));

    for (DWORD_PTR data : { 30, 10, 20 })
        list.AddString(reinterpret_cast<LPCTSTR>(data));
    EXPECT_GT(list.m_nCompares, 0);
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(10u, list.GetItemData(0));
    EXPECT_EQ(20u, list.GetItemData(1));
    EXPECT_EQ(30u, list.GetItemData(2));

    list.DeleteString(1);
    EXPECT_EQ((std::vector<DWORD_PTR>{ 20 }), list.m_deleted);
}

TEST_F(ReflectionTest, ReflectedNotificationReturnsTheChildsResult)
{
    CNotifyingChild child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, kChildRect, &m_parent, kChildId));
    EXPECT_EQ(9, SendNotify(child.m_hWnd, NM_CLICK));
    EXPECT_EQ(1, child.m_nClicks);
    EXPECT_EQ(0, m_parent.m_nNotifies);

    child.m_bKeep = FALSE;
    EXPECT_EQ(1, SendNotify(child.m_hWnd, NM_CLICK));
    EXPECT_EQ(2, child.m_nClicks);
    EXPECT_EQ(1, m_parent.m_nNotifies);
}

TEST_F(ReflectionTest, ScrollMessagesGoToTheScrollingControl)
{
    CScrollingChild child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, kChildRect, &m_parent, kChildId));
    m_parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 17), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(static_cast<UINT>(SB_THUMBPOSITION), child.m_nCode);
    EXPECT_EQ(17u, child.m_nPos);
    EXPECT_EQ(0, m_parent.m_nHScrolls);

    CWnd plain;
    ASSERT_TRUE(plain.Create(nullptr, L"", WS_VISIBLE, kChildRect, &m_parent, kChildId + 1));
    m_parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(plain.m_hWnd));
    EXPECT_EQ(1, m_parent.m_nHScrolls);
    EXPECT_EQ(plain.m_hWnd, m_parent.m_hScrollSender);
}

class OwnerDrawMenuTest : public ReflectionTest {
protected:
    void SetUp() override
    {
        ReflectionTest::SetUp();
        ASSERT_TRUE(m_bar.LoadMenu(IDM_AFXTEST_MENU));
        m_hPopup = ::GetSubMenu(m_bar.m_hMenu, 0);
        ASSERT_NE(nullptr, m_hPopup);
        for (UINT nID : { ID_AFXTEST_OPEN, ID_AFXTEST_CLOSE })
            ASSERT_TRUE(::ModifyMenuW(m_hPopup, nID, MF_BYCOMMAND | MF_OWNERDRAW, nID, nullptr));
        ASSERT_TRUE(m_parent.SetMenu(&m_bar));
    }
    void TearDown() override
    {
        m_parent.SetMenu(nullptr);
        ReflectionTest::TearDown();
    }
    void SendMeasure(UINT nID)
    {
        MEASUREITEMSTRUCT measure = {};
        measure.CtlType = ODT_MENU;
        measure.itemID = nID;
        m_parent.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    }
    void SendDraw(UINT nID)
    {
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_MENU;
        draw.itemID = nID;
        draw.hwndItem = reinterpret_cast<HWND>(m_hPopup);
        m_parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }

    CMenu m_bar;
    HMENU m_hPopup = nullptr;
};

TEST_F(OwnerDrawMenuTest, ItemsGoToTheObjectOfTheirPopup)
{
    COwnerMenu popup;
    ASSERT_TRUE(popup.Attach(m_hPopup));
    SendMeasure(ID_AFXTEST_CLOSE);
    SendDraw(ID_AFXTEST_OPEN);
    popup.Detach(); // the menu bar owns the popup
    EXPECT_EQ((std::vector<UINT>{ ID_AFXTEST_CLOSE }), popup.m_measured);
    EXPECT_EQ((std::vector<UINT>{ ID_AFXTEST_OPEN }), popup.m_drawn);
    EXPECT_EQ(1, m_parent.m_nDrawItems); // the parent's handler ran first and passed it on
}

TEST_F(OwnerDrawMenuTest, PopupWithoutObjectUsesNearestMenuAboveIt)
{
    COwnerMenu bar;
    ASSERT_TRUE(bar.Attach(m_bar.Detach()));
    SendMeasure(ID_AFXTEST_OPEN);
    SendDraw(ID_AFXTEST_CLOSE);
    m_bar.Attach(bar.Detach());
    EXPECT_EQ((std::vector<UINT>{ ID_AFXTEST_OPEN }), bar.m_measured);
    EXPECT_EQ((std::vector<UINT>{ ID_AFXTEST_CLOSE }), bar.m_drawn);
}

TEST_F(OwnerDrawMenuTest, TrackedPopupMeasuresItsItems)
{
    COwnerMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW, ID_AFXTEST_OPEN));
    ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW, ID_AFXTEST_CLOSE));
    m_parent.ShowWindow(SW_SHOWNORMAL);
    ::SetForegroundWindow(m_parent.m_hWnd);
    // The menu's own loop runs the timer, which closes the menu again.
    ASSERT_NE(0u, ::SetTimer(m_parent.m_hWnd, 1, 200, &CloseMenuTimer));
    const BOOL chosen = popup.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, 20, 20, &m_parent);
    EXPECT_EQ(0, chosen);
    std::sort(popup.m_measured.begin(), popup.m_measured.end());
    popup.m_measured.erase(std::unique(popup.m_measured.begin(), popup.m_measured.end()), popup.m_measured.end());
    EXPECT_EQ((std::vector<UINT>{ ID_AFXTEST_OPEN, ID_AFXTEST_CLOSE }), popup.m_measured);
}

} // namespace
