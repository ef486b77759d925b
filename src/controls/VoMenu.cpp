// The client's menu: BCMenu without images in OEM editions.
#include <VoMenu.h>

#include <Oem.h>

IMPLEMENT_DYNAMIC(CVoMenu, BCMenu)

BOOL CVoMenu::LoadToolbar(UINT nToolBar)
{
    if (OEM.IsOEMVersion())
        return TRUE;
    return BCMenu::LoadToolbar(nToolBar);
}

BOOL CVoMenu::AddBitmapToImageList(CImageList* list, UINT nResourceID)
{
    if (OEM.IsOEMVersion())
        return FALSE;
    return BCMenu::AddBitmapToImageList(list, nResourceID);
}
