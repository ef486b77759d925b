// Rich-edit controls (riched20): text and selection, the text limit, character formats whose
// colour field keeps any 32-bit value, the search direction of EM_FINDTEXTEXW, the OLE
// interface and EN_LINK reflected to the control's own object.
#include "WindowTestSupport.h"

#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kEditId = 401;

// Records the link clicks reflected to it.
class CLinkRichEdit : public CRichEditCtrl {
public:
    std::vector<CHARRANGE> m_clicks;

protected:
    afx_msg BOOL OnLink(NMHDR* pNMHDR, LRESULT* pResult)
    {
        const ENLINK* pLink = reinterpret_cast<const ENLINK*>(pNMHDR);
        if (pLink->msg == WM_LBUTTONDOWN)
            m_clicks.push_back(pLink->chrg);
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLinkRichEdit, CRichEditCtrl)
    ON_NOTIFY_REFLECT_EX(EN_LINK, &CLinkRichEdit::OnLink)
END_MESSAGE_MAP()

class RichEditCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(afxtest::CreateHiddenFrame(m_frame));
        ASSERT_TRUE(m_edit.Create(WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 280, 160), &m_frame, kEditId));
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    void Append(const wchar_t* text)
    {
        m_edit.SetSel(-1, -1);
        m_edit.ReplaceSel(text);
    }

    CWnd m_frame;
    CLinkRichEdit m_edit;
};

} // namespace

TEST_F(RichEditCtrlTest, TextSelectionRangesAndTheLimitReadBack)
{
    Append(L"hello ");
    Append(L"world");
    EXPECT_EQ(11, m_edit.GetTextLength());
    CString text;
    EXPECT_EQ(5, m_edit.GetTextRange(6, -1, text));
    EXPECT_EQ(CString(L"world"), text);
    EXPECT_EQ(0, m_edit.GetTextRange(4, 2, text)) << "a reversed range";
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(0, m_edit.GetTextRange(-3, 2, text));

    m_edit.SetSel(0, 5);
    long nStart = -1;
    long nEnd = -1;
    m_edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(5, nEnd);
    EXPECT_EQ(CString(L"hello"), m_edit.GetSelText());
    m_edit.ReplaceSel(L"bye");
    EXPECT_EQ(9, m_edit.GetTextLength());

    m_edit.SetWindowText(L"");
    m_edit.LimitText(8);
    EXPECT_EQ(8, m_edit.GetLimitText());
    for (const wchar_t ch : std::wstring(L"0123456789"))
        m_edit.SendMessage(WM_CHAR, ch, 1);
    m_edit.GetTextRange(0, -1, text);
    EXPECT_EQ(CString(L"01234567"), text);
}

TEST_F(RichEditCtrlTest, CharacterFormatsParagraphsAndSearches)
{
    Append(L"linked text");
    m_edit.SetSel(0, 6);
    CHARFORMAT2W format = {};
    format.dwMask = CFM_COLOR | CFM_LINK;
    format.dwEffects = CFE_LINK;
    format.crTextColor = 0xA1234567; // not a colour: link identities are kept in this field
    EXPECT_TRUE(m_edit.SetSelectionCharFormat(format));

    CHARFORMAT2W read = {};
    EXPECT_NE(0u, m_edit.GetSelectionCharFormat(read) & CFM_COLOR);
    EXPECT_EQ(sizeof(CHARFORMAT2W), read.cbSize);
    EXPECT_EQ(0xA1234567u, read.crTextColor);
    EXPECT_NE(0u, read.dwEffects & CFE_LINK);

    m_edit.SetSel(3, 9);
    CHARFORMATW mixed = {};
    EXPECT_EQ(0u, m_edit.GetSelectionCharFormat(mixed) & CFM_COLOR) << "two colours in the selection";

    PARAFORMAT paragraph = {};
    paragraph.dwMask = PFM_STARTINDENT | PFM_ALIGNMENT;
    paragraph.dxStartIndent = 360;
    paragraph.wAlignment = PFA_LEFT;
    EXPECT_TRUE(m_edit.SetParaFormat(paragraph));
    PARAFORMAT2 readParagraph = {};
    m_edit.GetParaFormat(readParagraph);
    EXPECT_EQ(360, readParagraph.dxStartIndent);

    m_edit.SetWindowText(L"word one, word two");
    FINDTEXTEXW find = {};
    find.chrg.cpMax = -1;
    find.lpstrText = L"word";
    find.chrg.cpMin = 3;
    EXPECT_EQ(10, m_edit.FindText(FR_DOWN, &find)) << "forward from 3";
    EXPECT_EQ(10, find.chrgText.cpMin);
    EXPECT_EQ(14, find.chrgText.cpMax);
    find.chrg.cpMin = 18;
    find.chrg.cpMax = 0;
    EXPECT_EQ(10, m_edit.FindText(0, &find)) << "backward from the end meets the later word first";
    find.lpstrText = L"absent";
    EXPECT_EQ(-1, m_edit.FindText(FR_DOWN, &find));
}

TEST_F(RichEditCtrlTest, ClickOnDetectedAddressIsReflectedToTheControl)
{
    IRichEditOle* pRichEditOle = m_edit.GetIRichEditOle();
    ASSERT_NE(nullptr, pRichEditOle);
    EXPECT_EQ(0, pRichEditOle->GetObjectCount());
    pRichEditOle->Release();
    EXPECT_EQ(0, m_edit.SetAutoURLDetect(TRUE));
    EXPECT_TRUE(m_edit.GetAutoURLDetect());
    m_edit.SetEventMask(m_edit.GetEventMask() | ENM_LINK);
    EXPECT_NE(0u, m_edit.GetEventMask() & ENM_LINK);
    m_frame.ShowWindow(SW_SHOWNOACTIVATE);
    Append(L"see http://example.com/ now");
    afxtest::PumpPending();

    const CPoint pt = m_edit.GetCharPos(8);
    m_edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x + 2, pt.y + 4));
    m_edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x + 2, pt.y + 4));
    ASSERT_EQ(1u, m_edit.m_clicks.size());
    EXPECT_EQ(4, m_edit.m_clicks[0].cpMin);
    EXPECT_EQ(23, m_edit.m_clicks[0].cpMax);
}
