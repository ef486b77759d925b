// CVoMenu: the client's owner-drawn menu. It draws like BCMenu but shows no images in OEM
// editions: there toolbar images and check-mark bitmaps are not loaded.
#pragma once

#include "BCMenu.h"
#include "VoDef.h"

class VO_API CVoMenu : public BCMenu {
    DECLARE_DYNAMIC(CVoMenu)
public:
    CVoMenu() = default;

    // 1 without loading anything in an OEM edition, else as BCMenu.
    BOOL LoadToolbar(UINT nToolBar) override;
    // 0 without adding anything in an OEM edition, else as BCMenu.
    BOOL AddBitmapToImageList(CImageList* list, UINT nResourceID) override;
};
