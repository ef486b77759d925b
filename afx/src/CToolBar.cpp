// Toolbars: the toolbar resource read within its size, the control filled from it.
#include "afxlite/CToolBar.h"

#include "afxlite/AfxModule.h"
#include "afxlite/CBitmap.h"

#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CWnd)

namespace {

// Toolbar resources come in two layouts. The platform's resource compiler writes version 1 with
// 16-bit fields: version, image width, image height, item count, then one command per item (0 for
// a separator). The GNU resource compiler writes 32-bit fields without a version: image width,
// image height, item count, then the commands. Both are read within the resource's size.
const WORD kToolBarVersion = 1;
// Bounds a resource must keep; larger values come from a damaged or foreign resource.
const DWORD kMaxImageSide = 256;
const DWORD kMaxItems = 1024;
// Room the control needs around an image inside a button.
const int kButtonExtra = 7;
// Background colour of toolbar bitmaps, shown as the button face.
const COLORREF kToolBarBackground = RGB(192, 192, 192);
const int kDefaultSeparatorWidth = 8;

// Reads a little-endian field of cbField bytes at offset (inside cbData, checked by the caller).
DWORD Field(const BYTE* pData, DWORD offset, DWORD cbField)
{
    DWORD value = 0;
    ::CopyMemory(&value, pData + offset, cbField);
    return value;
}

// Reads the layout whose fields are cbField bytes wide; false when the resource is too short or
// too long for what its header claims, or out of bounds.
bool ReadLayout(const BYTE* pData, DWORD cbData, DWORD cbField, bool bVersioned, CSize& sizeImage,
                std::vector<UINT>& ids)
{
    const DWORD cbHeader = (bVersioned ? 4 : 3) * cbField;
    if (cbData < cbHeader)
        return false;
    DWORD offset = 0;
    if (bVersioned && Field(pData, offset, cbField) != kToolBarVersion)
        return false;
    offset += bVersioned ? cbField : 0;
    const DWORD width = Field(pData, offset, cbField);
    const DWORD height = Field(pData, offset + cbField, cbField);
    const DWORD count = Field(pData, offset + 2 * cbField, cbField);
    if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide || count > kMaxItems)
        return false;
    if (cbData < cbHeader + count * cbField)
        return false;
    ids.clear();
    for (DWORD i = 0; i < count; ++i)
        ids.push_back(Field(pData, cbHeader + i * cbField, cbField));
    sizeImage = CSize(static_cast<int>(width), static_cast<int>(height));
    return true;
}

// The GNU layout is taken only when the resource is exactly as long as its header says: the
// platform's layout starts with version 1 in 16 bits, which as a 32-bit width would be huge.
bool ReadToolBarResource(const BYTE* pData, DWORD cbData, CSize& sizeImage, std::vector<UINT>& ids)
{
    if (pData == nullptr)
        return false;
    const DWORD cbWide = sizeof(DWORD);
    if (cbData >= 3 * cbWide && cbData == 3 * cbWide + Field(pData, 2 * cbWide, cbWide) * cbWide &&
        ReadLayout(pData, cbData, cbWide, false, sizeImage, ids))
        return true;
    return ReadLayout(pData, cbData, sizeof(WORD), true, sizeImage, ids);
}

} // namespace

CToolBar::CToolBar() : m_sizeButton(23, 22), m_sizeImage(16, 15)
{
}

CToolBar::~CToolBar()
{
    DestroyWindow();
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    if (!::InitCommonControlsEx(&controls))
        return FALSE;
    if (!CWnd::Create(TOOLBARCLASSNAMEW, nullptr, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    ASSERT(m_hWnd != nullptr); // Create first
    if (m_hWnd == nullptr)
        return FALSE;
    SetButtons(nullptr, 0);
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hResource = ::FindResourceW(hInst, lpszResourceName, RT_TOOLBAR);
    if (hResource == nullptr)
        return FALSE;
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    const BYTE* pData = hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    CSize sizeImage;
    std::vector<UINT> ids;
    if (!ReadToolBarResource(pData, ::SizeofResource(hInst, hResource), sizeImage, ids))
        return FALSE;
    SetSizes(CSize(sizeImage.cx + kButtonExtra, sizeImage.cy + kButtonExtra), sizeImage);
    if (!LoadBitmap(lpszResourceName))
        return FALSE;
    return SetButtons(ids.data(), static_cast<int>(ids.size()));
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(lpszResourceName))
        return FALSE;
    m_imageList.DeleteImageList();
    if (!m_imageList.Create(m_sizeImage.cx, m_sizeImage.cy, ILC_COLOR24 | ILC_MASK, 1, 1) ||
        m_imageList.Add(&bitmap, kToolBarBackground) < 0) {
        m_imageList.DeleteImageList();
        return FALSE;
    }
    if (m_hWnd != nullptr)
        SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_imageList.GetSafeHandle()));
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    ASSERT(m_hWnd != nullptr); // Create first
    if (m_hWnd == nullptr || nIDCount < 0 || (nIDCount > 0 && lpIDArray == nullptr))
        return FALSE;
    while (GetCount() > 0)
        SendMessage(TB_DELETEBUTTON, 0, 0);
    std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON& button = buttons[static_cast<size_t>(i)];
        button.idCommand = static_cast<int>(lpIDArray[i]);
        if (lpIDArray[i] == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = kDefaultSeparatorWidth;
            continue;
        }
        button.fsStyle = TBSTYLE_BUTTON;
        button.fsState = TBSTATE_ENABLED;
        button.iBitmap = iImage++;
    }
    if (buttons.empty())
        return TRUE;
    return static_cast<BOOL>(SendMessage(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())));
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    ASSERT(sizeButton.cx >= sizeImage.cx + kButtonExtra && sizeButton.cy >= sizeImage.cy + kButtonExtra);
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == nullptr)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
}

BOOL CToolBar::GetButton(int nIndex, TBBUTTON& button) const
{
    button = TBBUTTON{};
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    return static_cast<BOOL>(SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button)));
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, button) || (button.fsStyle & TBSTYLE_SEP))
        return ID_SEPARATOR;
    return static_cast<UINT>(button.idCommand);
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    if (m_hWnd == nullptr)
        return -1;
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind, 0));
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    GetButton(nIndex, button);
    nID = (button.fsStyle & TBSTYLE_SEP) ? ID_SEPARATOR : static_cast<UINT>(button.idCommand);
    nStyle = button.fsStyle;
    iImage = button.iBitmap;
}
