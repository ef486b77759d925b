// Darker and grayscale copies of button pictures, pixel by pixel on compatible bitmaps.
#include "controls/ButtonImages.h"

#include <BCMenu.h>

#include <afxlite/AfxGdiScoped.h>

namespace button_images {

namespace {

const double kDarkerFactor = 0.25;

void RecolourPixels(HDC hDC, int nWidth, int nHeight, COLORREF crKeep, Recolour recolour)
{
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            const COLORREF crPixel = ::GetPixel(hDC, x, y);
            if (crPixel != crKeep)
                ::SetPixelV(hDC, x, y, recolour(crPixel));
        }
    }
}

} // namespace

COLORREF Darker(COLORREF cr)
{
    return BCMenu::DarkenColor(cr, kDarkerFactor);
}

COLORREF Grayscale(COLORREF cr)
{
    const BYTE level = static_cast<BYTE>(0.299 * GetRValue(cr) + 0.587 * GetGValue(cr) + 0.114 * GetBValue(cr));
    return RGB(level, level, level);
}

HBITMAP RecolourBitmap(HBITMAP hBitmap, int nWidth, int nHeight, COLORREF crKeep, Recolour recolour)
{
    if (hBitmap == nullptr || nWidth <= 0 || nHeight <= 0)
        return nullptr;
    const CScopedGetDC screen(nullptr);
    CBitmapHandle copy(::CreateCompatibleBitmap(screen, nWidth, nHeight));
    const CScopedCreateDC source(screen);
    const CScopedCreateDC target(screen);
    if (!copy || !source.Get() || !target.Get())
        return nullptr;
    const CDCSelect selectSource(source, hBitmap);
    const CDCSelect selectTarget(target, copy.Get());
    if (!selectSource.IsSelected() || !selectTarget.IsSelected() ||
        !::BitBlt(target, 0, 0, nWidth, nHeight, source, 0, 0, SRCCOPY))
        return nullptr;
    RecolourPixels(target, nWidth, nHeight, crKeep, recolour);
    return copy.Release();
}

HICON RecolourIcon(HICON hIcon, int nWidth, int nHeight, Recolour recolour)
{
    ICONINFO info = {};
    if (hIcon == nullptr || nWidth <= 0 || nHeight <= 0 || !::GetIconInfo(hIcon, &info))
        return nullptr;
    const CBitmapHandle mask(info.hbmMask);
    const CBitmapHandle colour(info.hbmColor);
    const CScopedGetDC screen(nullptr);
    const CBitmapHandle picture(::CreateCompatibleBitmap(screen, nWidth, nHeight));
    if (!picture)
        return nullptr;
    {
        const CScopedCreateDC dc(screen);
        const CDCSelect select(dc, picture.Get());
        if (!select.IsSelected())
            return nullptr;
        const RECT rc = {0, 0, nWidth, nHeight};
        ::FillRect(dc, &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        if (!::DrawIconEx(dc, 0, 0, hIcon, nWidth, nHeight, 0, nullptr, DI_NORMAL))
            return nullptr;
        RecolourPixels(dc, nWidth, nHeight, RGB(0, 0, 0), recolour);
    }
    ICONINFO copy = {TRUE, info.xHotspot, info.yHotspot, mask.Get(), picture.Get()};
    return ::CreateIconIndirect(&copy);
}

bool IconSize(HICON hIcon, DWORD& dwWidth, DWORD& dwHeight)
{
    ICONINFO info = {};
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return false;
    const CBitmapHandle mask(info.hbmMask);
    const CBitmapHandle colour(info.hbmColor);
    dwWidth = info.xHotspot * 2;
    dwHeight = info.yHotspot * 2;
    return true;
}

bool BitmapSize(HBITMAP hBitmap, DWORD& dwWidth, DWORD& dwHeight)
{
    BITMAP bitmap = {};
    if (hBitmap == nullptr || ::GetObjectW(hBitmap, sizeof(bitmap), &bitmap) != sizeof(bitmap))
        return false;
    dwWidth = static_cast<DWORD>(bitmap.bmWidth);
    dwHeight = static_cast<DWORD>(bitmap.bmHeight);
    return true;
}

} // namespace button_images
