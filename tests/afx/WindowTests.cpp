// CWnd life cycle and handle map: attaching at creation, PreCreateWindow, failed creation,
// PostNcDestroy, temporary and permanent objects, subclassing, pre-translation in the
// message pump, and the thin wrappers that do more than one call.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const UINT WM_AFXTEST_PING = WM_APP + 9;

// Records what it sees while its window is created and destroyed.
class CLifeProbe : public CWnd {
public:
    std::vector<UINT> m_messages;
    BOOL m_bAttachedInOnCreate = FALSE;
    BOOL m_bFailCreate = FALSE;
    BOOL m_bAddToolStyle = FALSE;
    int m_nPostNcDestroys = 0;
    BOOL m_bForgottenAtPostNcDestroy = FALSE;
    HWND m_hWndDestroyed = nullptr;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_messages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        if (m_bAddToolStyle)
            cs.dwExStyle |= WS_EX_TOOLWINDOW;
        return CWnd::PreCreateWindow(cs);
    }
    void PostNcDestroy() override
    {
        ++m_nPostNcDestroys;
        m_bForgottenAtPostNcDestroy = m_hWnd == nullptr && FromHandlePermanent(m_hWndDestroyed) == nullptr;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        m_bAttachedInOnCreate = m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this;
        m_hWndDestroyed = m_hWnd;
        if (m_bFailCreate)
            return -1;
        return CWnd::OnCreate(lpCreateStruct);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLifeProbe, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

bool Contains(const std::vector<UINT>& messages, UINT message)
{
    return std::find(messages.begin(), messages.end(), message) != messages.end();
}

TEST(WindowLifeTest, ObjectIsAttachedBeforeTheWindowsFirstMessages)
{
    CLifeProbe probe;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(probe));
    EXPECT_TRUE(probe.m_bAttachedInOnCreate);
    ASSERT_FALSE(probe.m_messages.empty());
    EXPECT_TRUE(Contains(probe.m_messages, WM_NCCREATE));
    // WM_GETMINMAXINFO comes even before WM_NCCREATE for overlapped windows.
    EXPECT_TRUE(probe.m_messages.front() == WM_GETMINMAXINFO || probe.m_messages.front() == WM_NCCREATE);
    probe.DestroyWindow();
}

TEST(WindowLifeTest, PreCreateWindowCanChangeTheCreationParameters)
{
    CLifeProbe probe;
    probe.m_bAddToolStyle = TRUE;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(probe));
    EXPECT_TRUE(probe.GetExStyle() & WS_EX_TOOLWINDOW);
    probe.DestroyWindow();
}

TEST(WindowLifeTest, PostNcDestroyRunsOnceTheWindowIsForgotten)
{
    CLifeProbe probe;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(probe));
    HWND hWnd = probe.m_hWnd;
    EXPECT_TRUE(probe.DestroyWindow());
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, probe.m_hWnd);
    EXPECT_EQ(1, probe.m_nPostNcDestroys);
    EXPECT_TRUE(probe.m_bForgottenAtPostNcDestroy);
    EXPECT_TRUE(Contains(probe.m_messages, WM_NCDESTROY));
}

TEST(WindowLifeTest, RefusedCreationLeavesTheObjectToItsCallerAndReusable)
{
    CLifeProbe probe;
    probe.m_bFailCreate = TRUE;
    EXPECT_FALSE(afxtest::CreateHiddenFrame(probe));
    EXPECT_EQ(nullptr, probe.m_hWnd);
    EXPECT_EQ(0, probe.m_nPostNcDestroys);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(probe.m_hWndDestroyed));

    probe.m_bFailCreate = FALSE;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(probe));
    probe.DestroyWindow();
    EXPECT_EQ(1, probe.m_nPostNcDestroys);
}

// Frees itself when its window goes, the way popups of the library do.
class CSelfDeletingWnd : public CWnd {
public:
    static int s_nDeleted;
    ~CSelfDeletingWnd() override { ++s_nDeleted; }

protected:
    void PostNcDestroy() override { delete this; }
};
int CSelfDeletingWnd::s_nDeleted = 0;

// Frees itself while handling WM_DESTROY, before WM_NCDESTROY arrives.
class CDeletedInOnDestroyWnd : public CWnd {
public:
    static int s_nDeleted;
    ~CDeletedInOnDestroyWnd() override { ++s_nDeleted; }

protected:
    afx_msg void OnDestroy()
    {
        CWnd::OnDestroy();
        delete this;
    }
    DECLARE_MESSAGE_MAP()
};
int CDeletedInOnDestroyWnd::s_nDeleted = 0;

BEGIN_MESSAGE_MAP(CDeletedInOnDestroyWnd, CWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(WindowLifeTest, SelfDeletingObjectsGoWithTheirWindows)
{
    CSelfDeletingWnd::s_nDeleted = 0;
    auto* pWnd = new CSelfDeletingWnd;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(*pWnd));
    HWND hWnd = pWnd->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, CSelfDeletingWnd::s_nDeleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    CDeletedInOnDestroyWnd::s_nDeleted = 0;
    auto* pEarly = new CDeletedInOnDestroyWnd;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(*pEarly));
    hWnd = pEarly->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, CDeletedInOnDestroyWnd::s_nDeleted);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WindowLifeTest, ObjectDyingFirstDestroysItsWindow)
{
    HWND hWnd = nullptr;
    {
        CWnd wnd;
        ASSERT_TRUE(afxtest::CreateHiddenFrame(wnd));
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

// A window of the system, not made by the framework.
class ForeignWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_hWnd = ::CreateWindowExW(0, L"STATIC", L"foreign", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_hWnd);
        m_originalProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC));
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }

    HWND m_hWnd = nullptr;
    WNDPROC m_originalProc = nullptr;
};

TEST_F(ForeignWindowTest, FromHandleGivesOneTemporaryObjectUntilTheTempMapsGo)
{
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hWnd));
    CWnd* pTemp = CWnd::FromHandle(m_hWnd);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(m_hWnd, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(m_hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hWnd));
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(m_hWnd)); // a temporary object never owns its window
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
}

TEST_F(ForeignWindowTest, AttachMakesThePermanentObjectUntilDetach)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(m_hWnd));
    CWnd other;
    EXPECT_FALSE(other.Attach(m_hWnd));
    EXPECT_EQ(m_hWnd, wnd.Detach());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hWnd));
}

class CSubclassProbe : public CWnd {
public:
    int m_nPreSubclass = 0;
    void PreSubclassWindow() override { ++m_nPreSubclass; }

protected:
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) + 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSubclassProbe, CWnd)
    ON_MESSAGE(WM_AFXTEST_PING, &CSubclassProbe::OnPing)
END_MESSAGE_MAP()

TEST_F(ForeignWindowTest, SubclassRoutesMessagesThroughTheObjectUntilUnsubclassed)
{
    CSubclassProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(m_hWnd));
    EXPECT_EQ(1, probe.m_nPreSubclass);
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(m_hWnd));
    EXPECT_EQ(&AfxWndProc, reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)));
    EXPECT_EQ(5, ::SendMessageW(m_hWnd, WM_AFXTEST_PING, 4, 0));
    // Unhandled messages reach the control's own procedure.
    probe.SetWindowText(L"changed");
    CString text;
    probe.GetWindowText(text);
    EXPECT_STREQ(L"changed", text);

    EXPECT_EQ(m_hWnd, probe.UnsubclassWindow());
    EXPECT_EQ(m_originalProc, reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hWnd));
    EXPECT_EQ(0, ::SendMessageW(m_hWnd, WM_AFXTEST_PING, 4, 0));
}

TEST_F(ForeignWindowTest, SubclassedWindowIsForgottenWhenDestroyed)
{
    CSubclassProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(m_hWnd));
    ::DestroyWindow(m_hWnd);
    EXPECT_EQ(nullptr, probe.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hWnd));
}

// Consumes pings on their way to any of its descendants.
class CFilteringFrame : public CWnd {
public:
    std::vector<HWND> m_filtered;
    BOOL m_bConsume = TRUE;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_AFXTEST_PING)
            return FALSE;
        m_filtered.push_back(pMsg->hwnd);
        return m_bConsume;
    }
};

class CPingCounter : public CWnd {
public:
    int m_nPings = 0;

protected:
    afx_msg LRESULT OnPing(WPARAM, LPARAM)
    {
        ++m_nPings;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPingCounter, CWnd)
    ON_MESSAGE(WM_AFXTEST_PING, &CPingCounter::OnPing)
END_MESSAGE_MAP()

TEST(PreTranslateTest, PumpOffersMessagesToTheWindowAndItsParentsFirst)
{
    CFilteringFrame frame;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(frame));
    CPingCounter child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 20, 20), &frame, 1));

    ASSERT_TRUE(child.PostMessage(WM_AFXTEST_PING));
    afxtest::PumpPending();
    EXPECT_EQ((std::vector<HWND>{ child.m_hWnd }), frame.m_filtered);
    EXPECT_EQ(0, child.m_nPings);

    frame.m_bConsume = FALSE;
    ASSERT_TRUE(child.PostMessage(WM_AFXTEST_PING));
    EXPECT_TRUE(AfxPumpMessage());
    EXPECT_EQ(1, child.m_nPings);
    frame.DestroyWindow();
}

TEST(WindowWrapperTest, TextStylesRelativesAndDescendants)
{
    CWnd frame;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(frame, L"Frame title"));
    CString title;
    frame.GetWindowText(title);
    EXPECT_STREQ(L"Frame title", title);

    CPingCounter child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 100, 50), &frame, 7));
    CPingCounter grandchild;
    ASSERT_TRUE(grandchild.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &child, 8));
    HWND hRaw = ::CreateWindowExW(0, L"STATIC", L"raw", WS_CHILD, 0, 0, 10, 10, frame.m_hWnd,
                                  reinterpret_cast<HMENU>(9), nullptr, nullptr);
    ASSERT_NE(nullptr, hRaw);

    EXPECT_EQ(&child, frame.GetDlgItem(7));
    EXPECT_EQ(hRaw, frame.GetDlgItem(9)->m_hWnd);
    EXPECT_EQ(&grandchild, frame.GetDescendantWindow(8));
    EXPECT_EQ(&frame, grandchild.GetTopLevelParent());
    CString rawText;
    EXPECT_EQ(3, frame.GetDlgItemText(9, rawText));
    EXPECT_STREQ(L"raw", rawText);

    EXPECT_TRUE(child.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED));
    EXPECT_TRUE(child.GetStyle() & WS_BORDER);
    EXPECT_FALSE(child.ModifyStyle(0, WS_BORDER));

    frame.SendMessageToDescendants(WM_AFXTEST_PING);
    EXPECT_EQ(1, child.m_nPings);
    EXPECT_EQ(1, grandchild.m_nPings);
    frame.SendMessageToDescendants(WM_AFXTEST_PING, 0, 0, FALSE);
    EXPECT_EQ(2, child.m_nPings);
    EXPECT_EQ(1, grandchild.m_nPings);
    frame.DestroyWindow();
}

TEST(WindowWrapperTest, CenterWindowCentresAChildInItsParent)
{
    CWnd frame;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(frame));
    CRect client;
    frame.GetClientRect(&client);
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 40, 20), &frame, 1));
    child.CenterWindow();
    CRect rect;
    child.GetWindowRect(&rect);
    frame.ScreenToClient(&rect);
    EXPECT_EQ((client.Width() - 40) / 2, rect.left);
    EXPECT_EQ((client.Height() - 20) / 2, rect.top);
    frame.DestroyWindow();
}

} // namespace
