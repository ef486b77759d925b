// The owner-drawn button: configuration, images, hover tracking, clicks with menus, address and
// sounds, tooltip and check state. Drawing is in ButtonSTDraw.cpp.
#include <ButtonST.h>

#include <MaskDraw.h>
#include "OpenWithShell.h"

#include "controls/ButtonImages.h"

#include <mmsystem.h>

#include <algorithm>
#include <cwchar>

IMPLEMENT_DYNAMIC(CButtonST, CButton)

BEGIN_MESSAGE_MAP(CButtonST, CButton)
    ON_WM_SETCURSOR()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_SYSCOLORCHANGE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CButtonST::OnClicked)
    ON_WM_ACTIVATE()
    ON_WM_ENABLE()
    ON_WM_CANCELMODE()
    ON_WM_GETDLGCODE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_MENUCHAR()
    ON_MESSAGE(BM_SETSTYLE, &CButtonST::OnSetStyle)
    ON_WM_MOUSELEAVE()
    ON_MESSAGE(BM_SETCHECK, &CButtonST::OnSetCheck)
    ON_MESSAGE(BM_GETCHECK, &CButtonST::OnGetCheck)
END_MESSAGE_MAP()

namespace {

const UINT kTypeMask = 0x1F;      // the button type bits of a style
const UINT kOwnerDrawType = 0x0B; // BS_OWNERDRAW
const UINT kSetStyleClear = 0x14; // bits BM_SETSTYLE never passes on
const int kTooltipWidth = 400;    // tips wrap at this width
const UINT kToolId = 1;           // the button's one tool
const int kMaxOffset = 255;       // OffsetColor's range
const CPoint kImageOrigin(3, 3);
const CPoint kPressedLeftRight(1, 1);
const CPoint kPressedTopBottom(0, 2);

// Button types that behave as check boxes: the check-box types of the style's bit 2. An
// owner-drawn, group or push-box style has that bit too but is no check box.
bool IsCheckBoxType(UINT nType)
{
    return nType == BS_CHECKBOX || nType == BS_AUTOCHECKBOX || nType == BS_AUTO3STATE;
}

HICON LoadIconResource(int nIcon, int cx, int cy)
{
    if (nIcon == 0)
        return nullptr;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIcon), RT_GROUP_ICON);
    return static_cast<HICON>(::LoadImageW(hInst, MAKEINTRESOURCEW(nIcon), IMAGE_ICON, cx, cy, 0));
}

HBITMAP LoadBitmapResource(int nBitmap)
{
    if (nBitmap == 0)
        return nullptr;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nBitmap), RT_BITMAP);
    return static_cast<HBITMAP>(::LoadImageW(hInst, MAKEINTRESOURCEW(nBitmap), IMAGE_BITMAP, 0, 0, 0));
}

bool IsAutoImage(INT_PTR nValue)
{
    return nValue == BTNST_AUTO_DARKER || nValue == BTNST_AUTO_GRAY;
}

button_images::Recolour AutoRecolour(INT_PTR nValue)
{
    return nValue == BTNST_AUTO_DARKER ? &button_images::Darker : &button_images::Grayscale;
}

} // namespace

CButtonST::CButtonST()
    : m_bDrawBkBmp(FALSE), m_bReserved(TRUE), m_ptImageOrg(kImageOrigin), m_ptPressedOffset(kPressedLeftRight),
      m_bDeleteFirstBitmap(TRUE), m_pSimpleMenu(nullptr), m_bIsFlat(TRUE), m_bMouseOnButton(FALSE),
      m_bDrawTransparent(FALSE), m_bIsPressed(FALSE), m_bIsFocused(FALSE), m_bIsDisabled(FALSE), m_bIsDefault(FALSE),
      m_bIsCheckBox(FALSE), m_byAlign(ST_ALIGN_HORIZ), m_bDrawBorder(TRUE), m_bDrawFlatFocus(FALSE), m_crColors{},
      m_hParentWndMenu(nullptr), m_bMenuDisplayed(FALSE), m_bAlwaysTrack(TRUE), m_nCheck(0), m_nTypeStyle(kTypeMask),
      m_dwToolTipStyle(0), m_szURL{}, m_csIcons{}, m_csBitmaps{}, m_csBkBmp{}, m_csCallbacks{}, m_csSounds{}
{
    SetDefaultColors(FALSE);
}

CButtonST::~CButtonST()
{
    m_dcBk.Free();
    FreeResources();
}

// ---- Subclassing and styles ----

void CButtonST::PreSubclassWindow()
{
    const UINT nType = GetStyle() & kTypeMask;
    m_bIsCheckBox = IsCheckBoxType(nType);
    m_nTypeStyle = nType;
    if (nType == BS_DEFPUSHBUTTON) {
        m_bIsDefault = TRUE;
        m_nTypeStyle = BS_PUSHBUTTON;
    }
    CButton::PreSubclassWindow();
    ModifyStyle(kTypeMask, kOwnerDrawType, SWP_FRAMECHANGED);
}

LRESULT CButtonST::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    const UINT nType = static_cast<UINT>(wParam) & kTypeMask;
    if (nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON)
        m_bIsDefault = nType == BS_DEFPUSHBUTTON;
    return DefWindowProc(BM_SETSTYLE, (wParam & ~static_cast<WPARAM>(kSetStyleClear)) | kOwnerDrawType, lParam);
}

UINT CButtonST::OnGetDlgCode()
{
    UINT nCode = static_cast<UINT>(Default()) & ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    return nCode | (m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

HBRUSH CButtonST::CtlColor(CDC*, UINT)
{
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

// ---- Images ----

// Releases icons and bitmaps. A handle the caller passes again (one of keep) is given up
// without being destroyed, so that storing it afresh does not keep a dead handle.
void CButtonST::FreeResources(std::initializer_list<HANDLE> keep)
{
    auto kept = [&keep](HANDLE h) { return h != nullptr && std::find(keep.begin(), keep.end(), h) != keep.end(); };
    for (STRUCT_ICONS& icon : m_csIcons) {
        if (kept(icon.hIcon.Get()))
            (void)icon.hIcon.Release();
        icon.hIcon.Reset();
        icon.dwWidth = icon.dwHeight = 0;
    }
    if (!m_bDeleteFirstBitmap)
        (void)m_csBitmaps[0].hBitmap.Release();
    for (STRUCT_BITMAPS& bitmap : m_csBitmaps) {
        if (kept(bitmap.hBitmap.Get()))
            (void)bitmap.hBitmap.Release();
        bitmap.hBitmap.Reset();
        bitmap.hMask.Reset();
        bitmap.dwWidth = bitmap.dwHeight = 0;
        bitmap.crTransparent = 0;
    }
}

DWORD CButtonST::SetIcon(HICON hIconIn, HICON hIconOut)
{
    FreeResources({hIconIn, hIconOut});
    if (hIconIn == nullptr)
        return BTNST_OK;
    STRUCT_ICONS& first = m_csIcons[0];
    first.hIcon.Reset(hIconIn);
    if (!button_images::IconSize(hIconIn, first.dwWidth, first.dwHeight)) {
        (void)first.hIcon.Release(); // not an icon: nothing of ours to destroy
        FreeResources();
        return BTNST_INVALIDRESOURCE;
    }
    const INT_PTR nOut = reinterpret_cast<INT_PTR>(hIconOut);
    // The same icon twice is one icon: a second owner would destroy it a second time.
    if (hIconOut == nullptr || hIconOut == hIconIn) {
        Invalidate();
        return BTNST_OK;
    }
    STRUCT_ICONS& second = m_csIcons[1];
    if (IsAutoImage(nOut))
        second.hIcon.Reset(button_images::RecolourIcon(hIconIn, static_cast<int>(first.dwWidth),
                                                       static_cast<int>(first.dwHeight), AutoRecolour(nOut)));
    else
        second.hIcon.Reset(hIconOut);
    if (!second.hIcon || !button_images::IconSize(second.hIcon.Get(), second.dwWidth, second.dwHeight)) {
        if (!IsAutoImage(nOut))
            (void)second.hIcon.Release();
        FreeResources();
        return BTNST_INVALIDRESOURCE;
    }
    Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetIcon(int nIconIn, int cxIconIn, int cyIconIn, int nIconOut, int cxIconOut, int cyIconOut)
{
    CIconHandle iconIn(LoadIconResource(nIconIn, cxIconIn, cyIconIn));
    if (!iconIn) {
        FreeResources();
        return BTNST_INVALIDRESOURCE;
    }
    HICON hIconOut = nullptr;
    if (IsAutoImage(nIconOut))
        hIconOut = reinterpret_cast<HICON>(static_cast<INT_PTR>(nIconOut));
    else if (nIconOut != 0 && (hIconOut = LoadIconResource(nIconOut, cxIconOut, cyIconOut)) == nullptr) {
        FreeResources();
        return BTNST_INVALIDRESOURCE;
    }
    return SetIcon(iconIn.Release(), hIconOut);
}

DWORD CButtonST::SetIcon(int nIconIn, int nIconOut)
{
    return SetIcon(nIconIn, 0, 0, nIconOut, 0, 0);
}

DWORD CButtonST::SetBitmaps(HBITMAP hBitmapIn, COLORREF crTransColorIn, HBITMAP hBitmapOut, COLORREF crTransColorOut)
{
    FreeResources({hBitmapIn, hBitmapOut});
    if (hBitmapIn == nullptr)
        return BTNST_OK;
    STRUCT_BITMAPS& first = m_csBitmaps[0];
    if (!button_images::BitmapSize(hBitmapIn, first.dwWidth, first.dwHeight)) {
        FreeResources();
        return BTNST_INVALIDRESOURCE;
    }
    first.hBitmap.Reset(hBitmapIn);
    first.crTransparent = crTransColorIn;
    STRUCT_BITMAPS& second = m_csBitmaps[1];
    const INT_PTR nOut = reinterpret_cast<INT_PTR>(hBitmapOut);
    if (IsAutoImage(nOut)) {
        // The copy is made before the first bitmap's transparent pixels turn black.
        second.hBitmap.Reset(button_images::RecolourBitmap(hBitmapIn, static_cast<int>(first.dwWidth),
                                                           static_cast<int>(first.dwHeight), crTransColorIn,
                                                           AutoRecolour(nOut)));
        second.crTransparent = crTransColorIn;
        if (!second.hBitmap) {
            FreeResources();
            return BTNST_INVALIDRESOURCE;
        }
    } else if (hBitmapOut != nullptr && hBitmapOut != hBitmapIn) {
        // The same bitmap twice is one bitmap: a second owner would delete it a second time.
        second.hBitmap.Reset(hBitmapOut);
        second.crTransparent = crTransColorOut;
    }
    if (second.hBitmap && !button_images::BitmapSize(second.hBitmap.Get(), second.dwWidth, second.dwHeight)) {
        (void)second.hBitmap.Release();
        FreeResources();
        return BTNST_INVALIDRESOURCE;
    }
    for (STRUCT_BITMAPS& bitmap : m_csBitmaps) {
        if (!bitmap.hBitmap)
            continue;
        bitmap.hMask.Reset(CreateBitmapMask(bitmap.hBitmap.Get(), static_cast<int>(bitmap.dwWidth),
                                            static_cast<int>(bitmap.dwHeight), bitmap.crTransparent));
        if (!bitmap.hMask) {
            FreeResources();
            return BTNST_FAILEDMASK;
        }
    }
    Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetBitmaps(int nBitmapIn, COLORREF crTransColorIn, int nBitmapOut, COLORREF crTransColorOut)
{
    CBitmapHandle bitmapIn(LoadBitmapResource(nBitmapIn));
    if (!bitmapIn) {
        FreeResources();
        return BTNST_INVALIDRESOURCE;
    }
    HBITMAP hBitmapOut = nullptr;
    if (IsAutoImage(nBitmapOut))
        hBitmapOut = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(nBitmapOut));
    else if (nBitmapOut != 0 && (hBitmapOut = LoadBitmapResource(nBitmapOut)) == nullptr) {
        FreeResources();
        return BTNST_INVALIDRESOURCE;
    }
    return SetBitmaps(bitmapIn.Release(), crTransColorIn, hBitmapOut, crTransColorOut);
}

DWORD CButtonST::SetBitmap3(int nBitmap, COLORREF crTransColor, BOOL bGray, BOOL bDark)
{
    HBITMAP hBitmap = LoadBitmapResource(nBitmap);
    DWORD dwWidth = 0;
    DWORD dwHeight = 0;
    CBitmapHandle gray;
    if (bGray && button_images::BitmapSize(hBitmap, dwWidth, dwHeight))
        gray.Reset(button_images::RecolourBitmap(hBitmap, static_cast<int>(dwWidth), static_cast<int>(dwHeight),
                                                 crTransColor, &button_images::Grayscale));
    SetBitmaps(hBitmap, crTransColor, bDark ? BTNST_AUTO_DARKER_BITMAP : nullptr, 0);
    if (gray) {
        m_csBkBmp.hMask.Reset(
            CreateBitmapMask(gray.Get(), static_cast<int>(dwWidth), static_cast<int>(dwHeight), crTransColor));
        m_csBkBmp.hBitmap.Reset(gray.Release());
        m_csBkBmp.dwWidth = dwWidth;
        m_csBkBmp.dwHeight = dwHeight;
        m_csBkBmp.crTransparent = crTransColor;
    }
    return BTNST_OK;
}

DWORD CButtonST::SizeToContent()
{
    DWORD dwWidth = 0;
    DWORD dwHeight = 0;
    if (m_csIcons[0].hIcon) {
        dwWidth = m_csIcons[0].dwWidth;
        dwHeight = m_csIcons[0].dwHeight;
    } else if (m_csBitmaps[0].hBitmap) {
        dwWidth = m_csBitmaps[0].dwWidth;
        dwHeight = m_csBitmaps[0].dwHeight;
    } else {
        return BTNST_OK;
    }
    m_ptImageOrg = CPoint(0, 0);
    SetWindowPos(nullptr, -1, -1, static_cast<int>(dwWidth), static_cast<int>(dwHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    return BTNST_OK;
}

// ---- Look ----

void CButtonST::Repaint(BOOL bRepaint)
{
    if (bRepaint && m_hWnd != nullptr)
        Invalidate();
}

DWORD CButtonST::SetFlat(BOOL bFlat, BOOL bRepaint)
{
    m_bIsFlat = bFlat;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::DrawBorder(BOOL bDrawBorder, BOOL bRepaint)
{
    m_bDrawBorder = bDrawBorder;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::DrawFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint)
{
    m_bDrawFlatFocus = bDrawFlatFocus;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::SetAlwaysTrack(BOOL bAlwaysTrack)
{
    m_bAlwaysTrack = bAlwaysTrack;
    return BTNST_OK;
}

DWORD CButtonST::SetAlign(BYTE byAlign, BOOL bRepaint)
{
    if (byAlign > ST_ALIGN_OVERLAP)
        return BTNST_INVALIDALIGN;
    m_byAlign = byAlign;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::SetPressedStyle(BYTE byStyle, BOOL bRepaint)
{
    if (byStyle == BTNST_PRESSED_LEFTRIGHT)
        m_ptPressedOffset = kPressedLeftRight;
    else if (byStyle == BTNST_PRESSED_TOPBOTTOM)
        m_ptPressedOffset = kPressedTopBottom;
    else
        return BTNST_INVALIDPRESSEDSTYLE;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::SetCheck(int nCheck, BOOL bRepaint)
{
    if (m_bIsCheckBox) {
        m_nCheck = nCheck != 0 ? 1 : 0;
        Repaint(bRepaint);
    }
    return BTNST_OK;
}

LRESULT CButtonST::OnSetCheck(WPARAM wParam, LPARAM)
{
    if (m_bIsCheckBox)
        m_nCheck = (wParam == BST_CHECKED || wParam == BST_INDETERMINATE) ? 1 : 0;
    Invalidate();
    return 0;
}

LRESULT CButtonST::OnGetCheck(WPARAM, LPARAM)
{
    return m_nCheck;
}

DWORD CButtonST::SetColor(BYTE byColorIndex, COLORREF crColor, BOOL bRepaint)
{
    if (byColorIndex >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    m_crColors[byColorIndex] = crColor;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::GetColor(BYTE byColorIndex, COLORREF* crpColor)
{
    if (byColorIndex >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    if (crpColor == nullptr)
        return BTNST_BADPARAM;
    *crpColor = m_crColors[byColorIndex];
    return BTNST_OK;
}

DWORD CButtonST::SetDefaultColors(BOOL bRepaint)
{
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF crText = ::GetSysColor(COLOR_BTNTEXT);
    for (int i = 0; i < BTNST_MAX_COLORS; i += 2) {
        m_crColors[i] = crFace;
        m_crColors[i + 1] = crText;
    }
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::OffsetColor(BYTE byColorIndex, short shOffset, BOOL bRepaint)
{
    if (byColorIndex >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    if (shOffset < -kMaxOffset || shOffset > kMaxOffset)
        return BTNST_BADPARAM;
    const COLORREF cr = m_crColors[byColorIndex];
    const int channels[] = {GetRValue(cr), GetGValue(cr), GetBValue(cr)};
    int nOffset = shOffset;
    for (int v : channels)
        nOffset = shOffset > 0 ? std::min(nOffset, kMaxOffset - v) : std::max(nOffset, -v);
    m_crColors[byColorIndex] = RGB(channels[0] + nOffset, channels[1] + nOffset, channels[2] + nOffset);
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::SetBkColor(COLORREF crColor, BOOL bRepaint)
{
    m_crColors[BTNST_COLOR_BK_FOCUS] = crColor;
    m_crColors[BTNST_COLOR_BK_IN] = crColor;
    m_crColors[BTNST_COLOR_BK_OUT] = crColor;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::SetBtnCursor(int nCursorId, BOOL bRepaint)
{
    m_hCursor.Reset();
    if (nCursorId != 0) {
        HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nCursorId), RT_GROUP_CURSOR);
        m_hCursor.Reset(static_cast<HCURSOR>(::LoadImageW(hInst, MAKEINTRESOURCEW(nCursorId), IMAGE_CURSOR, 0, 0, 0)));
        if (!m_hCursor)
            return BTNST_INVALIDRESOURCE;
    }
    Repaint(bRepaint);
    return BTNST_OK;
}

BOOL CButtonST::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hCursor) {
        ::SetCursor(m_hCursor.Get());
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void CButtonST::OnSysColorChange()
{
    CButton::OnSysColorChange();
    m_dcBk.Free();
    SetDefaultColors(TRUE);
}

// ---- Hover ----

void CButtonST::CancelHover()
{
    if (!m_bMouseOnButton)
        return;
    m_bMouseOnButton = FALSE;
    Invalidate();
}

void CButtonST::OnMouseMove(UINT nFlags, CPoint point)
{
    CButton::OnMouseMove(nFlags, point);
    ClientToScreen(&point);
    const HWND hUnderMouse = ::WindowFromPoint(point);
    if ((nFlags & MK_LBUTTON) && !m_bMouseOnButton)
        return;
    if (!m_bIsFlat)
        return;
    const HWND hTracking = m_bAlwaysTrack ? m_hWnd : ::GetActiveWindow();
    if (hUnderMouse != m_hWnd || hTracking == nullptr) {
        CancelHover();
        return;
    }
    if (m_bMouseOnButton)
        return;
    m_bMouseOnButton = TRUE;
    Invalidate();
    PlaySoundOf(m_csSounds[0]);
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
    ::_TrackMouseEvent(&track);
}

void CButtonST::OnMouseLeave()
{
    CancelHover();
}

void CButtonST::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    CancelHover();
}

void CButtonST::OnCancelMode()
{
    CButton::OnCancelMode();
    CancelHover();
}

void CButtonST::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CButton::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE)
        CancelHover();
}

void CButtonST::OnEnable(BOOL bEnable)
{
    CButton::OnEnable(bEnable);
    if (bEnable)
        return;
    CWnd* pParent = GetParent();
    if (pParent != nullptr) {
        CWnd* pNext = pParent->GetNextDlgTabItem(this);
        if (pNext != nullptr && pNext->m_hWnd != m_hWnd)
            pNext->SetFocus();
        else
            pParent->SetFocus();
    }
    CancelHover();
}

// ---- Clicks, menus, address, sounds ----

DWORD CButtonST::SetURL(LPCTSTR lpszURL)
{
    m_szURL[0] = L'\0';
    if (lpszURL != nullptr)
        wcsncpy_s(m_szURL, _MAX_PATH, lpszURL, _TRUNCATE);
    return BTNST_OK;
}

DWORD CButtonST::SetMenu(CMenu* pMenu, HWND hParentWnd)
{
    m_pSimpleMenu = pMenu;
    m_hParentWndMenu = hParentWnd;
    return BTNST_OK;
}

DWORD CButtonST::SetMenu(UINT nMenu, HWND hParentWnd, BOOL bWinXPStyle, UINT nToolbarID, CSize sizeToolbarIcon,
                         COLORREF crToolbarBk, BOOL bRepaint)
{
    if (m_menuPopup.m_hMenu != nullptr) {
        m_menuPopup.DestroyMenu();
        m_hParentWndMenu = nullptr;
        m_bMenuDisplayed = FALSE;
    }
    if (nMenu != 0) {
        BCMenu::SetMenuDrawMode(bWinXPStyle ? BCMENU_DRAWMODE_XP : BCMENU_DRAWMODE_ORIGINAL);
        if (!m_menuPopup.LoadMenu(static_cast<int>(nMenu)))
            return BTNST_INVALIDRESOURCE;
        if (nToolbarID != 0) {
            m_menuPopup.SetBitmapBackground(crToolbarBk);
            m_menuPopup.SetIconSize(sizeToolbarIcon.cx, sizeToolbarIcon.cy);
            if (!m_menuPopup.LoadToolbar(nToolbarID)) {
                m_menuPopup.DestroyMenu();
                return BTNST_INVALIDRESOURCE;
            }
        }
        m_hParentWndMenu = hParentWnd;
    }
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CButtonST::SetMenuCallback(HWND hWnd, UINT nMessage, LPARAM lParam)
{
    m_csCallbacks.hWnd = hWnd;
    m_csCallbacks.nMessage = nMessage;
    m_csCallbacks.lParam = lParam;
    return BTNST_OK;
}

DWORD CButtonST::SetSound(LPCTSTR lpszSound, HMODULE hMod, BOOL bPlayOnClick, BOOL bPlayAsync)
{
    STRUCT_SOUND& sound = m_csSounds[bPlayOnClick ? 1 : 0];
    sound = STRUCT_SOUND{};
    if (lpszSound == nullptr)
        return BTNST_OK;
    if (hMod != nullptr) {
        sound.lpszSound = lpszSound;
        sound.dwFlags = SND_RESOURCE;
    } else {
        wcsncpy_s(sound.szSound, _MAX_PATH, lpszSound, _TRUNCATE);
        sound.lpszSound = sound.szSound;
        sound.dwFlags = SND_FILENAME;
    }
    sound.hMod = hMod;
    sound.dwFlags |= SND_NODEFAULT | SND_NOWAIT | (bPlayAsync ? SND_ASYNC : 0);
    return BTNST_OK;
}

// Without a sound device the call fails at once; nothing depends on its result.
void CButtonST::PlaySoundOf(const STRUCT_SOUND& sound)
{
    if (sound.lpszSound != nullptr)
        ::PlaySoundW(sound.lpszSound, sound.hMod, sound.dwFlags);
}

LRESULT CButtonST::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    if (BCMenu::IsMenu(pMenu))
        return BCMenu::FindKeyboardShortcut(nChar, nFlags, pMenu);
    return CButton::OnMenuChar(nChar, nFlags, pMenu);
}

// Shows pPopup below the button's left edge and posts the chosen command to the menu's owner.
void CButtonST::PopUpMenu(CMenu* pPopup)
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const UINT nFlags = TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD;
    const UINT nCommand =
        pPopup ? static_cast<UINT>(pPopup->TrackPopupMenu(nFlags, rcWindow.left, rcWindow.bottom, this)) : 0;
    m_bMenuDisplayed = FALSE;
    Invalidate();
    if (nCommand != 0 && m_hParentWndMenu != nullptr)
        ::PostMessageW(m_hParentWndMenu, WM_COMMAND, MAKEWPARAM(nCommand, 0), 0);
}

BOOL CButtonST::OnClicked()
{
    SetFocus();
    PlaySoundOf(m_csSounds[1]);
    if (m_bIsCheckBox) {
        m_nCheck = m_nCheck ? 0 : 1;
        Invalidate();
        return FALSE;
    }
    if (m_pSimpleMenu != nullptr && m_pSimpleMenu->m_hMenu != nullptr) {
        PopUpMenu(m_pSimpleMenu->GetSubMenu(0));
        return FALSE;
    }
    if (m_menuPopup.m_hMenu != nullptr) {
        m_bMenuDisplayed = TRUE;
        Invalidate();
        CMenu* pPopup = m_menuPopup.GetSubMenu(0);
        if (m_csCallbacks.hWnd != nullptr)
            ::SendMessageW(m_csCallbacks.hWnd, m_csCallbacks.nMessage, reinterpret_cast<WPARAM>(pPopup),
                           m_csCallbacks.lParam);
        PopUpMenu(pPopup);
        return FALSE;
    }
    if (m_szURL[0] != L'\0')
        OpenWithShell(m_hWnd, m_szURL, SW_SHOWMAXIMIZED);
    return FALSE;
}

// ---- Tooltip ----

void CButtonST::InitToolTip()
{
    if (m_ToolTip.m_hWnd != nullptr || m_hWnd == nullptr)
        return;
    if (!m_ToolTip.Create(this, m_dwToolTipStyle))
        return;
    m_ToolTip.Activate(FALSE);
    m_ToolTip.SetMaxTipWidth(kTooltipWidth);
}

void CButtonST::SetTooltipText(LPCTSTR lpszText, BOOL bActivate)
{
    if (lpszText == nullptr)
        return;
    InitToolTip();
    if (m_ToolTip.m_hWnd == nullptr)
        return;
    if (m_ToolTip.GetToolCount() == 0) {
        CRect rcClient;
        GetClientRect(&rcClient);
        m_ToolTip.AddTool(this, lpszText, &rcClient, kToolId);
    }
    m_ToolTip.UpdateTipText(lpszText, this, kToolId);
    m_ToolTip.Activate(bActivate);
}

void CButtonST::ActivateTooltip(BOOL bActivate)
{
    if (m_ToolTip.m_hWnd == nullptr || m_ToolTip.GetToolCount() == 0)
        return;
    m_ToolTip.Activate(bActivate);
}

void CButtonST::EnableBalloonTooltip()
{
    m_dwToolTipStyle |= TTS_BALLOON;
}

BOOL CButtonST::PreTranslateMessage(MSG* pMsg)
{
    InitToolTip();
    if (m_ToolTip.m_hWnd != nullptr)
        m_ToolTip.RelayEvent(pMsg);
    if (pMsg->message == WM_LBUTTONDBLCLK)
        pMsg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(pMsg);
}
