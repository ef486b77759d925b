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
    std::vector<UINT> m_commands;
    int m_nNotifies = 0;
    int m_nSetTexts = 0;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        m_timers.push_back(nIDEvent);
        KillTimer(nIDEvent);
    }
    afx_msg void OnGo() { m_commands.push_back(kGoButtonId); }
    afx_msg void OnRange(UINT nID) { m_commands.push_back(nID); }
    afx_msg LRESULT OnAdd(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam) + lParam; }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) * 2; }
    afx_msg void OnGoNotify(NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++m_nNotifies;
        *pResult = static_cast<LRESULT>(pNMHDR->idFrom) + 1;
    }
    afx_msg LRESULT OnSetText(WPARAM, LPARAM)
    {
        ++m_nSetTexts;
        return Default(); // the window's own procedure stores the text
    }
    afx_msg void OnUpdateOpen(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(FALSE);
        pCmdUI->SetCheck(1);
    }
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

// Overrides one entry of its base's map and adds another; the rest comes from the base.
class CDerivedMapWnd : public CMapTestWnd {
public:
    int m_nSizes = 0;

protected:
    afx_msg LRESULT OnAddTwice(WPARAM wParam, LPARAM lParam) { return 2 * (static_cast<LRESULT>(wParam) + lParam); }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        CWnd::OnSize(nType, cx, cy);
        ++m_nSizes;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedMapWnd, CMapTestWnd)
    ON_MESSAGE(WM_AFXTEST_ADD, &CDerivedMapWnd::OnAddTwice)
    ON_WM_SIZE()
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(afxtest::CreateHiddenFrame(m_wnd)); }
    void TearDown() override { m_wnd.DestroyWindow(); }

    CMapTestWnd m_wnd;
};

TEST_F(MessageMapTest, EveryKindOfEntryReachesItsHandlerAndUpdateHandlersRunForPopupsButNotTheSystemMenu)
{
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"Go", WS_CHILD | BS_PUSHBUTTON, 0, 0, 60, 20, m_wnd.m_hWnd,
                                     reinterpret_cast<HMENU>(kGoButtonId), nullptr, nullptr);
    ASSERT_NE(nullptr, hButton);
    ::SendMessageW(hButton, BM_CLICK, 0, 0);
    for (UINT nID : {kFirstRangeId + 3, kLastRangeId, kLastRangeId + 1, kFirstRangeId - 1})
        m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    EXPECT_EQ((std::vector<UINT>{kGoButtonId, kFirstRangeId + 3, kLastRangeId}), m_wnd.m_commands);

    ASSERT_NE(0u, m_wnd.SetTimer(7, 10));
    EXPECT_TRUE(afxtest::PumpUntil([&] { return !m_wnd.m_timers.empty(); }));
    EXPECT_EQ((std::vector<UINT_PTR>{7}), m_wnd.m_timers);

    EXPECT_EQ(7, m_wnd.SendMessage(WM_AFXTEST_ADD, 3, 4));
    EXPECT_EQ(42, m_wnd.SendMessage(g_registeredMessage, 21, 0));

    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, m_wnd.m_hWnd,
                                    reinterpret_cast<HMENU>(kGoButtonId), nullptr, nullptr);
    ASSERT_NE(nullptr, hChild);
    NMHDR header = {hChild, kGoButtonId, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(LRESULT(kGoButtonId) + 1, m_wnd.SendMessage(WM_NOTIFY, kGoButtonId, reinterpret_cast<LPARAM>(&header)));
    header.code = static_cast<UINT>(NM_DBLCLK);
    EXPECT_EQ(0, m_wnd.SendMessage(WM_NOTIFY, kGoButtonId, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(1, m_wnd.m_nNotifies);

    m_wnd.SetWindowText(L"Title via Default");
    CString text;
    m_wnd.GetWindowText(text);
    EXPECT_EQ(1, m_wnd.m_nSetTexts);
    EXPECT_STREQ(L"Title via Default", text);

    // Update handlers run when a popup opens, but not for the system menu.
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_AFXTEST_MENU));
    const HMENU hPopup = ::GetSubMenu(menu.m_hMenu, 0);
    m_wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(0, TRUE));
    EXPECT_EQ(0u, ::GetMenuState(hPopup, ID_AFXTEST_OPEN, MF_BYCOMMAND) & MF_GRAYED);
    m_wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(0, FALSE));
    EXPECT_EQ(UINT(MF_GRAYED | MF_CHECKED),
              ::GetMenuState(hPopup, ID_AFXTEST_OPEN, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));
    EXPECT_EQ(0u, ::GetMenuState(hPopup, ID_AFXTEST_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));
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
