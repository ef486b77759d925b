// CFrameCanvas: frames over a background, kept as pixels in memory.

#include "FrameCanvas.h"

#include <algorithm>

namespace {

// The header of a top-down 32-bit picture of cx x cy.
BITMAPINFO TopDownInfo(int cx, int cy)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A top-down 32-bit DIB section; *ppBits gets its pixels.
HBITMAP CreateDib(int cx, int cy, uint32_t** ppBits)
{
    const BITMAPINFO info = TopDownInfo(cx, cy);
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    *ppBits = static_cast<uint32_t*>(pBits);
    return pBits != nullptr ? hBitmap : nullptr;
}

// Premultiplied pixels laid over an opaque colour.
void Blend(const std::vector<uint32_t>& pixels, COLORREF clrBack, uint32_t* pTarget)
{
    const uint32_t back[3] = {GetBValue(clrBack), GetGValue(clrBack), GetRValue(clrBack)};
    for (uint32_t pixel : pixels) {
        const uint32_t alpha = pixel >> 24;
        uint32_t out = 0;
        for (int channel = 0; channel < 3; ++channel) {
            const uint32_t value = ((pixel >> (8 * channel)) & 0xFF) + back[channel] * (255 - alpha) / 255;
            out |= std::min<uint32_t>(255, value) << (8 * channel);
        }
        *pTarget++ = out;
    }
}

} // namespace

bool CFrameCanvas::Update(const std::vector<uint32_t>& pixels, int cx, int cy, COLORREF clrBack)
{
    if (pixels.size() != static_cast<size_t>(cx) * static_cast<size_t>(cy))
        return false;
    m_blended.resize(pixels.size());
    Blend(pixels, clrBack, m_blended.data());
    m_cx = cx;
    m_cy = cy;
    return true;
}

bool CFrameCanvas::Draw(HDC hdc, const RECT& rcTarget) const
{
    if (m_blended.empty())
        return false;
    const BITMAPINFO info = TopDownInfo(m_cx, m_cy);
    return ::StretchDIBits(hdc, rcTarget.left, rcTarget.top, rcTarget.right - rcTarget.left,
                           rcTarget.bottom - rcTarget.top, 0, 0, m_cx, m_cy, m_blended.data(), &info, DIB_RGB_COLORS,
                           SRCCOPY) != 0;
}

HBITMAP CFrameCanvas::CreateBitmap(const std::vector<uint32_t>& pixels, int cx, int cy, COLORREF clrBack)
{
    uint32_t* pBits = nullptr;
    if (pixels.size() != static_cast<size_t>(cx) * static_cast<size_t>(cy))
        return nullptr;
    const HBITMAP hBitmap = CreateDib(cx, cy, &pBits);
    if (hBitmap != nullptr)
        Blend(pixels, clrBack, pBits);
    return hBitmap;
}
