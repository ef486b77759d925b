// CSkin drawing: nine-cell frames, bands and centre fills from the loaded pictures, and the
// borders with title bars around rich-edit controls, user lists and video panes.

#include <Skin.h>

#include <MaskDraw.h>

#include <afxwin.h>

#include "gdi/StretchedPieceCache.h"

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

// ---- pieces and layouts ----

namespace {

// One piece of a picture drawn through its mask: the source rectangle into the target
// rectangle, stretched when the two sizes differ.
struct Piece {
    CRect target;
    CRect source;
};

// The pieces of one primitive in drawing order; a later piece covers an earlier one where the
// target is too small for the cells to stay apart.
class CLayout {
public:
    void Stretch(const CRect& target, const CRect& source)
    {
        ASSERT(m_nCount < kMaxPieces);
        m_pieces[m_nCount++] = {target, source};
    }
    // The part of the picture at source as large as the target, unscaled.
    void Copy(const CRect& target, CPoint source) { Stretch(target, CRect(source, target.Size())); }

    const Piece* begin() const { return m_pieces; }
    const Piece* end() const { return m_pieces + m_nCount; }

private:
    static const int kMaxPieces = 8;
    Piece m_pieces[kMaxPieces];
    int m_nCount = 0;
};

// Nine-cell frame, centre left alone: edges stretched, then the corners.
CLayout NineCells(const CRect& rect, int cx, int cy)
{
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    CLayout layout;
    layout.Stretch(CRect(L + cx, T, R - cx, T + cy), Cell(1, 0, cx, cy));
    layout.Stretch(CRect(L + cx, B - cy, R - cx, B), Cell(1, 2, cx, cy));
    layout.Stretch(CRect(L, T + cy, L + cx, B - cy), Cell(0, 1, cx, cy));
    layout.Stretch(CRect(R - cx, T + cy, R, B - cy), Cell(2, 1, cx, cy));
    layout.Copy(CRect(L, T, L + cx, T + cy), CPoint(0, 0));
    layout.Copy(CRect(R - cx, T, R, T + cy), CPoint(2 * cx, 0));
    layout.Copy(CRect(L, B - cy, L + cx, B), CPoint(0, 2 * cy));
    layout.Copy(CRect(R - cx, B - cy, R, B), CPoint(2 * cx, 2 * cy));
    return layout;
}

// Frame open at the bottom: top edge and corners, the side edges only below a first row.
CLayout OpenFrame(const CRect& rect, int cx, int cy)
{
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    CLayout layout;
    layout.Stretch(CRect(L + cx, T, R - cx, T + cy), Cell(1, 0, cx, cy));
    layout.Copy(CRect(L, T, L + cx, T + cy), CPoint(0, 0));
    layout.Copy(CRect(R - cx, T, R, T + cy), CPoint(2 * cx, 0));
    if (B - T <= cy)
        return layout;
    layout.Stretch(CRect(L, T + cy, L + cx, B), Cell(0, 1, cx, cy));
    layout.Stretch(CRect(R - cx, T + cy, R, B), Cell(2, 1, cx, cy));
    return layout;
}

CLayout LeftEdge(const CRect& rect, int cx, int cy)
{
    CLayout layout;
    layout.Stretch(CRect(rect.left, rect.top, rect.left + cx, rect.bottom), Cell(0, 1, cx, cy));
    return layout;
}

// Horizontal band (bars): left and right caps unscaled, the whole middle column stretched.
CLayout HorizontalBand(const CRect& rect, int cx, int cy)
{
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    CLayout layout;
    layout.Copy(CRect(L, T, L + cx, B), CPoint(0, 0));
    layout.Stretch(CRect(L + cx, T, R - cx, B), CRect(cx, 0, 2 * cx, 3 * cy));
    layout.Copy(CRect(R - cx, T, R, B), CPoint(2 * cx, 0));
    return layout;
}

// Vertical band: top and bottom caps unscaled, the whole middle row stretched.
CLayout VerticalBand(const CRect& rect, int cx, int cy)
{
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    CLayout layout;
    layout.Copy(CRect(L, T, R, T + cy), CPoint(0, 0));
    layout.Stretch(CRect(L, T + cy, R, B - cy), CRect(0, cy, 3 * cx, 2 * cy));
    layout.Copy(CRect(L, B - cy, R, B), CPoint(0, 2 * cy));
    return layout;
}

CLayout WholeCopy(const CRect& rect)
{
    CLayout layout;
    layout.Copy(rect, CPoint(0, 0));
    return layout;
}

// Draws the pieces from the cache of stretched pieces, or those it does not take through one
// memory context; nothing without a picture. Without a mask StretchTrans leaves the target as it
// was, and the cache is not asked.
void DrawLayout(CStretchedPieceCache& pieces, CDC* pDC, CBitmap& bmp, CBitmap& mask, const CLayout& layout)
{
    if (!CanDraw(pDC, bmp))
        return;
    const HBITMAP hMask = static_cast<HBITMAP>(mask.GetSafeHandle());
    CDC memDC;
    for (const Piece& piece : layout) {
        if (hMask && pieces.Draw(pDC->GetSafeHdc(), static_cast<HBITMAP>(bmp.GetSafeHandle()), hMask, piece.target,
                                 piece.source))
            continue;
        if (memDC.GetSafeHdc() == nullptr && !memDC.CreateCompatibleDC(pDC))
            return;
        StretchTrans(pDC, bmp, mask, piece.target, &memDC, piece.source);
    }
}

// ---- the elements ----

// A skin picture as the element table sees it; only pictures with a fill pattern have a brush.
struct PictureRef {
    CBitmap& bmp;
    CBitmap& mask;
    int cx;
    int cy;
    CBrush* brush;
};

PictureRef RefOf(CSkinFrameFill& frame)
{
    return {frame.m_bmp, frame.m_mask, frame.m_cx, frame.m_cy, &frame.m_brush};
}

PictureRef RefOf(CSkinFrame& frame)
{
    return {frame.m_bmp, frame.m_mask, frame.m_cx, frame.m_cy, nullptr};
}

template <auto Member>
PictureRef PictureOf(CSkin& skin)
{
    return RefOf(skin.*Member);
}

// What Draw draws of an element.
enum class Shape { Nothing, NineCells, HorizontalBand, VerticalBand, WholeCopy };
// Whether Draw first fills the inside of a nine-cell frame with the centre pattern.
enum class Inside { Left, Filled };
// What DrawTop and DrawLeft draw.
enum class Top { Nothing, OpenFrame };
enum class Left { Nothing, Edge };
// What FillCenter fills with.
enum class Centre { Nothing, Pattern, NarrowColour, RichbottomStrip };

struct Element {
    D_TYPE type;
    PictureRef (*picture)(CSkin&);
    Shape shape;
    Inside inside;
    int nCellsHigh; // Draw first makes the caller's rectangle this many cells high (0: as it is)
    Top top;
    Left left;
    Centre centre;
};

// Every element type of the public operations; a type not listed draws nothing.
const Element kElements[] = {
    {DT_MAIN, &PictureOf<&CSkin::m_main>, Shape::NineCells, Inside::Filled, 0, Top::OpenFrame, Left::Edge,
     Centre::Pattern},
    {DT_VIEWLOGO, &PictureOf<&CSkin::m_viewlogo>, Shape::NineCells, Inside::Left, 0, Top::Nothing, Left::Nothing,
     Centre::NarrowColour},
    {DT_NORMALT, &PictureOf<&CSkin::m_normalt>, Shape::NineCells, Inside::Left, 0, Top::Nothing, Left::Edge,
     Centre::Nothing},
    {DT_NORMALB, &PictureOf<&CSkin::m_normalb>, Shape::NineCells, Inside::Left, 0, Top::Nothing, Left::Nothing,
     Centre::Nothing},
    {DT_WIDE, &PictureOf<&CSkin::m_wide>, Shape::NineCells, Inside::Left, 0, Top::Nothing, Left::Nothing,
     Centre::Nothing},
    {DT_LBTN, &PictureOf<&CSkin::m_lbtn>, Shape::VerticalBand, Inside::Left, 0, Top::Nothing, Left::Nothing,
     Centre::Pattern},
    {DT_TBTN, &PictureOf<&CSkin::m_tbtn>, Shape::HorizontalBand, Inside::Left, 0, Top::Nothing, Left::Nothing,
     Centre::Nothing},
    {DT_MYALBUM, &PictureOf<&CSkin::m_myAlbum>, Shape::NineCells, Inside::Left, 0, Top::Nothing, Left::Nothing,
     Centre::Nothing},
    {DT_LBTN_COPY, &PictureOf<&CSkin::m_lbtn>, Shape::WholeCopy, Inside::Left, 0, Top::Nothing, Left::Nothing,
     Centre::Nothing},
    {DT_VIEWPAGE, &PictureOf<&CSkin::m_viewpage>, Shape::NineCells, Inside::Filled, 0, Top::Nothing, Left::Nothing,
     Centre::Pattern},
    {DT_MYINFO, &PictureOf<&CSkin::m_myinfo>, Shape::HorizontalBand, Inside::Left, kMyinfoCells, Top::Nothing,
     Left::Nothing, Centre::Nothing},
    {DT_VIEWLOGO_FILL, &PictureOf<&CSkin::m_viewlogo>, Shape::NineCells, Inside::Left, 0, Top::Nothing, Left::Nothing,
     Centre::Pattern},
    {DT_RICHBOTTOM_STRIP, &PictureOf<&CSkin::m_richbottom>, Shape::Nothing, Inside::Left, 0, Top::Nothing,
     Left::Nothing, Centre::RichbottomStrip},
};

const Element* FindElement(D_TYPE type)
{
    for (const Element& element : kElements) {
        if (element.type == type)
            return &element;
    }
    return nullptr;
}

} // namespace

// ---- primitives ----

void CSkin::Draw(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    DrawLayout(*m_pPieces, pDC, bmp, mask, NineCells(rect, cx, cy));
}

void CSkin::DrawTop(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    DrawLayout(*m_pPieces, pDC, bmp, mask, OpenFrame(rect, cx, cy));
}

void CSkin::DrawLeft(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    DrawLayout(*m_pPieces, pDC, bmp, mask, LeftEdge(rect, cx, cy));
}

void CSkin::DrawLR(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    DrawLayout(*m_pPieces, pDC, bmp, mask, HorizontalBand(rect, cx, cy));
}

void CSkin::DrawTB(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy)
{
    DrawLayout(*m_pPieces, pDC, bmp, mask, VerticalBand(rect, cx, cy));
}

void CSkin::DrawCopy(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask)
{
    DrawLayout(*m_pPieces, pDC, bmp, mask, WholeCopy(rect));
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

void CSkin::Draw(CDC* pDC, CRect& rect, D_TYPE type)
{
    const Element* element = FindElement(type);
    if (element == nullptr || element->shape == Shape::Nothing)
        return;
    const PictureRef picture = element->picture(*this);
    if (element->nCellsHigh > 0)
        rect.bottom = rect.top + element->nCellsHigh * picture.cy;
    if (element->inside == Inside::Filled) {
        CRect inside = rect;
        inside.DeflateRect(picture.cx, picture.cy);
        FillCenter(pDC, inside, picture.bmp, picture.cx, picture.cy, *picture.brush);
    }
    switch (element->shape) {
    case Shape::NineCells:
        Draw(pDC, rect, picture.bmp, picture.mask, picture.cx, picture.cy);
        break;
    case Shape::HorizontalBand:
        DrawLR(pDC, rect, picture.bmp, picture.mask, picture.cx, picture.cy);
        break;
    case Shape::VerticalBand:
        DrawTB(pDC, rect, picture.bmp, picture.mask, picture.cx, picture.cy);
        break;
    case Shape::WholeCopy:
        DrawCopy(pDC, rect, picture.bmp, picture.mask);
        break;
    case Shape::Nothing:
        break;
    }
}

void CSkin::DrawTop(CDC* pDC, const CRect& rect, D_TYPE type)
{
    const Element* element = FindElement(type);
    if (element == nullptr || element->top != Top::OpenFrame)
        return;
    const PictureRef picture = element->picture(*this);
    DrawTop(pDC, rect, picture.bmp, picture.mask, picture.cx, picture.cy);
}

void CSkin::DrawLeft(CDC* pDC, const CRect& rect, D_TYPE type)
{
    const Element* element = FindElement(type);
    if (element == nullptr || element->left != Left::Edge)
        return;
    const PictureRef picture = element->picture(*this);
    DrawLeft(pDC, rect, picture.bmp, picture.mask, picture.cx, picture.cy);
}

void CSkin::FillCenter(CDC* pDC, const CRect& rect, D_TYPE type)
{
    const Element* element = FindElement(type);
    if (element == nullptr)
        return;
    const PictureRef picture = element->picture(*this);
    switch (element->centre) {
    case Centre::Pattern:
        FillCenter(pDC, rect, picture.bmp, picture.cx, picture.cy, *picture.brush);
        break;
    case Centre::NarrowColour:
        if (pDC != nullptr && pDC->GetSafeHdc() != nullptr)
            pDC->FillSolidRect(&rect, m_clrNarrowBk);
        break;
    case Centre::RichbottomStrip:
        StretchStrip(pDC, rect);
        break;
    case Centre::Nothing:
        break;
    }
}

// The middle column of richbottom, its top rows as many as rect is high, stretched over rect
// with a plain copy. Rows below the picture are not read: a strip higher than the picture
// stretches the whole column instead.
void CSkin::StretchStrip(CDC* pDC, const CRect& rect)
{
    BITMAP info = {};
    if (!CanDraw(pDC, m_richbottom.m_bmp) || rect.IsRectEmpty() || m_richbottom.m_bmp.GetBitmap(&info) == 0)
        return;
    const int nSourceHeight = rect.Height() < info.bmHeight ? rect.Height() : info.bmHeight;
    const CRect source(m_richbottom.m_cx, 0, 2 * m_richbottom.m_cx, nSourceHeight);
    if (m_pPieces->Draw(pDC->GetSafeHdc(), static_cast<HBITMAP>(m_richbottom.m_bmp.GetSafeHandle()), nullptr, rect,
                        source))
        return;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    CDCSelect select(&memDC, &m_richbottom.m_bmp);
    pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memDC, m_richbottom.m_cx, 0, m_richbottom.m_cx,
                    nSourceHeight, SRCCOPY);
}

// ---- control borders ----

void CSkin::DrawBar(CDC* pDC, const CRect& rect, CSkinFrame& picture)
{
    DrawLR(pDC, rect, picture.m_bmp, picture.m_mask, picture.m_cx, picture.m_cy);
}

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
    DrawBar(pDC, CRect(L, T, R, T + kBarHeight), m_richtop);
    if (!bBottomBar) {
        DrawBarTitle(pDC, pFontWnd, CRect(L + kTitleInset, T, R, T + kBarHeight), lpszTitle, kTitleLeft, false);
        DrawOutline(pDC, L, T + kBarHeight - kOutlineWidth, R, B);
        return;
    }
    DrawBar(pDC, CRect(L, B - kBarHeight, R, B), m_richbottom);
    DrawBarTitle(pDC, pFontWnd, CRect(L + kTitleInset, B - kBarHeight, R, B), lpszTitle, kTitleLeft, false);
    DrawOutline(pDC, L, T + kBarHeight - kOutlineWidth, R, B - kBarHeight);
}

void CSkin::DrawRicheditBorderEx(CDC* pDC, CWnd* pFontWnd, CRect& rect, CTRL_TYPE /*type*/, LPCTSTR lpszTitle)
{
    rect.InflateRect(kOutlineWidth, kBarHeight, kOutlineWidth, kBarHeight);
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    DrawBar(pDC, CRect(L, T, R, T + kBarHeight), m_richtop);
    DrawBar(pDC, CRect(L, B - kBarHeight, R, B), m_richbottom);
    DrawBarTitle(pDC, pFontWnd, CRect(L, T, R, T + kBarHeight), lpszTitle, kTitleCentred, true);
    DrawOutline(pDC, L, T + kBarHeight - kOutlineWidth, R, B - kBarHeight);
}

void CSkin::DrawUserListBorder(CDC* pDC, CWnd* pFontWnd, CRect& rect, LPCTSTR lpszTitle)
{
    rect.InflateRect(kOutlineWidth, kBarHeight, kOutlineWidth, kOutlineWidth);
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    DrawBar(pDC, CRect(L, T, R, T + kBarHeight), m_richtop);
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
