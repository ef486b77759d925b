// The background dialog: bitmap placement by mode, the window shape cut out by a colour, the
// skin background without a bitmap, and dragging by the client area.
#include <BkDialogST.h>

#include <MemDC.h>
#include <Skin.h>

#include <afxlite/AfxModule.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CBkDialogST, CDialog)

BEGIN_MESSAGE_MAP(CBkDialogST, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

const COLORREF kNoTransparentColour = 0xFFFFFFFF;
// A background picture larger than this many pixel bytes is not scanned for a shape.
const size_t kMaxScanBytes = 256u * 1024u * 1024u;

// Where a picture of size extent goes along one axis of length total: at the start, at the
// end, or in the middle. A picture larger than the window gets a negative offset, so that its
// middle stays in the middle of the window (the same rule as for a smaller one).
enum class Align { Start, Middle, End };

int Place(Align align, int total, int extent)
{
    switch (align) {
    case Align::Start:
        return 0;
    case Align::End:
        return total - extent;
    case Align::Middle:
        break;
    }
    return (total - extent) / 2;
}

} // namespace

CBkDialogST::CBkDialogST(CWnd* pParent)
{
    m_pParentWnd = pParent;
    Init();
}

CBkDialogST::CBkDialogST(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent)
{
    Init();
}

CBkDialogST::CBkDialogST(LPCTSTR lpszTemplateName, CWnd* pParent) : CDialog(lpszTemplateName, pParent)
{
    Init();
}

CBkDialogST::~CBkDialogST()
{
    FreeResources();
}

void CBkDialogST::Init()
{
    m_composedFrom = {nullptr, BKDLGST_MODE_TILE, 0};
    m_hRegion = nullptr;
    m_dwWidth = 0;
    m_dwHeight = 0;
    m_byMode = BKDLGST_MODE_TILE;
    m_bEasyMoveMode = FALSE;
}

void CBkDialogST::FreeResources(BOOL bCheckWindow)
{
    // A later bitmap may get the same handle: what was composed from this one goes with it.
    m_background.Reset();
    m_hBitmap.Reset();
    // The window owns the shape and deletes it when it is replaced; deleting it here as well
    // would delete a handle the system has already released (or reused).
    if (m_hRegion != nullptr && (!bCheckWindow || ::IsWindow(m_hWnd)))
        SetWindowRgn(nullptr, FALSE);
    m_hRegion = nullptr;
    m_dwWidth = 0;
    m_dwHeight = 0;
}

DWORD CBkDialogST::SetBitmap(HBITMAP hBitmap, COLORREF crTransColor)
{
    FreeResources();
    if (hBitmap == nullptr) {
        if (::IsWindow(m_hWnd))
            Invalidate();
        return BKDLGST_OK;
    }
    m_hBitmap.Reset(hBitmap);
    BITMAP info = {};
    if (::GetObjectW(hBitmap, sizeof(info), &info) != sizeof(info) || info.bmWidth <= 0 || info.bmHeight <= 0) {
        FreeResources();
        return BKDLGST_INVALIDRESOURCE;
    }
    m_dwWidth = static_cast<DWORD>(info.bmWidth);
    m_dwHeight = static_cast<DWORD>(info.bmHeight);

    if (crTransColor != kNoTransparentColour) {
        HRGN hRegion = ScanRegion(hBitmap, GetRValue(crTransColor), GetGValue(crTransColor), GetBValue(crTransColor));
        // Without a window there is nobody to hand the shape to.
        if (hRegion == nullptr || !::IsWindow(m_hWnd) || !SetWindowRgn(hRegion, FALSE)) {
            if (hRegion != nullptr)
                ::DeleteObject(hRegion);
            FreeResources();
            return BKDLGST_FAILEDREGION;
        }
        m_hRegion = hRegion;
    }
    if (::IsWindow(m_hWnd))
        Invalidate();
    return BKDLGST_OK;
}

DWORD CBkDialogST::SetBitmap(int nBitmap, COLORREF crTransColor)
{
    LPCTSTR lpszName = MAKEINTRESOURCE(static_cast<WORD>(nBitmap));
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_BITMAP);
    HBITMAP hBitmap = static_cast<HBITMAP>(::LoadImageW(hInst, lpszName, IMAGE_BITMAP, 0, 0, 0));
    if (hBitmap == nullptr) {
        // A resource that cannot be loaded is a refused bitmap, not a request for the skin.
        SetBitmap(static_cast<HBITMAP>(nullptr));
        return BKDLGST_INVALIDRESOURCE;
    }
    return SetBitmap(hBitmap, crTransColor);
}

DWORD CBkDialogST::SetMode(BYTE byMode, BOOL bRepaint)
{
    if (byMode >= BKDLGST_MAX_MODES)
        return BKDLGST_INVALIDMODE;
    m_byMode = byMode;
    if (bRepaint == TRUE && ::IsWindow(m_hWnd))
        Invalidate();
    return BKDLGST_OK;
}

DWORD CBkDialogST::ShrinkToFit(BOOL bRepaint)
{
    m_byMode = BKDLGST_MODE_CENTER;
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    const int cx = static_cast<int>(m_dwWidth) + rcWindow.Width() - rcClient.Width();
    const int cy = static_cast<int>(m_dwHeight) + rcWindow.Height() - rcClient.Height();
    CWnd* pParent = GetParent();
    if (pParent != nullptr && (GetStyle() & WS_CHILD))
        pParent->ScreenToClient(&rcWindow);
    MoveWindow(rcWindow.left, rcWindow.top, cx, cy, bRepaint);
    return BKDLGST_OK;
}

DWORD CBkDialogST::ActivateEasyMoveMode(BOOL bActivate)
{
    m_bEasyMoveMode = bActivate;
    return BKDLGST_OK;
}

void CBkDialogST::OnPostEraseBkgnd(CDC*)
{
}

void CBkDialogST::Draw(CDC*)
{
}

void CBkDialogST::DoDataExchange(CDataExchange*)
{
}

BOOL CBkDialogST::OnEraseBkgnd(CDC* pDC)
{
    const BOOL bResult = CDialog::OnEraseBkgnd(pDC);
    if (m_hBitmap)
        PaintBitmapBackground(pDC);
    else
        PaintSkinBackground(pDC, TRUE);
    return bResult;
}

CDC* CBkDialogST::ComposedBackground(CDC* pDC, const CRect& rcClient, bool bSkin)
{
    const ComposedFrom source = bSkin ? ComposedFrom{nullptr, BKDLGST_MODE_TILE, 0}
                                      : ComposedFrom{m_hBitmap.Get(), m_byMode, pDC->GetBkColor()};
    if (m_background.IsCurrent(rcClient.Size()) && source == m_composedFrom)
        return m_background.GetDC();
    CDC* pComposed = m_background.BeginCompose(pDC, rcClient.Size());
    if (pComposed == nullptr)
        return nullptr;
    m_composedFrom = source;
    if (bSkin) {
        CSkin::Instance().FillCenter(pComposed, rcClient, DT_VIEWLOGO);
        Draw(pComposed);
        return pComposed;
    }
    pComposed->FillSolidRect(&rcClient, source.crBk);
    const CScopedCreateDC bitmapDC(pDC->m_hDC);
    const CDCSelect select(bitmapDC, m_hBitmap.Get());
    if (!select.IsSelected()) {
        m_background.Reset();
        return nullptr;
    }
    DrawByMode(pComposed, CDC::FromHandle(bitmapDC), rcClient);
    return pComposed;
}

void CBkDialogST::PaintSkinBackground(CDC* pDC, BOOL bPostErase)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CDC* pComposed = ComposedBackground(pDC, rcClient, true);
    if (pComposed == nullptr)
        return;
    if (bPostErase)
        OnPostEraseBkgnd(pComposed);
    m_background.CopyTo(pDC);
}

void CBkDialogST::PaintBitmapBackground(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CDC* pComposed = ComposedBackground(pDC, rcClient, false);
    if (pComposed == nullptr)
        return;
    m_background.CopyTo(pDC);
    OnPostEraseBkgnd(pComposed);
}

void CBkDialogST::DrawByMode(CDC* pDC, CDC* pBitmapDC, const CRect& rcClient)
{
    const int W = rcClient.Width();
    const int H = rcClient.Height();
    const int w = static_cast<int>(m_dwWidth);
    const int h = static_cast<int>(m_dwHeight);
    const auto copyAt = [&](int x, int y) { pDC->BitBlt(x, y, w, h, pBitmapDC, 0, 0, SRCCOPY); };
    const auto tile = [&](int xFrom, int xTo, int yFrom, int yTo) {
        for (int y = yFrom; y < yTo; y += h)
            for (int x = xFrom; x < xTo; x += w)
                copyAt(x, y);
    };
    switch (m_byMode) {
    case BKDLGST_MODE_TILE:
        tile(0, W, 0, H);
        break;
    case BKDLGST_MODE_CENTER:
        copyAt(Place(Align::Middle, W, w), Place(Align::Middle, H, h));
        break;
    case BKDLGST_MODE_STRETCH:
        pDC->StretchBlt(0, 0, W, H, pBitmapDC, 0, 0, w, h, SRCCOPY);
        break;
    case BKDLGST_MODE_TILETOP:
        tile(0, W, 0, 1);
        break;
    case BKDLGST_MODE_TILEBOTTOM:
        tile(0, W, H - h, H - h + 1);
        break;
    case BKDLGST_MODE_TILELEFT:
        tile(0, 1, 0, H);
        break;
    case BKDLGST_MODE_TILERIGHT:
        tile(W - w, W - w + 1, 0, H);
        break;
    case BKDLGST_MODE_TOPLEFT:
        copyAt(0, 0);
        break;
    case BKDLGST_MODE_TOPRIGHT:
        copyAt(Place(Align::End, W, w), 0);
        break;
    case BKDLGST_MODE_TOPCENTER:
        copyAt(Place(Align::Middle, W, w), 0);
        break;
    case BKDLGST_MODE_BOTTOMLEFT:
        copyAt(0, Place(Align::End, H, h));
        break;
    case BKDLGST_MODE_BOTTOMRIGHT:
        copyAt(Place(Align::End, W, w), Place(Align::End, H, h));
        break;
    case BKDLGST_MODE_BOTTOMCENTER:
        copyAt(Place(Align::Middle, W, w), Place(Align::End, H, h));
        break;
    }
}

void CBkDialogST::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_hBitmap)
        Invalidate();
}

void CBkDialogST::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bEasyMoveMode == TRUE) {
        // The caption hit's position is a screen position: the move starts from where the
        // cursor really is, so the window does not jump by its own client offset.
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    CDialog::OnLButtonDown(nFlags, point);
}

bool CBkDialogST::Get24BitPixels(HBITMAP hBitmap, std::vector<BYTE>& pixels, DWORD* pdwWidth, DWORD* pdwHeight,
                                 DWORD* pdwStride)
{
    BITMAP info = {};
    if (::GetObjectW(hBitmap, sizeof(info), &info) != sizeof(info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return false;
    const size_t stride = (static_cast<size_t>(info.bmWidth) * 3 + 3) & ~static_cast<size_t>(3);
    if (stride > kMaxScanBytes / static_cast<size_t>(info.bmHeight))
        return false;
    pixels.assign(stride * static_cast<size_t>(info.bmHeight), 0);

    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight; // top-down
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = BI_RGB;
    const CScopedGetDC screen(nullptr, CScopedGetDC::WholeWindow);
    if (::GetDIBits(screen, hBitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &header, DIB_RGB_COLORS) !=
        info.bmHeight)
        return false;
    *pdwWidth = static_cast<DWORD>(info.bmWidth);
    *pdwHeight = static_cast<DWORD>(info.bmHeight);
    *pdwStride = static_cast<DWORD>(stride);
    return true;
}

HRGN CBkDialogST::ScanRegion(HBITMAP hBitmap, BYTE byTransR, BYTE byTransG, BYTE byTransB)
{
    std::vector<BYTE> pixels;
    DWORD dwWidth = 0, dwHeight = 0, dwStride = 0;
    if (!Get24BitPixels(hBitmap, pixels, &dwWidth, &dwHeight, &dwStride))
        return nullptr;
    // The shape is built from the runs of kept pixels of each row, in one call: combining one
    // region per transparent pixel costs a region operation per pixel.
    std::vector<RECT> runs;
    for (DWORD y = 0; y < dwHeight; ++y) {
        const BYTE* pRow = pixels.data() + static_cast<size_t>(y) * dwStride;
        DWORD x = 0;
        while (x < dwWidth) {
            const auto isTransparent = [&](DWORD col) {
                const BYTE* p = pRow + col * 3; // blue, green, red
                return p[0] == byTransB && p[1] == byTransG && p[2] == byTransR;
            };
            while (x < dwWidth && isTransparent(x))
                ++x;
            const DWORD xStart = x;
            while (x < dwWidth && !isTransparent(x))
                ++x;
            if (x > xStart)
                runs.push_back(
                    {static_cast<LONG>(xStart), static_cast<LONG>(y), static_cast<LONG>(x), static_cast<LONG>(y + 1)});
        }
    }
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
    pData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pData->rdh.iType = RDH_RECTANGLES;
    pData->rdh.nCount = static_cast<DWORD>(runs.size());
    pData->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    ::SetRect(&pData->rdh.rcBound, 0, 0, static_cast<int>(dwWidth), static_cast<int>(dwHeight));
    std::copy(runs.begin(), runs.end(), reinterpret_cast<RECT*>(pData->Buffer));
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), pData);
}
