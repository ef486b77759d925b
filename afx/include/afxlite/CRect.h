// CRect: a RECT (left, top, right, bottom) with MFC's geometry helpers and operators. The
// right and bottom edges are exclusive, as everywhere in GDI.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CPoint.h"
#include "afxlite/CSize.h"

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& srcRect) : RECT(srcRect) {}
    CRect(LPCRECT lpSrcRect) : RECT(*lpSrcRect) {}
    CRect(POINT point, SIZE size) : RECT{point.x, point.y, point.x + size.cx, point.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    // The corners as points stored in the rectangle itself (writable).
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    // Empty: no area (width or height not positive). Null: all four coordinates 0.
    BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }
    BOOL EqualRect(LPCRECT lpRect) const { return ::EqualRect(this, lpRect); }

    void SetRect(int x1, int y1, int x2, int y2) { ::SetRect(this, x1, y1, x2, y2); }
    void SetRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    void SetRectEmpty() { ::SetRectEmpty(this); }
    void CopyRect(LPCRECT lpSrcRect) { ::CopyRect(this, lpSrcRect); }
    void SwapLeftRight() { SwapLeftRight(this); }
    static void AFXAPI SwapLeftRight(LPRECT lpRect)
    {
        const LONG temp = lpRect->left;
        lpRect->left = lpRect->right;
        lpRect->right = temp;
    }

    void InflateRect(int x, int y) { ::InflateRect(this, x, y); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(LPCRECT lpRect) { InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    void InflateRect(int l, int t, int r, int b)
    {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(LPCRECT lpRect) { InflateRect(-lpRect->left, -lpRect->top, -lpRect->right, -lpRect->bottom); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

    void OffsetRect(int x, int y) { ::OffsetRect(this, x, y); }
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    void MoveToX(int x)
    {
        right = Width() + x;
        left = x;
    }
    void MoveToY(int y)
    {
        bottom = Height() + y;
        top = y;
    }
    void MoveToXY(int x, int y)
    {
        MoveToX(x);
        MoveToY(y);
    }
    void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }

    // Makes left <= right and top <= bottom.
    void NormalizeRect()
    {
        if (left > right)
            SwapLeftRight();
        if (top > bottom) {
            const LONG temp = top;
            top = bottom;
            bottom = temp;
        }
    }

    // Set this rectangle from two others; the result tells whether it is non-empty.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) { return ::IntersectRect(this, lpRect1, lpRect2); }
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) { return ::UnionRect(this, lpRect1, lpRect2); }
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) { return ::SubtractRect(this, lpRectSrc1, lpRectSrc2); }

    CRect MulDiv(int nMultiplier, int nDivisor) const
    {
        return CRect(::MulDiv(left, nMultiplier, nDivisor), ::MulDiv(top, nMultiplier, nDivisor),
                     ::MulDiv(right, nMultiplier, nDivisor), ::MulDiv(bottom, nMultiplier, nDivisor));
    }

    bool operator==(const RECT& rect) const { return EqualRect(&rect) != FALSE; }
    bool operator!=(const RECT& rect) const { return !(*this == rect); }
    CRect& operator+=(POINT point)
    {
        OffsetRect(point);
        return *this;
    }
    CRect& operator+=(SIZE size)
    {
        OffsetRect(size);
        return *this;
    }
    CRect& operator+=(LPCRECT lpRect)
    {
        InflateRect(lpRect);
        return *this;
    }
    CRect& operator-=(POINT point)
    {
        OffsetRect(-point.x, -point.y);
        return *this;
    }
    CRect& operator-=(SIZE size)
    {
        OffsetRect(-size.cx, -size.cy);
        return *this;
    }
    CRect& operator-=(LPCRECT lpRect)
    {
        DeflateRect(lpRect);
        return *this;
    }
    CRect& operator&=(const RECT& rect)
    {
        ::IntersectRect(this, this, &rect);
        return *this;
    }
    CRect& operator|=(const RECT& rect)
    {
        ::UnionRect(this, this, &rect);
        return *this;
    }
    CRect operator+(POINT point) const { return CRect(*this) += point; }
    CRect operator+(SIZE size) const { return CRect(*this) += size; }
    CRect operator+(LPCRECT lpRect) const { return CRect(*this) += lpRect; }
    CRect operator-(POINT point) const { return CRect(*this) -= point; }
    CRect operator-(SIZE size) const { return CRect(*this) -= size; }
    CRect operator-(LPCRECT lpRect) const { return CRect(*this) -= lpRect; }
    CRect operator&(const RECT& rect) const { return CRect(*this) &= rect; }
    CRect operator|(const RECT& rect) const { return CRect(*this) |= rect; }
};
