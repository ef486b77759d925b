// CWnd life cycle and handle map: attaching at creation, PreCreateWindow, failed creation,
// PostNcDestroy, temporary and permanent objects, subclassing, pre-translation in the
// message pump.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT WM_AFXTEST_PING = WM_APP + 9;

// Records what it sees while its window is created and destroyed.
class CLifeProbe : public CWnd {
public:
    BOOL m_bAttachedInOnCreate = FALSE;
    BOOL m_bFailCreate = FALSE;
    int m_nPostNcDestroys = 0;
    BOOL m_bForgottenAtPostNcDestroy = FALSE;
    HWND m_hWndCreated = nullptr;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        cs.dwExStyle |= WS_EX_TOOLWINDOW;
        return CWnd::PreCreateWindow(cs);
    }
    void PostNcDestroy() override
    {
        ++m_nPostNcDestroys;
        m_bForgottenAtPostNcDestroy = m_hWnd == nullptr && FromHandlePermanent(m_hWndCreated) == nullptr;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        m_bAttachedInOnCreate = m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this;
        m_hWndCreated = m_hWnd;
        return m_bFailCreate ? -1 : CWnd::OnCreate(lpCreateStruct);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLifeProbe, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WindowLifeTest, AttachedFromCreationUntilPostNcDestroyAndARefusedCreationLeavesItReusable)
{
    CLifeProbe probe;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(probe));
    EXPECT_TRUE(probe.m_bAttachedInOnCreate);
    EXPECT_TRUE(probe.GetExStyle() & WS_EX_TOOLWINDOW) << "PreCreateWindow's change was not used";
    EXPECT_TRUE(probe.DestroyWindow());
    EXPECT_FALSE(::IsWindow(probe.m_hWndCreated));
    EXPECT_EQ(1, probe.m_nPostNcDestroys);
    EXPECT_TRUE(probe.m_bForgottenAtPostNcDestroy);

    HWND hWnd = nullptr;
    {
        CWnd wnd;
        ASSERT_TRUE(afxtest::CreateHiddenFrame(wnd));
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd)) << "an object dying first destroys its window";

    // A refused creation leaves the object to its caller, reusable.
    CLifeProbe refused;
    refused.m_bFailCreate = TRUE;
    EXPECT_FALSE(afxtest::CreateHiddenFrame(refused));
    EXPECT_EQ(nullptr, refused.m_hWnd);
    EXPECT_EQ(0, refused.m_nPostNcDestroys);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(refused.m_hWndCreated));
    refused.m_bFailCreate = FALSE;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(refused));
    refused.DestroyWindow();
}

// Frees itself in PostNcDestroy, or while handling WM_DESTROY before WM_NCDESTROY arrives.
class CSelfDeletingWnd : public CWnd {
public:
    static int s_nDeleted;
    explicit CSelfDeletingWnd(bool bInOnDestroy) : m_bInOnDestroy(bInOnDestroy) {}
    ~CSelfDeletingWnd() override { ++s_nDeleted; }

protected:
    void PostNcDestroy() override
    {
        if (!m_bInOnDestroy)
            delete this;
    }
    afx_msg void OnDestroy()
    {
        CWnd::OnDestroy();
        if (m_bInOnDestroy)
            delete this;
    }
    DECLARE_MESSAGE_MAP()

private:
    bool m_bInOnDestroy;
};
int CSelfDeletingWnd::s_nDeleted = 0;

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(WindowLifeTest, SelfDeletingObjectsGoOnceWithTheirWindows)
{
    for (bool bInOnDestroy : {false, true}) {
        CSelfDeletingWnd::s_nDeleted = 0;
        auto* pWnd = new CSelfDeletingWnd(bInOnDestroy);
        ASSERT_TRUE(afxtest::CreateHiddenFrame(*pWnd));
        HWND hWnd = pWnd->m_hWnd;
        ::DestroyWindow(hWnd);
        EXPECT_EQ(1, CSelfDeletingWnd::s_nDeleted) << "in OnDestroy: " << bInOnDestroy;
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    }
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

// A window of the system, not made by the framework.
class ForeignWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_hWnd =
            ::CreateWindowExW(0, L"STATIC", L"foreign", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_hWnd);
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }

    HWND m_hWnd = nullptr;
};

TEST_F(ForeignWindowTest, TemporaryAttachedAndSubclassingObjects)
{
    ASSERT_NE(nullptr, CWnd::FromHandle(m_hWnd));
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(m_hWnd)) << "a temporary object destroyed its window";

    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(m_hWnd));
    EXPECT_EQ(m_hWnd, wnd.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hWnd));

    const auto originalProc = ::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC);
    CSubclassProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(m_hWnd));
    EXPECT_EQ(1, probe.m_nPreSubclass);
    EXPECT_EQ(5, ::SendMessageW(m_hWnd, WM_AFXTEST_PING, 4, 0));
    probe.SetWindowText(L"changed"); // unhandled: the control's own procedure stores it
    CString text;
    probe.GetWindowText(text);
    EXPECT_STREQ(L"changed", text);
    EXPECT_EQ(m_hWnd, probe.UnsubclassWindow());
    EXPECT_EQ(originalProc, ::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ(0, ::SendMessageW(m_hWnd, WM_AFXTEST_PING, 4, 0));

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
    EXPECT_EQ((std::vector<HWND>{child.m_hWnd}), frame.m_filtered);
    EXPECT_EQ(0, child.m_nPings);

    frame.m_bConsume = FALSE;
    ASSERT_TRUE(child.PostMessage(WM_AFXTEST_PING));
    EXPECT_TRUE(AfxPumpMessage());
    EXPECT_EQ(1, child.m_nPings);
    frame.DestroyWindow();
}

} // namespace
