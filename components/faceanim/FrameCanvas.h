// CFrameCanvas: an emoticon's frame laid over a background colour, ready to be copied to the
// screen: a 32-bit DIB section kept selected in a memory DC (the two GDI objects an emoticon
// holds), rewritten in place when the frame changes. CreateBitmap makes a stand-alone copy for
// callers that take ownership of a bitmap.
#pragma once

#include <afxlite/AfxGdiScoped.h>

#include <cstdint>
#include <optional>
#include <vector>

class CFrameCanvas {
public:
    CFrameCanvas() = default;
    ~CFrameCanvas();
    CFrameCanvas(const CFrameCanvas&) = delete;
    CFrameCanvas& operator=(const CFrameCanvas&) = delete;

    // Writes the premultiplied pixels (cx x cy, top-down) over clrBack; makes the DC and bitmap
    // on first use or when the size changes. false when they cannot be made.
    bool Update(const std::vector<uint32_t>& pixels, int cx, int cy, COLORREF clrBack);
    HDC GetDC() const { return m_dc ? m_dc->Get() : nullptr; }

    // A new bitmap of the pixels over clrBack, owned by the caller; null when it cannot be made.
    static HBITMAP CreateBitmap(const std::vector<uint32_t>& pixels, int cx, int cy, COLORREF clrBack);

private:
    std::optional<CScopedCreateDC> m_dc;
    CBitmapHandle m_bitmap;
    HGDIOBJ m_hPrevious = nullptr;
    uint32_t* m_pBits = nullptr;
    int m_cx = 0;
    int m_cy = 0;

    void Release();
};
