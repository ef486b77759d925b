// CStretchedPieceCache: stretched pieces kept ready in memory contexts of their own.
//
// A masked piece is drawn as AND through the stretched mask, then OR of the stretched picture.
// StretchTrans does XOR, AND, XOR with the same stretched pieces; the two agree wherever the
// picture is black under the white (transparent) part of the mask, which the picture's own
// pixels guarantee: a stretched white mask pixel comes only from transparent, black source
// pixels, in every stretching mode the cache accepts.

#include "StretchedPieceCache.h"

#include <afxlite/AfxGdiScoped.h>

namespace {

const int kTrueColourBits = 32;

// What drawing a piece takes once its mask is known.
enum class Kind {
    Copy,        // no mask, or a mask without a transparent pixel: one copy
    Masked,      // some pixels transparent: AND through the mask, then OR the picture
    Transparent, // every pixel transparent: nothing to draw
};

// A 32-bit top-down DIB section of the given size.
HBITMAP CreateTrueColourBitmap(const CSize& size)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kTrueColourBits;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

bool IsTrueColourTarget(HDC hTarget)
{
    switch (::GetObjectType(hTarget)) {
    case OBJ_DC:
        return ::GetDeviceCaps(hTarget, BITSPIXEL) == kTrueColourBits;
    case OBJ_MEMDC: {
        BITMAP info = {};
        HGDIOBJ hBitmap = ::GetCurrentObject(hTarget, OBJ_BITMAP);
        return hBitmap && ::GetObjectW(hBitmap, sizeof(info), &info) == sizeof(info) &&
               info.bmBitsPixel == kTrueColourBits;
    }
    default:
        return false;
    }
}

// Whether rcSource lies inside the picture.
bool IsInside(HBITMAP hPicture, const CRect& rcSource)
{
    BITMAP info = {};
    if (::GetObjectW(hPicture, sizeof(info), &info) != sizeof(info))
        return false;
    return rcSource.left >= 0 && rcSource.top >= 0 && rcSource.right <= info.bmWidth &&
           rcSource.bottom <= info.bmHeight;
}

// The kind of a masked piece from its monochrome mask (1 bits transparent).
Kind KindOfMask(HBITMAP hMask, const CSize& size)
{
    BITMAP info = {};
    if (::GetObjectW(hMask, sizeof(info), &info) != sizeof(info) || info.bmBitsPixel != 1)
        return Kind::Masked;
    std::vector<BYTE> bits(static_cast<size_t>(info.bmWidthBytes) * static_cast<size_t>(size.cy));
    if (::GetBitmapBits(hMask, static_cast<LONG>(bits.size()), bits.data()) != static_cast<LONG>(bits.size()))
        return Kind::Masked;
    bool bAnyOpaque = false;
    bool bAnyTransparent = false;
    for (int y = 0; y < size.cy; ++y) {
        const BYTE* row = bits.data() + static_cast<size_t>(y) * static_cast<size_t>(info.bmWidthBytes);
        for (int x = 0; x < size.cx; ++x) {
            const bool bTransparent = (row[x / 8] & (0x80 >> (x % 8))) != 0;
            bAnyTransparent = bAnyTransparent || bTransparent;
            bAnyOpaque = bAnyOpaque || !bTransparent;
        }
        if (bAnyOpaque && bAnyTransparent)
            return Kind::Masked;
    }
    return bAnyTransparent ? Kind::Transparent : Kind::Copy;
}

// One bitmap selected into a memory context of its own for the life of the object.
class CSelectedBitmap {
public:
    CSelectedBitmap(HDC hCompatible, HBITMAP hBitmap)
        : m_bitmap(hBitmap), m_dc(hCompatible), m_select(m_dc.Get(), m_bitmap.Get())
    {
    }
    CSelectedBitmap(const CSelectedBitmap&) = delete;
    CSelectedBitmap& operator=(const CSelectedBitmap&) = delete;

    bool IsReady() const { return m_bitmap && m_dc.Get() && m_select.IsSelected(); }
    HDC GetDC() const { return m_dc.Get(); }
    HBITMAP GetBitmap() const { return m_bitmap.Get(); }

private:
    CBitmapHandle m_bitmap;
    CScopedCreateDC m_dc;
    CDCSelect m_select;
};

// Stretches rcSource of hSource over the whole of target in the given mode.
bool StretchInto(const CSelectedBitmap& target, const CSize& size, HDC hSourceDC, HBITMAP hSource,
                 const CRect& rcSource, int nStretchMode)
{
    CDCSelect select(hSourceDC, hSource);
    if (!select.IsSelected())
        return false;
    ::SetStretchBltMode(target.GetDC(), nStretchMode);
    if (size == rcSource.Size())
        return ::BitBlt(target.GetDC(), 0, 0, size.cx, size.cy, hSourceDC, rcSource.left, rcSource.top, SRCCOPY) !=
               FALSE;
    return ::StretchBlt(target.GetDC(), 0, 0, size.cx, size.cy, hSourceDC, rcSource.left, rcSource.top,
                        rcSource.Width(), rcSource.Height(), SRCCOPY) != FALSE;
}

} // namespace

class CStretchedPieceCache::CPiece {
public:
    CPiece(const Key& key, HDC hTarget)
        : m_key(key), m_nLastDraw(0), m_kind(key.hMask ? Kind::Masked : Kind::Copy),
          m_picture(hTarget, CreateTrueColourBitmap(key.size))
    {
        if (key.hMask)
            m_mask.reset(new CSelectedBitmap(hTarget, ::CreateBitmap(key.size.cx, key.size.cy, 1, 1, nullptr)));
    }

    // Stretches picture and mask; false when a step fails.
    bool Make()
    {
        const CScopedCreateDC source(m_picture.GetDC());
        if (!source || !m_picture.IsReady() ||
            !StretchInto(m_picture, m_key.size, source, m_key.hPicture, m_key.rcSource, m_key.nStretchMode))
            return false;
        if (!m_mask)
            return true;
        if (!m_mask->IsReady() ||
            !StretchInto(*m_mask, m_key.size, source, m_key.hMask, m_key.rcSource, m_key.nStretchMode))
            return false;
        m_kind = KindOfMask(m_mask->GetBitmap(), m_key.size);
        if (m_kind != Kind::Masked)
            m_mask.reset();
        return true;
    }

    void Draw(HDC hTarget, const CPoint& ptTarget) const
    {
        const int cx = m_key.size.cx;
        const int cy = m_key.size.cy;
        switch (m_kind) {
        case Kind::Copy:
            ::BitBlt(hTarget, ptTarget.x, ptTarget.y, cx, cy, m_picture.GetDC(), 0, 0, SRCCOPY);
            break;
        case Kind::Masked: {
            // The monochrome mask is expanded with the text colour for 0 bits and the background
            // colour for 1 bits: black and white make it a plain AND mask.
            CDCColours colours(hTarget, RGB(0, 0, 0), RGB(255, 255, 255));
            ::BitBlt(hTarget, ptTarget.x, ptTarget.y, cx, cy, m_mask->GetDC(), 0, 0, SRCAND);
            ::BitBlt(hTarget, ptTarget.x, ptTarget.y, cx, cy, m_picture.GetDC(), 0, 0, SRCPAINT);
            break;
        }
        case Kind::Transparent:
            break;
        }
    }

    const Key& GetKey() const { return m_key; }
    size_t GetPixels() const { return static_cast<size_t>(m_key.size.cx) * static_cast<size_t>(m_key.size.cy); }
    unsigned GetLastDraw() const { return m_nLastDraw; }
    void SetLastDraw(unsigned nClock) { m_nLastDraw = nClock; }

private:
    Key m_key;
    unsigned m_nLastDraw;
    Kind m_kind;
    CSelectedBitmap m_picture;
    std::unique_ptr<CSelectedBitmap> m_mask;
};

bool CStretchedPieceCache::Key::operator==(const Key& other) const
{
    return hPicture == other.hPicture && hMask == other.hMask && rcSource == other.rcSource && size == other.size &&
           nStretchMode == other.nStretchMode;
}

CStretchedPieceCache::CStretchedPieceCache() : m_nPixels(0), m_nClock(0)
{
}

CStretchedPieceCache::~CStretchedPieceCache() = default;

bool CStretchedPieceCache::Accepts(HDC hTarget)
{
    return hTarget && IsTrueColourTarget(hTarget) && ::GetMapMode(hTarget) == MM_TEXT && ::GetLayout(hTarget) == 0 &&
           ::GetGraphicsMode(hTarget) == GM_COMPATIBLE && ::GetStretchBltMode(hTarget) != HALFTONE;
}

bool CStretchedPieceCache::Draw(HDC hTarget, HBITMAP hPicture, HBITMAP hMask, const CRect& rcTarget,
                                const CRect& rcSource)
{
    if (!hPicture || rcTarget.Width() <= 0 || rcTarget.Height() <= 0 || rcSource.Width() <= 0 ||
        rcSource.Height() <= 0 || !Accepts(hTarget))
        return false;
    const Key key = {hPicture, hMask, rcSource, rcTarget.Size(), ::GetStretchBltMode(hTarget)};
    CPiece* piece = Find(key);
    if (!piece) {
        if (static_cast<size_t>(key.size.cx) * static_cast<size_t>(key.size.cy) > kMaxPixels / 4 ||
            !IsInside(hPicture, rcSource) || (hMask && !IsInside(hMask, rcSource)))
            return false;
        piece = Add(key, hTarget);
        if (!piece)
            return false;
    }
    piece->SetLastDraw(++m_nClock);
    piece->Draw(hTarget, rcTarget.TopLeft());
    return true;
}

void CStretchedPieceCache::Empty()
{
    m_pieces.clear();
    m_nPixels = 0;
}

CStretchedPieceCache::CPiece* CStretchedPieceCache::Find(const Key& key)
{
    for (const std::unique_ptr<CPiece>& piece : m_pieces) {
        if (piece->GetKey() == key)
            return piece.get();
    }
    return nullptr;
}

CStretchedPieceCache::CPiece* CStretchedPieceCache::Add(const Key& key, HDC hTarget)
{
    std::unique_ptr<CPiece> piece(new CPiece(key, hTarget));
    if (!piece->Make())
        return nullptr;
    MakeRoomFor(piece->GetPixels());
    m_nPixels += piece->GetPixels();
    m_pieces.push_back(std::move(piece));
    return m_pieces.back().get();
}

// Releases the pieces drawn longest ago until one more piece of nPixels fits both bounds.
void CStretchedPieceCache::MakeRoomFor(size_t nPixels)
{
    while (!m_pieces.empty() && (m_pieces.size() >= kMaxPieces || m_nPixels + nPixels > kMaxPixels)) {
        auto oldest = m_pieces.begin();
        for (auto it = m_pieces.begin(); it != m_pieces.end(); ++it) {
            if ((*it)->GetLastDraw() < (*oldest)->GetLastDraw())
                oldest = it;
        }
        m_nPixels -= (*oldest)->GetPixels();
        m_pieces.erase(oldest);
    }
}
