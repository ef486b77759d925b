// Pictures and drawing targets whose pixels the GDI tests set and read exactly, and a count of
// the GDI objects a piece of code keeps.
#pragma once

#include <afxgdi.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kCyan = RGB(0, 255, 255);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// Objects the platform may create for itself between two counts (caches).
const int kGdiCountSlack = 8;

// A memory context over a 32-bit (or nBitCount-bit) bitmap of the given size filled with one
// colour.
class CDibTarget {
public:
    CDibTarget(int nWidth, int nHeight, COLORREF crFill, WORD nBitCount = 32)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = nWidth;
        info.bmiHeader.biHeight = -nHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = nBitCount;
        void* bits = nullptr;
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_select.emplace(m_dc.m_hDC, m_bitmap.m_hObject);
        m_dc.FillSolidRect(0, 0, nWidth, nHeight, crFill);
        m_dc.SetBkColor(kWhite); // FillSolidRect leaves its colour as background colour
    }
    CDibTarget(const CDibTarget&) = delete;
    CDibTarget& operator=(const CDibTarget&) = delete;

    bool IsReady() const { return m_dc.m_hDC && m_bitmap.m_hObject && m_select->IsSelected(); }
    CDC* GetDC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    std::optional<CDCSelect> m_select;
};

struct PixelCheck {
    int x, y;
    COLORREF colour;
};

// Checks each listed pixel of target, reporting the pixels that differ.
inline void ExpectPixels(const CDibTarget& target, std::initializer_list<PixelCheck> checks)
{
    for (const PixelCheck& check : checks)
        EXPECT_EQ(check.colour, target.Pixel(check.x, check.y)) << "at " << check.x << "," << check.y;
}

// Asserts that every third pixel of the top-left nWidth by nHeight area is colour.
inline void ExpectUniform(const CDibTarget& target, int nWidth, int nHeight, COLORREF colour)
{
    for (int y = 0; y < nHeight; y += 3)
        for (int x = 0; x < nWidth; x += 3)
            ASSERT_EQ(colour, target.Pixel(x, y)) << "at " << x << "," << y;
}

// A screen-compatible bitmap (as pictures loaded from files are) with colourAt(x, y) at each
// pixel; the caller owns it.
inline HBITMAP MakePicture(int nWidth, int nHeight, const std::function<COLORREF(int, int)>& colourAt)
{
    const HBITMAP picture = ::CreateCompatibleBitmap(CScopedGetDC(nullptr), nWidth, nHeight);
    const CScopedCreateDC dc(nullptr);
    const CDCSelect select(dc, picture);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            ::SetPixelV(dc, x, y, colourAt(x, y));
    return picture;
}

// The colour of one pixel of a bitmap that is not selected anywhere.
inline COLORREF BitmapPixel(HBITMAP hBitmap, int x, int y)
{
    const CScopedCreateDC dc(nullptr);
    const CDCSelect select(dc, hBitmap);
    return ::GetPixel(dc, x, y);
}

// The colour of pixel (x, y) of the picture an OLE object hands out as CF_BITMAP; CLR_INVALID
// when it hands out none.
inline COLORREF DataPixel(IUnknown* pObject, int x, int y)
{
    IDataObject* pData = nullptr;
    if (pObject == nullptr || FAILED(pObject->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&pData))))
        return CLR_INVALID;
    FORMATETC format = {CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
    STGMEDIUM medium = {};
    const HRESULT hr = pData->GetData(&format, &medium);
    pData->Release();
    if (FAILED(hr))
        return CLR_INVALID;
    const COLORREF colour = BitmapPixel(medium.hBitmap, x, y);
    ::ReleaseStgMedium(&medium);
    return colour;
}

inline bool IsLiveGdiObject(HGDIOBJ hObject)
{
    return ::GetObjectType(hObject) != 0;
}

// How many GDI objects the process could still create (GetGuiResources answers 0 here, but the
// handle table is finite): create tiny bitmaps until creation fails, then delete them.
inline int CountAvailableGdiHandles()
{
    const size_t kLimit = 200000;
    std::vector<HBITMAP> probes;
    while (probes.size() < kLimit) {
        HBITMAP probe = ::CreateBitmap(1, 1, 1, 1, nullptr);
        if (!probe)
            break;
        probes.push_back(probe);
    }
    for (HBITMAP probe : probes)
        ::DeleteObject(probe);
    return static_cast<int>(probes.size());
}

// How many GDI objects nRounds calls of round keep; a first call before counting lets the
// platform fill its caches.
inline int GdiObjectsKeptBy(int nRounds, const std::function<void()>& round)
{
    round();
    const int nBefore = CountAvailableGdiHandles();
    for (int i = 0; i < nRounds; ++i)
        round();
    return nBefore - CountAvailableGdiHandles();
}
