// Hyperlinks and transparent statics on a real dialog: link, visited and underline by pixels,
// clicks through the shell seam (a long address arrives whole), the explanatory message box,
// fitting to the text, the tooltip and cursor, the bounded registry read, and the static's
// snapshot, brush and format rules.
#include "ControlsTestSupport.h"

#include <afxlite/AfxScoped.h>

#include <string>
#include <vector>

using ctltest::PumpPending;
using ctltest::PumpUntil;

namespace {

const COLORREF kParentBack = RGB(200, 40, 40);

class CProbeLink : public CHyperLink {
public:
    using CHyperLink::m_ToolTip;
};

class CProbeStatic : public CWStatic {
public:
    using CWStatic::m_nFormat;
};

class CLinksDialog : public CDialog {
public:
    CLinksDialog() : CDialog(IDD_CTLTEST_LINKS) {}

    CProbeLink m_left, m_right, m_empty;
    CProbeStatic m_static;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_left.SetURL(L"http://corvala.invalid/");
        m_left.SubclassDlgItem(IDC_CTLTEST_LINK_LEFT, this);
        m_right.SubclassDlgItem(IDC_CTLTEST_LINK_RIGHT, this);
        m_empty.SubclassDlgItem(IDC_CTLTEST_LINK_EMPTY, this);
        m_static.SubclassDlgItem(IDC_CTLTEST_WSTATIC, this);
        return TRUE;
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(&rc, kParentBack);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLinksDialog, CDialog)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

using ctltest::CountColour;
using ctltest::TextOf;

BOOL CALLBACK CollectStaticText(HWND hWnd, LPARAM lParam)
{
    wchar_t szClass[16] = {};
    if (::GetClassNameW(hWnd, szClass, 16) && lstrcmpiW(szClass, L"Static") == 0)
        *reinterpret_cast<CString*>(lParam) += TextOf(hWnd);
    return TRUE;
}

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_CTLTEST_LINKS));
        m_dialog.SetWindowPos(nullptr, 120, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        m_dialog.UpdateWindow();
        PumpPending();
    }
    void TearDown() override
    {
        m_dialog.DestroyWindow();
        PumpPending();
    }

    void Click(CWnd& link)
    {
        m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(link.GetDlgCtrlID(), STN_CLICKED),
                             reinterpret_cast<LPARAM>(link.m_hWnd));
    }

    // The longest run of colour along one row.
    static int LongestRow(const CDibTarget& target, CSize size, COLORREF colour)
    {
        int nLongest = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0, nRun = 0; x < size.cx; ++x) {
                nRun = target.Pixel(x, y) == colour ? nRun + 1 : 0;
                nLongest = std::max(nLongest, nRun);
            }
        return nLongest;
    }

    ctltest::CShellRecorder m_shell;
    CLinksDialog m_dialog;
};

TEST_F(LinkTest, LinkDrawsInItsColoursUnderlinedUntilVisited)
{
    CRect rc;
    m_dialog.m_left.GetClientRect(&rc);
    m_dialog.m_left.SetColours(kBlue, kGreen);
    auto picture = ctltest::Printed(m_dialog.m_left, kWhite);
    EXPECT_GT(CountColour(*picture, rc, kBlue), 20);
    EXPECT_EQ(0, CountColour(*picture, rc, kGreen));
    // The underline runs under the whole text.
    EXPECT_GE(LongestRow(*picture, rc.Size(), kBlue), rc.Width() - 2);

    m_dialog.m_left.SetUnderline(FALSE);
    picture = ctltest::Printed(m_dialog.m_left, kWhite);
    EXPECT_LT(LongestRow(*picture, rc.Size(), kBlue), rc.Width() / 2);

    m_dialog.m_left.SetVisited(TRUE);
    picture = ctltest::Printed(m_dialog.m_left, kWhite);
    EXPECT_EQ(0, CountColour(*picture, rc, kBlue));
    EXPECT_GT(CountColour(*picture, rc, kGreen), 20);
}

TEST_F(LinkTest, ClickOpensTheAddressThroughTheShellAndMarksTheLinkVisited)
{
    EXPECT_EQ(static_cast<DWORD>(SS_NOTIFY), m_dialog.m_left.GetStyle() & SS_NOTIFY);
    Click(m_dialog.m_left);
    ASSERT_EQ(1u, m_shell.m_calls.size());
    EXPECT_EQ(L"http://corvala.invalid/", m_shell.m_calls[0].file);
    EXPECT_EQ(L"open", m_shell.m_calls[0].verb);
    EXPECT_EQ(SW_SHOW, m_shell.m_calls[0].nShow);
    EXPECT_TRUE(m_dialog.m_left.GetVisited());

    // The text became the address of a link subclassed without one; a long address arrives whole.
    EXPECT_STREQ(L"Right link text", m_dialog.m_right.GetURL());
    const std::wstring strLong = L"http://corvala.invalid/" + std::wstring(5000, L'x');
    m_dialog.m_right.SetURL(strLong.c_str());
    Click(m_dialog.m_right);
    ASSERT_EQ(2u, m_shell.m_calls.size());
    EXPECT_EQ(strLong, m_shell.m_calls[1].file);
}

TEST_F(LinkTest, FailedOpenExplainsTheShellsErrorAndStaysUnvisited)
{
    m_shell.m_bResult = FALSE;
    const struct {
        INT_PTR nCode;
        const wchar_t* text;
    } cases[] = {{SE_ERR_FNF, L"The specified file was not found."},
                 {SE_ERR_NOASSOC, L"There is no application associated\nwith the given filename extension."},
                 {4, L"Unknown Error (4) occurred."}};
    for (const auto& failure : cases) {
        m_shell.m_nInstApp = failure.nCode;
        CString strShown;
        RunDialogScript(
            [&] {
                Click(m_dialog.m_left);
                return 0;
            },
            [&](HWND hBox) { ::EnumChildWindows(hBox, CollectStaticText, reinterpret_cast<LPARAM>(&strShown)); });
        strShown.Replace(L"\r\n", L"\n"); // the box may break its lines its own way
        EXPECT_NE(-1, strShown.Find(CString(L"Unable to open hyperlink:\n\n") + failure.text)) << strShown.GetString();
    }
    EXPECT_FALSE(m_dialog.m_left.GetVisited());
}

TEST_F(LinkTest, AutoSizeFitsTheTextKeepingTheAlignedEdge)
{
    const auto rectOf = [&](CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        m_dialog.ScreenToClient(&rc);
        return rc;
    };
    const auto textWidth = [&](CWnd& wnd, LPCTSTR lpszText) {
        CClientDC dc(&wnd);
        const CDCSelect font(dc.m_hDC, wnd.GetFont()->m_hObject);
        SIZE size = {};
        ::GetTextExtentPoint32W(dc.m_hDC, lpszText, lstrlenW(lpszText), &size);
        return static_cast<int>(size.cx);
    };
    const CRect rcRight = rectOf(m_dialog.m_right);
    m_dialog.m_right.SetWindowText(L"Short");
    m_dialog.m_right.SetURL(L"http://short.invalid/");
    const CRect rcShort = rectOf(m_dialog.m_right);
    EXPECT_EQ(rcRight.right, rcShort.right);
    EXPECT_EQ(textWidth(m_dialog.m_right, L"Short"), rcShort.Width());

    const CRect rcLeft = rectOf(m_dialog.m_left);
    EXPECT_EQ(textWidth(m_dialog.m_left, L"Corvala home page"), rcLeft.Width());
    m_dialog.m_left.SetAutoSize(FALSE);
    m_dialog.m_left.SetWindowText(L"A much longer text than before");
    m_dialog.m_left.SetURL(L"http://corvala.invalid/");
    EXPECT_EQ(rcLeft, rectOf(m_dialog.m_left));
}

TEST_F(LinkTest, TooltipShowsTheAddressAndTheCursorIsTheLinks)
{
    m_dialog.m_left.SetURL(L"http://other.invalid/");
    CString strTip;
    m_dialog.m_left.m_ToolTip.GetText(strTip, &m_dialog.m_left, 1);
    EXPECT_STREQ(L"http://other.invalid/", strTip);
    // Text and address both empty: the link stays empty.
    EXPECT_STREQ(L"", TextOf(m_dialog.m_empty.m_hWnd));
    m_dialog.m_empty.m_ToolTip.GetText(strTip, &m_dialog.m_empty, 1);
    EXPECT_STREQ(L"", strTip);

    const HCURSOR hCross = ::LoadCursorW(nullptr, IDC_CROSS);
    m_dialog.m_left.SetLinkCursor(hCross);
    EXPECT_TRUE(m_dialog.m_left.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_dialog.m_left.m_hWnd),
                                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(hCross, ::GetCursor());
}

TEST(HyperLinkRegistry, DefaultValueIsReadWithinItsBound)
{
    const wchar_t* kKey = L"Software\\VoShareTests\\LinkKey";
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
    const CRegKeyHandle key(hKey);
    const auto setDefault = [&](const std::wstring& value) {
        ::RegSetValueExW(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    std::vector<wchar_t> buffer(200, L'#');
    setDefault(L"\"C:\\browser.exe\" \"%1\"");
    EXPECT_EQ(ERROR_SUCCESS, CHyperLink::GetRegKey(HKEY_CURRENT_USER, kKey, buffer.data()));
    EXPECT_STREQ(L"\"C:\\browser.exe\" \"%1\"", buffer.data());

    // Longer than 260 bytes: refused, and nothing beyond 130 characters is written.
    std::fill(buffer.begin(), buffer.end(), L'#');
    setDefault(std::wstring(400, L'a'));
    EXPECT_NE(ERROR_SUCCESS, CHyperLink::GetRegKey(HKEY_CURRENT_USER, kKey, buffer.data()));
    for (size_t i = 130; i < buffer.size(); ++i)
        ASSERT_EQ(L'#', buffer[i]) << i;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              CHyperLink::GetRegKey(HKEY_CURRENT_USER, L"Software\\VoShareTests\\None", buffer.data()));
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

TEST_F(LinkTest, TransparentStaticDrawsItsParentsBackgroundUnderItsText)
{
    CProbeStatic& label = m_dialog.m_static;
    CRect rc;
    label.GetClientRect(&rc);
    label.SetTextColor(kBlue);
    // The first drawing takes the parent's pixels.
    CDibTarget first(rc.Width(), rc.Height(), kWhite);
    label.Draw(first.GetDC());
    ExpectPixels(first, {{0, 0, kParentBack}, {rc.Width() - 1, rc.Height() - 1, kParentBack}});
    EXPECT_GT(CountColour(first, rc, kBlue), 10);

    // A new background comes only through SetBk.
    CRect rcParent;
    m_dialog.GetClientRect(&rcParent);
    CDibTarget background(rcParent.Width(), rcParent.Height(), kYellow);
    label.SetBk(background.GetDC());
    CDibTarget second(rc.Width(), rc.Height(), kWhite);
    label.Draw(second.GetDC());
    ExpectPixels(second, {{0, 0, kYellow}});

    // Vertical centring adds its flags for good; turning it off adds centring across.
    label.SetVCenter(FALSE);
    label.Draw(second.GetDC());
    EXPECT_EQ(static_cast<UINT>(DT_VCENTER | DT_SINGLELINE | DT_CENTER), label.m_nFormat);

    // A brush makes the control opaque to the snapshot.
    label.SetBrush(kGreen);
    CDibTarget third(rc.Width(), rc.Height(), kWhite);
    label.Draw(third.GetDC());
    ExpectPixels(third, {{0, 0, kWhite}});
    label.SetBk(background.GetDC()); // refused: not transparent any more
    label.Draw(third.GetDC());
    ExpectPixels(third, {{0, 0, kWhite}});

    label.SetWindowText(L"Changed");
    EXPECT_STREQ(L"Changed", TextOf(label.m_hWnd));
    EXPECT_FALSE(::GetUpdateRect(label.m_hWnd, nullptr, FALSE)); // painted at once
}

} // namespace
