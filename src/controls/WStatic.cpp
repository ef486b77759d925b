// The transparent static: the parent's background snapshot, an icon or the text over it.
#include <WStatic.h>

#include "ParentBackground.h"

#include <afxlite/AfxGdiScoped.h>

IMPLEMENT_DYNAMIC(CWStatic, CStatic)

BEGIN_MESSAGE_MAP(CWStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CWStatic::CWStatic() : m_crText(RGB(0, 0, 0)), m_nFormat(0), m_bVCenter(TRUE), m_bTransparent(TRUE)
{
}

CWStatic::~CWStatic() = default;

void CWStatic::SetBrush(COLORREF crBrush)
{
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(crBrush);
    m_bTransparent = FALSE;
}

void CWStatic::SetBk(CDC* pDC)
{
    if (!m_bTransparent || pDC == nullptr || pDC->m_hDC == nullptr || !::IsWindow(m_hWnd))
        return;
    TakeParentBackground(m_dcBk, pDC, *this);
}

void CWStatic::SetWindowText(LPCTSTR lpszText)
{
    CStatic::SetWindowText(lpszText);
    Invalidate(TRUE);
    UpdateWindow();
}

void CWStatic::DrawTransBk(CDC* pDC)
{
    DrawParentBackground(m_dcBk, pDC, *this);
}

void CWStatic::DrawWindowText(CDC& dc, CString& strText)
{
    CWnd* pParent = GetParent();
    CFont* pFont = pParent != nullptr ? pParent->GetFont() : nullptr;
    const CDCSelect font(dc.m_hDC, pFont != nullptr ? pFont->m_hObject : nullptr);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF crOld = dc.SetTextColor(m_crText);
    // The added flags stay in the format: only SetDrawFormat takes them away again.
    m_nFormat |= m_bVCenter ? (DT_VCENTER | DT_SINGLELINE) : DT_CENTER;
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.DrawText(strText, &rcClient, m_nFormat);
    dc.SetTextColor(crOld);
    dc.SetBkMode(nOldMode);
}

void CWStatic::Draw(CDC* pDC)
{
    if (pDC == nullptr || pDC->m_hDC == nullptr)
        return;
    if (m_bTransparent)
        DrawTransBk(pDC);
    if (HICON hIcon = GetIcon()) {
        pDC->DrawIcon(0, 0, hIcon);
        return;
    }
    CString strText;
    GetWindowText(strText);
    if (!strText.IsEmpty())
        DrawWindowText(*pDC, strText);
}

void CWStatic::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    Draw(CDC::FromHandle(lpDrawItemStruct->hDC));
}

void CWStatic::OnPaint()
{
    CPaintDC dc(this);
    Draw(&dc);
}
