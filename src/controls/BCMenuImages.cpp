// Images of owner-drawn menus: toolbar pictures given to the items with the same commands, and
// the global image list with its faded and shadow copies for raised images in the XP style.
#include <BCMenu.h>

#include <MaskDraw.h>

#include <afxext.h>
#include <afxlite/AfxGdiScoped.h>

#include <algorithm>

namespace {

const COLORREF kDefaultBitmapBackground = RGB(192, 192, 192);
const double kFadeFactor = 0.3;
const double kShadowTintOffLuna = 0.49;

// The faded and the shadow copy of an icon with their masks, as a compatible device context
// renders them over COLOR_3DFACE.
struct RaisedCopies {
    CBitmap faded;
    CBitmap fadedMask;
    CBitmap shadow;
    CBitmap shadowMask;
};

// Renders hIcon over the face colour into a new bitmap; crBack receives the face colour as the
// device context shows it.
bool RenderOverFace(HDC hScreen, HICON hIcon, int cx, int cy, CBitmap& bitmap, COLORREF& crBack)
{
    if (!bitmap.Attach(::CreateCompatibleBitmap(hScreen, cx, cy)))
        return false;
    const CScopedCreateDC dc(hScreen);
    const CDCSelect select(dc, bitmap.m_hObject);
    if (!select.IsSelected())
        return false;
    CDC* pDC = CDC::FromHandle(dc);
    pDC->FillSolidRect(0, 0, cx, cy, ::GetSysColor(COLOR_3DFACE));
    crBack = pDC->GetPixel(0, 0);
    return ::DrawIconEx(dc, 0, 0, hIcon, cx, cy, 0, nullptr, DI_NORMAL) != FALSE;
}

// Replaces every pixel of bitmap that differs from crBack with recolour(pixel).
template <class Recolour>
void RecolourPicture(HDC hScreen, CBitmap& bitmap, int cx, int cy, COLORREF crBack, Recolour recolour)
{
    const CScopedCreateDC dc(hScreen);
    const CDCSelect select(dc, bitmap.m_hObject);
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            const COLORREF crPixel = ::GetPixel(dc, x, y);
            if (crPixel != crBack)
                ::SetPixelV(dc, x, y, recolour(crPixel));
        }
    }
}

bool AttachMask(CBitmap& picture, int cx, int cy, COLORREF crBack, CBitmap& mask)
{
    return mask.Attach(CreateBitmapMask(static_cast<HBITMAP>(picture.m_hObject), cx, cy, crBack)) != FALSE;
}

bool MakeRaisedCopies(HICON hIcon, int cx, int cy, RaisedCopies& copies)
{
    const CScopedGetDC screen(nullptr);
    COLORREF crBack = 0;
    if (!RenderOverFace(screen, hIcon, cx, cy, copies.faded, crBack) ||
        !RenderOverFace(screen, hIcon, cx, cy, copies.shadow, crBack))
        return false;
    const COLORREF crShadow = BCMenu::IsWinXPLuna()
                                  ? ::GetSysColor(COLOR_3DSHADOW)
                                  : BCMenu::LightenColor(::GetSysColor(COLOR_3DSHADOW), kShadowTintOffLuna);
    RecolourPicture(screen, copies.faded, cx, cy, crBack,
                    [](COLORREF cr) { return BCMenu::LightenColor(cr, kFadeFactor); });
    RecolourPicture(screen, copies.shadow, cx, cy, crBack, [crShadow](COLORREF) { return crShadow; });
    return AttachMask(copies.faded, cx, cy, crBack, copies.fadedMask) &&
           AttachMask(copies.shadow, cx, cy, crBack, copies.shadowMask);
}

} // namespace

int BCMenu::GlobalImageListOffset(int nID)
{
    for (INT_PTR i = 0; i < m_AllImagesID.GetSize(); ++i) {
        if (m_AllImagesID[i] == nID)
            return static_cast<int>(i);
    }
    return -1;
}

BOOL BCMenu::CanDraw3DImageList(int offset)
{
    if (offset < 0 || offset + 2 >= m_AllImagesID.GetSize() || offset + 2 >= m_AllImages.GetImageCount())
        return FALSE;
    return m_AllImagesID[offset] == m_AllImagesID[offset + 1] && m_AllImagesID[offset] == m_AllImagesID[offset + 2];
}

int BCMenu::AddToGlobalImageList(CImageList* il, int xoffset, int nID)
{
    if (il == nullptr || il->GetSafeHandle() == nullptr || xoffset < 0)
        return -1;
    if (m_AllImages.GetSafeHandle() == nullptr && !m_AllImages.Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1))
        return -1;
    const CIconHandle icon(il->ExtractIcon(xoffset));
    if (!icon)
        return -1;
    int cx = 0;
    int cy = 0;
    m_AllImages.GetIconSize(&cx, &cy);
    RaisedCopies copies;
    const bool b3D = IsLunaMenuStyle() && xp_draw_3D_bitmaps && MakeRaisedCopies(icon.Get(), cx, cy, copies);

    int offset = GlobalImageListOffset(nID);
    if (offset >= 0) {
        if (m_AllImages.Replace(offset, icon.Get()) < 0)
            return -1;
        if (b3D && CanDraw3DImageList(offset)) {
            m_AllImages.Replace(offset + 1, &copies.faded, &copies.fadedMask);
            m_AllImages.Replace(offset + 2, &copies.shadow, &copies.shadowMask);
        }
        return offset;
    }
    offset = m_AllImages.Add(icon.Get());
    if (offset < 0)
        return -1;
    m_AllImagesID.Add(nID);
    if (!b3D)
        return offset;
    // The three images of a command stay together: a copy that cannot be added takes the other
    // one back out.
    const int nFaded = m_AllImages.Add(&copies.faded, &copies.fadedMask);
    const int nShadow = nFaded < 0 ? -1 : m_AllImages.Add(&copies.shadow, &copies.shadowMask);
    if (nShadow < 0) {
        if (nFaded >= 0)
            m_AllImages.Remove(nFaded);
        return offset;
    }
    m_AllImagesID.Add(nID);
    m_AllImagesID.Add(nID);
    return offset;
}

BOOL BCMenu::AddBitmapToImageList(CImageList* list, UINT nResourceID)
{
    CBitmap bitmap;
    if (list == nullptr || !bitmap.LoadBitmap(nResourceID))
        return FALSE;
    return list->Add(&bitmap, m_bitmapBackgroundFlag ? m_bitmapBackground : kDefaultBitmapBackground) >= 0;
}

namespace {

// A hidden toolbar loaded from a resource, a child of the thread's main window (or of the
// desktop when there is none).
bool LoadHiddenToolBar(CToolBar& bar, UINT nToolBar)
{
    CWnd* pParent = AfxGetMainWnd();
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        pParent = CWnd::GetDesktopWindow();
    const DWORD dwStyle = WS_CHILD | TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    return bar.Create(pParent, dwStyle, AFX_IDW_TOOLBAR) && bar.LoadToolBar(nToolBar);
}

} // namespace

BOOL BCMenu::LoadToolbar(UINT nToolBar)
{
    CToolBar bar;
    return LoadHiddenToolBar(bar, nToolBar) && AddFromToolBar(&bar, static_cast<int>(nToolBar));
}

BOOL BCMenu::LoadToolbars(const UINT* arID, int n)
{
    ASSERT(n == 0 || arID != nullptr);
    BOOL bAll = TRUE;
    for (int i = 0; i < n; ++i)
        bAll = LoadToolbar(arID[i]) && bAll;
    return bAll;
}

BOOL BCMenu::AddFromToolBar(CToolBar* pToolBar, int nResourceId)
{
    if (pToolBar == nullptr || pToolBar->m_hWnd == nullptr)
        return FALSE;
    const CSize sizeImage = pToolBar->GetImageSize();
    m_iconX = std::max(m_iconX, static_cast<int>(sizeImage.cx));
    m_iconY = std::max(m_iconY, static_cast<int>(sizeImage.cy));
    CImageList images;
    if (!images.Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1) ||
        !AddBitmapToImageList(&images, static_cast<UINT>(nResourceId)))
        return FALSE;
    for (int i = 0; i < pToolBar->GetCount(); ++i) {
        UINT nID = 0;
        UINT nStyle = 0;
        int iImage = 0;
        pToolBar->GetButtonInfo(i, nID, nStyle, iImage);
        if (nID == ID_SEPARATOR || FindMenuItem(nID) == nullptr)
            continue;
        ModifyODMenuW(nullptr, nID, &images, iImage > 0 ? iImage : i);
    }
    return TRUE;
}

BOOL BCMenu::LoadFromToolBar(UINT nID, UINT nToolBar, int& xoffset)
{
    xoffset = -1;
    CToolBar bar;
    const int nIndex = LoadHiddenToolBar(bar, nToolBar) ? bar.CommandToIndex(nID) : -1;
    if (nIndex < 0)
        return FALSE;
    UINT nButtonID = 0;
    UINT nStyle = 0;
    bar.GetButtonInfo(nIndex, nButtonID, nStyle, xoffset);
    return TRUE;
}
