// CBkDialogST: a dialog that paints its client area without flicker, either from a background
// bitmap it owns (tiled, centred, stretched or pinned to an edge or corner, optionally cutting
// the window's shape out of the bitmap by a transparent colour) or, without a bitmap, from the
// skin in use. It can also let the user drag the window by any point of its client area.
#pragma once

#include "ComposedBackground.h"
#include "VoDef.h"

#include <afxwin.h>
#include <afxlite/AfxGdiScoped.h>

#include <vector>

// Results of the setting operations.
#define BKDLGST_OK 0
#define BKDLGST_INVALIDRESOURCE 1
#define BKDLGST_INVALIDMODE 2
#define BKDLGST_FAILEDREGION 3

class VO_API CBkDialogST : public CDialog {
    DECLARE_DYNAMIC(CBkDialogST)
public:
    // How the background bitmap is placed in the client area.
    enum {
        BKDLGST_MODE_TILE = 0,
        BKDLGST_MODE_CENTER = 1,
        BKDLGST_MODE_STRETCH = 2,
        BKDLGST_MODE_TILETOP = 3,
        BKDLGST_MODE_TILEBOTTOM = 4,
        BKDLGST_MODE_TILELEFT = 5,
        BKDLGST_MODE_TILERIGHT = 6,
        BKDLGST_MODE_TOPLEFT = 7,
        BKDLGST_MODE_TOPRIGHT = 8,
        BKDLGST_MODE_TOPCENTER = 9,
        BKDLGST_MODE_BOTTOMLEFT = 10,
        BKDLGST_MODE_BOTTOMRIGHT = 11,
        BKDLGST_MODE_BOTTOMCENTER = 12,
        BKDLGST_MAX_MODES = 13,
    };

    explicit CBkDialogST(CWnd* pParent = nullptr);
    CBkDialogST(UINT nIDTemplate, CWnd* pParent = nullptr);
    CBkDialogST(LPCTSTR lpszTemplateName, CWnd* pParent = nullptr);
    ~CBkDialogST() override;

    CBkDialogST(const CBkDialogST&) = delete;
    CBkDialogST& operator=(const CBkDialogST&) = delete;

    // Takes ownership of hBitmap (null: back to the skin background). Pixels of crTransColor are
    // cut out of the window's shape, unless it is 0xFFFFFFFF.
    DWORD SetBitmap(HBITMAP hBitmap, COLORREF crTransColor = 0xFFFFFFFF);
    // The bitmap resource nBitmap from the resource chain; BKDLGST_INVALIDRESOURCE (and no
    // bitmap) when it cannot be loaded.
    DWORD SetBitmap(int nBitmap, COLORREF crTransColor = 0xFFFFFFFF);
    // BKDLGST_INVALIDMODE for a mode of 13 or more; bRepaint exactly TRUE repaints.
    DWORD SetMode(BYTE byMode, BOOL bRepaint = TRUE);
    // Centres the bitmap and sizes the window so that its client area is the bitmap's size.
    DWORD ShrinkToFit(BOOL bRepaint = TRUE);
    // A left press anywhere on the dialog's own background drags the window.
    DWORD ActivateEasyMoveMode(BOOL bActivate);

    static short GetVersionI() { return 12; }
    static LPCTSTR GetVersionC() { return L"1.2"; }

protected:
    // Called with the composed background before it is shown (a memory context).
    virtual void OnPostEraseBkgnd(CDC* pDC);
    // Extra drawing on the skin background (a memory context).
    virtual void Draw(CDC* pDC);
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    // Copies the skin background to pDC: the skin's centre with Draw on it, composed once per
    // client size and skin and kept between paints. OnPostEraseBkgnd gets it when bPostErase.
    void PaintSkinBackground(CDC* pDC, BOOL bPostErase);
    // What Draw paints has changed: the background is composed again at the next paint.
    void ResetBackground() { m_background.Reset(); }

private:
    void Init();
    // Takes the region back from the window and deletes the bitmap (bCheckWindow: only when the
    // window still exists).
    void FreeResources(BOOL bCheckWindow = TRUE);
    void DrawByMode(CDC* pDC, CDC* pBitmapDC, const CRect& rcClient);
    // The bitmap's pixels as a top-down 24-bit image whose rows are padded to 4 bytes (every
    // column kept); false when they cannot be read.
    static bool Get24BitPixels(HBITMAP hBitmap, std::vector<BYTE>& pixels, DWORD* pdwWidth, DWORD* pdwHeight,
                               DWORD* pdwStride);
    // The bitmap's shape: every pixel except those of the colour.
    static HRGN ScanRegion(HBITMAP hBitmap, BYTE byTransR, BYTE byTransG, BYTE byTransB);

    CBitmapHandle m_hBitmap;
    // The shape handed to the window: the window owns it from SetWindowRgn on, so this is only
    // a note that a shape is set, never deleted here.
    HRGN m_hRegion;
    DWORD m_dwWidth;
    DWORD m_dwHeight;
    BYTE m_byMode;
    BOOL m_bEasyMoveMode;
    CComposedBackground m_background;
    // What the kept background was composed from besides size and skin: the bitmap (or none)
    // and, with a bitmap, its mode and the erasing context's background colour.
    struct ComposedFrom {
        HBITMAP hBitmap;
        BYTE byMode;
        COLORREF crBk;
        bool operator==(const ComposedFrom& other) const
        {
            return hBitmap == other.hBitmap && byMode == other.byMode && crBk == other.crBk;
        }
    };
    ComposedFrom m_composedFrom;
    // The kept background of the skin (bSkin) or of the bitmap, composed again first when it is
    // not for the client size, the skin in use and that source; null when it cannot be made.
    CDC* ComposedBackground(CDC* pDC, const CRect& rcClient, bool bSkin);
    void PaintBitmapBackground(CDC* pDC);
};
