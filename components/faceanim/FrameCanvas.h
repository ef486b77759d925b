// CFrameCanvas: an emoticon's frame laid over a background colour, ready to be copied to a DC.
// The blended pixels live in memory and are drawn with StretchDIBits, so an emoticon holds no GDI
// object however many a chat shows (a long chat would otherwise run into the process's GDI quota).
// CreateBitmap makes a stand-alone copy for callers that take ownership of a bitmap.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class CFrameCanvas {
public:
    // Blends the premultiplied pixels (cx x cy, top-down) over clrBack. false when the pixel count
    // does not match the size.
    bool Update(const std::vector<uint32_t>& pixels, int cx, int cy, COLORREF clrBack);
    bool IsEmpty() const { return m_blended.empty(); }

    // Copies the blended frame into rcTarget of hdc, stretched when the sizes differ.
    bool Draw(HDC hdc, const RECT& rcTarget) const;

    // A new bitmap of the pixels over clrBack, owned by the caller; null when it cannot be made.
    static HBITMAP CreateBitmap(const std::vector<uint32_t>& pixels, int cx, int cy, COLORREF clrBack);

private:
    std::vector<uint32_t> m_blended;
    int m_cx = 0;
    int m_cy = 0;
};
