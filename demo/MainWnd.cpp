#include "MainWnd.h"

#include "EmoticonsWnd.h"
#include "WindowShot.h"

#include <LangDB.h>
#include <vo_share.h>

#include <algorithm>
#include <vector>

namespace {
const UINT WM_TAKE_SHOTS = WM_APP + 1;
const UINT IDC_CHANGE_SKIN = 1001;
const UINT IDC_EMOTICONS = 1002;
// The emoticon shown playing in the emoticons window's picture, and how long the window is
// given to paint it and play a few frames before it is photographed.
const int kShotEmoticon = 0;
const DWORD kEmoticonsShotDelay = 600;
// While the skin chooser is open in a screenshot run, this timer photographs and closes it.
const UINT_PTR kChooserShotTimer = 1;
const UINT kChooserShotDelay = 500; // ms for the dialog to paint itself

const DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
const int kWindowLeft = 40;
const int kWindowTop = 20;
const int kClientWidth = 880;

const int kMargin = 12;       // between the frame and the parts inside it, and between parts
const int kBandInset = 18;    // texts of the title and status bands from the window's sides
const int kHeaderInset = 16;  // logo and button from the ends of the header band
const int kLogoGap = 18;      // between the logo and the texts beside it
const int kHeaderTextGap = 2; // between the product name and the description
const int kButtonWidth = 124;
const int kButtonHeight = 28;
const int kButtonGap = 8;
const int kPadding = 8; // inside a panel, around its lines
const int kLineHeight = 20;
const int kFontRowHeight = 26;
const int kEditionWidth = 360; // the addresses panel beside it takes the rest of the row
const int kEditionLabelWidth = 90;
const int kAddressLabelWidth = 130;
const int kLibraryLabelWidth = 170;
const int kFontLabelWidth = 200;

const COLORREF kTitleBandText = RGB(255, 255, 255);
const COLORREF kLabelText = RGB(110, 118, 132);
const COLORREF kPanelFill = RGB(255, 255, 255);

const UINT kLineFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

// Sample text shown in each of the edition's fonts.
const wchar_t kFontSample[] = L"Corvala 网络电话 — The quick brown fox 0123456789";
const LPCTSTR kFontLabels[] = {L"Small", L"Medium", L"Big"};
const int kFontCount = sizeof(kFontLabels) / sizeof(kFontLabels[0]);

CFont* EditionFont(int nIndex)
{
    if (nIndex == 0)
        return OEM.GetFontSmall();
    return nIndex == 1 ? OEM.GetFontMedium() : OEM.GetFontBig();
}

CString Pair(LPCTSTR pszLabel, const CString& strValue)
{
    return CString(pszLabel) + L"\t" + strValue;
}

// "face, size pt" of a font, the size measured on the screen as the font was made for it.
CString DescribeFont(CFont* pFont)
{
    LOGFONT lf = {};
    if (pFont == nullptr || pFont->GetSafeHandle() == nullptr || !pFont->GetLogFont(&lf))
        return L"(no font)";
    CClientDC dcScreen(nullptr);
    const int nMeasured =
        ::MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 720, ::GetDeviceCaps(dcScreen, LOGPIXELSY));
    // Whole pixels make 8.5 points measure 8.3 on a 96 dpi screen: round to half points.
    const int nTenths = (nMeasured + 2) / 5 * 5;
    CString strText;
    strText.Format(L"%s, %d.%d pt", lf.lfFaceName, nTenths / 10, nTenths % 10);
    return strText;
}

void DrawLine(CDC& dc, CRect rc, const CString& strText, COLORREF crText, UINT nFormat = kLineFormat)
{
    dc.SetTextColor(crText);
    dc.DrawText(strText, &rc, nFormat);
}

struct OwnedSearch {
    HWND hOwner;
    HWND hFound;
};

BOOL CALLBACK FindOwned(HWND hWnd, LPARAM lParam)
{
    OwnedSearch* pSearch = reinterpret_cast<OwnedSearch*>(lParam);
    if (::GetWindow(hWnd, GW_OWNER) != pSearch->hOwner || !::IsWindowVisible(hWnd))
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

// The visible window owned by hOwner on this thread: the modal dialog it opened.
HWND OwnedDialog(HWND hOwner)
{
    OwnedSearch search = {hOwner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

// How far the rich-edit border reaches out of the area it frames, asked from the skin by growing
// an empty rectangle without a device context.
CRect BorderInsets()
{
    CRect rcProbe(0, 0, 0, 0);
    CSkin::Instance().DrawRicheditBorder(nullptr, nullptr, rcProbe, CT_RICHEDIT, nullptr);
    return CRect(-rcProbe.left, -rcProbe.top, rcProbe.right, rcProbe.bottom);
}
} // namespace

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_CHANGE_SKIN, &CMainWnd::OnChangeSkin)
    ON_BN_CLICKED(IDC_EMOTICONS, &CMainWnd::OnEmoticons)
    ON_MESSAGE(WM_GETFONT, &CMainWnd::OnGetFont)
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
    CreateFonts();
    if (!m_brushPanel.CreateSolidBrush(kPanelFill))
        return FALSE;

    CRect rcWindow(0, 0, kClientWidth, ComputeLayout(kClientWidth).rcStatus.bottom);
    if (!::AdjustWindowRectEx(&rcWindow, kWindowStyle, FALSE, 0))
        return FALSE;
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, OEM.m_hMainIcon);
    if (!CreateEx(0, pszClass, OEM.m_strName + L" - Vo_share demo", kWindowStyle, kWindowLeft, kWindowTop,
                  rcWindow.Width(), rcWindow.Height(), nullptr, nullptr))
        return FALSE;
    SetIcon(OEM.m_hMainIcon32, TRUE);
    SetIcon(OEM.m_hMainIcon, FALSE);
    const CRect rcHeader = ComputeLayout(kClientWidth).rcHeader;
    if (!CreateHeaderButton(m_btnChangeSkin, L"Change skin...", ButtonRect(rcHeader), IDC_CHANGE_SKIN) ||
        !CreateHeaderButton(m_btnEmoticons, L"Emoticons...", EmoticonsButtonRect(rcHeader), IDC_EMOTICONS))
        return FALSE;
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
    m_lines.Add(Pair(L"Executable folder", strExe));

    m_lines.Add(Pair(L"Language", CLangDB::Instance()->GetLangString(-1)));

    CString strCrc;
    strCrc.Format(L"0x%08X", dwCrc32(L"123456789"));
    m_lines.Add(Pair(L"CRC-32 of \"123456789\"", strCrc));

    CFileVersion version;
    if (version.Open(strExe + L"\\vo_share.dll"))
        m_lines.Add(
            Pair(L"vo_share.dll version", version.GetFileVersion() + L" (" + version.GetFixedFileVersion() + L")"));
    else
        m_lines.Add(Pair(L"vo_share.dll version", L"unknown"));

    CLangProRC* pTexts = CLangDB::Instance()->get(L"vo_share");
    if (pTexts != nullptr)
        m_lines.Add(Pair(L"Localised answer", pTexts->GetString(L"IDS_LINK_ACCEPT")));

    m_lines.Add(Pair(L"Picture download address", GetFaceUrlDown()));
}

// The bands, panel titles and the button use the edition's medium font in bold.
void CMainWnd::CreateFonts()
{
    LOGFONT lf = {};
    if (OEM.GetFontMedium()->GetSafeHandle() == nullptr || !OEM.GetFontMedium()->GetLogFont(&lf))
        return;
    lf.lfWeight = FW_BOLD;
    m_fontCaption.CreateFontIndirect(&lf);
}

// A push button of the header band in the caption font.
BOOL CMainWnd::CreateHeaderButton(CButton& button, LPCTSTR pszText, const CRect& rcButton, UINT nID)
{
    if (!button.Create(pszText, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rcButton, this, nID))
        return FALSE;
    button.SetFont(m_fontCaption.GetSafeHandle() != nullptr ? &m_fontCaption : OEM.GetFontMedium());
    return TRUE;
}

// ---- layout ----

CMainWnd::Layout CMainWnd::ComputeLayout(int nWidth) const
{
    const CSkin& skin = CSkin::Instance();
    Layout layout;
    layout.rcTitle.SetRect(0, 0, nWidth, skin.m_main.m_cy);
    int y = layout.rcTitle.bottom + kMargin;

    layout.rcHeader = HeaderBand(CRect(kMargin, y, nWidth - kMargin, y));
    y = layout.rcHeader.bottom + kMargin;

    const int nRowHeight =
        std::max(PanelHeight(m_edition.GetSize(), kLineHeight), PanelHeight(m_addresses.GetSize(), kLineHeight));
    layout.rcEdition.SetRect(kMargin, y, kMargin + kEditionWidth, y + nRowHeight);
    layout.rcAddresses.SetRect(layout.rcEdition.right + kMargin, y, nWidth - kMargin, y + nRowHeight);
    y = layout.rcEdition.bottom + kMargin;

    layout.rcFonts.SetRect(kMargin, y, nWidth - kMargin, y + PanelHeight(kFontCount, kFontRowHeight));
    y = layout.rcFonts.bottom + kMargin;

    layout.rcLibrary.SetRect(kMargin, y, nWidth - kMargin, y + PanelHeight(m_lines.GetSize(), kLineHeight));
    y = layout.rcLibrary.bottom + kMargin;

    layout.rcStatus.SetRect(0, y, nWidth, y + skin.m_main.m_cy);
    return layout;
}

// The area inside a panel's border, where its lines go.
CRect CMainWnd::PanelContent(const CRect& rcPanel) const
{
    CRect rcContent = rcPanel;
    const CRect rcInsets = BorderInsets();
    rcContent.DeflateRect(rcInsets.left, rcInsets.top, rcInsets.right, rcInsets.bottom);
    return rcContent;
}

int CMainWnd::PanelHeight(INT_PTR nRows, int nRowHeight) const
{
    const CRect rcInsets = BorderInsets();
    return rcInsets.top + rcInsets.bottom + 2 * kPadding + static_cast<int>(nRows) * nRowHeight;
}

// The header band is as high as the skin's myinfo picture makes it; drawing without a device
// context only sets that height.
CRect CMainWnd::HeaderBand(const CRect& rcHeader) const
{
    CRect rcBand = rcHeader;
    CSkin::Instance().Draw(nullptr, rcBand, DT_MYINFO);
    return rcBand;
}

CRect CMainWnd::ButtonRect(const CRect& rcHeader) const
{
    const CRect rcBand = HeaderBand(rcHeader);
    const int nRight = rcBand.right - kHeaderInset;
    const int nTop = rcBand.top + (rcBand.Height() - kButtonHeight) / 2;
    return CRect(nRight - kButtonWidth, nTop, nRight, nTop + kButtonHeight);
}

CRect CMainWnd::EmoticonsButtonRect(const CRect& rcHeader) const
{
    CRect rcButton = ButtonRect(rcHeader);
    rcButton.OffsetRect(-(kButtonWidth + kButtonGap), 0);
    return rcButton;
}

// Places the buttons for the skin in use and repaints everything with it.
void CMainWnd::ApplySkin()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcHeader = ComputeLayout(rcClient.Width()).rcHeader;
    m_btnChangeSkin.MoveWindow(ButtonRect(rcHeader), FALSE);
    m_btnEmoticons.MoveWindow(EmoticonsButtonRect(rcHeader), FALSE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- painting ----

void CMainWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    // Painting off screen and copying once keeps the frame from flickering under the panels.
    CMemDC dcMem(&dc, rcClient.Width(), rcClient.Height());
    if (dcMem.m_bitmap.GetSafeHandle() == nullptr) {
        PaintWindow(dc, rcClient);
        return;
    }
    PaintWindow(dcMem, rcClient);
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcMem, 0, 0, SRCCOPY);
}

BOOL CMainWnd::OnEraseBkgnd(CDC*)
{
    return TRUE; // OnPaint covers the whole client area
}

void CMainWnd::PaintWindow(CDC& dc, const CRect& rcClient)
{
    CSkin& skin = CSkin::Instance();
    const Layout layout = ComputeLayout(rcClient.Width());
    dc.SetBkMode(TRANSPARENT);

    CRect rcFrame = rcClient;
    skin.Draw(&dc, rcFrame, DT_MAIN);

    PaintBand(dc, layout.rcTitle, OEM.m_strName + L"  ·  Vo_share demo", L"Skin: " + skin.GetCurrName(),
              kTitleBandText);
    PaintHeader(dc, layout.rcHeader);
    PaintPairs(dc, layout.rcEdition, L"Edition", m_edition, kEditionLabelWidth);
    PaintPairs(dc, layout.rcAddresses, L"Service addresses", m_addresses, kAddressLabelWidth);
    PaintFonts(dc, layout.rcFonts);
    PaintPairs(dc, layout.rcLibrary, L"Library", m_lines, kLibraryLabelWidth);

    CString strSkins;
    strSkins.Format(L"%d skins installed", static_cast<int>(skin.GetSkinNames()->size()));
    PaintBand(dc, layout.rcStatus, OEM.m_strCopyright, strSkins, skin.m_clrNormalText);
}

// One text at each end of a band of the main frame.
void CMainWnd::PaintBand(CDC& dc, const CRect& rcBand, const CString& strLeft, const CString& strRight, COLORREF crText)
{
    CRect rcText = rcBand;
    rcText.DeflateRect(kBandInset, 0);
    CDCSelect font(&dc, m_fontCaption.GetSafeHandle() != nullptr ? &m_fontCaption : OEM.GetFontMedium());
    DrawLine(dc, rcText, strRight, crText, kLineFormat | DT_RIGHT);
    rcText.right -= dc.GetTextExtent(strRight).cx + kBandInset;
    DrawLine(dc, rcText, strLeft, crText);
}

void CMainWnd::PaintHeader(CDC& dc, const CRect& rcHeader)
{
    CSkin& skin = CSkin::Instance();
    CRect rcBand = rcHeader;
    skin.Draw(&dc, rcBand, DT_MYINFO);

    const CWBitmap& logo = OEM.m_bmpLogo;
    const int xLogo = rcBand.left + kHeaderInset;
    OEM.DrawLogo(&dc, CPoint(xLogo, rcBand.top + (rcBand.Height() - logo.m_nHeight) / 2));

    const int xText = xLogo + logo.m_nWidth + kLogoGap;
    const int xTextEnd = EmoticonsButtonRect(rcHeader).left - kHeaderInset;
    const int yMiddle = rcBand.CenterPoint().y;
    {
        CDCSelect font(&dc, OEM.GetFontBig());
        DrawLine(dc, CRect(xText, rcBand.top, xTextEnd, yMiddle), OEM.m_strName, skin.m_clrCtrlBorder2x2First,
                 DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    CDCSelect font(&dc, OEM.GetFontMedium());
    DrawLine(dc, CRect(xText, yMiddle + kHeaderTextGap, xTextEnd, rcBand.bottom), OEM.m_strDescription,
             skin.m_clrNormalText, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// Draws a panel: the rich-edit border with its title bar around a white inside. Returns the
// area for the panel's lines.
CRect CMainWnd::PaintPanel(CDC& dc, const CRect& rcPanel, LPCTSTR pszTitle)
{
    CSkin& skin = CSkin::Instance();
    CRect rcContent = PanelContent(rcPanel);
    CRect rcBorder = rcContent;
    // The border's outline fills its inside with the selected brush; the title is drawn in the
    // text colour with this window's font (WM_GETFONT).
    CDCSelect brush(&dc, &m_brushPanel);
    dc.SetTextColor(skin.m_clrNormalText);
    skin.DrawRicheditBorder(&dc, this, rcBorder, CT_RICHEDIT, pszTitle);
    rcContent.DeflateRect(kPadding, kPadding);
    return rcContent;
}

void CMainWnd::PaintPairs(CDC& dc, const CRect& rcPanel, LPCTSTR pszTitle, const CStringArray& pairs, int nLabelWidth)
{
    const CRect rcContent = PaintPanel(dc, rcPanel, pszTitle);
    const COLORREF crValue = CSkin::Instance().m_clrNormalText;
    CDCSelect font(&dc, OEM.GetFontMedium());
    for (INT_PTR i = 0; i < pairs.GetSize(); ++i) {
        const int y = rcContent.top + static_cast<int>(i) * kLineHeight;
        const CString& strPair = pairs[i];
        const int nTab = strPair.Find(L'\t');
        const int xValue = rcContent.left + nLabelWidth;
        DrawLine(dc, CRect(rcContent.left, y, xValue, y + kLineHeight), strPair.Left(nTab), kLabelText);
        DrawLine(dc, CRect(xValue, y, rcContent.right, y + kLineHeight), strPair.Mid(nTab + 1), crValue);
    }
}

void CMainWnd::PaintFonts(CDC& dc, const CRect& rcPanel)
{
    const CRect rcContent = PaintPanel(dc, rcPanel, L"Fonts");
    const COLORREF crValue = CSkin::Instance().m_clrNormalText;
    const int xSample = rcContent.left + kFontLabelWidth;
    for (int i = 0; i < kFontCount; ++i) {
        const int y = rcContent.top + i * kFontRowHeight;
        {
            CDCSelect font(&dc, OEM.GetFontMedium());
            DrawLine(dc, CRect(rcContent.left, y, xSample, y + kFontRowHeight),
                     CString(kFontLabels[i]) + L": " + DescribeFont(EditionFont(i)), kLabelText);
        }
        CDCSelect font(&dc, EditionFont(i));
        DrawLine(dc, CRect(xSample, y, rcContent.right, y + kFontRowHeight), kFontSample, crValue);
    }
}

// ---- commands ----

void CMainWnd::OnChangeSkin()
{
    CSkinChooser chooser(this);
    if (chooser.DoModal() == IDOK)
        ApplySkin();
}

void CMainWnd::OnEmoticons()
{
    CEmoticonsWnd* pWnd = new CEmoticonsWnd();
    if (!pWnd->CreateFor(this)) {
        if (pWnd->GetSafeHwnd() != nullptr)
            pWnd->DestroyWindow(); // deletes itself
        else
            delete pWnd;
        return;
    }
    pWnd->ShowWindow(SW_SHOW);
}

// Panel titles are drawn with the font of the window they belong to.
LRESULT CMainWnd::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_fontCaption.GetSafeHandle());
}

// ---- pictures ----

// Saves the window as it is, the skin chooser opened by its button, then the window once in every
// installed skin (handed to the skin in use as the skin chooser does), and ends with the skin
// that was in use.
LRESULT CMainWnd::OnTakeShots(WPARAM, LPARAM)
{
    UpdateWindow();
    SaveShot(L"main");
    ShootChooser();
    ShootEmoticons();
    const CString strInUse = CSkin::Instance().GetCurrName();
    const std::vector<CString> names = *CSkin::Instance().GetSkinNames();
    for (const CString& strName : names) {
        if (ShowSkin(strName))
            SaveShot(strName);
    }
    ShowSkin(strInUse);
    DestroyWindow();
    return 0;
}

// Clicks the button; the chooser's modal loop still delivers this window's timer, which
// photographs the dialog and cancels it, so the click returns with nothing changed.
void CMainWnd::ShootChooser()
{
    if (SetTimer(kChooserShotTimer, kChooserShotDelay, nullptr) == 0) {
        m_nExitCode = 1;
        return;
    }
    m_btnChangeSkin.SendMessage(BM_CLICK);
    KillTimer(kChooserShotTimer);
}

void CMainWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kChooserShotTimer)
        return;
    KillTimer(kChooserShotTimer);
    const HWND hChooser = OwnedDialog(m_hWnd);
    if (hChooser == nullptr) {
        m_nExitCode = 1;
        return;
    }
    ::UpdateWindow(hChooser);
    SaveShot(hChooser, L"chooser");
    ::PostMessage(hChooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

// Opens the emoticons window with one emoticon selected, lets it play for a moment (its picture
// is drawn by the animation thread), photographs it and closes it.
void CMainWnd::ShootEmoticons()
{
    CEmoticonsWnd* pWnd = new CEmoticonsWnd();
    if (!pWnd->CreateFor(this)) {
        if (pWnd->GetSafeHwnd() == nullptr)
            delete pWnd;
        m_nExitCode = 1;
        return;
    }
    pWnd->ShowWindow(SW_SHOW);
    pWnd->Select(kShotEmoticon);
    const ULONGLONG ullEnd = ::GetTickCount64() + kEmoticonsShotDelay;
    for (ULONGLONG ullNow = ::GetTickCount64(); ullNow < ullEnd; ullNow = ::GetTickCount64()) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ullEnd - ullNow), QS_ALLINPUT);
    }
    pWnd->UpdateWindow();
    SaveShot(pWnd->GetSafeHwnd(), L"emoticons");
    pWnd->DestroyWindow();
}

bool CMainWnd::ShowSkin(const CString& strName)
{
    CSkin skin; // not the first instance: it loads nothing until told to
    if (!skin.LoadOne(strName))
        return false;
    CSkin::Instance().Assign(skin);
    ApplySkin();
    return true;
}

void CMainWnd::SaveShot(const CString& strName)
{
    SaveShot(m_hWnd, strName);
}

void CMainWnd::SaveShot(HWND hWnd, const CString& strName)
{
    if (!CWindowShot::SaveAsPng(hWnd, m_strShotFolder + L"\\demo_" + strName + L".png"))
        m_nExitCode = 1;
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
