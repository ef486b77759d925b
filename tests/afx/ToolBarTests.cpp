// Toolbars loaded from toolbar resources (damaged ones refused) and tooltip controls with their
// tools and texts.
#include "AfxTestIds.h"
#include "WindowTestSupport.h"

#include "../common/GdiTestSupport.h"

#include <afxcmn.h>
#include <afxext.h>

#include <gtest/gtest.h>

namespace {

const COLORREF kToolBarBackground = RGB(192, 192, 192);

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(afxtest::CreateHiddenFrame(m_frame));
        ASSERT_TRUE(m_bar.Create(&m_frame, WS_CHILD | TBSTYLE_FLAT));
    }

    CWnd m_frame;
    CToolBar m_bar;
};

TEST_F(ToolBarTest, ButtonsCommandsAndImagesComeFromTheResourceAndDamagedOnesAreRefused)
{
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_AFXTEST_TOOLBAR));
    ASSERT_EQ(5, m_bar.GetCount());
    EXPECT_EQ(CSize(16, 15), m_bar.GetImageSize());
    const UINT expectedIDs[] = {ID_AFXTEST_TB_RED, ID_AFXTEST_TB_GREEN, ID_SEPARATOR, ID_AFXTEST_TB_BLUE,
                                ID_AFXTEST_TB_YELLOW};
    const int expectedImages[] = {0, 1, -1, 2, 3};
    for (int i = 0; i < 5; ++i) {
        UINT nID = 0;
        UINT nStyle = 0;
        int iImage = 0;
        m_bar.GetButtonInfo(i, nID, nStyle, iImage);
        EXPECT_EQ(expectedIDs[i], nID) << "button " << i;
        EXPECT_EQ(expectedIDs[i], m_bar.GetItemID(i));
        EXPECT_EQ(i == 2, (nStyle & TBSTYLE_SEP) != 0) << "button " << i;
        if (expectedImages[i] >= 0) {
            EXPECT_EQ(expectedImages[i], iImage) << "button " << i;
        }
    }
    EXPECT_EQ(3, m_bar.CommandToIndex(ID_AFXTEST_TB_BLUE));
    EXPECT_EQ(-1, m_bar.CommandToIndex(0x7FFF));
    EXPECT_EQ(ID_SEPARATOR, m_bar.GetItemID(99));

    // Image 1 is the green one, its grey background transparent.
    CImageList* pImages = m_bar.GetImageList();
    ASSERT_EQ(4, pImages->GetImageCount());
    CDibTarget canvas(16, 15, kWhite);
    ASSERT_TRUE(pImages->Draw(canvas.GetDC(), 1, CPoint(0, 0), ILD_TRANSPARENT));
    ExpectPixels(canvas, {{8, 7, kGreen}, {0, 0, kWhite}, {15, 14, kWhite}});

    // Damaged or missing resources leave an empty toolbar.
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_AFXTEST_TOOLBAR));
    const UINT damaged[] = {IDR_AFXTEST_TOOLBAR_SHORT,     IDR_AFXTEST_TOOLBAR_VERSION,    IDR_AFXTEST_TOOLBAR_HUGE,
                            IDR_AFXTEST_TOOLBAR_NO_BITMAP, IDR_AFXTEST_TOOLBAR_SHORT_WIDE, 0x7BFF};
    for (UINT nID : damaged) {
        EXPECT_FALSE(m_bar.LoadToolBar(nID)) << "resource " << nID;
        EXPECT_EQ(0, m_bar.GetCount()) << "resource " << nID;
    }
}

TEST(ToolBarDeathTest, LoadingBeforeCreatingEndsTheProcess)
{
    EXPECT_DEATH(
        {
            CToolBar bar;
            bar.LoadToolBar(IDR_AFXTEST_TOOLBAR);
        },
        "Assertion failed");
}

TEST(ToolTipTest, ToolsKeepTheirTextsAndTheBalloonStyle)
{
    CWnd frame;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(frame));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&frame, TTS_BALLOON));
    EXPECT_TRUE(tip.GetStyle() & TTS_BALLOON);
    const CRect rcTool(0, 0, 40, 20);
    ASSERT_TRUE(tip.AddTool(&frame, L"first text", &rcTool, 1));
    ASSERT_TRUE(tip.AddTool(&frame, L"whole window"));
    EXPECT_EQ(2, tip.GetToolCount());
    CString strText;
    tip.GetText(strText, &frame, 1);
    EXPECT_EQ(CString(L"first text"), strText);
    const CString strLong(L'x', 300); // longer than the 80 characters of old controls
    tip.UpdateTipText(strLong, &frame, 1);
    tip.GetText(strText, &frame, 1);
    EXPECT_EQ(strLong, strText);
    tip.GetText(strText, &frame);
    EXPECT_EQ(CString(L"whole window"), strText);

    TOOLINFOW info;
    ASSERT_TRUE(tip.GetToolInfo(info, &frame, 1));
    EXPECT_EQ(rcTool, CRect(info.rect));
    tip.DelTool(&frame, 1);
    EXPECT_EQ(1, tip.GetToolCount());
    EXPECT_FALSE(tip.GetToolInfo(info, &frame, 1));
}

} // namespace
