// Message maps: window messages, commands, notifications, registered messages, command
// ranges, update handlers and the chaining of a derived class's map to its base's.
#include "AfxTestIds.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT kGoButtonId = 101;
const UINT kFirstRangeId = 200;
const UINT kLastRangeId = 209;
const UINT WM_AFXTEST_ADD = WM_APP + 5;
const UINT g_registeredMessage = ::RegisterWindowMessageW(L"AfxTest.MessageMap.Registered");

class CMapTestWnd : public CWnd {
public:
    std::vector<UINT_PTR> m_timers;
    int m_nGoClicks = 0;
    std::vector<UINT> m_rangeIds;
    int m_nNotifies = 0;
    int m_nSetTexts = 0;
    int m_nUpdates = 0;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnGo();
    afx_msg void OnRange(UINT nID);
    afx_msg LRESULT OnAdd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam);
    afx_msg void OnGoNotify(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateOpen(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMapTestWnd, CWnd)
    ON_WM_TIMER()
    ON_BN_CLICKED(kGoButtonId, &CMapTestWnd::OnGo)
    ON_COMMAND_RANGE(kFirstRangeId, kLastRangeId, &CMapTestWnd::OnRange)
    ON_MESSAGE(WM_AFXTEST_ADD, &CMapTestWnd::OnAdd)
    ON_REGISTERED_MESSAGE(g_registeredMessage, &CMapTestWnd::OnRegistered)
    ON_NOTIFY(NM_CLICK, kGoButtonId, &CMapTestWnd::OnGoNotify)
    ON_MESSAGE(WM_SETTEXT, &CMapTestWnd::OnSetText)
    ON_UPDATE_COMMAND_UI(ID_AFXTEST_OPEN, &CMapTestWnd::OnUpdateOpen)
END_MESSAGE_MAP()

void CMapTestWnd::OnTimer(UINT_PTR nIDEvent)
{
    m_timers.push_back(nIDEvent);
    KillTimer(nIDEvent);
}

void CMapTestWnd::OnGo()
{
    ++m_nGoClicks;
}

void CMapTestWnd::OnRange(UINT nID)
{
    m_rangeIds.push_back(nID);
}

LRESULT CMapTestWnd::OnAdd(WPARAM wParam, LPARAM lParam)
{
    return static_cast<LRESULT>(wParam) + lParam;
}

LRESULT CMapTestWnd::OnRegistered(WPARAM wParam, LPARAM)
{
    return static_cast<LRESULT>(wParam) * 2;
}

void CMapTestWnd::OnGoNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    ++m_nNotifies;
    *pResult = static_cast<LRESULT>(pNMHDR->idFrom) + 1;
}

LRESULT CMapTestWnd::OnSetText(WPARAM, LPARAM)
{
    ++m_nSetTexts;
    return Default(); // the window's own procedure stores the text
}

void CMapTestWnd::OnUpdateOpen(CCmdUI* pCmdUI)
{
    ++m_nUpdates;
    pCmdUI->Enable(FALSE);
    pCmdUI->SetCheck(1);
}

// Overrides one entry of its base's map and adds another; the rest comes from the base.
class CDerivedMapWnd : public CMapTestWnd {
public:
    int m_nSizes = 0;

protected:
    afx_msg LRESULT OnAddTwice(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedMapWnd, CMapTestWnd)
    ON_MESSAGE(WM_AFXTEST_ADD, &CDerivedMapWnd::OnAddTwice)
    ON_WM_SIZE()
END_MESSAGE_MAP()

LRESULT CDerivedMapWnd::OnAddTwice(WPARAM wParam, LPARAM lParam)
{
    return 2 * (static_cast<LRESULT>(wParam) + lParam);
}

void CDerivedMapWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    ++m_nSizes;
}

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(afxtest::CreateHiddenFrame(m_wnd)); }
    void TearDown() override { m_wnd.DestroyWindow(); }

    CMapTestWnd m_wnd;
};

TEST_F(MessageMapTest, TimerReachesOnTimerWithItsId)
{
    ASSERT_NE(0u, m_wnd.SetTimer(7, 10));
    EXPECT_TRUE(afxtest::PumpUntil([&] { return !m_wnd.m_timers.empty(); }));
    ASSERT_EQ(1u, m_wnd.m_timers.size());
    EXPECT_EQ(7u, m_wnd.m_timers[0]);
}

TEST_F(MessageMapTest, ButtonClickReachesBnClickedEntryOfParent)
{
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 60, 20,
                                     m_wnd.m_hWnd, reinterpret_cast<HMENU>(kGoButtonId), nullptr, nullptr);
    ASSERT_NE(nullptr, hButton);
    ::SendMessageW(hButton, BM_CLICK, 0, 0);
    EXPECT_EQ(1, m_wnd.m_nGoClicks);
}

TEST_F(MessageMapTest, CommandRangeHandlerGetsTheIdAndIgnoresOthers)
{
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kFirstRangeId + 3, 0), 0);
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kLastRangeId, 0), 0);
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kLastRangeId + 1, 0), 0);
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kFirstRangeId - 1, 0), 0);
    EXPECT_EQ((std::vector<UINT>{ kFirstRangeId + 3, kLastRangeId }), m_wnd.m_rangeIds);
}

TEST_F(MessageMapTest, MessageAndRegisteredMessageHandlersReturnTheirResults)
{
    EXPECT_EQ(7, m_wnd.SendMessage(WM_AFXTEST_ADD, 3, 4));
    EXPECT_EQ(42, m_wnd.SendMessage(g_registeredMessage, 21, 0));
}

TEST_F(MessageMapTest, NotificationFromChildReachesNotifyEntryWithResult)
{
    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, m_wnd.m_hWnd,
                                    reinterpret_cast<HMENU>(kGoButtonId), nullptr, nullptr);
    ASSERT_NE(nullptr, hChild);
    NMHDR header = { hChild, kGoButtonId, static_cast<UINT>(NM_CLICK) };
    EXPECT_EQ(static_cast<LRESULT>(kGoButtonId) + 1,
              m_wnd.SendMessage(WM_NOTIFY, kGoButtonId, reinterpret_cast<LPARAM>(&header)));
    header.code = static_cast<UINT>(NM_DBLCLK);
    EXPECT_EQ(0, m_wnd.SendMessage(WM_NOTIFY, kGoButtonId, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(1, m_wnd.m_nNotifies);
}

TEST_F(MessageMapTest, DefaultPassesTheMessageToTheWindowProcedure)
{
    m_wnd.SetWindowText(L"Title via Default");
    CString text;
    m_wnd.GetWindowText(text);
    EXPECT_EQ(1, m_wnd.m_nSetTexts);
    EXPECT_STREQ(L"Title via Default", text);
}

TEST_F(MessageMapTest, UpdateHandlersRunWhenPopupOpens)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_AFXTEST_MENU));
    CMenu* pPopup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pPopup);
    m_wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->m_hMenu), MAKELPARAM(0, FALSE));
    EXPECT_EQ(1, m_wnd.m_nUpdates);
    const UINT openState = pPopup->GetMenuState(ID_AFXTEST_OPEN, MF_BYCOMMAND);
    EXPECT_TRUE(openState & MF_GRAYED);
    EXPECT_TRUE(openState & MF_CHECKED);
    const UINT closeState = pPopup->GetMenuState(ID_AFXTEST_CLOSE, MF_BYCOMMAND);
    EXPECT_FALSE(closeState & (MF_GRAYED | MF_CHECKED));
    // The system menu is left alone.
    m_wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->m_hMenu), MAKELPARAM(0, TRUE));
    EXPECT_EQ(1, m_wnd.m_nUpdates);
}

TEST(MessageMapChainTest, DerivedMapOverridesItsEntriesAndInheritsTheOthers)
{
    CDerivedMapWnd wnd;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(wnd));
    EXPECT_EQ(14, wnd.SendMessage(WM_AFXTEST_ADD, 3, 4));
    EXPECT_EQ(42, wnd.SendMessage(g_registeredMessage, 21, 0));
    const int sizesBefore = wnd.m_nSizes;
    wnd.SetWindowPos(nullptr, 0, 0, 220, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_GT(wnd.m_nSizes, sizesBefore);
    wnd.DestroyWindow();
}

} // namespace
