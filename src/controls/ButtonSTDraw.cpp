// Drawing of the owner-drawn button: background (colour, parent's background or picture),
// border, image placement, icon, bitmap and caption.
#include <ButtonST.h>

#include "ParentBackground.h"

#include <MaskDraw.h>

#include <afxlite/CPen.h>

namespace {

const int kFocusInset = 3; // the focus rectangle inside the border

// Copies a picture through its mask (AND, then OR) at (x, y).
void DrawMasked(CDC* pDC, HBITMAP hPicture, HBITMAP hMask, int x, int y, int cx, int cy)
{
    const CScopedCreateDC dc(pDC->m_hDC);
    {
        const CDCSelect select(dc, hMask);
        ::BitBlt(pDC->m_hDC, x, y, cx, cy, dc, 0, 0, SRCAND);
    }
    const CDCSelect select(dc, hPicture);
    ::BitBlt(pDC->m_hDC, x, y, cx, cy, dc, 0, 0, SRCPAINT);
}

} // namespace

void CButtonST::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const bool bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    if (m_bIsCheckBox)
        m_bIsPressed = bSelected || m_nCheck == 1;
    else
        m_bIsPressed = bSelected || (m_menuPopup.m_hMenu != nullptr && m_bMenuDisplayed);
    m_bIsFocused = (lpDIS->itemState & ODS_FOCUS) != 0;
    m_bIsDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;

    CRect rcItem = lpDIS->rcItem;
    const CDCSaveState saved(pDC);
    pDC->SetBkMode(TRANSPARENT);
    if (m_bDrawTransparent)
        PaintBk(pDC);
    else
        OnDrawBackground(pDC, &rcItem);
    if (m_bDrawBkBmp)
        DrawBkBmp(pDC);
    OnDrawBorder(pDC, &rcItem);

    CRect rcCaption = lpDIS->rcItem;
    CString strTitle;
    GetWindowText(strTitle);
    const BOOL bHasTitle = !strTitle.IsEmpty();
    if (m_csIcons[0].hIcon)
        DrawTheIcon(pDC, bHasTitle, &lpDIS->rcItem, &rcCaption, m_bIsPressed, m_bIsDisabled);
    if (m_csBitmaps[0].hBitmap) {
        pDC->SetBkColor(RGB(255, 255, 255));
        DrawTheBitmap(pDC, bHasTitle, &lpDIS->rcItem, &rcCaption, m_bIsPressed, m_bIsDisabled);
    }
    if (bHasTitle)
        DrawTheText(pDC, strTitle, &lpDIS->rcItem, &rcCaption, m_bIsPressed, m_bIsDisabled);

    if ((!m_bIsFlat || m_bDrawFlatFocus) && m_bIsFocused) {
        CRect rcFocus = rcItem;
        rcFocus.DeflateRect(kFocusInset, kFocusInset);
        pDC->DrawFocusRect(&rcFocus);
    }
}

DWORD CButtonST::OnDrawBackground(CDC* pDC, CRect* pRect)
{
    if (!m_bIsFlat && (m_bIsFocused || m_bIsDefault)) {
        CBrush black(RGB(0, 0, 0));
        pDC->FrameRect(pRect, &black);
        pRect->DeflateRect(1, 1);
    }
    COLORREF crBack = m_crColors[BTNST_COLOR_BK_OUT];
    if (m_bMouseOnButton || m_bIsPressed)
        crBack = m_crColors[BTNST_COLOR_BK_IN];
    else if (m_bIsFocused)
        crBack = m_crColors[BTNST_COLOR_BK_FOCUS];
    pDC->FillSolidRect(pRect, crBack);
    return BTNST_OK;
}

DWORD CButtonST::OnDrawBorder(CDC* pDC, CRect* pRect)
{
    const COLORREF crHighlight = ::GetSysColor(COLOR_BTNHILIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_bIsPressed) {
        if (m_bIsFlat) {
            if (m_bDrawBorder)
                pDC->Draw3dRect(pRect, crShadow, crHighlight);
            return BTNST_OK;
        }
        CBrush shadow(crShadow);
        pDC->FrameRect(pRect, &shadow);
        return BTNST_OK;
    }
    if (m_bIsFlat) {
        if (m_bMouseOnButton && m_bDrawBorder)
            pDC->Draw3dRect(pRect, crHighlight, crShadow);
        return BTNST_OK;
    }
    const CRect& rc = *pRect;
    CPen penHighlight(PS_SOLID, 1, crHighlight);
    CPen penLight(PS_SOLID, 1, ::GetSysColor(COLOR_3DLIGHT));
    CPen penDarkShadow(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));
    CPen penShadow(PS_SOLID, 1, crShadow);
    {
        const CDCSelect select(pDC, &penHighlight);
        pDC->MoveTo(rc.left, rc.bottom - 1);
        pDC->LineTo(rc.left, rc.top);
        pDC->LineTo(rc.right, rc.top);
    }
    {
        const CDCSelect select(pDC, &penLight);
        pDC->MoveTo(rc.left + 1, rc.bottom - 1);
        pDC->LineTo(rc.left + 1, rc.top + 1);
        pDC->LineTo(rc.right, rc.top + 1);
    }
    {
        const CDCSelect select(pDC, &penDarkShadow);
        pDC->MoveTo(rc.left, rc.bottom - 1);
        pDC->LineTo(rc.right - 1, rc.bottom - 1);
        pDC->LineTo(rc.right - 1, rc.top - 1);
    }
    const CDCSelect select(pDC, &penShadow);
    pDC->MoveTo(rc.left + 1, rc.bottom - 2);
    pDC->LineTo(rc.right - 2, rc.bottom - 2);
    pDC->LineTo(rc.right - 2, rc.top);
    return BTNST_OK;
}

void CButtonST::PrepareImageRect(BOOL bHasTitle, RECT* rpItem, CRect* rpTitle, BOOL bIsPressed, DWORD dwWidth,
                                 DWORD dwHeight, CRect* rpImage)
{
    const int cx = static_cast<int>(dwWidth);
    const int cy = static_cast<int>(dwHeight);
    rpImage->CopyRect(rpItem);
    auto centreHorizontally = [&] { rpImage->left += (rpImage->Width() - cx) / 2; };
    auto centreVertically = [&] { rpImage->top += (rpImage->Height() - cy) / 2; };
    switch (m_byAlign) {
    case ST_ALIGN_HORIZ:
        if (bHasTitle) {
            rpImage->left += m_ptImageOrg.x;
            rpTitle->left += cx + m_ptImageOrg.x;
        } else {
            centreHorizontally();
        }
        centreVertically();
        break;
    case ST_ALIGN_VERT:
        centreHorizontally();
        if (bHasTitle) {
            rpImage->top = m_ptImageOrg.y;
            rpTitle->top += cy;
        } else {
            centreVertically();
        }
        break;
    case ST_ALIGN_HORIZ_RIGHT:
        if (bHasTitle) {
            CRect rcClient;
            GetClientRect(&rcClient);
            rpTitle->right -= rpTitle->left + m_ptImageOrg.x + cx;
            rpTitle->left = m_ptImageOrg.x;
            rpImage->left = rcClient.Width() - m_ptImageOrg.x - cx;
        } else {
            centreHorizontally();
        }
        centreVertically();
        break;
    default: // ST_ALIGN_OVERLAP: the image fills the item, the caption stays
        break;
    }
    if (bIsPressed && !m_bIsCheckBox)
        rpImage->OffsetRect(m_ptPressedOffset.x, m_ptPressedOffset.y);
}

void CButtonST::DrawTheIcon(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed, BOOL bIsDisabled)
{
    const bool bActive = m_bIsCheckBox ? bIsPressed != FALSE : (bIsPressed || m_bMouseOnButton);
    const STRUCT_ICONS& icon = (bActive || !m_csIcons[1].hIcon) ? m_csIcons[0] : m_csIcons[1];
    CRect rcImage;
    PrepareImageRect(bHasTitle, rpItem, rpCaption, bIsPressed, icon.dwWidth, icon.dwHeight, &rcImage);
    ::DrawStateW(pDC->m_hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.hIcon.Get()), 0, rcImage.left, rcImage.top,
                 static_cast<int>(icon.dwWidth), static_cast<int>(icon.dwHeight),
                 DST_ICON | (bIsDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void CButtonST::DrawTheBitmap(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed,
                              BOOL bIsDisabled)
{
    const bool bSecond = m_csBitmaps[1].hBitmap && (bIsDisabled || (m_bIsCheckBox && bIsPressed));
    const STRUCT_BITMAPS& bitmap = m_csBitmaps[bSecond ? 1 : 0];
    CRect rcImage;
    PrepareImageRect(bHasTitle, rpItem, rpCaption, bIsPressed, bitmap.dwWidth, bitmap.dwHeight, &rcImage);
    DrawMasked(pDC, bitmap.hBitmap.Get(), bitmap.hMask.Get(), rcImage.left, rcImage.top,
               static_cast<int>(bitmap.dwWidth), static_cast<int>(bitmap.dwHeight));
}

void CButtonST::DrawTheText(CDC* pDC, LPCTSTR lpszText, RECT*, CRect* rpCaption, BOOL bIsPressed, BOOL bIsDisabled)
{
    if (bIsPressed && !m_bIsCheckBox)
        rpCaption->OffsetRect(m_ptPressedOffset.x, m_ptPressedOffset.y);
    CRect rcCentre = *rpCaption;
    const UINT nFormat = DT_WORDBREAK | DT_CENTER;
    pDC->DrawText(lpszText, -1, rpCaption, nFormat | DT_CALCRECT);
    rpCaption->OffsetRect((rcCentre.Width() - rpCaption->Width()) / 2, (rcCentre.Height() - rpCaption->Height()) / 2);

    pDC->SetBkMode(TRANSPARENT);
    if (bIsDisabled) {
        rpCaption->OffsetRect(1, 1);
        pDC->SetTextColor(::GetSysColor(COLOR_3DHILIGHT));
        pDC->DrawText(lpszText, -1, rpCaption, nFormat);
        rpCaption->OffsetRect(-1, -1);
        pDC->SetTextColor(::GetSysColor(COLOR_3DSHADOW));
        pDC->DrawText(lpszText, -1, rpCaption, nFormat);
        return;
    }
    int nText = BTNST_COLOR_FG_OUT;
    if (m_bMouseOnButton || bIsPressed)
        nText = BTNST_COLOR_FG_IN;
    else if (m_bIsFocused)
        nText = BTNST_COLOR_FG_FOCUS;
    pDC->SetTextColor(m_crColors[nText]);
    pDC->SetBkColor(m_crColors[nText - 1]);
    pDC->DrawText(lpszText, -1, rpCaption, nFormat);
}

// ---- Transparency ----

void CButtonST::PaintBk(CDC* pDC)
{
    DrawParentBackground(m_dcBk, pDC, *this);
}

void CButtonST::DrawTransparent(BOOL bTransparent, BOOL bRepaint)
{
    m_bDrawTransparent = bTransparent;
    m_dcBk.Free();
    Repaint(bRepaint);
}

DWORD CButtonST::SetBk(CDC* pDC)
{
    if (!m_bDrawTransparent || pDC == nullptr || pDC->m_hDC == nullptr)
        return BTNST_BADPARAM;
    TakeParentBackground(m_dcBk, pDC, *this);
    return BTNST_OK;
}

// ---- Background picture ----

// Fits hSource to the button (one pixel smaller each way): its left and right thirds keep their
// width, the middle stretches; black becomes transparent.
void CButtonST::CreateBkBmp(HBITMAP hSource)
{
    DWORD dwSourceWidth = 0;
    DWORD dwSourceHeight = 0;
    BITMAP info = {};
    if (hSource == nullptr || ::GetObjectW(hSource, sizeof(info), &info) != sizeof(info))
        return;
    dwSourceWidth = static_cast<DWORD>(info.bmWidth);
    dwSourceHeight = static_cast<DWORD>(info.bmHeight);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cx = rcClient.Width() - 1;
    const int cy = rcClient.Height() - 1;
    if (cx <= 0 || cy <= 0)
        return;
    const int nSourceWidth = static_cast<int>(dwSourceWidth);
    const int nSourceHeight = static_cast<int>(dwSourceHeight);
    const int nThird = nSourceWidth / 3;
    const CScopedGetDC screen(nullptr);
    CBitmapHandle picture(::CreateCompatibleBitmap(screen, cx, cy));
    if (!picture)
        return;
    {
        const CScopedCreateDC source(screen);
        const CScopedCreateDC target(screen);
        const CDCSelect selectSource(source, hSource);
        const CDCSelect selectTarget(target, picture.Get());
        ::SetStretchBltMode(target, COLORONCOLOR);
        ::StretchBlt(target, 0, 0, nThird, cy, source, 0, 0, nThird, nSourceHeight, SRCCOPY);
        ::StretchBlt(target, cx - nThird, 0, nThird, cy, source, nSourceWidth - nThird, 0, nThird, nSourceHeight,
                     SRCCOPY);
        if (cx > 2 * nThird && nSourceWidth > 2 * nThird)
            ::StretchBlt(target, nThird, 0, cx - 2 * nThird, cy, source, nThird, 0, nSourceWidth - 2 * nThird,
                         nSourceHeight, SRCCOPY);
    }
    CBitmapHandle mask(CreateBitmapMask(picture.Get(), cx, cy, RGB(0, 0, 0)));
    if (!mask)
        return;
    m_csBkBmp.hBitmap = std::move(picture);
    m_csBkBmp.hMask = std::move(mask);
    m_csBkBmp.dwWidth = static_cast<DWORD>(cx);
    m_csBkBmp.dwHeight = static_cast<DWORD>(cy);
    m_csBkBmp.crTransparent = RGB(0, 0, 0);
}

void CButtonST::SetBkBmp(CBitmap* pBitmap)
{
    if (pBitmap != nullptr)
        CreateBkBmp(static_cast<HBITMAP>(pBitmap->m_hObject));
    m_bDrawBkBmp = TRUE;
}

void CButtonST::DrawBkBmp(BOOL bDraw, BOOL bRepaint)
{
    m_bDrawBkBmp = bDraw;
    if (bDraw && m_csBkBmp.hBitmap) {
        // The stored picture is the source of its own refit, so it must stay alive meanwhile.
        CBitmapHandle source(m_csBkBmp.hBitmap.Release());
        CreateBkBmp(source.Get());
        if (!m_csBkBmp.hBitmap)
            m_csBkBmp.hBitmap = std::move(source);
    }
    Repaint(bRepaint);
}

void CButtonST::DrawBkBmp(CDC* pDC)
{
    if (!m_csBkBmp.hBitmap || !m_csBkBmp.hMask)
        return;
    const int nShift = m_bIsPressed ? 1 : 0;
    DrawMasked(pDC, m_csBkBmp.hBitmap.Get(), m_csBkBmp.hMask.Get(), nShift, nShift, static_cast<int>(m_csBkBmp.dwWidth),
               static_cast<int>(m_csBkBmp.dwHeight));
}
