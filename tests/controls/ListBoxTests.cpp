// The owner-drawn list box on a real dialog: item records and their lifetime, the moves (never
// doubling or losing an item), item heights, the selection styles by pixels, disabled items,
// and swallowed double clicks.
#include "ControlsTestSupport.h"

#include "../common/HeapUsage.h"

#include <vector>

using ctltest::PumpPending;

namespace {

class CProbeList : public CListBoxST {
public:
    using CListBoxST::m_byRowSelect;
};

class CListDialog : public CDialog {
public:
    CListDialog() : CDialog(IDD_CTLTEST_LIST) {}

    CProbeList m_list;
    int m_nDoubleClicks = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_list.SubclassDlgItem(IDC_CTLTEST_LIST, this);
        return TRUE;
    }
    afx_msg void OnDoubleClick() { ++m_nDoubleClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListDialog, CDialog)
    ON_LBN_DBLCLK(IDC_CTLTEST_LIST, &CListDialog::OnDoubleClick)
END_MESSAGE_MAP()

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_CTLTEST_LIST));
        // Two 16-pixel icons: red and green.
        m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
        for (COLORREF colour : {kRed, kGreen}) {
            CBitmap picture;
            picture.Attach(MakePicture(16, 16, [colour](int, int) { return colour; }));
            m_images.Add(&picture, kMagenta);
        }
    }
    void TearDown() override
    {
        m_dialog.DestroyWindow();
        PumpPending();
    }

    std::vector<CString> Texts()
    {
        std::vector<CString> texts;
        for (int i = 0; i < list().GetCount(); ++i) {
            CString strText;
            list().GetText(i, strText);
            texts.push_back(strText);
        }
        return texts;
    }

    std::unique_ptr<CDibTarget> Picture() { return ctltest::Printed(list(), kMagenta); }

    CProbeList& list() { return m_dialog.m_list; }

    CListDialog m_dialog;
    CImageList m_images;
};

// The records' contents are read back after moves below; here the indexes, replacing and deleting.
TEST_F(ListBoxTest, RecordsFollowInsertionReplacementAndDeletion)
{
    EXPECT_EQ(0, list().AddString(L"Alice", 0));
    EXPECT_EQ(1, list().AddString(L"Bob"));
    EXPECT_EQ(1, list().InsertString(1, L"Carol", 1));
    int nValue = 0;
    EXPECT_EQ(0, list().SetItemData(2, 77));
    EXPECT_EQ(0, list().SetItemDataPtr(2, &nValue));
    int nImage = 5;
    list().GetImage(2, &nImage);
    EXPECT_EQ(-1, nImage);
    list().GetImage(2, nullptr);

    // Indexes that do not exist.
    EXPECT_EQ(LB_ERR, list().SetItemData(9, 1));
    EXPECT_EQ(LB_ERR, list().SetItemDataPtr(-1, nullptr));
    EXPECT_EQ(static_cast<DWORD>(LB_ERR), list().GetItemData(9));
    list().GetImage(9, &nImage);
    EXPECT_EQ(-1, nImage);
    EXPECT_TRUE(list().IsItemEnabled(9));

    // Replacing starts data and pointer again; deleting frees the record of that item only.
    EXPECT_EQ(2, list().ReplaceString(2, L"Bobby", 0));
    EXPECT_EQ(0u, list().GetItemData(2));
    EXPECT_EQ(nullptr, list().GetItemDataPtr(2));
    EXPECT_EQ(LB_ERR, list().ReplaceString(7, L"x"));
    EXPECT_EQ(2, list().DeleteString(0));
    EXPECT_EQ((std::vector<CString>{L"Carol", L"Bobby"}), Texts());

    list().SetRowSelect(CListBoxST::ST_TEXTSELECT, FALSE);
    list().SetRowSelect(3, FALSE);
    EXPECT_EQ(CListBoxST::ST_TEXTSELECT, list().m_byRowSelect);
}

TEST_F(ListBoxTest, MovesKeepEveryItemOnceWithItsRecord)
{
    for (const wchar_t* name : {L"A", L"B", L"C", L"D"})
        list().AddString(name);
    int nValue = 0;
    list().SetItemData(1, 11);
    list().SetItemDataPtr(1, &nValue);
    list().SetImage(1, 1, FALSE);
    list().EnableItem(1, FALSE, FALSE);
    list().SetCurSel(3);

    EXPECT_EQ(0, list().MoveUp(0));
    EXPECT_EQ(3, list().MoveDown(3));
    EXPECT_EQ(2, list().MoveDown(1, FALSE));
    EXPECT_EQ((std::vector<CString>{L"A", L"C", L"B", L"D"}), Texts());
    EXPECT_EQ(3, list().GetCurSel()); // not asked to select
    EXPECT_EQ(11u, list().GetItemData(2));
    EXPECT_EQ(&nValue, list().GetItemDataPtr(2));
    int nImage = -1;
    list().GetImage(2, &nImage);
    EXPECT_EQ(1, nImage);
    EXPECT_FALSE(list().IsItemEnabled(2));
    EXPECT_TRUE(list().IsItemEnabled(1));

    EXPECT_EQ(0, list().MoveTop(2));
    EXPECT_EQ(0, list().GetCurSel());
    EXPECT_EQ((std::vector<CString>{L"B", L"A", L"C", L"D"}), Texts());
    EXPECT_EQ(3, list().MoveBottom(0));
    EXPECT_EQ((std::vector<CString>{L"A", L"C", L"D", L"B"}), Texts());
    EXPECT_EQ(11u, list().GetItemData(3));
    EXPECT_EQ(1, list().MoveUp(2));
    EXPECT_EQ((std::vector<CString>{L"A", L"D", L"C", L"B"}), Texts());
    EXPECT_EQ(LB_ERR, list().MoveTop(9));
}

TEST_F(ListBoxTest, ItemHeightFitsWrappedTextAndIcon)
{
    list().SetImageList(&m_images);
    list().AddString(L"one\ntwo", 0);
    list().AddString(L"single", 0);
    CClientDC dc(&list());
    const CDCSelect font(dc.m_hDC, list().GetFont()->m_hObject);
    TEXTMETRICW metrics = {};
    dc.GetTextMetrics(&metrics);
    EXPECT_EQ(std::max(2 * static_cast<int>(metrics.tmHeight), 20) + 4, list().GetItemHeight(0));
    EXPECT_EQ(std::max(static_cast<int>(metrics.tmHeight), 20) + 4, list().GetItemHeight(1));
}

TEST_F(ListBoxTest, SelectionStylesByPixelsAndDisabledItemsGreyAndDeafToDoubleClicks)
{
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    list().SetImageList(&m_images);
    list().AddString(L"Selected", 0);
    list().AddString(L"Disabled", 1);
    list().EnableItem(1, FALSE, FALSE);
    list().SetCurSel(0);
    CRect rcItem;
    list().GetItemRect(0, &rcItem);
    const int y = rcItem.top + 1;

    auto picture = Picture();
    ExpectPixels(*picture, {{1, y, crHighlight},                      // icon background, whole row mode
                            {5, rcItem.top + 4, kRed},                // the icon at (3, 2) of the item
                            {rcItem.right - 3, y + 1, crHighlight}}); // text column
    list().SetRowSelect(CListBoxST::ST_FULLTEXTSELECT, FALSE);
    picture = Picture();
    ExpectPixels(*picture, {{1, y, crWindow}, {rcItem.right - 3, y + 1, crHighlight}});
    // Behind the text only: the text column beside the text is not highlighted.
    list().SetRowSelect(CListBoxST::ST_TEXTSELECT, FALSE);
    picture = Picture();
    ExpectPixels(*picture, {{1, y, crWindow}});
    EXPECT_NE(crHighlight, picture->Pixel(rcItem.right - 3, y + 1));

    // A disabled item draws on the window colour even when selected, with grey text.
    list().SetRowSelect(CListBoxST::ST_FULLROWSELECT, FALSE);
    list().SetCurSel(1);
    list().GetItemRect(1, &rcItem);
    picture = Picture();
    ExpectPixels(*picture, {{1, rcItem.top + 1, crWindow}, {rcItem.right - 3, rcItem.top + 1, crWindow}});
    rcItem.left = 22;
    EXPECT_GT(ctltest::CountColour(*picture, rcItem, ::GetSysColor(COLOR_GRAYTEXT)), 10);

    // Double clicks on a disabled item do not reach the parent.
    for (int nIndex : {0, 1}) {
        list().SetCurSel(nIndex);
        m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CTLTEST_LIST, LBN_DBLCLK),
                             reinterpret_cast<LPARAM>(list().m_hWnd));
    }
    EXPECT_EQ(1, m_dialog.m_nDoubleClicks);
}

TEST(ListBoxLifetime, RecordsAreFreedWithTheirItemsAndTheWindow)
{
    const auto cycle = [] {
        CListDialog dialog;
        ASSERT_TRUE(dialog.Create(IDD_CTLTEST_LIST));
        for (int i = 0; i < 50; ++i)
            dialog.m_list.AddString(L"Contact", i % 2);
        dialog.m_list.SetItemData(3, 3);
        dialog.m_list.DeleteString(0);
        dialog.m_list.SendMessage(LB_DELETESTRING, 0, 0); // straight to the list box
        dialog.m_list.MoveBottom(0);
        dialog.m_list.ReplaceString(1, L"Other");
        dialog.m_list.ResetContent();
        for (int i = 0; i < 50; ++i)
            dialog.m_list.AddString(L"Contact again");
        dialog.DestroyWindow();
    };
    for (int i = 0; i < 5; ++i)
        cycle();
    const size_t nBefore = BusyHeapBytes();
    for (int i = 0; i < 100; ++i)
        cycle();
    PumpPending();
    EXPECT_LT(BusyHeapBytes(), nBefore + 16384);
}

} // namespace
