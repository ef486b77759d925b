// CImageShow: still pictures through the system's picture loader.

#include <ImageShow.h>

#include <afxdlgs.h>
#include <afxgdi.h>

#include "frame/LangModule.h"

#include <algorithm>
#include <olectl.h>

namespace {

// Key of the Open dialog's filter text in the library's language set: the unit's name and
// the text's identifier.
const wchar_t kLangUnit[] = L"CImageShow";
const wchar_t kFilterId[] = L"IDS_0";
const wchar_t kDefaultExt[] = L"jpg";

// 0.01 mm per inch.
const long kHimetricPerInch = 2540;

// Longest side, in pixels, of a picture that loads. A metafile may claim any size (thousands
// of inches); beyond this its pixel size would not fit the drawing code's numbers, and a
// picture drawn at its own size would need gigabytes.
const long long kMaxPicturePixels = 16384;

// Pixels of a length in 0.01 mm at dpi dots per inch, rounded to nearest (half up); -1 when
// the length is negative or longer than a picture may be.
int HimetricToPixels(long himetric, int dpi)
{
    const long long pixels = (static_cast<long long>(himetric) * dpi + kHimetricPerInch / 2) / kHimetricPerInch;
    return himetric < 0 || pixels > kMaxPicturePixels ? -1 : static_cast<int>(pixels);
}

HPALETTE PicturePalette(IPicture* picture)
{
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_hPal(&handle)))
        return nullptr;
    return reinterpret_cast<HPALETTE>(static_cast<UINT_PTR>(handle));
}

bool IsTransparent(IPicture* picture)
{
    DWORD attributes = 0;
    return FAILED(picture->get_Attributes(&attributes)) || (attributes & PICTURE_TRANSPARENT) != 0;
}

} // namespace

CImageShow::CImageShow() : m_pPicture(nullptr), m_nWidth(0), m_nHeight(0), m_lHimetricWidth(0), m_lHimetricHeight(0)
{
}

CImageShow::CImageShow(const wchar_t* path) : CImageShow()
{
    LoadFile(path);
}

CImageShow::CImageShow(const CImageShow& other)
    : m_pPicture(other.m_pPicture), m_nWidth(other.m_nWidth), m_nHeight(other.m_nHeight),
      m_lHimetricWidth(other.m_lHimetricWidth), m_lHimetricHeight(other.m_lHimetricHeight)
{
    if (m_pPicture)
        m_pPicture->AddRef();
}

CImageShow& CImageShow::operator=(const CImageShow& other)
{
    if (this == &other)
        return *this;
    if (other.m_pPicture)
        other.m_pPicture->AddRef();
    UnloadFile();
    m_pPicture = other.m_pPicture;
    m_nWidth = other.m_nWidth;
    m_nHeight = other.m_nHeight;
    m_lHimetricWidth = other.m_lHimetricWidth;
    m_lHimetricHeight = other.m_lHimetricHeight;
    return *this;
}

CImageShow::~CImageShow()
{
    UnloadFile();
}

void CImageShow::Clear()
{
    m_pPicture = nullptr;
    m_nWidth = 0;
    m_nHeight = 0;
    m_lHimetricWidth = 0;
    m_lHimetricHeight = 0;
}

void CImageShow::UnloadFile()
{
    if (m_pPicture)
        m_pPicture->Release();
    Clear();
}

int CImageShow::LoadFile(const wchar_t* path)
{
    UnloadFile();
    if (!path || !*path)
        return 0;
    IPicture* picture = nullptr;
    HRESULT hr = ::OleLoadPicturePath(const_cast<LPOLESTR>(path), nullptr, 0, 0, IID_IPicture,
                                      reinterpret_cast<void**>(&picture));
    if (FAILED(hr) || !picture)
        return 0;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) {
        picture->Release();
        return 0;
    }
    const CScopedGetDC screen(nullptr);
    const int pixelWidth = HimetricToPixels(width, ::GetDeviceCaps(screen, LOGPIXELSX));
    const int pixelHeight = HimetricToPixels(height, ::GetDeviceCaps(screen, LOGPIXELSY));
    if (pixelWidth < 0 || pixelHeight < 0) {
        picture->Release();
        return 0;
    }
    m_pPicture = picture;
    m_lHimetricWidth = width;
    m_lHimetricHeight = height;
    m_nWidth = pixelWidth;
    m_nHeight = pixelHeight;
    return 1;
}

void CImageShow::GetImagePix(int& width, int& height) const
{
    width = m_nWidth;
    height = m_nHeight;
}

void CImageShow::Draw(HDC dc, RECT rect) const
{
    if (!m_pPicture || !dc)
        return;
    const CDCPalette palette(dc, PicturePalette(m_pPicture));
    if (IsTransparent(m_pPicture)) {
        RenderOver(dc, rect);
        return;
    }
    // Source rectangles run bottom-up in 0.01 mm: start at the height, go up by it.
    m_pPicture->Render(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, m_lHimetricHeight,
                       m_lHimetricWidth, -m_lHimetricHeight, nullptr);
}

// A transparent picture is rendered at its own size over the window colour in a memory
// bitmap, which is then copied (not stretched) to dc, clipped to rect's size.
void CImageShow::RenderOver(HDC dc, const RECT& rect) const
{
    CScopedCreateDC memDC(dc);
    CBitmap bitmap;
    if (!memDC || !bitmap.Attach(::CreateCompatibleBitmap(dc, m_nWidth, m_nHeight)))
        return;
    const CDCSelect select(memDC, bitmap.m_hObject);
    if (!select.IsSelected())
        return;
    RECT whole = {0, 0, m_nWidth, m_nHeight};
    ::FillRect(memDC, &whole, ::GetSysColorBrush(COLOR_WINDOW));
    m_pPicture->Render(memDC, 0, 0, m_nWidth, m_nHeight, 0, m_lHimetricHeight, m_lHimetricWidth, -m_lHimetricHeight,
                       nullptr);
    const int width = std::min<LONG>(m_nWidth, rect.right - rect.left);
    const int height = std::min<LONG>(m_nHeight, rect.bottom - rect.top);
    if (width > 0 && height > 0)
        ::BitBlt(dc, rect.left, rect.top, width, height, memDC, 0, 0, SRCCOPY);
}

int CImageShow::OpenImageFileDlg(HWND parent, CString& path)
{
    CString key;
    key.Format(L"%s/%s", kLangUnit, kFilterId);
    CFileDialog dialog(TRUE, kDefaultExt, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY,
                       GetLangModuleString(key), CWnd::FromHandle(parent));
    if (dialog.DoModal() != IDOK)
        return 0;
    path = dialog.GetPathName();
    return LoadFile(path);
}
