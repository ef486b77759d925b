// CFrameCanvas: frames over a background in a kept memory DC.

#include "FrameCanvas.h"

#include <algorithm>

namespace {

// A top-down 32-bit DIB section; *ppBits gets its pixels.
HBITMAP CreateDib(int cx, int cy, uint32_t** ppBits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
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

CFrameCanvas::~CFrameCanvas()
{
    Release();
}

void CFrameCanvas::Release()
{
    if (m_hPrevious != nullptr)
        ::SelectObject(GetDC(), m_hPrevious);
    m_hPrevious = nullptr;
    m_bitmap.Reset();
    m_dc.reset();
    m_pBits = nullptr;
    m_cx = m_cy = 0;
}

bool CFrameCanvas::Update(const std::vector<uint32_t>& pixels, int cx, int cy, COLORREF clrBack)
{
    if (pixels.size() != static_cast<size_t>(cx) * static_cast<size_t>(cy))
        return false;
    if (m_pBits == nullptr || cx != m_cx || cy != m_cy) {
        Release();
        m_dc.emplace(nullptr);
        m_bitmap.Reset(CreateDib(cx, cy, &m_pBits));
        const HGDIOBJ hPrevious = m_bitmap && GetDC() ? ::SelectObject(GetDC(), m_bitmap.Get()) : nullptr;
        if (hPrevious == nullptr || hPrevious == HGDI_ERROR) {
            Release();
            return false;
        }
        m_hPrevious = hPrevious;
        m_cx = cx;
        m_cy = cy;
    }
    ::GdiFlush(); // drawing still queued on the bitmap must not land over the new pixels
    Blend(pixels, clrBack, m_pBits);
    return true;
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
