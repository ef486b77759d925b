// BCMenuData: what an owner-drawn menu item of BCMenu carries as its item data: its text (with
// ampersands and the tab-separated accelerator), its flags and command, and where its image is
// (a private image list of its own, or an offset into the menus' global image list).
#pragma once

#include "VoDef.h"

#include <afx.h>
#include <afxlite/CImageList.h>

class VO_API BCMenuData {
public:
    BCMenuData();
    // Frees the text and the item's own image list.
    ~BCMenuData();

    BCMenuData(const BCMenuData&) = delete;
    BCMenuData& operator=(const BCMenuData&) = delete;

    // The text; null stores an empty text.
    void SetWideString(const wchar_t* szWideString);
    const wchar_t* GetWideString() const { return m_szMenuText; }
    // Converts with the thread's ANSI code page, which loses what that page cannot hold.
    void SetAnsiString(const char* szAnsiString);
    CString GetString() const;

    // Replaces the item's own image with image nIndex of pImages (copied); null removes it.
    BOOL SetOwnImage(CImageList* pImages, int nIndex);
    BOOL HasOwnImage() const { return m_pBitmap != nullptr; }

    wchar_t* m_szMenuText; // owned, null for none
    int xoffset;           // 0 when the item has its own image list, else -1
    int global_offset;     // index of the item's image in BCMenu::m_AllImages, -1 for none
    int m_nReserved1;
    int menuIconNormal; // 0 when the item has its own image list, else -1
    UINT nFlags;        // the item's MF_xxx flags, MF_OWNERDRAW always among them
    // The item's command, or its popup's handle for a popup item (wide enough for a handle).
    UINT_PTR nID;
    int m_nReserved2;
    CImageList* m_pBitmap; // the item's own image (one image), owned; null for none
    void* m_pReserved;
};
