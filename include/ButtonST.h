// CButtonST: the client's owner-drawn push button and check box. It draws its own background,
// border, icon or bitmap and caption; it can be flat with a hover look (tracked through
// mouse-leave notification), transparent over its parent's background or carry a background
// picture; it shows a tooltip, pops up a menu or opens an address when clicked, plays sounds on
// hover and click and shows its own cursor. It subclasses a button of a dialog template (or is
// created by the host) and is driven by window messages on the user-interface thread.
//
// Menu items of its owner-drawn popup are measured and drawn by the framework's window, which
// hands WM_MEASUREITEM / WM_DRAWITEM to the menu object it is tracking.
#pragma once

#include "MemDC.h"
#include "VoDef.h"
#include "VoMenu.h"

#include <afxcmn.h>
#include <afxlite/AfxGdiScoped.h>

#include <initializer_list>

// Results of the setting operations.
#define BTNST_OK 0
#define BTNST_INVALIDRESOURCE 1
#define BTNST_FAILEDMASK 2
#define BTNST_INVALIDINDEX 3
#define BTNST_INVALIDALIGN 4
#define BTNST_BADPARAM 5
#define BTNST_INVALIDPRESSEDSTYLE 6

// Second images made from the first: a darker copy, a grayscale copy.
#define BTNST_AUTO_DARKER (-3)
#define BTNST_AUTO_GRAY (-2)
#define BTNST_AUTO_DARKER_ICON (reinterpret_cast<HICON>(static_cast<INT_PTR>(BTNST_AUTO_DARKER)))
#define BTNST_AUTO_GRAY_ICON (reinterpret_cast<HICON>(static_cast<INT_PTR>(BTNST_AUTO_GRAY)))
#define BTNST_AUTO_DARKER_BITMAP (reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(BTNST_AUTO_DARKER)))
#define BTNST_AUTO_GRAY_BITMAP (reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(BTNST_AUTO_GRAY)))

class VO_API CButtonST : public CButton {
    DECLARE_DYNAMIC(CButtonST)
public:
    // Image position relative to the caption.
    enum {
        ST_ALIGN_HORIZ = 0,       // image left of the caption
        ST_ALIGN_VERT = 1,        // image above the caption
        ST_ALIGN_HORIZ_RIGHT = 2, // image right of the caption
        ST_ALIGN_OVERLAP = 3,     // image and caption over each other
    };
    // Indexes of the six colours.
    enum {
        BTNST_COLOR_BK_IN = 0,  // background while pressed or hovered
        BTNST_COLOR_FG_IN = 1,  // text while pressed or hovered
        BTNST_COLOR_BK_OUT = 2, // background normally
        BTNST_COLOR_FG_OUT = 3, // text normally
        BTNST_COLOR_BK_FOCUS = 4,
        BTNST_COLOR_FG_FOCUS = 5,
        BTNST_MAX_COLORS = 6,
    };
    // Pressed styles: how far image and caption move while pressed.
    enum {
        BTNST_PRESSED_LEFTRIGHT = 0, // right and down by 1
        BTNST_PRESSED_TOPBOTTOM = 1, // down by 2
    };

    CButtonST();
    // Releases images, cursor, menu and background cache.
    ~CButtonST() override;

    CButtonST(const CButtonST&) = delete;
    CButtonST& operator=(const CButtonST&) = delete;

    // ---- Images ----
    // hIconIn is shown while pressed or hovered, hIconOut otherwise (BTNST_AUTO_DARKER_ICON /
    // BTNST_AUTO_GRAY_ICON make it from hIconIn; null: none). The button owns both icons.
    DWORD SetIcon(HICON hIconIn, HICON hIconOut = nullptr);
    // Icons from resources at the given size (0: the resource's own).
    DWORD SetIcon(int nIconIn, int cxIconIn, int cyIconIn, int nIconOut = 0, int cxIconOut = 0, int cyIconOut = 0);
    DWORD SetIcon(int nIconIn, int nIconOut);
    // hBitmapIn is shown normally, hBitmapOut when disabled (or a pressed check box); crTransColor
    // pixels are transparent. The button owns both bitmaps; the first one's transparent pixels
    // become black.
    DWORD SetBitmaps(HBITMAP hBitmapIn, COLORREF crTransColorIn, HBITMAP hBitmapOut = nullptr,
                     COLORREF crTransColorOut = 0);
    DWORD SetBitmaps(int nBitmapIn, COLORREF crTransColorIn, int nBitmapOut = 0, COLORREF crTransColorOut = 0);
    // One bitmap resource, a darker second when bDark, and a grayscale copy as background picture
    // when bGray.
    DWORD SetBitmap3(int nBitmap, COLORREF crTransColor, BOOL bGray, BOOL bDark);
    // Resizes the window to the first icon or bitmap.
    DWORD SizeToContent();

    // ---- Look ----
    DWORD SetFlat(BOOL bFlat = TRUE, BOOL bRepaint = TRUE);
    DWORD DrawBorder(BOOL bDrawBorder = TRUE, BOOL bRepaint = TRUE);
    DWORD DrawFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint = TRUE);
    // Hover also while the application is not active.
    DWORD SetAlwaysTrack(BOOL bAlwaysTrack = TRUE);
    DWORD SetAlign(BYTE byAlign, BOOL bRepaint = TRUE);
    DWORD SetPressedStyle(BYTE byStyle, BOOL bRepaint = TRUE);
    DWORD SetCheck(int nCheck, BOOL bRepaint = TRUE);
    int GetCheck() const { return m_nCheck; }
    BOOL GetDefault() const { return m_bIsDefault; }
    DWORD SetColor(BYTE byColorIndex, COLORREF crColor, BOOL bRepaint = TRUE);
    DWORD GetColor(BYTE byColorIndex, COLORREF* crpColor);
    DWORD SetDefaultColors(BOOL bRepaint = TRUE);
    // Adds shOffset (-255 to 255) to red, green and blue, shrunk so that no channel leaves 0-255.
    DWORD OffsetColor(BYTE byColorIndex, short shOffset, BOOL bRepaint = TRUE);
    // Sets the focused, pressed and normal backgrounds.
    DWORD SetBkColor(COLORREF crColor, BOOL bRepaint = TRUE);
    // A cursor resource shown over the button (0 removes it); 1 when it cannot be loaded.
    DWORD SetBtnCursor(int nCursorId = 0, BOOL bRepaint = TRUE);

    // ---- Transparency and background picture ----
    void DrawTransparent(BOOL bTransparent = TRUE, BOOL bRepaint = FALSE);
    // Takes the parent's background from pDC (a context holding the parent's client area);
    // BTNST_BADPARAM when the button is not transparent or pDC is null.
    DWORD SetBk(CDC* pDC);
    // Makes the background picture from pBitmap (left third, stretched middle, right third) and
    // turns it on.
    void SetBkBmp(CBitmap* pBitmap);
    // Turns the background picture on or off, refitting it to the button.
    void DrawBkBmp(BOOL bDraw, BOOL bRepaint = TRUE);

    // ---- Tooltip, address, menus, sounds ----
    void SetTooltipText(LPCTSTR lpszText, BOOL bActivate = TRUE);
    void ActivateTooltip(BOOL bActivate = TRUE);
    // Balloon tips; only before the tooltip is made (first message or first text).
    void EnableBalloonTooltip();
    // Opened with the shell when clicked (at most 259 characters kept; null clears).
    DWORD SetURL(LPCTSTR lpszURL = nullptr);
    // Pops up pMenu's first popup when clicked; the chosen command goes to hParentWnd.
    DWORD SetMenu(CMenu* pMenu, HWND hParentWnd);
    // Loads an owner-drawn popup menu (with toolbar images when nToolbarID is not 0) in the XP or
    // classic style; 1 when it cannot be loaded.
    DWORD SetMenu(UINT nMenu, HWND hParentWnd, BOOL bWinXPStyle = TRUE, UINT nToolbarID = 0,
                  CSize sizeToolbarIcon = CSize(16, 16), COLORREF crToolbarBk = RGB(255, 0, 255), BOOL bRepaint = TRUE);
    // hWnd is sent nMessage (WPARAM the popup's CMenu*, LPARAM lParam) before the popup opens.
    DWORD SetMenuCallback(HWND hWnd, UINT nMessage, LPARAM lParam = 0);
    CMenu* GetSTMenu() const { return m_pSimpleMenu; }
    // A sound file, or a sound resource of hMod, played on hover or (bPlayOnClick) on click;
    // null clears.
    DWORD SetSound(LPCTSTR lpszSound, HMODULE hMod = nullptr, BOOL bPlayOnClick = FALSE, BOOL bPlayAsync = TRUE);

    static short GetVersionI() { return 39; }
    static LPCTSTR GetVersionC() { return L"3.9"; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    // One icon and its size.
    struct STRUCT_ICONS {
        CIconHandle hIcon;
        DWORD dwWidth;
        DWORD dwHeight;
    };
    // One bitmap, its size, its mask and its transparent colour.
    struct STRUCT_BITMAPS {
        CBitmapHandle hBitmap;
        DWORD dwWidth;
        DWORD dwHeight;
        CBitmapHandle hMask;
        COLORREF crTransparent;
    };
    struct STRUCT_CALLBACK {
        HWND hWnd;
        UINT nMessage;
        LPARAM lParam;
    };
    struct STRUCT_SOUND {
        wchar_t szSound[_MAX_PATH];
        LPCTSTR lpszSound; // szSound, or the caller's resource name
        HMODULE hMod;
        DWORD dwFlags;
    };

    virtual DWORD OnDrawBackground(CDC* pDC, CRect* pRect);
    virtual DWORD OnDrawBorder(CDC* pDC, CRect* pRect);
    virtual void DrawTheIcon(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed,
                             BOOL bIsDisabled);
    virtual void DrawTheBitmap(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed,
                               BOOL bIsDisabled);
    virtual void DrawTheText(CDC* pDC, LPCTSTR lpszText, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed,
                             BOOL bIsDisabled);
    void PreSubclassWindow() override;

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnClicked();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnCancelMode();
    afx_msg UINT OnGetDlgCode();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseLeave();
    afx_msg LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bDrawBkBmp;
    BOOL m_bReserved; // kept for the client; not read by the class
    CPoint m_ptImageOrg;
    CPoint m_ptPressedOffset;
    BOOL m_bDeleteFirstBitmap;
    CMenu* m_pSimpleMenu;
    BOOL m_bIsFlat;
    BOOL m_bMouseOnButton;
    BOOL m_bDrawTransparent;
    BOOL m_bIsPressed;
    BOOL m_bIsFocused;
    BOOL m_bIsDisabled;
    BOOL m_bIsDefault;
    BOOL m_bIsCheckBox;
    BYTE m_byAlign;
    BOOL m_bDrawBorder;
    BOOL m_bDrawFlatFocus;
    COLORREF m_crColors[BTNST_MAX_COLORS];
    HWND m_hParentWndMenu;
    BOOL m_bMenuDisplayed;
    CVoMenu m_menuPopup;
    CCursorHandle m_hCursor;
    CToolTipCtrl m_ToolTip;
    // The parent's background under the button (transparent mode), kept between paints.
    CMemDC m_dcBk;
    BOOL m_bAlwaysTrack;
    int m_nCheck;
    UINT m_nTypeStyle;
    DWORD m_dwToolTipStyle;
    wchar_t m_szURL[_MAX_PATH];
    STRUCT_ICONS m_csIcons[2];
    STRUCT_BITMAPS m_csBitmaps[2];
    STRUCT_BITMAPS m_csBkBmp;
    STRUCT_CALLBACK m_csCallbacks;
    STRUCT_SOUND m_csSounds[2];

private:
    void FreeResources(std::initializer_list<HANDLE> keep = {});
    void CancelHover();
    void PaintBk(CDC* pDC);
    void CreateBkBmp(HBITMAP hSource);
    void DrawBkBmp(CDC* pDC);
    void PrepareImageRect(BOOL bHasTitle, RECT* rpItem, CRect* rpTitle, BOOL bIsPressed, DWORD dwWidth, DWORD dwHeight,
                          CRect* rpImage);
    void InitToolTip();
    void PlaySoundOf(const STRUCT_SOUND& sound);
    void PopUpMenu(CMenu* pPopup);
    void Repaint(BOOL bRepaint);
};
