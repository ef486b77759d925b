// CSkin: one skin of the client, the bitmaps and colours of a folder below <exe folder>\skins,
// with the catalogue of installed skins and the drawing of frames, bars and control borders from
// them. The skin in use is the global g_Skin (CSkin::Instance()); the skin chooser makes more.
#pragma once

#include "VoDef.h"

#include <afxgdi.h>

#include <memory>
#include <vector>

class CStretchedPieceCache;
class CWnd;

// The skin element a public drawing operation works on.
enum D_TYPE {
    DT_MAIN = 0,              // main window frame with its centre
    DT_VIEWLOGO = 1,          // logo frame; centre: solid narrowbk colour
    DT_NORMALT = 2,           // normalt frame and its left edge
    DT_NORMALB = 3,           // normalb frame
    DT_WIDE = 4,              // wide frame
    DT_LBTN = 5,              // lbtn vertical band and its centre
    DT_TBTN = 6,              // tbtn horizontal band
    DT_MYALBUM = 7,           // myAlbum frame
    DT_LBTN_COPY = 8,         // lbtn copied unscaled
    DT_VIEWPAGE = 9,          // page frame with its centre
    DT_MYINFO = 10,           // myinfo band, three cells high (changes the caller's rectangle)
    DT_VIEWLOGO_FILL = 11,    // logo frame; centre: viewlogo pattern
    DT_RICHBOTTOM_STRIP = 12, // centre only: the middle column of richbottom, plain copy
};

// The kind of control a border is drawn around.
enum CTRL_TYPE {
    CT_RICHEDIT = 0,      // rich edit with a bar above it (title in that bar)
    CT_RICHEDIT_BARS = 1, // rich edit with bars above and below it (title in the lower bar)
    CT_USERLIST = 2,      // user list with a bar above it and a centred title
};

// Conference layout of a video pane; only the chat layout has a background of its own.
enum CONF_MODE {
    CM_CHAT = -1,
    CM_NORMAL = 0,
};

// A nine-cell picture: three by three equal cells, corners copied, edges stretched.
struct VO_API CSkinFrame {
    CBitmap m_bmp;  // the picture, transparent pixels blackened
    CBitmap m_mask; // monochrome mask, white where the picture is transparent
    int m_cx = 0;   // cell width (picture width / 3)
    int m_cy = 0;   // cell height (picture height / 3)
};

// A nine-cell picture whose centre cell also fills areas, through a pattern brush made on the
// first fill and kept until the skin is emptied.
struct VO_API CSkinFrameFill {
    CBitmap m_bmp;
    CBitmap m_mask;
    CBrush m_brush;
    int m_cx = 0;
    int m_cy = 0;
};

class VO_API CSkin {
public:
    // The first instance since load (or since Release) sets up the skins folder, scans it and
    // loads the current skin; later instances start empty.
    CSkin();
    // Releases every GDI object of the skin.
    virtual ~CSkin();

    CSkin(const CSkin&) = delete;
    CSkin& operator=(const CSkin&) = delete;

    // The skin in use, g_Skin.
    static CSkin& Instance();
    // Writes the current skin's name to the catalogue settings file and clears the skins folder
    // and the names list, so the next CSkin sets them up again. Nothing when Instance() was
    // never called; a name that is no plain folder name is not written.
    static void Release();

    // Rescans the skins folder: the names of its sub-folders, in the file system's order.
    void Refresh();
    std::vector<CString>* GetSkinNames();

    // Loads the skin named in the catalogue settings file, or "default" when that fails.
    void Load();
    void LoadDefault();
    // Loads the skin folder lpszName into this object: 1 loaded, 0 a required picture is
    // missing or unreadable (the pictures read before it stay until the next Empty). A name
    // that is not one plain folder name below the skins folder (empty, "..", a path, a line
    // break, a device name such as "CON") gives 0 and leaves the skin held as it is.
    int LoadOne(LPCTSTR lpszName);
    // Releases every picture, mask, centre brush and the logo fill, and the stretched pieces
    // kept for drawing.
    void Empty();
    // Takes over the loaded skin of other: name, colours and every GDI object; other keeps its
    // name and colours but no picture. The stretched pieces of both are released.
    void Assign(CSkin& other);

    CString GetCurrName() const;
    void SetCurrName(LPCTSTR lpszName);
    // Counts the changes of the pictures held (every load, hand-over, emptying and, for the skin
    // in use, Release): a window that keeps what it composed from the skin composes again when
    // the count moves.
    unsigned GetChangeCount() const { return m_nChanges; }

    // ---- drawing (SkinDraw.cpp) ----
    // Pieces of the pictures are kept stretched to the sizes they were drawn at (a bounded
    // number, known by the picture handles), so that a repaint copies them without stretching
    // again. LoadOne, Empty, Assign and Release release them; a picture replaced in place by a
    // host gets a new handle and so new pieces.
    void Draw(CDC* pDC, CRect& rect, D_TYPE type);
    void DrawTop(CDC* pDC, const CRect& rect, D_TYPE type);
    void DrawLeft(CDC* pDC, const CRect& rect, D_TYPE type);
    void FillCenter(CDC* pDC, const CRect& rect, D_TYPE type);

    // Grow rect by the border of the control type and, with a device context, draw the bars,
    // the title (font of pFontWnd) and the outline. A null pDC only grows rect.
    void DrawRicheditBorder(CDC* pDC, CWnd* pFontWnd, CRect& rect, CTRL_TYPE type, LPCTSTR lpszTitle);
    void DrawRicheditBorderEx(CDC* pDC, CWnd* pFontWnd, CRect& rect, CTRL_TYPE type, LPCTSTR lpszTitle);
    void DrawUserListBorder(CDC* pDC, CWnd* pFontWnd, CRect& rect, LPCTSTR lpszTitle);
    // Paints the video pane pPane around the video picture rect: background, outline, caption
    // strip below the picture and the title in it.
    void DrawVideoOne(CDC* pDC, CWnd* pPane, const CRect& rect, LPCTSTR lpszTitle, CONF_MODE mode);
    void DrawCtrlBorder(CDC* pDC, CRect& rect, CWnd* pFontWnd, CTRL_TYPE type, LPCTSTR lpszTitle);
    void DrawCtrlBorder(CDC* pDC, CWnd* pCtrl, CWnd* pParent, CTRL_TYPE type, LPCTSTR lpszTitle);
    // The rectangle the border of pCtrl (in pParent's client coordinates) is drawn into.
    void GetCtrlRect(CWnd* pCtrl, CWnd* pParent, CTRL_TYPE type, CRect& rect);

    // ---- the loaded skin; fields the client reads directly ----
    CString m_strCurrName;
    HBITMAP m_hLogoFill;
    COLORREF m_clrNormalText;
    COLORREF m_clrCtrlBorder1x1;
    COLORREF m_clrCtrlBorder2x2First;
    COLORREF m_clrCtrlBorder2x2Second;
    COLORREF m_clrDskAngle;
    COLORREF m_clrVideoBk;
    COLORREF m_clrChatVideoBk;
    COLORREF m_clrNarrowBk;
    CSkinFrameFill m_viewlogo;
    CSkinFrameFill m_viewpage;
    CSkinFrameFill m_main;
    CSkinFrame m_normalt;
    CSkinFrame m_normalb;
    CSkinFrame m_wide;
    CSkinFrame m_richtop;
    CSkinFrame m_richbottom;
    CSkinFrameFill m_myAlbum;
    CSkinFrame m_myinfo;
    CSkinFrame m_tbtn;
    CSkinFrameFill m_lbtn;
    CBitmap m_bmpMini;
    CBitmap m_bmpMax;
    CBitmap m_bmpClose;
    CBitmap m_bmpUp;
    CBitmap m_bmpDown;
    CBitmap m_bmpWindo;
    CBitmap m_bmpBtn;
    CBitmap m_bmpOpen;
    CBitmap m_bmpPlay;
    CBitmap m_bmpPause;
    CBitmap m_bmpStop;
    CBitmap m_bmpBegin;
    CBitmap m_bmpEnd;
    CBitmap m_bmpMute;
    CBitmap m_bmpSound;
    CBitmap m_bmpPlaypos;
    CBitmap m_bmpVolumn; // "Volumn", as hosts and the skins' volumn.bmp know it: kept on purpose
    CBitmap m_bmpPlayposBg;

protected:
    // Primitives on one picture through its mask; nothing is drawn for a picture without a
    // handle.
    void Draw(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy);
    void DrawTop(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy);
    void DrawLeft(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy);
    void DrawLR(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy);
    void DrawTB(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask, int cx, int cy);
    void DrawCopy(CDC* pDC, const CRect& rect, CBitmap& bmp, CBitmap& mask);
    void FillCenter(CDC* pDC, const CRect& rect, CBitmap& bmp, int cx, int cy, CBrush& brush);

    static CString g_strPath;               // the skins folder; empty until the first CSkin
    static std::vector<CString> g_vctNames; // names of the skin folders found by Refresh

private:
    bool LoadFrames(const CString& strFolder);
    bool LoadPlainPictures(const CString& strFolder);
    void LoadOptionalPictures(const CString& strFolder);
    void LoadColours(const CString& strFolder);
    void DrawBar(CDC* pDC, const CRect& rect, CSkinFrame& picture);
    void DrawBarTitle(CDC* pDC, CWnd* pFontWnd, CRect rectText, LPCTSTR lpszTitle, UINT nFormat, bool bTransparent);
    void DrawOutline(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom);
    void StretchStrip(CDC* pDC, const CRect& rect);

    std::unique_ptr<CStretchedPieceCache> m_pPieces; // stretched pieces of the pictures above
    unsigned m_nChanges;
};

// The skin in use.
extern VO_API CSkin g_Skin;
