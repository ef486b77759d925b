// Measuring and drawing owner-drawn menu items in the XP and the classic style.
#include "controls/BCMenuPainter.h"

#include <afxlite/CPen.h>

#include <algorithm>

namespace {

// Sizes of the item layout, in pixels.
const int kMarginPlain = 4;  // around images
const int kMargin3D = 7;     // around raised images (room for the shadow)
const int kXPWidthExtra = 8; // text room of XP-style items besides the margin
const int kImageGap = 3;     // between the image column's edge and the image
const int kTextGap = 6;      // between the image column and the text
const int kCheckInset = 1;   // the check box inside the image column
const int kShadowShift = 1;  // a raised image moves this far up-left, its shadow down-right
const int kBarTextPadding = 6;

// Colour factors of the XP style.
const double kFaceTintOffLuna = 0.25;
const double kSelectTintLuna = 0.7;
const double kSelectTintOffLuna = 0.85;
const double kCheckTint = 0.85;
const double kDisabledTextTint = 0.4;

// The window class of popup menus: an item drawn into any other window is a menu bar's.
const wchar_t kPopupMenuClass[] = L"#32768";

const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_EXPANDTABS;

} // namespace

// The XP routine's colours, derived from the system colours.
struct BCMenuPainter::Colours {
    COLORREF crFace;     // the image column
    COLORREF crBack;     // behind the text
    COLORREF crSelect;   // the selection box
    COLORREF crFrame;    // the selection box's and the check box's frame
    COLORREF crCheckBox; // behind the image or mark of a checked item
    COLORREF crText;
    COLORREF crGrayText;

    Colours()
    {
        const bool bLuna = BCMenu::IsWinXPLuna() != FALSE;
        const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
        crFace =
            bLuna ? ::GetSysColor(COLOR_3DFACE) : BCMenu::LightenColor(::GetSysColor(COLOR_3DFACE), kFaceTintOffLuna);
        crBack = ::GetSysColor(COLOR_WINDOW);
        crSelect = BCMenu::LightenColor(crHighlight, bLuna ? kSelectTintLuna : kSelectTintOffLuna);
        crFrame = crHighlight;
        crCheckBox = BCMenu::LightenColor(crHighlight, kCheckTint);
        crText = ::GetSysColor(COLOR_MENUTEXT);
        crGrayText = ::GetSysColor(COLOR_GRAYTEXT);
    }
};

// ---- Measuring ----

void BCMenuPainter::CreateMenuFont(CFont& font)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font.CreateFontIndirect(&metrics.lfMenuFont);
}

BCMenuPainter::TextMeasure::TextMeasure() : m_dc(AfxGetSafeHwnd(AfxGetMainWnd()))
{
    // The font is selected on every system that measures at all: text measured in another font
    // than the one it is drawn in would not fit its item.
    if (BCMenu::m_nSystemClass == BCMENU_SYSTEM_OLD || m_dc.Get() == nullptr)
        return;
    CreateMenuFont(m_font);
    m_select.emplace(m_dc.Get(), m_font.m_hObject);
}

int BCMenuPainter::TextMeasure::Width(const CString& strText) const
{
    if (BCMenu::m_nSystemClass == BCMENU_SYSTEM_OLD || m_dc.Get() == nullptr)
        return 0;
    CRect rcText(0, 0, 0, 0);
    CString strCopy = strText;
    ::DrawTextW(m_dc.Get(), strCopy, strCopy.GetLength(), &rcText, kTextFormat | DT_CALCRECT);
    return rcText.Width();
}

int BCMenuPainter::Margin()
{
    return (BCMenu::IsLunaMenuStyle() && BCMenu::xp_draw_3D_bitmaps) ? kMargin3D : kMarginPlain;
}

void BCMenuPainter::Measure(const BCMenu& menu, const BCMenuData& data, MEASUREITEMSTRUCT& mis)
{
    const int nMargin = Margin();
    const int nMenuHeight = ::GetSystemMetrics(SM_CYMENU);
    if (data.nFlags & MF_SEPARATOR) {
        mis.itemWidth = 0;
        mis.itemHeight = static_cast<UINT>(std::max((menu.m_iconY + nMargin) / 2, nMenuHeight / 2));
        return;
    }
    const int nTextWidth = TextMeasure().Width(data.GetString());
    const int nWidth = BCMenu::IsLunaMenuStyle() ? menu.m_iconX + nTextWidth + nMargin + kXPWidthExtra
                                                 : nTextWidth + 2 * menu.m_iconX + 1;
    mis.itemWidth = static_cast<UINT>(nWidth);
    mis.itemHeight = static_cast<UINT>(std::max(nMenuHeight, menu.m_iconY + nMargin));
}

// ---- Drawing ----

BCMenuPainter::BCMenuPainter(const BCMenu& menu, const BCMenuData& data, const DRAWITEMSTRUCT& dis)
    : m_menu(menu), m_data(data), m_dis(dis), m_pDC(CDC::FromHandle(dis.hDC)), m_rcItem(dis.rcItem),
      m_bSelected((dis.itemState & ODS_SELECTED) != 0), m_bDisabled((dis.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0),
      m_bChecked((dis.itemState & ODS_CHECKED) != 0)
{
}

void BCMenuPainter::Draw()
{
    const CDCSaveState saved(m_pDC);
    CFont font;
    CreateMenuFont(font);
    const CDCSelect selectFont(m_pDC, &font);
    m_pDC->SetBkMode(TRANSPARENT);
    if (IsMenuBarItem())
        DrawBarItem();
    else if (!(m_pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) && BCMenu::GetMenuDrawMode() == BCMENU_DRAWMODE_XP)
        DrawXP();
    else
        DrawClassic();
}

bool BCMenuPainter::IsSelectable() const
{
    return m_bSelected && (!m_bDisabled || BCMenu::GetSelectDisableMode());
}

bool BCMenuPainter::IsMenuBarItem() const
{
    wchar_t szClass[16] = {};
    const HWND hWnd = ::WindowFromDC(m_dis.hDC);
    if (hWnd == nullptr || !::GetClassNameW(hWnd, szClass, 16))
        return false;
    return lstrcmpW(szClass, kPopupMenuClass) != 0;
}

bool BCMenuPainter::FindImage(CImageList*& pImages, int& nIndex) const
{
    if (m_data.m_pBitmap != nullptr && m_data.xoffset >= 0) {
        pImages = m_data.m_pBitmap;
        nIndex = m_data.xoffset;
        return true;
    }
    if (m_data.global_offset >= 0 && m_data.global_offset < BCMenu::m_AllImages.GetImageCount()) {
        pImages = &BCMenu::m_AllImages;
        nIndex = m_data.global_offset;
        return true;
    }
    return false;
}

void BCMenuPainter::DrawText(const CRect& rcText, COLORREF crText, UINT nExtraFormat)
{
    CRect rc = rcText;
    const UINT nPrefix = (m_dis.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    m_pDC->SetTextColor(crText);
    CString strText = m_data.GetString();
    m_pDC->DrawText(strText, &rc, kTextFormat | nPrefix | nExtraFormat);
}

void BCMenuPainter::DrawEngravedText(const CRect& rcText)
{
    CRect rcLight = rcText;
    rcLight.OffsetRect(1, 1);
    DrawText(rcLight, ::GetSysColor(COLOR_3DHILIGHT));
    DrawText(rcText, ::GetSysColor(COLOR_3DSHADOW));
}

// A tick (or a dot for radio items) centred in rcBox.
void BCMenuPainter::DrawCheckMark(const CRect& rcBox, COLORREF crMark)
{
    const CPoint centre = rcBox.CenterPoint();
    if (m_data.nFlags & MFT_RADIOCHECK) {
        CBrush brush(crMark);
        CPen pen(PS_SOLID, 1, crMark);
        const CDCSelect selectBrush(m_pDC, &brush);
        const CDCSelect selectPen(m_pDC, &pen);
        m_pDC->Ellipse(centre.x - 3, centre.y - 3, centre.x + 3, centre.y + 3);
        return;
    }
    CPen pen(PS_SOLID, 2, crMark);
    const CDCSelect selectPen(m_pDC, &pen);
    m_pDC->MoveTo(centre.x - 4, centre.y);
    m_pDC->LineTo(centre.x - 1, centre.y + 3);
    m_pDC->LineTo(centre.x + 4, centre.y - 3);
}

// The menu's check-mark bitmaps where it has them (the checked one first, the unchecked one
// second), else a drawn mark for checked items.
void BCMenuPainter::DrawCheckIndicator(const CRect& rcBox, COLORREF crMark)
{
    CImageList* pMarks = m_menu.checkmaps;
    const int nMark = m_bChecked ? 0 : 1;
    if (pMarks != nullptr && nMark < pMarks->GetImageCount()) {
        const CPoint pt(rcBox.left + (rcBox.Width() - m_menu.m_iconX) / 2,
                        rcBox.top + (rcBox.Height() - m_menu.m_iconY) / 2);
        pMarks->Draw(m_pDC, nMark, pt, ILD_TRANSPARENT);
        return;
    }
    if (m_bChecked)
        DrawCheckMark(rcBox, crMark);
}

// ---- XP style ----

void BCMenuPainter::DrawXP()
{
    const Colours colours;
    const int nColumnWidth = m_menu.m_iconX + 2 * kImageGap;
    CRect rcColumn(m_rcItem.left, m_rcItem.top, m_rcItem.left + nColumnWidth, m_rcItem.bottom);
    CRect rcText(rcColumn.right + kTextGap, m_rcItem.top, m_rcItem.right, m_rcItem.bottom);

    m_pDC->FillSolidRect(&m_rcItem, colours.crBack);
    m_pDC->FillSolidRect(&rcColumn, colours.crFace);
    if (m_data.nFlags & MF_SEPARATOR) {
        const int y = m_rcItem.top + m_rcItem.Height() / 2;
        m_pDC->FillSolidRect(rcText.left, y, rcText.Width(), 1, ::GetSysColor(COLOR_3DSHADOW));
        return;
    }
    if (IsSelectable()) {
        m_pDC->FillSolidRect(&m_rcItem, colours.crSelect);
        m_pDC->Draw3dRect(&m_rcItem, colours.crFrame, colours.crFrame);
    }
    if (m_bChecked) {
        CRect rcBox = rcColumn;
        rcBox.DeflateRect(kCheckInset, kCheckInset);
        m_pDC->FillSolidRect(&rcBox, colours.crCheckBox);
        m_pDC->Draw3dRect(&rcBox, colours.crFrame, colours.crFrame);
    }
    DrawXPImage(rcColumn);
    COLORREF crText = colours.crText;
    if (m_bDisabled)
        crText = IsSelectable() ? colours.crGrayText : BCMenu::LightenColor(colours.crGrayText, kDisabledTextTint);
    DrawText(rcText, crText);
}

void BCMenuPainter::DrawXPImage(const CRect& rcColumn)
{
    CImageList* pImages = nullptr;
    int nIndex = -1;
    const CPoint pt(rcColumn.left + kImageGap, rcColumn.top + (rcColumn.Height() - m_menu.m_iconY) / 2);
    if (!FindImage(pImages, nIndex)) {
        CRect rcBox = rcColumn;
        rcBox.DeflateRect(kCheckInset, kCheckInset);
        DrawCheckIndicator(rcBox, Colours().crText);
        return;
    }
    if (m_bDisabled) {
        const CIconHandle icon(pImages->ExtractIcon(nIndex));
        ::DrawStateW(m_pDC->m_hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, pt.x, pt.y, 0, 0,
                     DST_ICON | DSS_DISABLED);
        return;
    }
    const bool b3D =
        pImages == &BCMenu::m_AllImages && BCMenu::xp_draw_3D_bitmaps && BCMenu::CanDraw3DImageList(nIndex);
    if (b3D && m_bSelected && !m_bChecked) {
        pImages->Draw(m_pDC, nIndex + 2, CPoint(pt.x + kShadowShift, pt.y + kShadowShift), ILD_TRANSPARENT);
        pImages->Draw(m_pDC, nIndex, CPoint(pt.x - kShadowShift, pt.y - kShadowShift), ILD_TRANSPARENT);
        return;
    }
    pImages->Draw(m_pDC, (b3D && !m_bSelected) ? nIndex + 1 : nIndex, pt, ILD_TRANSPARENT);
}

// ---- Classic style ----

void BCMenuPainter::DrawClassic()
{
    const COLORREF crMenu = ::GetSysColor(COLOR_MENU);
    m_pDC->FillSolidRect(&m_rcItem, crMenu);
    if (m_data.nFlags & MF_SEPARATOR) {
        CRect rcEdge = m_rcItem;
        m_pDC->DrawEdge(&rcEdge, EDGE_ETCHED, BF_TOP);
        return;
    }
    const int nColumnWidth = m_menu.m_iconX + 2 * kImageGap;
    const CRect rcColumn(m_rcItem.left, m_rcItem.top, m_rcItem.left + nColumnWidth, m_rcItem.bottom);
    CImageList* pImages = nullptr;
    int nIndex = -1;
    const bool bImage = FindImage(pImages, nIndex);
    // The highlight leaves an image's column to the image's raised frame.
    CRect rcHighlight = m_rcItem;
    if (bImage)
        rcHighlight.left = rcColumn.right;
    const bool bHighlight = IsSelectable();
    if (bHighlight)
        m_pDC->FillSolidRect(&rcHighlight, ::GetSysColor(COLOR_HIGHLIGHT));
    DrawClassicImage(rcColumn);
    const CRect rcText(rcColumn.right + kTextGap, m_rcItem.top, m_rcItem.right, m_rcItem.bottom);
    if (m_bDisabled && !bHighlight)
        DrawEngravedText(rcText);
    else if (m_bDisabled)
        DrawText(rcText, ::GetSysColor(COLOR_GRAYTEXT));
    else
        DrawText(rcText, ::GetSysColor(bHighlight ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
}

void BCMenuPainter::DrawClassicImage(const CRect& rcColumn)
{
    CImageList* pImages = nullptr;
    int nIndex = -1;
    CRect rcFrame = rcColumn;
    rcFrame.DeflateRect(kCheckInset, kCheckInset);
    if (!FindImage(pImages, nIndex)) {
        DrawCheckIndicator(rcFrame, ::GetSysColor(IsSelectable() ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        return;
    }
    const CPoint pt(rcColumn.left + kImageGap, rcColumn.top + (rcColumn.Height() - m_menu.m_iconY) / 2);
    if (m_bDisabled) {
        const CIconHandle icon(pImages->ExtractIcon(nIndex));
        ::DrawStateW(m_pDC->m_hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, pt.x, pt.y, 0, 0,
                     DST_ICON | DSS_DISABLED);
        return;
    }
    pImages->Draw(m_pDC, nIndex, pt, ILD_TRANSPARENT);
    const COLORREF crLight = ::GetSysColor(COLOR_3DHILIGHT);
    const COLORREF crDark = ::GetSysColor(COLOR_3DSHADOW);
    if (m_bChecked)
        m_pDC->Draw3dRect(&rcFrame, crDark, crLight); // sunken
    else if (m_bSelected)
        m_pDC->Draw3dRect(&rcFrame, crLight, crDark); // raised
}

// ---- Menu bar ----

void BCMenuPainter::DrawBarItem()
{
    const bool bHot = (m_dis.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0 && !m_bDisabled;
    const bool bXP = BCMenu::GetMenuDrawMode() == BCMENU_DRAWMODE_XP;
    m_pDC->FillSolidRect(&m_rcItem, ::GetSysColor(COLOR_MENU));
    COLORREF crText = ::GetSysColor(m_bDisabled ? COLOR_GRAYTEXT : COLOR_MENUTEXT);
    if (bHot && bXP) {
        const Colours colours;
        m_pDC->FillSolidRect(&m_rcItem, colours.crSelect);
        m_pDC->Draw3dRect(&m_rcItem, colours.crFrame, colours.crFrame);
    } else if (bHot) {
        m_pDC->FillSolidRect(&m_rcItem, ::GetSysColor(COLOR_HIGHLIGHT));
        crText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    CRect rcText = m_rcItem;
    rcText.DeflateRect(kBarTextPadding, 0);
    DrawText(rcText, crText, DT_CENTER);
}
