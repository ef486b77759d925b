// Device contexts of a window: CPaintDC validates what it paints, CClientDC covers the client
// area, CWindowDC the whole window; each stands for its handle while it lives.
#include "WindowTestSupport.h"

#include <afxgdi.h>

#include <gtest/gtest.h>

namespace {

// Shown without activation: a hidden window has no visible region to paint or clip to.
class WindowDcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(afxtest::CreateHiddenFrame(m_wnd));
        m_wnd.ShowWindow(SW_SHOWNOACTIVATE);
        ::UpdateWindow(m_wnd.m_hWnd);
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        AfxDeleteTempMaps();
    }

    CWnd m_wnd;
};

TEST_F(WindowDcTest, PaintDcCoversTheUpdateRegionAndValidatesIt)
{
    CRect client;
    m_wnd.GetClientRect(&client);
    ::InvalidateRect(m_wnd.m_hWnd, nullptr, FALSE);
    ASSERT_TRUE(::GetUpdateRect(m_wnd.m_hWnd, nullptr, FALSE));
    {
        CPaintDC dc(&m_wnd);
        EXPECT_NE(nullptr, dc.m_hDC);
        EXPECT_EQ(client, CRect(dc.m_ps.rcPaint));
        EXPECT_EQ(&dc, CDC::FromHandle(dc.m_hDC));
        dc.FillSolidRect(&client, RGB(1, 2, 3));
    }
    EXPECT_FALSE(::GetUpdateRect(m_wnd.m_hWnd, nullptr, FALSE));
}

TEST_F(WindowDcTest, ClientAndWindowDcsCoverTheirAreas)
{
    CRect client, window;
    m_wnd.GetClientRect(&client);
    ::GetWindowRect(m_wnd.m_hWnd, &window);
    {
        CClientDC dc(&m_wnd);
        CRect box;
        EXPECT_NE(ERROR, dc.GetClipBox(&box));
        EXPECT_EQ(client.Size(), box.Size());
        EXPECT_EQ(m_wnd.m_hWnd, ::WindowFromDC(dc));
    }
    {
        CWindowDC dc(&m_wnd);
        CRect box;
        EXPECT_NE(ERROR, dc.GetClipBox(&box));
        EXPECT_EQ(window.Size(), box.Size());
    }
}

} // namespace
