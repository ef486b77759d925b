// Item data of owner-drawn menus: the owned text and the item's own image.
#include <BCMenuData.h>

#include "controls/AnsiText.h"

#include <afxlite/AfxGdiScoped.h>

#include <cwchar>

BCMenuData::BCMenuData()
    : m_szMenuText(nullptr), xoffset(-1), global_offset(-1), m_nReserved1(0), menuIconNormal(-1), nFlags(0), nID(0),
      m_nReserved2(0), m_pBitmap(nullptr), m_pReserved(nullptr)
{
}

BCMenuData::~BCMenuData()
{
    delete[] m_szMenuText;
    delete m_pBitmap;
}

void BCMenuData::SetWideString(const wchar_t* szWideString)
{
    const size_t length = szWideString ? wcslen(szWideString) : 0;
    wchar_t* szText = new wchar_t[length + 1];
    if (length > 0)
        wmemcpy(szText, szWideString, length);
    szText[length] = L'\0';
    delete[] m_szMenuText;
    m_szMenuText = szText;
}

void BCMenuData::SetAnsiString(const char* szAnsiString)
{
    SetWideString(WideFromAnsi(szAnsiString));
}

CString BCMenuData::GetString() const
{
    return CString(m_szMenuText ? m_szMenuText : L"");
}

BOOL BCMenuData::SetOwnImage(CImageList* pImages, int nIndex)
{
    delete m_pBitmap;
    m_pBitmap = nullptr;
    xoffset = -1;
    menuIconNormal = -1;
    if (pImages == nullptr || pImages->GetSafeHandle() == nullptr || nIndex < 0)
        return pImages == nullptr;
    int cx = 0;
    int cy = 0;
    const CIconHandle icon(pImages->ExtractIcon(nIndex));
    if (!icon || !pImages->GetIconSize(&cx, &cy))
        return FALSE;
    CImageList* pOwn = new CImageList;
    if (!pOwn->Create(cx, cy, ILC_COLORDDB | ILC_MASK, 1, 1) || pOwn->Add(icon.Get()) < 0) {
        delete pOwn;
        return FALSE;
    }
    m_pBitmap = pOwn;
    xoffset = 0;
    menuIconNormal = 0;
    return TRUE;
}
