// CListBoxST: a list box drawn by the library. Each item can carry an icon from an image list,
// can be disabled (grey, its double clicks swallowed), wraps its text over several lines, and
// shows its selection over the whole row, the text column or only behind the text. For a list
// box with the owner-draw variable and has-strings styles; each item keeps the caller's data and
// pointer, its image and its state in a record of its own, owned by the control.
#pragma once

#include "VoDef.h"

#include <afxcmn.h>

class VO_API CListBoxST : public CListBox {
    DECLARE_DYNAMIC(CListBoxST)
public:
    // How the selection is shown.
    enum {
        ST_FULLROWSELECT = 0,  // the whole row
        ST_FULLTEXTSELECT = 1, // the text column
        ST_TEXTSELECT = 2,     // behind the text only
    };

    CListBoxST();
    ~CListBoxST() override;

    CListBoxST(const CListBoxST&) = delete;
    CListBoxST& operator=(const CListBoxST&) = delete;

    // Add or insert an item with image nImage (-1: none); the index, or LB_ERR / LB_ERRSPACE.
    int AddString(LPCTSTR lpszItem, int nImage = -1);
    int InsertString(int nIndex, LPCTSTR lpszItem, int nImage = -1);
    int DeleteString(int nIndex);
    // Replaces the item's text and image; its data and pointer start again at 0.
    int ReplaceString(int nIndex, LPCTSTR lpszItem, int nImage = -1);
    void ResetContent();

    int SetItemData(int nIndex, DWORD dwItemData);
    DWORD GetItemData(int nIndex);
    int SetItemDataPtr(int nIndex, void* pData);
    void* GetItemDataPtr(int nIndex);

    void SetImage(int nIndex, int nImage, BOOL bRepaint = TRUE);
    // -1 for an item that does not exist or has no record; a null pnImage is ignored.
    void GetImage(int nIndex, LPINT pnImage);
    void EnableItem(int nIndex, BOOL bEnable = TRUE, BOOL bRepaint = TRUE);
    // FALSE only for an item marked disabled.
    BOOL IsItemEnabled(int nIndex);
    // ST_FULLROWSELECT, ST_FULLTEXTSELECT or ST_TEXTSELECT; other values are ignored.
    void SetRowSelect(BYTE byRowSelect = ST_FULLROWSELECT, BOOL bRepaint = TRUE);
    // Icons of the items (not owned; null: none).
    void SetImageList(CImageList* pImageList);

    // Move the item; an item already at that end stays. The item's new index (LB_ERR for an
    // index that does not exist).
    int MoveUp(int nIndex, BOOL bSetCurSel = TRUE);
    int MoveDown(int nIndex, BOOL bSetCurSel = TRUE);
    int MoveTop(int nIndex, BOOL bSetCurSel = TRUE);
    int MoveBottom(int nIndex, BOOL bSetCurSel = TRUE);

    static short GetVersionI() { return 10; }
    static LPCTSTR GetVersionC() { return L"1.0"; }

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;
    void DeleteItem(LPDELETEITEMSTRUCT lpDIS) override;

protected:
    // Drawing hooks; each returns 0.
    virtual DWORD OnDrawTextBackground(int nIndex, CDC* pDC, CRect* prcItem, CRect* prcText, BOOL bIsDisabled,
                                       BOOL bIsSelected, COLORREF crSuggestedColor);
    virtual DWORD OnDrawIconBackground(int nIndex, CDC* pDC, CRect* prcItem, CRect* prcIcon, BOOL bIsDisabled,
                                       BOOL bIsSelected, COLORREF crSuggestedColor);
    virtual DWORD OnDrawIcon(int nIndex, CDC* pDC, CRect* prcItem, CRect* prcIcon, int nImage, BOOL bIsDisabled,
                             BOOL bIsSelected);

    afx_msg void OnDestroy();
    afx_msg BOOL OnReflectedDblclk();
    DECLARE_MESSAGE_MAP()

    // The control's record of one item.
    struct STRUCT_LBDATA {
        DWORD dwItemData;
        void* pData;
        int nImage;
        UINT nFormat;
        DWORD dwFlags; // bit 0: disabled
    };

    BYTE m_byRowSelect;
    CImageList* m_pImageList;
    int m_cxImage;
    int m_cyImage;

private:
    // The record of an existing item (null for a bad index or an item without one).
    STRUCT_LBDATA* Record(int nIndex) const;
    // The item's record, made when it has none; null for a bad index.
    STRUCT_LBDATA* MakeRecord(int nIndex);
    // Gives a newly added item its record; the list box's answer otherwise.
    int AttachNewRecord(int nResult, int nImage);
    void FreeRecord(int nIndex);
    void FreeAllRecords();
    int Move(int nOldIndex, int nNewIndex, BOOL bSetCurSel);
    void Repaint(BOOL bRepaint);
    // The height of lpszText wrapped into nWidth pixels in the control's font.
    int TextHeight(CDC* pDC, const CString& strText, int nWidth, UINT nFormat) const;
};
