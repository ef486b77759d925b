// CSkin drawing: nine-cell frames, bands and centre fills from the loaded pictures, and the
// borders with title bars around rich-edit controls, user lists and video panes.

#include <Skin.h>

#include <MaskDraw.h>

#include <afxwin.h>

namespace {

// Bars above and below controls are this high, whatever the height of their pictures.
const int kBarHeight = 24;
// A title in a rich-edit bar starts this far in from the bar's left end.
const int kTitleInset = 20;
// Width of the outline around a control, and how far a border reaches out at the sides.
const int kOutlineWidth = 1;
// The myinfo band is three cells of its picture high.
const int kMyinfoCells = 3;

const UINT kTitleLeft = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
const UINT kTitleCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const UINT kTitleEllipsis = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

// Source rectangle of cell (column, row) of a nine-cell picture.
CRect Cell(int nColumn, int nRow, int cx, int cy)
{
    return CRect(nColumn * cx, nRow * cy, (nColumn + 1) * cx, (nRow + 1) * cy);
}

bool CanDraw(CDC* pDC, const CBitmap& bmp)
{
    return pDC != nullptr && pDC->GetSafeHdc() != nullptr && bmp.GetSafeHandle() != nullptr;
}

// The window rectangle of pCtrl in the client coordinates of pParent.
CRect ChildRect(CWnd* pCtrl, CWnd* pParent)
{
    CRect rect;
    pCtrl->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

// The font a window answers to WM_GETFONT (null for the system font).
HFONT WindowFont(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return nullptr;
    return reinterpret_cast<HFONT>(pWnd->SendMessage(WM_GETFONT, 0, 0));
}

} // namespace

// ---- primitives ----

void CSkin::Draw(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    CDC memDC;
    if (!CanDraw(pDC, bmp) || !memDC.CreateCompatibleDC(pDC))
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    StretchTrans(pDC, bmp, mask, CRect(L + cx, T, R - cx, T + cy), &memDC, Cell(1, 0, cx, cy));
    StretchTrans(pDC, bmp, mask, CRect(L + cx, B - cy, R - cx, B), &memDC, Cell(1, 2, cx, cy));
    StretchTrans(pDC, bmp, mask, CRect(L, T + cy, L + cx, B - cy), &memDC, Cell(0, 1, cx, cy));
    StretchTrans(pDC, bmp, mask, CRect(R - cx, T + cy, R, B - cy), &memDC, Cell(2, 1, cx, cy));
    DrawTrans(pDC, bmp, mask, CRect(L, T, L + cx, T + cy), &memDC, CPoint(0, 0));
    DrawTrans(pDC, bmp, mask, CRect(R - cx, T, R, T + cy), &memDC, CPoint(2 * cx, 0));
    DrawTrans(pDC, bmp, mask, CRect(L, B - cy, L + cx, B), &memDC, CPoint(0, 2 * cy));
    DrawTrans(pDC, bmp, mask, CRect(R - cx, B - cy, R, B), &memDC, CPoint(2 * cx, 2 * cy));
}

void CSkin::DrawTop(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    CDC memDC;
    if (!CanDraw(pDC, bmp) || !memDC.CreateCompatibleDC(pDC))
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    StretchTrans(pDC, bmp, mask, CRect(L + cx, T, R - cx, T + cy), &memDC, Cell(1, 0, cx, cy));
    DrawTrans(pDC, bmp, mask, CRect(L, T, L + cx, T + cy), &memDC, CPoint(0, 0));
    DrawTrans(pDC, bmp, mask, CRect(R - cx, T, R, T + cy), &memDC, CPoint(2 * cx, 0));
    if (B - T <= cy)
        return;
    StretchTrans(pDC, bmp, mask, CRect(L, T + cy, L + cx, B), &memDC, Cell(0, 1, cx, cy));
    StretchTrans(pDC, bmp, mask, CRect(R - cx, T + cy, R, B), &memDC, Cell(2, 1, cx, cy));
}

void CSkin::DrawLeft(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    CDC memDC;
    if (!CanDraw(pDC, bmp) || !memDC.CreateCompatibleDC(pDC))
        return;
    StretchTrans(pDC, bmp, mask, CRect(rect.left, rect.top, rect.left + cx, rect.bottom), &memDC, Cell(0, 1, cx, cy));
}

void CSkin::DrawLR(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    CDC memDC;
    if (!CanDraw(pDC, bmp) || !memDC.CreateCompatibleDC(pDC))
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    DrawTrans(pDC, bmp, mask, CRect(L, T, L + cx, B), &memDC, CPoint(0, 0));
    StretchTrans(pDC, bmp, mask, CRect(L + cx, T, R - cx, B), &memDC, CRect(cx, 0, 2 * cx, 3 * cy));
    DrawTrans(pDC, bmp, mask, CRect(R - cx, T, R, B), &memDC, CPoint(2 * cx, 0));
}

void CSkin::DrawTB(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    CDC memDC;
    if (!CanDraw(pDC, bmp) || !memDC.CreateCompatibleDC(pDC))
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    DrawTrans(pDC, bmp, mask, CRect(L, T, R, T + cy), &memDC, CPoint(0, 0));
    StretchTrans(pDC, bmp, mask, CRect(L, T + cy, R, B - cy), &memDC, CRect(0, cy, 3 * cx, 2 * cy));
    DrawTrans(pDC, bmp, mask, CRect(L, B - cy, R, B), &memDC, CPoint(0, 2 * cy));
}

void CSkin::DrawCopy(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask)
{
    CDC memDC;
    if (!CanDraw(pDC, bmp) || !memDC.CreateCompatibleDC(pDC))
        return;
    DrawTrans(pDC, bmp, mask, rect, &memDC, CPoint(0, 0));
}

// Fills rect with the centre cell of a picture as a pattern. The brush is made on the first fill
// and kept in the element until the skin is emptied; the pattern follows the context's brush
// origin, not the rectangle.
void CSkin::FillCenter(CDC* pDC, const CRect& rect, CBitmap& bmp, int cx, int cy, CBrush& brush)
{
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    if (brush.GetSafeHandle() == nullptr && bmp.GetSafeHandle() != nullptr && cx > 0 && cy > 0) {
        CDC srcDC;
        CDC cellDC;
        CBitmap cell;
        if (srcDC.CreateCompatibleDC(pDC) && cellDC.CreateCompatibleDC(pDC) &&
            cell.CreateCompatibleBitmap(pDC, cx, cy)) {
            {
                CDCSelect srcSelect(&srcDC, &bmp);
                CDCSelect cellSelect(&cellDC, &cell);
                cellDC.BitBlt(0, 0, cx, cy, &srcDC, cx, cy, SRCCOPY);
            }
            brush.CreatePatternBrush(&cell);
        }
    }
    if (brush.GetSafeHandle() != nullptr)
        pDC->FillRect(&rect, &brush);
}

// ---- public operations by element ----

void CSkin::DrawFrameWithCentre(CDC* pDC, const CRect& rect, CSkinFrameFill& frame)
{
    CRect inside = rect;
    inside.DeflateRect(frame.m_cx, frame.m_cy);
    FillCenter(pDC, inside, frame.m_bmp, frame.m_cx, frame.m_cy, frame.m_brush);
    Draw(pDC, rect, frame.m_bmp, frame.m_mask, frame.m_cx, frame.m_cy);
}

void CSkin::Draw(CDC* pDC, CRect& rect, D_TYPE type)
{
    switch (type) {
    case DT_MAIN:
        DrawFrameWithCentre(pDC, rect, m_main);
        break;
    case DT_VIEWLOGO:
    case DT_VIEWLOGO_FILL:
        Draw(pDC, rect, m_viewlogo.m_bmp, m_viewlogo.m_mask, m_viewlogo.m_cx, m_viewlogo.m_cy);
        break;
    case DT_NORMALT:
        Draw(pDC, rect, m_normalt.m_bmp, m_normalt.m_mask, m_normalt.m_cx, m_normalt.m_cy);
        break;
    case DT_NORMALB:
        Draw(pDC, rect, m_normalb.m_bmp, m_normalb.m_mask, m_normalb.m_cx, m_normalb.m_cy);
        break;
    case DT_WIDE:
        Draw(pDC, rect, m_wide.m_bmp, m_wide.m_mask, m_wide.m_cx, m_wide.m_cy);
        break;
    case DT_LBTN:
        DrawTB(pDC, rect, m_lbtn.m_bmp, m_lbtn.m_mask, m_lbtn.m_cx, m_lbtn.m_cy);
        break;
    case DT_TBTN:
        DrawLR(pDC, rect, m_tbtn.m_bmp, m_tbtn.m_mask, m_tbtn.m_cx, m_tbtn.m_cy);
        break;
    case DT_MYALBUM:
        Draw(pDC, rect, m_myAlbum.m_bmp, m_myAlbum.m_mask, m_myAlbum.m_cx, m_myAlbum.m_cy);
        break;
    case DT_LBTN_COPY:
        DrawCopy(pDC, rect, m_lbtn.m_bmp, m_lbtn.m_mask);
        break;
    case DT_VIEWPAGE:
        DrawFrameWithCentre(pDC, rect, m_viewpage);
        break;
    case DT_MYINFO:
        rect.bottom = rect.top + kMyinfoCells * m_myinfo.m_cy;
        DrawLR(pDC, rect, m_myinfo.m_bmp, m_myinfo.m_mask, m_myinfo.m_cx, m_myinfo.m_cy);
        break;
    default:
        break;
    }
}

void CSkin::DrawTop(CDC* pDC, const CRect& rect, D_TYPE type)
{
    if (type == DT_MAIN)
        DrawTop(pDC, rect, m_main.m_bmp, m_main.m_mask, m_main.m_cx, m_main.m_cy);
}

void CSkin::DrawLeft(CDC* pDC, const CRect& rect, D_TYPE type)
{
    if (type == DT_MAIN)
        DrawLeft(pDC, rect, m_main.m_bmp, m_main.m_mask, m_main.m_cx, m_main.m_cy);
    else if (type == DT_NORMALT)
        DrawLeft(pDC, rect, m_normalt.m_bmp, m_normalt.m_mask, m_normalt.m_cx, m_normalt.m_cy);
}

void CSkin::FillCenter(CDC* pDC, const CRect& rect, D_TYPE type)
{
    switch (type) {
    case DT_MAIN:
        FillCenter(pDC, rect, m_main.m_bmp, m_main.m_cx, m_main.m_cy, m_main.m_brush);
        break;
    case DT_VIEWLOGO:
        if (pDC != nullptr && pDC->GetSafeHdc() != nullptr)
            pDC->FillSolidRect(&rect, m_clrNarrowBk);
        break;
    case DT_LBTN:
        FillCenter(pDC, rect, m_lbtn.m_bmp, m_lbtn.m_cx, m_lbtn.m_cy, m_lbtn.m_brush);
        break;
    case DT_VIEWPAGE:
        FillCenter(pDC, rect, m_viewpage.m_bmp, m_viewpage.m_cx, m_viewpage.m_cy, m_viewpage.m_brush);
        break;
    case DT_VIEWLOGO_FILL:
        FillCenter(pDC, rect, m_viewlogo.m_bmp, m_viewlogo.m_cx, m_viewlogo.m_cy, m_viewlogo.m_brush);
        break;
    case DT_RICHBOTTOM_STRIP:
        StretchStrip(pDC, rect);
        break;
    default:
        break;
    }
}

// The middle column of richbottom, its top rows as many as rect is high, stretched over rect
// with a plain copy. Rows below the picture are not read: a strip higher than the picture
// stretches the whole column instead.
void CSkin::StretchStrip(CDC* pDC, const CRect& rect)
{
    BITMAP info = {};
    CDC memDC;
    if (!CanDraw(pDC, m_richbottom.m_bmp) || rect.IsRectEmpty() || m_richbottom.m_bmp.GetBitmap(&info) == 0 ||
        !memDC.CreateCompatibleDC(pDC))
        return;
    CDCSelect select(&memDC, &m_richbottom.m_bmp);
    const int nSourceHeight = rect.Height() < info.bmHeight ? rect.Height() : info.bmHeight;
    pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memDC, m_richbottom.m_cx, 0, m_richbottom.m_cx,
                    nSourceHeight, SRCCOPY);
}

// ---- control borders ----

void CSkin::DrawBarTitle(CDC* pDC, CWnd* pFontWnd, CRect rectText, LPCTSTR lpszTitle, UINT nFormat, bool bTransparent)
{
    if (lpszTitle == nullptr)
        return;
    CDCSelect font(pDC->GetSafeHdc(), WindowFont(pFontWnd));
    const int nOldMode = bTransparent ? pDC->SetBkMode(TRANSPARENT) : 0;
    pDC->DrawText(lpszTitle, -1, &rectText, nFormat);
    if (bTransparent)
        pDC->SetBkMode(nOldMode);
}

// A one-pixel outline in the ctrl_border1x1 colour; Rectangle fills its inside with the
// context's current brush.
void CSkin::DrawOutline(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom)
{
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, kOutlineWidth, m_clrCtrlBorder1x1))
        return;
    CDCSelect select(pDC, &pen);
    pDC->Rectangle(nLeft, nTop, nRight, nBottom);
}

void CSkin::DrawRicheditBorder(CDC* pDC, CWnd* pFontWnd, CRect& rect, CTRL_TYPE type, LPCTSTR lpszTitle)
{
    const bool bBottomBar = type != CT_RICHEDIT;
    rect.InflateRect(kOutlineWidth, kBarHeight, kOutlineWidth, bBottomBar ? kBarHeight : kOutlineWidth);
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    DrawLR(pDC, CRect(L, T, R, T + kBarHeight), m_richtop.m_bmp, m_richtop.m_mask, m_richtop.m_cx, m_richtop.m_cy);
    if (!bBottomBar) {
        DrawBarTitle(pDC, pFontWnd, CRect(L + kTitleInset, T, R, T + kBarHeight), lpszTitle, kTitleLeft, false);
        DrawOutline(pDC, L, T + kBarHeight - kOutlineWidth, R, B);
        return;
    }
    DrawLR(pDC, CRect(L, B - kBarHeight, R, B), m_richbottom.m_bmp, m_richbottom.m_mask, m_richbottom.m_cx,
           m_richbottom.m_cy);
    DrawBarTitle(pDC, pFontWnd, CRect(L + kTitleInset, B - kBarHeight, R, B), lpszTitle, kTitleLeft, false);
    DrawOutline(pDC, L, T + kBarHeight - kOutlineWidth, R, B - kBarHeight);
}

void CSkin::DrawRicheditBorderEx(CDC* pDC, CWnd* pFontWnd, CRect& rect, CTRL_TYPE /*type*/, LPCTSTR lpszTitle)
{
    rect.InflateRect(kOutlineWidth, kBarHeight, kOutlineWidth, kBarHeight);
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    DrawLR(pDC, CRect(L, T, R, T + kBarHeight), m_richtop.m_bmp, m_richtop.m_mask, m_richtop.m_cx, m_richtop.m_cy);
    DrawLR(pDC, CRect(L, B - kBarHeight, R, B), m_richbottom.m_bmp, m_richbottom.m_mask, m_richbottom.m_cx,
           m_richbottom.m_cy);
    DrawBarTitle(pDC, pFontWnd, CRect(L, T, R, T + kBarHeight), lpszTitle, kTitleCentred, true);
    DrawOutline(pDC, L, T + kBarHeight - kOutlineWidth, R, B - kBarHeight);
}

void CSkin::DrawUserListBorder(CDC* pDC, CWnd* pFontWnd, CRect& rect, LPCTSTR lpszTitle)
{
    rect.InflateRect(kOutlineWidth, kBarHeight, kOutlineWidth, kOutlineWidth);
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    DrawLR(pDC, CRect(L, T, R, T + kBarHeight), m_richtop.m_bmp, m_richtop.m_mask, m_richtop.m_cx, m_richtop.m_cy);
    DrawBarTitle(pDC, pFontWnd, CRect(L, T, R, T + kBarHeight), lpszTitle, kTitleCentred, true);
    DrawOutline(pDC, L, T + kBarHeight - kOutlineWidth, R, B);
}

void CSkin::DrawVideoOne(CDC* pDC, CWnd* pPane, const CRect& rect, LPCTSTR lpszTitle, CONF_MODE mode)
{
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr || pPane == nullptr || pPane->GetSafeHwnd() == nullptr)
        return;
    CRect client;
    pPane->GetClientRect(&client);
    pDC->FillSolidRect(&client, mode == CM_CHAT ? m_clrChatVideoBk : m_clrVideoBk);
    DrawOutline(pDC, rect.left - kOutlineWidth, rect.top - kOutlineWidth, rect.right + kOutlineWidth, client.bottom);
    // The caption strip runs from the picture's bottom to one pixel above the client bottom.
    const int nStripBottom = client.bottom - kOutlineWidth;
    StretchStrip(pDC, CRect(rect.left, rect.bottom, rect.right, nStripBottom));
    if (lpszTitle == nullptr || *lpszTitle == L'\0')
        return;
    CRect rectText(rect.left - kOutlineWidth, rect.bottom, rect.right + kOutlineWidth, nStripBottom);
    CDCSelect font(pDC->GetSafeHdc(), WindowFont(pPane));
    const bool bFits = pDC->GetTextExtent(lpszTitle, static_cast<int>(wcslen(lpszTitle))).cx <= rectText.Width();
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(lpszTitle, -1, &rectText, bFits ? kTitleCentred : kTitleEllipsis);
    pDC->SetBkMode(nOldMode);
}

void CSkin::DrawCtrlBorder(CDC* pDC, CRect& rect, CWnd* pFontWnd, CTRL_TYPE type, LPCTSTR lpszTitle)
{
    if (type == CT_RICHEDIT || type == CT_RICHEDIT_BARS)
        DrawRicheditBorder(pDC, pFontWnd, rect, type, lpszTitle);
    else if (type == CT_USERLIST)
        DrawUserListBorder(pDC, pFontWnd, rect, lpszTitle);
}

void CSkin::DrawCtrlBorder(CDC* pDC, CWnd* pCtrl, CWnd* pParent, CTRL_TYPE type, LPCTSTR lpszTitle)
{
    if (pCtrl == nullptr || pParent == nullptr)
        return;
    CRect rect = ChildRect(pCtrl, pParent);
    DrawCtrlBorder(pDC, rect, pParent, type, lpszTitle);
}

void CSkin::GetCtrlRect(CWnd* pCtrl, CWnd* pParent, CTRL_TYPE type, CRect& rect)
{
    if (pCtrl == nullptr || pParent == nullptr)
        return;
    rect = ChildRect(pCtrl, pParent);
    DrawCtrlBorder(nullptr, rect, pParent, type, nullptr);
}
