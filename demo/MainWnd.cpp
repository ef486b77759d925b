#include "MainWnd.h"

#include "WindowShot.h"

#include <LangDB.h>
#include <vo_share.h>

namespace
{
const UINT WM_TAKE_SHOTS = WM_APP + 1;
const int kWindowWidth = 760;
const int kWindowHeight = 730;
const int kMargin = 16;
const int kLineHeight = 20;
const int kHeaderHeight = 80;
const int kLabelWidth = 150;
const int kSectionGap = 8;
const int kFontRowHeight = 26;
const int kAccentHeight = 3;
const int kCaptionHeight = 28;

const COLORREF kHeaderTop = RGB(255, 255, 255);
const COLORREF kHeaderBottom = RGB(226, 238, 250);
const COLORREF kAccent = RGB(22, 104, 178);
const COLORREF kHeaderText = RGB(22, 84, 150);
const COLORREF kHeaderSubText = RGB(96, 108, 124);
const COLORREF kBackground = RGB(250, 250, 252);
const COLORREF kCaptionText = RGB(22, 84, 150);
const COLORREF kRule = RGB(206, 218, 232);
const COLORREF kLabelText = RGB(110, 118, 132);
const COLORREF kValueText = RGB(30, 30, 60);

// Sample text shown in each of the edition's fonts.
const wchar_t kFontSample[] = L"Corvala 网络电话 — The quick brown fox 0123456789";

CString Pair(LPCTSTR pszLabel, const CString& strValue)
{
    return CString(pszLabel) + L"\t" + strValue;
}

// "face, size pt" of a font, the size measured on the screen as the font was made for it.
CString DescribeFont(CFont* pFont)
{
    LOGFONT lf = {};
    if (pFont == NULL || pFont->GetSafeHandle() == NULL || !pFont->GetLogFont(&lf))
        return L"(no font)";
    CClientDC dcScreen(NULL);
    const int nMeasured = ::MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 720,
                                   ::GetDeviceCaps(dcScreen, LOGPIXELSY));
    // Whole pixels make 8.5 points measure 8.3 on a 96 dpi screen: round to half points.
    const int nTenths = (nMeasured + 2) / 5 * 5;
    CString strText;
    strText.Format(L"%s, %d.%d pt", lf.lfFaceName, nTenths / 10, nTenths % 10);
    return strText;
}

// A vertical blend from crTop to crBottom over rc, one band per pixel row.
void FillGradient(CDC& dc, const CRect& rc, COLORREF crTop, COLORREF crBottom)
{
    const int nHeight = rc.Height();
    for (int i = 0; i < nHeight; ++i)
    {
        const int r = GetRValue(crTop) + (GetRValue(crBottom) - GetRValue(crTop)) * i / nHeight;
        const int g = GetGValue(crTop) + (GetGValue(crBottom) - GetGValue(crTop)) * i / nHeight;
        const int b = GetBValue(crTop) + (GetBValue(crBottom) - GetBValue(crTop)) * i / nHeight;
        dc.FillSolidRect(rc.left, rc.top + i, rc.Width(), 1, RGB(r, g, b));
    }
}
} // namespace

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_TAKE_SHOTS, &CMainWnd::OnTakeShots)
END_MESSAGE_MAP()

CMainWnd::CMainWnd(const CString& strShotFolder) : m_strShotFolder(strShotFolder), m_nExitCode(0)
{
}

BOOL CMainWnd::CreateMain()
{
    CollectEdition();
    CollectAddresses();
    CollectLines();
    m_font.CreatePointFont(90, L"Tahoma");
    LOGFONT lf = {};
    if (OEM.GetFontMedium()->GetSafeHandle() != NULL && OEM.GetFontMedium()->GetLogFont(&lf))
    {
        lf.lfWeight = FW_BOLD;
        m_fontCaption.CreateFontIndirect(&lf);
    }
    LPCTSTR pszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                                           (HBRUSH)(COLOR_WINDOW + 1), OEM.m_hMainIcon);
    if (!CreateEx(0, pszClass, OEM.m_strName + L" - Vo_share demo", WS_OVERLAPPEDWINDOW, 40, 20,
                  kWindowWidth, kWindowHeight, NULL, NULL))
        return FALSE;
    SetIcon(OEM.m_hMainIcon32, TRUE);
    SetIcon(OEM.m_hMainIcon, FALSE);
    if (!m_strShotFolder.IsEmpty())
        PostMessage(WM_TAKE_SHOTS);
    return TRUE;
}

void CMainWnd::CollectEdition()
{
    m_edition.Add(Pair(L"Product", OEM.m_strName));
    m_edition.Add(Pair(L"Company", OEM.m_strCompanyName));
    m_edition.Add(Pair(L"Copyright", OEM.m_strCopyright));
    m_edition.Add(Pair(L"Web site", OEM.m_strWebsite));
    CString strEdition = OEM.GetClientType();
    strEdition += OEM.IsOEMVersion() ? L" (partner edition)" : L" (own edition)";
    m_edition.Add(Pair(L"Edition", strEdition));
    m_edition.Add(Pair(L"Money unit", OEM.m_strMoneyName));
}

void CMainWnd::CollectAddresses()
{
    m_addresses.Add(Pair(L"Home page", OEM.UrlGetHomePage()));
    m_addresses.Add(Pair(L"Help", OEM.UrlGetHelp()));
    m_addresses.Add(Pair(L"Forum", OEM.UrlGetForum()));
    m_addresses.Add(Pair(L"SIP server", OEM.UrlGetSip()));
    m_addresses.Add(Pair(L"STUN server", OEM.UrlGetStun()));
    m_addresses.Add(Pair(L"Telephone gateway", OEM.UrlGetVoip()));
    m_addresses.Add(Pair(L"Update description", OEM.GetUpdateIniRul()));
}

void CMainWnd::CollectLines()
{
    CString strExe;
    GetExePath(strExe);
    m_lines.Add(L"Executable folder: " + strExe);

    m_lines.Add(L"Language: " + CLangDB::Instance()->GetLangString(-1));

    CString strLine;
    strLine.Format(L"CRC-32 of \"123456789\": 0x%08X", dwCrc32(L"123456789"));
    m_lines.Add(strLine);

    CFileVersion version;
    if (version.Open(strExe + L"\\vo_share.dll"))
        m_lines.Add(L"vo_share.dll version: " + version.GetFileVersion() + L" (" +
                    version.GetFixedFileVersion() + L")");
    else
        m_lines.Add(L"vo_share.dll version: unknown");

    CLangProRC* pTexts = CLangDB::Instance()->get(L"vo_share");
    if (pTexts != NULL)
        m_lines.Add(L"Localised answer: " + pTexts->GetString(L"IDS_LINK_ACCEPT"));

    m_lines.Add(L"Picture download address: " + GetFaceUrlDown());
}

void CMainWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.FillSolidRect(&rcClient, kBackground);
    dc.SetBkMode(TRANSPARENT);

    PaintHeader(dc, rcClient);
    int y = kHeaderHeight + kSectionGap;
    y = PaintSection(dc, y, L"Edition");
    y = PaintPairs(dc, y, m_edition);
    y = PaintSection(dc, y, L"Fonts");
    y = PaintFonts(dc, y);
    y = PaintSection(dc, y, L"Service addresses");
    y = PaintPairs(dc, y, m_addresses);
    y = PaintSection(dc, y, L"Library");

    CDCSelect font(&dc, &m_font);
    dc.SetTextColor(kValueText);
    for (INT_PTR i = 0; i < m_lines.GetSize(); ++i, y += kLineHeight)
        dc.TextOut(kMargin, y, m_lines[i]);
}

void CMainWnd::PaintHeader(CDC& dc, const CRect& rcClient)
{
    const CRect rcHeader(rcClient.left, rcClient.top, rcClient.right, rcClient.top + kHeaderHeight);
    FillGradient(dc, rcHeader, kHeaderTop, kHeaderBottom);
    dc.FillSolidRect(rcHeader.left, rcHeader.bottom - kAccentHeight, rcHeader.Width(), kAccentHeight, kAccent);

    const CWBitmap& logo = OEM.m_bmpLogo;
    const int nLogoTop = (kHeaderHeight - kAccentHeight - logo.m_nHeight) / 2;
    OEM.DrawLogo(&dc, CPoint(kMargin, nLogoTop));
    const int xText = kMargin + logo.m_nWidth + 2 * kMargin;

    {
        CDCSelect font(&dc, OEM.GetFontBig());
        dc.SetTextColor(kHeaderText);
        dc.TextOut(xText, 14, OEM.m_strName);
    }
    CDCSelect font(&dc, OEM.GetFontMedium());
    dc.SetTextColor(kHeaderSubText);
    dc.TextOut(xText, 46, OEM.m_strDescription);
}

int CMainWnd::PaintSection(CDC& dc, int y, LPCTSTR pszCaption)
{
    y += kSectionGap;
    CDCSelect font(&dc, m_fontCaption.GetSafeHandle() != NULL ? &m_fontCaption : OEM.GetFontMedium());
    dc.SetTextColor(kCaptionText);
    dc.TextOut(kMargin, y, pszCaption);
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.FillSolidRect(kMargin, y + kCaptionHeight - 6, rcClient.Width() - 2 * kMargin, 1, kRule);
    return y + kCaptionHeight;
}

int CMainWnd::PaintPairs(CDC& dc, int y, const CStringArray& pairs)
{
    CDCSelect font(&dc, OEM.GetFontMedium());
    for (INT_PTR i = 0; i < pairs.GetSize(); ++i, y += kLineHeight)
    {
        const CString& strPair = pairs[i];
        const int nTab = strPair.Find(L'\t');
        dc.SetTextColor(kLabelText);
        dc.TextOut(kMargin, y, strPair.Left(nTab));
        dc.SetTextColor(kValueText);
        dc.TextOut(kMargin + kLabelWidth, y, strPair.Mid(nTab + 1));
    }
    return y;
}

int CMainWnd::PaintFonts(CDC& dc, int y)
{
    struct FontRow
    {
        LPCTSTR pszLabel;
        CFont* pFont;
    };
    const FontRow rows[] = {{L"Small", OEM.GetFontSmall()},
                            {L"Medium", OEM.GetFontMedium()},
                            {L"Big", OEM.GetFontBig()}};
    for (const FontRow& row : rows)
    {
        {
            CDCSelect font(&dc, OEM.GetFontMedium());
            dc.SetTextColor(kLabelText);
            dc.TextOut(kMargin, y, CString(row.pszLabel) + L": " + DescribeFont(row.pFont));
        }
        CDCSelect font(&dc, row.pFont);
        dc.SetTextColor(kValueText);
        dc.TextOut(kMargin + 2 * kLabelWidth, y, kFontSample);
        y += kFontRowHeight;
    }
    return y;
}

LRESULT CMainWnd::OnTakeShots(WPARAM, LPARAM)
{
    UpdateWindow();
    if (!CWindowShot::SaveAsPng(m_hWnd, m_strShotFolder + L"\\demo_main.png"))
        m_nExitCode = 1;
    DestroyWindow();
    return 0;
}

void CMainWnd::OnDestroy()
{
    CWnd::OnDestroy();
    ::PostQuitMessage(m_nExitCode);
}

void CMainWnd::PostNcDestroy()
{
    delete this;
}
