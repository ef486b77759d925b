#include "WindowShot.h"

#include <comdef.h>
#include <wincodec.h>

_COM_SMARTPTR_TYPEDEF(IWICImagingFactory, __uuidof(IWICImagingFactory));
_COM_SMARTPTR_TYPEDEF(IWICBitmap, __uuidof(IWICBitmap));
_COM_SMARTPTR_TYPEDEF(IWICBitmapEncoder, __uuidof(IWICBitmapEncoder));
_COM_SMARTPTR_TYPEDEF(IWICBitmapFrameEncode, __uuidof(IWICBitmapFrameEncode));
_COM_SMARTPTR_TYPEDEF(IWICStream, __uuidof(IWICStream));

namespace
{
// Top-down 32-bit copy of the window's pixels, owned for the length of one save.
class CWindowPixels
{
public:
    explicit CWindowPixels(HWND hWnd)
    {
        RECT rc;
        if (!::GetWindowRect(hWnd, &rc))
            return;
        m_cx = rc.right - rc.left;
        m_cy = rc.bottom - rc.top;
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = m_cx;
        bmi.bmiHeader.biHeight = -m_cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &m_pBits, NULL, 0);
        if (m_hBitmap == NULL)
            return;
        m_bCopied = Copy(hWnd);
    }
    ~CWindowPixels()
    {
        if (m_hBitmap != NULL)
            ::DeleteObject(m_hBitmap);
    }
    CWindowPixels(const CWindowPixels&) = delete;
    CWindowPixels& operator=(const CWindowPixels&) = delete;

    bool IsValid() const { return m_bCopied; }
    UINT Width() const { return m_cx; }
    UINT Height() const { return m_cy; }
    UINT Stride() const { return m_cx * 4; }
    BYTE* Bits() const { return static_cast<BYTE*>(m_pBits); }

private:
    int m_cx = 0;
    int m_cy = 0;
    HBITMAP m_hBitmap = NULL;
    void* m_pBits = NULL;
    bool m_bCopied = false;

    bool Copy(HWND hWnd)
    {
        HDC hdcWindow = ::GetWindowDC(hWnd);
        if (hdcWindow == NULL)
            return false;
        HDC hdcMem = ::CreateCompatibleDC(hdcWindow);
        bool bOk = false;
        if (hdcMem != NULL)
        {
            HGDIOBJ hOld = ::SelectObject(hdcMem, m_hBitmap);
            bOk = ::BitBlt(hdcMem, 0, 0, m_cx, m_cy, hdcWindow, 0, 0, SRCCOPY) != FALSE;
            ::SelectObject(hdcMem, hOld);
            ::DeleteDC(hdcMem);
        }
        ::ReleaseDC(hWnd, hdcWindow);
        return bOk;
    }
};

HRESULT Encode(const CWindowPixels& pixels, LPCWSTR pszPath)
{
    IWICImagingFactoryPtr pFactory;
    HRESULT hr = pFactory.CreateInstance(CLSID_WICImagingFactory);
    if (FAILED(hr))
        return hr;
    IWICBitmapPtr pBitmap;
    hr = pFactory->CreateBitmapFromMemory(pixels.Width(), pixels.Height(), GUID_WICPixelFormat32bppBGR,
                                          pixels.Stride(), pixels.Stride() * pixels.Height(),
                                          pixels.Bits(), &pBitmap);
    if (FAILED(hr))
        return hr;
    IWICStreamPtr pStream;
    if (FAILED(hr = pFactory->CreateStream(&pStream)) ||
        FAILED(hr = pStream->InitializeFromFilename(pszPath, GENERIC_WRITE)))
        return hr;
    IWICBitmapEncoderPtr pEncoder;
    if (FAILED(hr = pFactory->CreateEncoder(GUID_ContainerFormatPng, NULL, &pEncoder)) ||
        FAILED(hr = pEncoder->Initialize(pStream, WICBitmapEncoderNoCache)))
        return hr;
    IWICBitmapFrameEncodePtr pFrame;
    if (FAILED(hr = pEncoder->CreateNewFrame(&pFrame, NULL)) || FAILED(hr = pFrame->Initialize(NULL)) ||
        FAILED(hr = pFrame->WriteSource(pBitmap, NULL)) || FAILED(hr = pFrame->Commit()))
        return hr;
    return pEncoder->Commit();
}
} // namespace

BOOL CWindowShot::SaveAsPng(HWND hWnd, LPCWSTR pszPath)
{
    CWindowPixels pixels(hWnd);
    if (!pixels.IsValid())
        return FALSE;
    HRESULT hrInit = ::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    HRESULT hr = Encode(pixels, pszPath);
    if (SUCCEEDED(hrInit))
        ::CoUninitialize();
    return SUCCEEDED(hr);
}
