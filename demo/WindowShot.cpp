#include "WindowShot.h"

#include <afxgdi.h>

#include <comdef.h>
#include <wincodec.h>

_COM_SMARTPTR_TYPEDEF(IWICImagingFactory, __uuidof(IWICImagingFactory));
_COM_SMARTPTR_TYPEDEF(IWICBitmap, __uuidof(IWICBitmap));
_COM_SMARTPTR_TYPEDEF(IWICBitmapEncoder, __uuidof(IWICBitmapEncoder));
_COM_SMARTPTR_TYPEDEF(IWICBitmapFrameEncode, __uuidof(IWICBitmapFrameEncode));
_COM_SMARTPTR_TYPEDEF(IWICStream, __uuidof(IWICStream));

namespace {

// Top-down 32-bit copy of the pixels of a window (frame included) or of an area of the screen
// (hWnd null), owned for the length of one save.
class CWindowPixels {
public:
    CWindowPixels(HWND hWnd, const RECT& rc) : m_x(hWnd ? 0 : rc.left), m_y(hWnd ? 0 : rc.top)
    {
        m_cx = rc.right - rc.left;
        m_cy = rc.bottom - rc.top;
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = m_cx;
        bmi.bmiHeader.biHeight = -m_cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        if (!m_bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &m_pBits, nullptr, 0)))
            return;
        m_bCopied = Copy(hWnd);
    }
    CWindowPixels(const CWindowPixels&) = delete;
    CWindowPixels& operator=(const CWindowPixels&) = delete;

    bool IsValid() const { return m_bCopied; }
    UINT Width() const { return m_cx; }
    UINT Height() const { return m_cy; }
    UINT Stride() const { return m_cx * 4; }
    BYTE* Bits() const { return static_cast<BYTE*>(m_pBits); }

private:
    int m_x;
    int m_y;
    int m_cx = 0;
    int m_cy = 0;
    CBitmap m_bitmap;
    void* m_pBits = nullptr;
    bool m_bCopied = false;

    // The window DC shows the frame too; a screen copy works for on-screen windows, where
    // PrintWindow would need WM_PRINTCLIENT support in every child.
    bool Copy(HWND hWnd)
    {
        CScopedGetDC window(hWnd, CScopedGetDC::WholeWindow);
        if (!window)
            return false;
        CScopedCreateDC memory(window);
        CDCSelect select(memory, m_bitmap.m_hObject);
        if (!select.IsSelected())
            return false;
        return ::BitBlt(memory, 0, 0, m_cx, m_cy, window, m_x, m_y, SRCCOPY) != FALSE;
    }
};

HRESULT Encode(const CWindowPixels& pixels, LPCWSTR pszPath)
{
    IWICImagingFactoryPtr pFactory;
    HRESULT hr = pFactory.CreateInstance(CLSID_WICImagingFactory);
    if (FAILED(hr))
        return hr;
    IWICBitmapPtr pBitmap;
    hr = pFactory->CreateBitmapFromMemory(pixels.Width(), pixels.Height(), GUID_WICPixelFormat32bppBGR, pixels.Stride(),
                                          pixels.Stride() * pixels.Height(), pixels.Bits(), &pBitmap);
    if (FAILED(hr))
        return hr;
    IWICStreamPtr pStream;
    if (FAILED(hr = pFactory->CreateStream(&pStream)) ||
        FAILED(hr = pStream->InitializeFromFilename(pszPath, GENERIC_WRITE)))
        return hr;
    IWICBitmapEncoderPtr pEncoder;
    if (FAILED(hr = pFactory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &pEncoder)) ||
        FAILED(hr = pEncoder->Initialize(pStream, WICBitmapEncoderNoCache)))
        return hr;
    IWICBitmapFrameEncodePtr pFrame;
    if (FAILED(hr = pEncoder->CreateNewFrame(&pFrame, nullptr)) || FAILED(hr = pFrame->Initialize(nullptr)) ||
        FAILED(hr = pFrame->WriteSource(pBitmap, nullptr)) || FAILED(hr = pFrame->Commit()))
        return hr;
    return pEncoder->Commit();
}
} // namespace

namespace {

BOOL Save(const CWindowPixels& pixels, LPCWSTR pszPath)
{
    if (!pixels.IsValid())
        return FALSE;
    const CComApartment com;
    return SUCCEEDED(Encode(pixels, pszPath));
}

} // namespace

BOOL CWindowShot::SaveAsPng(HWND hWnd, LPCWSTR pszPath)
{
    RECT rc;
    if (hWnd == nullptr || !::GetWindowRect(hWnd, &rc))
        return FALSE;
    return Save(CWindowPixels(hWnd, rc), pszPath);
}

BOOL CWindowShot::SaveScreenAsPng(const RECT& rcScreen, LPCWSTR pszPath)
{
    return Save(CWindowPixels(nullptr, rcScreen), pszPath);
}
