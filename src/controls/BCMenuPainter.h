// BCMenuPainter: measures and draws one owner-drawn item of a BCMenu, in the flat XP style (light
// image column, tinted selection box, raised images with a shadow) or the classic style (system
// menu colours, images framed raised or sunken, engraved disabled text), and items of a menu bar.
#pragma once

#include <BCMenu.h>

#include <afxlite/AfxGdiScoped.h>

#include <optional>

class BCMenuPainter {
public:
    // Text widths in the system menu font, measured on the device context of the thread's main
    // window (the desktop's when there is none). Nothing is measured on the oldest systems.
    class TextMeasure {
    public:
        TextMeasure();
        TextMeasure(const TextMeasure&) = delete;
        TextMeasure& operator=(const TextMeasure&) = delete;

        // Width of a menu text (ampersands as mnemonic prefixes, tabs expanded), 0 when it
        // cannot be measured.
        int Width(const CString& strText) const;

    private:
        CScopedGetDC m_dc;
        CFont m_font;
        std::optional<CDCSelect> m_select;
    };

    BCMenuPainter(const BCMenu& menu, const BCMenuData& data, const DRAWITEMSTRUCT& dis);
    BCMenuPainter(const BCMenuPainter&) = delete;
    BCMenuPainter& operator=(const BCMenuPainter&) = delete;

    // Draws with the XP routine when the effective mode is XP style and the device has no
    // palette, else with the classic routine; items of a menu bar get a plain box.
    void Draw();

    // Item size: a separator is as high as half the icon row or half a menu bar, whichever is
    // more; a text item is its text plus the image column.
    static void Measure(const BCMenu& menu, const BCMenuData& data, MEASUREITEMSTRUCT& mis);
    // Space around images: 7 in XP style with raised images, else 4.
    static int Margin();
    // The system menu font (null handle when the metrics cannot be read).
    static void CreateMenuFont(CFont& font);

private:
    struct Colours;

    void DrawXP();
    void DrawClassic();
    void DrawBarItem();
    void DrawXPImage(const CRect& rcColumn);
    void DrawClassicImage(const CRect& rcColumn);
    void DrawCheckIndicator(const CRect& rcBox, COLORREF crMark);
    void DrawCheckMark(const CRect& rcBox, COLORREF crMark);
    void DrawText(const CRect& rcText, COLORREF crText, UINT nExtraFormat = 0);
    void DrawEngravedText(const CRect& rcText);
    // The image list and index of the item's picture, or false when it has none.
    bool FindImage(CImageList*& pImages, int& nIndex) const;
    bool IsSelectable() const;
    bool IsMenuBarItem() const;

    const BCMenu& m_menu;
    const BCMenuData& m_data;
    const DRAWITEMSTRUCT& m_dis;
    CDC* m_pDC;
    CRect m_rcItem;
    bool m_bSelected;
    bool m_bDisabled;
    bool m_bChecked;
};
