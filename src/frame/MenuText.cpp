// Menu item texts through SetMenuItemInfoW / GetMenuItemInfoW.

#include <VoHelpers.h>

#include <vector>

void SetMenuItemText(HMENU menu, int item, CString text, int byPosition)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    // MIIM_TYPE with MFT_STRING replaces the item's previous type flags, so an owner-drawn
    // item becomes a plain string item.
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = text.GetBuffer(0);
    info.cch = static_cast<UINT>(text.GetLength());
    SetMenuItemInfoW(menu, static_cast<UINT>(item), byPosition ? TRUE : FALSE, &info);
    text.ReleaseBuffer();
}

void GetMenuItemText(HMENU menu, int item, CString& out, int byPosition)
{
    out.Empty();
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_TYPE;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(item), byPosition ? TRUE : FALSE, &info))
        return;
    // Zero-filled, so an item that yields no characters (separator, owner-drawn, bitmap)
    // reads as an empty text.
    std::vector<wchar_t> text(info.cch + 1);
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(item), byPosition ? TRUE : FALSE, &info))
        return;
    text.back() = L'\0';
    out = text.data();
}
