// CSize: a SIZE (cx, cy) with arithmetic; an extent or a distance between two points.
#pragma once

#include "afxlite/AfxDef.h"

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}
    CSize(SIZE initSize) : SIZE(initSize) {}
    explicit CSize(POINT initPt) : SIZE{initPt.x, initPt.y} {}
    // Low word cx, high word cy, both signed (as packed in message parameters).
    explicit CSize(DWORD dwSize) : SIZE{static_cast<short>(LOWORD(dwSize)), static_cast<short>(HIWORD(dwSize))} {}

    void SetSize(int dstCX, int dstCY)
    {
        cx = dstCX;
        cy = dstCY;
    }

    bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const { return !(*this == size); }
    CSize& operator+=(SIZE size)
    {
        cx += size.cx;
        cy += size.cy;
        return *this;
    }
    CSize& operator-=(SIZE size)
    {
        cx -= size.cx;
        cy -= size.cy;
        return *this;
    }
    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};
