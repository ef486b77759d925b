// CGifAnimation: GIF frames through the block walker and WIC, composed in memory.

#include "GifAnimation.h"

#include "GifBlockWalker.h"

#include <afxlite/AfxScoped.h>

#include <comdef.h>
#include <wincodec.h>

#include <algorithm>

_COM_SMARTPTR_TYPEDEF(IWICImagingFactory, __uuidof(IWICImagingFactory));
_COM_SMARTPTR_TYPEDEF(IWICStream, __uuidof(IWICStream));
_COM_SMARTPTR_TYPEDEF(IWICBitmapDecoder, __uuidof(IWICBitmapDecoder));
_COM_SMARTPTR_TYPEDEF(IWICBitmapFrameDecode, __uuidof(IWICBitmapFrameDecode));
_COM_SMARTPTR_TYPEDEF(IWICFormatConverter, __uuidof(IWICFormatConverter));

namespace {

const LONGLONG kMaxFileBytes = 4 * 1024 * 1024;
const UINT kMaxSide = 1024;
const size_t kMaxTotalPixels = 64 * 1024 * 1024;
const DWORD kStillMilliseconds = 0; // a single frame never advances

// One picture decoded into premultiplied BGRA pixels of its own size.
struct CDecoded {
    UINT width = 0;
    UINT height = 0;
    std::vector<uint32_t> pixels;
};

HRESULT Decode(const uint8_t* pData, size_t nSize, CDecoded& out)
{
    IWICImagingFactoryPtr factory;
    HRESULT hr = factory.CreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER);
    IWICStreamPtr stream;
    if (SUCCEEDED(hr))
        hr = factory->CreateStream(&stream);
    if (SUCCEEDED(hr))
        hr = stream->InitializeFromMemory(const_cast<BYTE*>(pData), static_cast<DWORD>(nSize));
    IWICBitmapDecoderPtr decoder;
    if (SUCCEEDED(hr))
        hr = factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder);
    IWICBitmapFrameDecodePtr frame;
    if (SUCCEEDED(hr))
        hr = decoder->GetFrame(0, &frame);
    IWICFormatConverterPtr converter;
    if (SUCCEEDED(hr))
        hr = factory->CreateFormatConverter(&converter);
    if (SUCCEEDED(hr))
        hr = converter->Initialize(frame, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom);
    if (SUCCEEDED(hr))
        hr = converter->GetSize(&out.width, &out.height);
    if (FAILED(hr))
        return hr;
    if (out.width == 0 || out.height == 0 || out.width > kMaxSide || out.height > kMaxSide)
        return E_INVALIDARG;
    out.pixels.resize(static_cast<size_t>(out.width) * out.height);
    return converter->CopyPixels(nullptr, out.width * 4, static_cast<UINT>(out.pixels.size() * 4),
                                 reinterpret_cast<BYTE*>(out.pixels.data()));
}

// Lays premultiplied source pixels over the canvas at (left, top), clipped to it.
void Compose(std::vector<uint32_t>& canvas, int width, int height, const CDecoded& image, int left, int top)
{
    const int right = std::min<int>(width, left + static_cast<int>(image.width));
    const int bottom = std::min<int>(height, top + static_cast<int>(image.height));
    for (int y = std::max(0, top); y < bottom; ++y) {
        for (int x = std::max(0, left); x < right; ++x) {
            const uint32_t source = image.pixels[static_cast<size_t>(y - top) * image.width + (x - left)];
            const uint32_t alpha = source >> 24;
            uint32_t& target = canvas[static_cast<size_t>(y) * width + x];
            if (alpha == 255 || target == 0) {
                target = alpha ? source : target;
                continue;
            }
            // source over target, per channel, premultiplied
            uint32_t result = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const uint32_t s = (source >> shift) & 0xFF, t = (target >> shift) & 0xFF;
                result |= std::min<uint32_t>(255, s + t * (255 - alpha) / 255) << shift;
            }
            target = result;
        }
    }
}

void Clear(std::vector<uint32_t>& canvas, int width, int height, const GifFrameInfo& info)
{
    const int right = std::min<int>(width, static_cast<int>(info.left + info.width));
    const int bottom = std::min<int>(height, static_cast<int>(info.top + info.height));
    for (int y = static_cast<int>(info.top); y < bottom; ++y)
        for (int x = static_cast<int>(info.left); x < right; ++x)
            canvas[static_cast<size_t>(y) * width + x] = 0;
}

} // namespace

HRESULT CGifAnimation::LoadFile(const wchar_t* pszPath)
{
    m_frames.clear();
    CKernelHandle file(
        ::CreateFileW(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file)
        return HRESULT_FROM_WIN32(::GetLastError());
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > kMaxFileBytes)
        return E_INVALIDARG;
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD dwRead = 0;
    if (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &dwRead, nullptr) ||
        dwRead != bytes.size())
        return E_FAIL;
    return LoadBytes(bytes.data(), bytes.size());
}

HRESULT CGifAnimation::LoadBytes(const uint8_t* pData, size_t nSize)
{
    m_frames.clear();
    const CGifBlockWalker walker(pData, nSize);
    const HRESULT hr = walker.IsGif() ? LoadGif(pData, nSize) : LoadStill(pData, nSize);
    if (FAILED(hr))
        m_frames.clear();
    return hr;
}

HRESULT CGifAnimation::LoadStill(const uint8_t* pData, size_t nSize)
{
    CDecoded image;
    const HRESULT hr = Decode(pData, nSize, image);
    if (FAILED(hr))
        return hr;
    m_nWidth = static_cast<int>(image.width);
    m_nHeight = static_cast<int>(image.height);
    m_frames.push_back({std::move(image.pixels), kStillMilliseconds});
    return S_OK;
}

HRESULT CGifAnimation::LoadGif(const uint8_t* pData, size_t nSize)
{
    CGifBlockWalker walker(pData, nSize);
    m_nWidth = static_cast<int>(walker.ScreenWidth());
    m_nHeight = static_cast<int>(walker.ScreenHeight());
    if (m_nWidth <= 0 || m_nHeight <= 0 || m_nWidth > static_cast<int>(kMaxSide) ||
        m_nHeight > static_cast<int>(kMaxSide))
        return E_INVALIDARG;
    const size_t nArea = static_cast<size_t>(m_nWidth) * m_nHeight;
    std::vector<uint32_t> canvas(nArea, 0);
    std::vector<uint8_t> bytes;
    GifFrameInfo info;
    while ((m_frames.size() + 1) * nArea <= kMaxTotalPixels && walker.GetNextGraphicBlock(bytes, info)) {
        CDecoded image;
        if (FAILED(Decode(bytes.data(), bytes.size(), image)))
            continue; // a frame the decoder refuses is left out, as in the control
        const std::vector<uint32_t> previous = info.disposal == 3 ? canvas : std::vector<uint32_t>();
        Compose(canvas, m_nWidth, m_nHeight, image, static_cast<int>(info.left), static_cast<int>(info.top));
        m_frames.push_back({canvas, CGifBlockWalker::FrameMilliseconds(info.delay)});
        if (info.disposal == 2)
            Clear(canvas, m_nWidth, m_nHeight, info);
        else if (info.disposal == 3)
            canvas = previous;
    }
    if (m_frames.empty())
        return E_FAIL;
    if (m_frames.size() == 1)
        m_frames[0].dwMilliseconds = kStillMilliseconds;
    return S_OK;
}
