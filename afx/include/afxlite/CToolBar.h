// CToolBar: a toolbar control built from a toolbar resource (image size and the commands of the
// buttons) and the bitmap resource of the same name, both found through the resource chain. Menu
// classes read the buttons' commands, image indexes and the image size from it to give menu items
// the toolbar's pictures.
#pragma once

#include "afxlite/CImageList.h"
#include "afxlite/CSize.h"
#include "afxlite/CWnd.h"

#include <commctrl.h>

// Child-window identifier of a frame's standard toolbar.
#define AFX_IDW_TOOLBAR 0xE800
// Command identifier of a separator in SetButtons.
#define ID_SEPARATOR 0

class AFX_API CToolBar : public CWnd {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    // Destroys the control before the image list it shows.
    ~CToolBar() override;

    // Creates the toolbar control as a child of pParentWnd (hidden unless dwStyle has WS_VISIBLE).
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, UINT nID = AFX_IDW_TOOLBAR);

    // Reads the toolbar resource, sizes the buttons, loads the bitmap of the same name and adds
    // one button per command. FALSE for a missing or malformed resource or bitmap; the toolbar
    // then has no buttons.
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    // Makes the buttons' image list from a bitmap resource: images as wide as the image size,
    // light grey (192, 192, 192) transparent.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    // Replaces the buttons: one per identifier, ID_SEPARATOR giving a separator; the images are
    // taken in order by the buttons that are not separators.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    // Button and image sizes in pixels; the button must be at least 7 wider and higher.
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int GetCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT, 0, 0)); }
    // The command of a button (ID_SEPARATOR for separators and indexes out of range).
    UINT GetItemID(int nIndex) const;
    // The index of the button with that command, or -1.
    int CommandToIndex(UINT nIDFind) const;
    // The command, style (TBBS_xxx / TBSTYLE_xxx) and image index of a button; a separator's
    // image index is its width. All zero for an index out of range.
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    CSize GetButtonSize() const { return m_sizeButton; }
    CSize GetImageSize() const { return m_sizeImage; }
    // The buttons' pictures (empty until LoadBitmap or LoadToolBar succeeded).
    CImageList* GetImageList() { return &m_imageList; }

protected:
    CSize m_sizeButton;
    CSize m_sizeImage;
    CImageList m_imageList;

private:
    BOOL GetButton(int nIndex, TBBUTTON& button) const;
};
