#include "MainWnd.h"

#include "DemoIds.h"
#include "ChatWnd.h"
#include "ContactsDlg.h"
#include "EmoticonsWnd.h"
#include "WindowShot.h"

#include <LangDB.h>
#include <vo_share.h>

#include <algorithm>
#include <vector>

namespace {
const UINT WM_TAKE_SHOTS = WM_APP + 1;
const UINT IDC_CHANGE_SKIN = 1001;
const UINT IDC_TOOLS = 1002;
// The emoticon shown playing in the emoticons window's picture, and how long the window is
// given to paint it and play a few frames before it is photographed.
const int kShotEmoticon = 0;
const DWORD kEmoticonsShotDelay = 600;
// While the skin chooser or a menu is open in a screenshot run, these timers photograph and
// close it.
const UINT_PTR kChooserShotTimer = 1;
const UINT kChooserShotDelay = 500; // ms for the dialog to paint itself
const UINT_PTR kMenuShotTimer = 2;
const UINT kMenuShotDelay = 300;
const DWORD kDevicesShotDelay = 300; // ms for the "Devices" window and its sliders to show
const COLORREF kToolbarBackground = RGB(192, 192, 192);
const CSize kToolbarImage(16, 15);
const int kSkinImage = 5; // the toolbar's image of the skin command
const int kChatImage = 3;
const DWORD kTransfersWait = 10000; // ms a screenshot run waits for the transfers to end
const CPoint kPickerCell(75, 45);   // in the picker's client area: row 1, column 2 of its grid

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
const int kToolsButtonWidth = 96;
const int kButtonGap = 8;
const int kButtonHeight = 28;
const int kPadding = 8; // inside a panel, around its lines
const int kLineHeight = 20;
const int kFontRowHeight = 26;
const int kEditionWidth = 360; // the addresses panel beside it takes the rest of the row
const int kEditionLabelWidth = 90;
const int kAddressLabelWidth = 130;
const int kLibraryWidth = 400; // the transfers panel beside it takes the rest of the row
const int kLibraryLabelWidth = 160;
const int kTransfersLabelWidth = 80;
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

BOOL CALLBACK FindPopupMenu(HWND hWnd, LPARAM lParam)
{
    wchar_t szClass[16] = {};
    if (!::IsWindowVisible(hWnd) || !::GetClassNameW(hWnd, szClass, 16) || lstrcmpW(szClass, L"#32768") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// Handles this thread's messages for nMs milliseconds (windows show, paint and animate).
void PumpFor(DWORD nMs)
{
    const ULONGLONG ullEnd = ::GetTickCount64() + nMs;
    for (ULONGLONG ullNow = ::GetTickCount64(); ullNow < ullEnd; ullNow = ::GetTickCount64()) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ullEnd - ullNow), QS_ALLINPUT);
    }
}

// The popup menu window open on this thread, or null.
HWND OpenPopupMenu()
{
    HWND hMenu = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindPopupMenu, reinterpret_cast<LPARAM>(&hMenu));
    return hMenu;
}

// An icon of the demo's toolbar (the caller owns it), or null.
HICON ToolbarIcon(int nImage)
{
    CImageList images;
    if (!images.Create(IDR_DEMO_TOOLBAR, kToolbarImage.cx, 1, kToolbarBackground))
        return nullptr;
    return images.ExtractIcon(nImage);
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

// A self-deleting window of the demo (CreateFor, PostNcDestroy deletes it) opened and shown
// for pOwner; null when it cannot be made.
template <class TWnd>
TWnd* OpenOwnedWindow(CWnd* pOwner)
{
    TWnd* pWnd = new TWnd();
    if (!pWnd->CreateFor(pOwner)) {
        if (pWnd->GetSafeHwnd() != nullptr)
            pWnd->DestroyWindow(); // deletes itself
        else
            delete pWnd;
        return nullptr;
    }
    pWnd->ShowWindow(SW_SHOW);
    return pWnd;
}

} // namespace

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_CHANGE_SKIN, &CMainWnd::OnChangeSkin)
    ON_COMMAND(ID_DEMO_SKIN, &CMainWnd::OnChangeSkin)
    ON_COMMAND(ID_DEMO_EMOTICONS, &CMainWnd::OnEmoticons)
    ON_COMMAND(ID_DEMO_CHATVIEW, &CMainWnd::OnChatView)
    ON_COMMAND(ID_DEMO_EXIT, &CMainWnd::OnExit)
    ON_COMMAND(ID_DEMO_DEVICES, &CMainWnd::OnDevices)
    ON_COMMAND(ID_DEMO_CONTACTS, &CMainWnd::OnContacts)
    ON_COMMAND_RANGE(ID_DEMO_NEW, ID_DEMO_STATUS, &CMainWnd::OnDemoCommand)
    ON_WM_MENUCHAR()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_GETFONT, &CMainWnd::OnGetFont)
    ON_MESSAGE(WM_TAKE_SHOTS, &CMainWnd::OnTakeShots)
    ON_MESSAGE(FILE_TRAN_DONE, &CMainWnd::OnTransferDone)
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

    if (!CreateMenus())
        return FALSE;
    CRect rcWindow(0, 0, kClientWidth, ComputeLayout(kClientWidth).rcStatus.bottom);
    if (!::AdjustWindowRectEx(&rcWindow, kWindowStyle, TRUE, 0))
        return FALSE;
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, OEM.m_hMainIcon);
    if (!CreateEx(0, pszClass, OEM.m_strName + L" - Vo_share demo", kWindowStyle, kWindowLeft, kWindowTop,
                  rcWindow.Width(), rcWindow.Height(), nullptr, m_menuBar.GetSafeHmenu()))
        return FALSE;
    SetIcon(OEM.m_hMainIcon32, TRUE);
    SetIcon(OEM.m_hMainIcon, FALSE);
    if (!CreateButtons())
        return FALSE;
    m_transfers.Start(m_hWnd);
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

// The menu bar and the context menu, owner-drawn with the pictures of the demo's toolbar.
BOOL CMainWnd::CreateMenus()
{
    BCMenu::SetMenuDrawMode(BCMENU_DRAWMODE_XP);
    return m_menuBar.LoadMenu(IDR_DEMO_MENU) && m_menuBar.LoadToolbar(IDR_DEMO_TOOLBAR) &&
           m_menuContext.LoadMenu(IDR_DEMO_CONTEXT) && m_menuContext.LoadToolbar(IDR_DEMO_TOOLBAR);
}

// Two flat buttons with icons, drawn over the header band (handed to them as each paint's
// background): the skin chooser and a button with a popup menu.
BOOL CMainWnd::CreateButtons()
{
    const CRect rcHeader = ComputeLayout(kClientWidth).rcHeader;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    if (!m_btnChangeSkin.Create(L"Change skin...", dwStyle, ButtonRect(rcHeader), this, IDC_CHANGE_SKIN) ||
        !m_btnTools.Create(L"Contacts", dwStyle, ToolsButtonRect(rcHeader), this, IDC_TOOLS))
        return FALSE;
    CFont* pFont = m_fontCaption.GetSafeHandle() != nullptr ? &m_fontCaption : OEM.GetFontMedium();
    const int images[] = {kSkinImage, kChatImage};
    CButtonST* buttons[] = {&m_btnChangeSkin, &m_btnTools};
    for (int i = 0; i < 2; ++i) {
        buttons[i]->SetFont(pFont);
        buttons[i]->SetIcon(ToolbarIcon(images[i]));
        buttons[i]->DrawTransparent(TRUE);
        buttons[i]->SetColor(CButtonST::BTNST_COLOR_FG_IN, RGB(0, 90, 160), FALSE);
    }
    m_btnChangeSkin.SetTooltipText(L"Choose another skin");
    m_btnTools.SetTooltipText(L"Contacts menu");
    return m_btnTools.SetMenu(IDR_DEMO_CONTEXT, m_hWnd, TRUE, IDR_DEMO_TOOLBAR, kToolbarImage, kToolbarBackground) ==
           BTNST_OK;
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

    const int nLowerRowHeight =
        std::max(PanelHeight(m_lines.GetSize(), kLineHeight), PanelHeight(CTransfersPanel::kLineCount, kLineHeight));
    layout.rcLibrary.SetRect(kMargin, y, kMargin + kLibraryWidth, y + nLowerRowHeight);
    layout.rcTransfers.SetRect(layout.rcLibrary.right + kMargin, y, nWidth - kMargin, y + nLowerRowHeight);
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

CRect CMainWnd::ToolsButtonRect(const CRect& rcHeader) const
{
    CRect rc = ButtonRect(rcHeader);
    rc.right = rc.left - kButtonGap;
    rc.left = rc.right - kToolsButtonWidth;
    return rc;
}

// Places the button for the skin in use and repaints everything with it.
void CMainWnd::ApplySkin()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcHeader = ComputeLayout(rcClient.Width()).rcHeader;
    m_btnChangeSkin.MoveWindow(ButtonRect(rcHeader), FALSE);
    m_btnTools.MoveWindow(ToolsButtonRect(rcHeader), FALSE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- painting ----

void CMainWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!m_background.IsCurrent(rcClient.Size())) {
        // Composed off screen and copied once: the frame does not flicker under the panels.
        CDC* pComposed = m_background.BeginCompose(&dc, rcClient.Size());
        if (pComposed == nullptr) {
            PaintWindow(dc, rcClient);
            return;
        }
        PaintWindow(*pComposed, rcClient);
        // The transparent buttons show the header band as it was just composed.
        for (CButtonST* pButton : {&m_btnChangeSkin, &m_btnTools}) {
            pButton->SetBk(pComposed);
            pButton->Invalidate();
        }
    }
    m_background.CopyTo(&dc);
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
    PaintPairs(dc, layout.rcTransfers, L"Transfers", m_transfers.Lines(), kTransfersLabelWidth);

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
    const int xTextEnd = ToolsButtonRect(rcHeader).left - kHeaderInset;
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

void CMainWnd::OnExit()
{
    DestroyWindow();
}

// The other commands of the menus only show that a choice arrives.
void CMainWnd::OnDemoCommand(UINT nID)
{
    CString strTitle;
    strTitle.Format(L"%s - Vo_share demo (command %u)", static_cast<LPCTSTR>(OEM.m_strName), nID);
    SetWindowText(strTitle);
}

// Owner-drawn items have no mnemonics of the system's: the menus find them.
LRESULT CMainWnd::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    const LRESULT result = BCMenu::FindKeyboardShortcut(nChar, nFlags, pMenu);
    return result != 0 ? result : CWnd::OnMenuChar(nChar, nFlags, pMenu);
}

void CMainWnd::OnContextMenu(CWnd*, CPoint pos)
{
    if (pos.x == -1 && pos.y == -1) { // from the keyboard: at the window's centre
        CRect rc;
        GetWindowRect(&rc);
        pos = rc.CenterPoint();
    }
    if (CMenu* pPopup = m_menuContext.GetSubMenu(0))
        pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, this);
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
    WaitForTransfers(kTransfersWait);
    UpdateWindow();
    SaveShot(L"main");
    ShootHoveredButton();
    ShootMenu(BCMENU_DRAWMODE_XP, TRUE, L"menu_xp");
    ShootMenu(BCMENU_DRAWMODE_ORIGINAL, FALSE, L"menu_classic");
    BCMenu::SetMenuDrawMode(BCMENU_DRAWMODE_XP);
    ShootChooser();
    ShootEmoticons();
    ShootDevices();
    ShootChat();
    ShootContacts();
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

// The completion message of a transfer: the request lives only during the message.
LRESULT CMainWnd::OnTransferDone(WPARAM, LPARAM lParam)
{
    m_transfers.OnDone(*reinterpret_cast<CFileTranRequest*>(lParam));
    m_background.Reset();
    RedrawWindow(ComputeLayout(kClientWidth).rcTransfers, nullptr, RDW_INVALIDATE);
    return 0;
}

// The completion messages are sent: taking the sent messages is enough, and posted ones wait.
void CMainWnd::WaitForTransfers(DWORD nTimeoutMs)
{
    const ULONGLONG end = ::GetTickCount64() + nTimeoutMs;
    MSG msg;
    for (ULONGLONG now = ::GetTickCount64(); !m_transfers.IsDone() && now < end; now = ::GetTickCount64()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_SENDMESSAGE);
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// The emoticons window, shown; null when it cannot be made.
CEmoticonsWnd* CMainWnd::OpenEmoticons()
{
    return OpenOwnedWindow<CEmoticonsWnd>(this);
}

void CMainWnd::OnEmoticons()
{
    OpenEmoticons();
}

// A chat window, shown; null when it cannot be made.
CChatWnd* CMainWnd::OpenChat()
{
    return OpenOwnedWindow<CChatWnd>(this);
}

void CMainWnd::OnChatView()
{
    OpenChat();
}

// Opens a chat window, lets its emoticons play for a moment, photographs it and closes it.
void CMainWnd::ShootChat()
{
    CChatWnd* pWnd = OpenChat();
    if (pWnd == nullptr) {
        m_nExitCode = 1;
        return;
    }
    PumpFor(kEmoticonsShotDelay);
    ShootFacePicker(*pWnd);
    pWnd->UpdateWindow();
    SaveShot(pWnd->GetSafeHwnd(), L"chat");
    pWnd->DestroyWindow();
}

// Opens the emoticon picker from the chat window, hovers an emoticon, photographs the window
// with the picker, then clicks the emoticon (it goes into the input box) and closes the picker
// as a user does, by activating the chat window again.
void CMainWnd::ShootFacePicker(CChatWnd& chat)
{
    CPopFaces* pPicker = chat.OpenFacePicker();
    if (pPicker == nullptr) {
        m_nExitCode = 1;
        return;
    }
    const HWND hPicker = pPicker->GetSafeHwnd();
    const LPARAM ptCell = MAKELPARAM(kPickerCell.x, kPickerCell.y);
    ::UpdateWindow(hPicker); // the hover frame is drawn over the painted grid
    pPicker->SendMessage(WM_MOUSEMOVE, 0, ptCell);
    PumpFor(kEmoticonsShotDelay);
    ::UpdateWindow(hPicker);
    CRect rcChat, rcPicker, rcShot;
    chat.GetWindowRect(&rcChat);
    ::GetWindowRect(hPicker, &rcPicker);
    rcShot.UnionRect(&rcChat, &rcPicker);
    if (!CWindowShot::SaveScreenAsPng(rcShot, m_strShotFolder + L"\\demo_picker.png"))
        m_nExitCode = 1;
    ::SendMessage(hPicker, WM_LBUTTONDOWN, MK_LBUTTON, ptCell);
    ::SendMessage(hPicker, WM_LBUTTONUP, 0, ptCell);
    chat.SetActiveWindow(); // the picker closes and frees itself
    PumpFor(kEmoticonsShotDelay);
    if (::IsWindow(hPicker))
        m_nExitCode = 1;
}

// Opens the "Contacts" dialog modeless, photographs it, then its message box, and closes both.
void CMainWnd::ShootContacts()
{
    CContactsDlg dialog(this);
    if (!dialog.Create(IDD_DEMO_CONTACTS, this)) {
        m_nExitCode = 1;
        return;
    }
    dialog.CenterWindow(this);
    dialog.ShowWindow(SW_SHOW);
    PumpFor(kDevicesShotDelay);
    dialog.UpdateWindow();
    SaveShot(dialog.m_hWnd, L"contacts");
    dialog.SendMessageBox(FALSE);
    const HWND hBox = OwnedDialog(dialog.m_hWnd);
    if (hBox == nullptr) {
        m_nExitCode = 1;
    } else {
        PumpFor(kDevicesShotDelay);
        ::UpdateWindow(hBox);
        SaveShot(hBox, L"msgbox");
        ::SendMessage(hBox, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    dialog.DestroyWindow();
}

void CMainWnd::OnContacts()
{
    CContactsDlg dialog(this);
    dialog.DoModal();
}

// Opens the emoticons window with one emoticon selected, lets it play for a moment (its picture
// is drawn by the animation thread), photographs it and closes it.
void CMainWnd::ShootEmoticons()
{
    CEmoticonsWnd* pWnd = OpenEmoticons();
    if (pWnd == nullptr) {
        m_nExitCode = 1;
        return;
    }
    pWnd->Select(kShotEmoticon);
    PumpFor(kEmoticonsShotDelay);
    pWnd->UpdateWindow();
    SaveShot(pWnd->GetSafeHwnd(), L"emoticons");
    pWnd->DestroyWindow();
}

// Opens the "Devices" window and photographs it with its sliders, which are windows of their own.
void CMainWnd::ShootDevices()
{
    OnDevices();
    if (m_devices.GetSafeHwnd() == nullptr) {
        m_nExitCode = 1;
        return;
    }
    // The sliders are windows of their own: give every window a moment to show and paint.
    PumpFor(kDevicesShotDelay);
    m_devices.PaintNow();
    if (!CWindowShot::SaveScreenAsPng(m_devices.ScreenArea(), m_strShotFolder + L"\\demo_devices.png"))
        m_nExitCode = 1;
    m_devices.DestroyWindow();
}

void CMainWnd::OnDevices()
{
    if (m_devices.GetSafeHwnd() != nullptr) {
        m_devices.SetActiveWindow();
        return;
    }
    m_devices.CreateDevices(this);
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

// Puts the mouse on the menu button, as a user would, and photographs its hover look.
void CMainWnd::ShootHoveredButton()
{
    CRect rc;
    m_btnTools.GetWindowRect(&rc);
    ::SetCursorPos(rc.CenterPoint().x, rc.CenterPoint().y);
    m_btnTools.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rc.Width() / 2, rc.Height() / 2));
    m_btnTools.UpdateWindow();
    SaveShot(L"button_hover");
    ::SetCursorPos(0, 0);
    m_btnTools.SendMessage(WM_MOUSELEAVE);
    m_btnTools.UpdateWindow();
}

// Opens a menu in one drawing style (the menu bar's "Contacts" popup, or the context menu over
// the panels); the menu loop delivers this window's timer, which photographs the window with the
// menu and closes the menu.
void CMainWnd::ShootMenu(UINT nDrawMode, BOOL bMenuBar, LPCTSTR pszName)
{
    BCMenu::SetMenuDrawMode(nDrawMode);
    CRect rcItem;
    if (bMenuBar && !::GetMenuItemRect(m_hWnd, m_menuBar.GetSafeHmenu(), 1, &rcItem))
        rcItem.SetRectEmpty();
    if (!bMenuBar) {
        GetWindowRect(&rcItem);
        rcItem = CRect(rcItem.CenterPoint(), rcItem.CenterPoint());
    }
    CMenu* pPopup = bMenuBar ? m_menuBar.GetSubMenu(1) : m_menuContext.GetSubMenu(0);
    m_strMenuShot = pszName;
    if (pPopup == nullptr || SetTimer(kMenuShotTimer, kMenuShotDelay, nullptr) == 0) {
        m_nExitCode = 1;
        return;
    }
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, rcItem.left, rcItem.bottom, this);
    KillTimer(kMenuShotTimer);
}

void CMainWnd::SaveMenuShot()
{
    const HWND hMenu = OpenPopupMenu();
    if (hMenu == nullptr) {
        m_nExitCode = 1;
        return;
    }
    ::UpdateWindow(hMenu);
    CRect rcWindow;
    CRect rcMenu;
    GetWindowRect(&rcWindow);
    ::GetWindowRect(hMenu, &rcMenu);
    CRect rcShot;
    rcShot.UnionRect(&rcWindow, &rcMenu);
    if (!CWindowShot::SaveScreenAsPng(rcShot, m_strShotFolder + L"\\demo_" + m_strMenuShot + L".png"))
        m_nExitCode = 1;
    ::EndMenu();
}

void CMainWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kMenuShotTimer) {
        KillTimer(kMenuShotTimer);
        SaveMenuShot();
        return;
    }
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
    m_transfers.Stop(); // no completion message after the window
    CWnd::OnDestroy();
    ::PostQuitMessage(m_nExitCode);
}

void CMainWnd::PostNcDestroy()
{
    delete this;
}
