// The owner-drawn list box: item records, the move operations, measuring and drawing.
#include <ListBoxST.h>

#include <afxlite/AfxGdiScoped.h>

#include <algorithm>
#include <memory>

IMPLEMENT_DYNAMIC(CListBoxST, CListBox)

BEGIN_MESSAGE_MAP(CListBoxST, CListBox)
    ON_WM_DESTROY()
    ON_CONTROL_REFLECT_EX(LBN_DBLCLK, &CListBoxST::OnReflectedDblclk)
END_MESSAGE_MAP()

namespace {

const DWORD kDisabled = 0x0001;
const UINT kTextFormat = DT_WORDBREAK | DT_EXPANDTABS;
// Room around an icon: 3 pixels left and right, 2 above and below.
const int kIconPadX = 6;
const int kIconPadY = 4;
const int kItemPadY = 4;

} // namespace

CListBoxST::CListBoxST() : m_byRowSelect(ST_FULLROWSELECT), m_pImageList(nullptr), m_cxImage(0), m_cyImage(0)
{
}

CListBoxST::~CListBoxST() = default;

// ---- Records ----

CListBoxST::STRUCT_LBDATA* CListBoxST::Record(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return reinterpret_cast<STRUCT_LBDATA*>(CListBox::GetItemData(nIndex));
}

CListBoxST::STRUCT_LBDATA* CListBoxST::MakeRecord(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    if (STRUCT_LBDATA* pRecord = Record(nIndex))
        return pRecord;
    auto pRecord = std::make_unique<STRUCT_LBDATA>();
    pRecord->nImage = -1;
    if (CListBox::SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pRecord.get())) == LB_ERR)
        return nullptr;
    return pRecord.release();
}

int CListBoxST::AttachNewRecord(int nResult, int nImage)
{
    if (nResult == LB_ERR || nResult == LB_ERRSPACE)
        return nResult;
    STRUCT_LBDATA* pRecord = MakeRecord(nResult);
    if (pRecord == nullptr) {
        // An item the control cannot keep a record for is not kept either.
        CListBox::DeleteString(static_cast<UINT>(nResult));
        return LB_ERRSPACE;
    }
    pRecord->nImage = nImage;
    return nResult;
}

// The record is detached before it is freed, so that the deletion notice that follows finds
// nothing to free again.
void CListBoxST::FreeRecord(int nIndex)
{
    STRUCT_LBDATA* pRecord = Record(nIndex);
    if (pRecord == nullptr)
        return;
    CListBox::SetItemData(nIndex, 0);
    delete pRecord;
}

void CListBoxST::FreeAllRecords()
{
    if (!::IsWindow(m_hWnd))
        return;
    for (int i = GetCount() - 1; i >= 0; --i)
        FreeRecord(i);
}

void CListBoxST::DeleteItem(LPDELETEITEMSTRUCT lpDIS)
{
    // Items removed by a message sent straight to the list box.
    delete reinterpret_cast<STRUCT_LBDATA*>(lpDIS->itemData);
}

// ---- Items ----

int CListBoxST::AddString(LPCTSTR lpszItem, int nImage)
{
    return AttachNewRecord(CListBox::AddString(lpszItem), nImage);
}

int CListBoxST::InsertString(int nIndex, LPCTSTR lpszItem, int nImage)
{
    return AttachNewRecord(CListBox::InsertString(nIndex, lpszItem), nImage);
}

int CListBoxST::DeleteString(int nIndex)
{
    FreeRecord(nIndex);
    return CListBox::DeleteString(static_cast<UINT>(nIndex));
}

int CListBoxST::ReplaceString(int nIndex, LPCTSTR lpszItem, int nImage)
{
    if (DeleteString(nIndex) == LB_ERR)
        return LB_ERR;
    return InsertString(nIndex, lpszItem, nImage);
}

void CListBoxST::ResetContent()
{
    FreeAllRecords();
    CListBox::ResetContent();
}

void CListBoxST::OnDestroy()
{
    FreeAllRecords();
    CListBox::OnDestroy();
}

int CListBoxST::SetItemData(int nIndex, DWORD dwItemData)
{
    STRUCT_LBDATA* pRecord = MakeRecord(nIndex);
    if (pRecord == nullptr)
        return LB_ERR;
    pRecord->dwItemData = dwItemData;
    return 0;
}

DWORD CListBoxST::GetItemData(int nIndex)
{
    const STRUCT_LBDATA* pRecord = Record(nIndex);
    return pRecord != nullptr ? pRecord->dwItemData : static_cast<DWORD>(LB_ERR);
}

int CListBoxST::SetItemDataPtr(int nIndex, void* pData)
{
    STRUCT_LBDATA* pRecord = MakeRecord(nIndex);
    if (pRecord == nullptr)
        return LB_ERR;
    pRecord->pData = pData;
    return 0;
}

void* CListBoxST::GetItemDataPtr(int nIndex)
{
    const STRUCT_LBDATA* pRecord = Record(nIndex);
    return pRecord != nullptr ? pRecord->pData : reinterpret_cast<void*>(static_cast<INT_PTR>(LB_ERR));
}

void CListBoxST::SetImage(int nIndex, int nImage, BOOL bRepaint)
{
    if (STRUCT_LBDATA* pRecord = MakeRecord(nIndex)) {
        pRecord->nImage = nImage;
        Repaint(bRepaint);
    }
}

void CListBoxST::GetImage(int nIndex, LPINT pnImage)
{
    if (pnImage == nullptr)
        return;
    const STRUCT_LBDATA* pRecord = Record(nIndex);
    *pnImage = pRecord != nullptr ? pRecord->nImage : -1;
}

void CListBoxST::EnableItem(int nIndex, BOOL bEnable, BOOL bRepaint)
{
    STRUCT_LBDATA* pRecord = MakeRecord(nIndex);
    if (pRecord == nullptr)
        return;
    if (bEnable)
        pRecord->dwFlags &= ~kDisabled;
    else
        pRecord->dwFlags |= kDisabled;
    Repaint(bRepaint);
}

BOOL CListBoxST::IsItemEnabled(int nIndex)
{
    const STRUCT_LBDATA* pRecord = Record(nIndex);
    return pRecord == nullptr || (pRecord->dwFlags & kDisabled) == 0;
}

void CListBoxST::SetRowSelect(BYTE byRowSelect, BOOL bRepaint)
{
    if (byRowSelect > ST_TEXTSELECT)
        return;
    m_byRowSelect = byRowSelect;
    Repaint(bRepaint);
}

void CListBoxST::SetImageList(CImageList* pImageList)
{
    m_pImageList = pImageList;
    m_cxImage = 0;
    m_cyImage = 0;
    if (pImageList != nullptr && pImageList->GetSafeHandle() != nullptr)
        pImageList->GetIconSize(&m_cxImage, &m_cyImage);
    Repaint(TRUE);
}

void CListBoxST::Repaint(BOOL bRepaint)
{
    if (bRepaint && ::IsWindow(m_hWnd))
        Invalidate();
}

// ---- Moving ----

int CListBoxST::MoveUp(int nIndex, BOOL bSetCurSel)
{
    return nIndex == 0 ? nIndex : Move(nIndex, nIndex - 1, bSetCurSel);
}

int CListBoxST::MoveDown(int nIndex, BOOL bSetCurSel)
{
    return nIndex == GetCount() - 1 ? nIndex : Move(nIndex, nIndex + 1, bSetCurSel);
}

int CListBoxST::MoveTop(int nIndex, BOOL bSetCurSel)
{
    return nIndex == 0 ? nIndex : Move(nIndex, 0, bSetCurSel);
}

int CListBoxST::MoveBottom(int nIndex, BOOL bSetCurSel)
{
    return nIndex == GetCount() - 1 ? nIndex : Move(nIndex, GetCount() - 1, bSetCurSel);
}

// The copy is inserted before the original is deleted: an insertion can fail (no memory), a
// deletion of an existing item cannot, so the item is never lost and never doubled. The record
// goes with the item.
int CListBoxST::Move(int nOldIndex, int nNewIndex, BOOL bSetCurSel)
{
    const int nCount = GetCount();
    if (nOldIndex < 0 || nOldIndex >= nCount || nNewIndex < 0 || nNewIndex >= nCount)
        return LB_ERR;
    if (nOldIndex == nNewIndex)
        return nOldIndex;
    CString strText;
    GetText(nOldIndex, strText);
    const int nInsertAt = nNewIndex < nOldIndex ? nNewIndex : nNewIndex + 1;
    const int nInserted = CListBox::InsertString(nInsertAt, strText);
    if (nInserted == LB_ERR || nInserted == LB_ERRSPACE)
        return nInserted;
    const int nOriginal = nNewIndex < nOldIndex ? nOldIndex + 1 : nOldIndex;
    STRUCT_LBDATA* pRecord = Record(nOriginal);
    CListBox::SetItemData(nOriginal, 0);
    CListBox::SetItemData(nInserted, reinterpret_cast<DWORD_PTR>(pRecord));
    if (pRecord != nullptr)
        pRecord->nFormat = 0;
    CListBox::DeleteString(static_cast<UINT>(nOriginal));
    if (bSetCurSel)
        SetCurSel(nNewIndex);
    return nNewIndex;
}

// ---- Measuring and drawing ----

int CListBoxST::TextHeight(CDC* pDC, const CString& strText, int nWidth, UINT nFormat) const
{
    CFont* pFont = GetFont();
    const CDCSelect font(pDC->m_hDC, pFont != nullptr ? pFont->m_hObject : nullptr);
    CRect rcText(0, 0, nWidth, 0);
    pDC->DrawText(strText, &rcText, nFormat | DT_CALCRECT);
    return rcText.Height();
}

void CListBoxST::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    CString strText;
    GetText(static_cast<int>(lpMIS->itemID), strText);
    CRect rcClient;
    GetClientRect(&rcClient);
    CClientDC dc(this);
    int nHeight = TextHeight(&dc, strText, rcClient.Width() - (m_pImageList ? m_cxImage + kIconPadX : 0), kTextFormat);
    if (m_pImageList != nullptr)
        nHeight = std::max(nHeight, m_cyImage + kIconPadY);
    lpMIS->itemHeight = static_cast<UINT>(nHeight + kItemPadY);
}

void CListBoxST::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    const int nIndex = static_cast<int>(lpDIS->itemID);
    const STRUCT_LBDATA* pRecord = Record(nIndex);
    if (pRecord == nullptr)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CDCSaveState saved(pDC);
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    const BOOL bIsSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const BOOL bIsFocused = (lpDIS->itemState & ODS_FOCUS) != 0;
    const BOOL bIsDisabled = (lpDIS->itemState & ODS_DISABLED) != 0 || (pRecord->dwFlags & kDisabled) != 0;

    CRect rcItem(lpDIS->rcItem);
    CRect rcIcon(rcItem.left, rcItem.top, rcItem.left, rcItem.top);
    if (m_pImageList != nullptr)
        rcIcon.SetRect(rcItem.left, rcItem.top, rcItem.left + m_cxImage + kIconPadX,
                       rcItem.top + m_cyImage + kIconPadY);
    CRect rcCenteredText(rcIcon.right, rcItem.top, rcItem.right, rcItem.bottom);

    CString strText;
    GetText(nIndex, strText);
    const UINT nFormat = kTextFormat | pRecord->nFormat;
    CRect rcText = rcCenteredText;
    rcText.bottom = rcText.top + TextHeight(pDC, strText, rcCenteredText.Width(), nFormat);
    rcText.OffsetRect(0, (rcItem.Height() - rcText.Height()) / 2);

    pDC->SetBkMode(TRANSPARENT);
    if (m_pImageList != nullptr) {
        const COLORREF crIconBack =
            (bIsSelected && !bIsDisabled && m_byRowSelect == ST_FULLROWSELECT) ? crHighlight : crWindow;
        OnDrawIconBackground(nIndex, pDC, &rcItem, &rcIcon, bIsDisabled, bIsSelected, crIconBack);
    }
    COLORREF crBack = crWindow;
    if (bIsDisabled) {
        pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    } else if (bIsSelected) {
        pDC->SetTextColor(crWindowText ^ 0x00FFFFFF);
        crBack = crHighlight;
    } else {
        pDC->SetTextColor(crWindowText);
    }
    CRect rcTextBack = m_byRowSelect == ST_TEXTSELECT ? rcText : rcCenteredText;
    OnDrawTextBackground(nIndex, pDC, &rcItem, &rcTextBack, bIsDisabled, bIsSelected, crBack);
    if (m_pImageList != nullptr)
        OnDrawIcon(nIndex, pDC, &rcItem, &rcIcon, pRecord->nImage, bIsDisabled, bIsSelected);
    {
        CFont* pFont = GetFont();
        const CDCSelect font(pDC->m_hDC, pFont != nullptr ? pFont->m_hObject : nullptr);
        pDC->DrawText(strText, &rcText, nFormat);
    }
    if (bIsFocused && !bIsDisabled) {
        const CRect& rcFocus = m_byRowSelect == ST_FULLROWSELECT    ? rcItem
                               : m_byRowSelect == ST_FULLTEXTSELECT ? rcCenteredText
                                                                    : rcText;
        pDC->DrawFocusRect(&rcFocus);
    }
}

DWORD CListBoxST::OnDrawTextBackground(int, CDC* pDC, CRect*, CRect* prcText, BOOL, BOOL, COLORREF crSuggestedColor)
{
    pDC->SetBkColor(crSuggestedColor);
    pDC->FillSolidRect(prcText, crSuggestedColor);
    return 0;
}

DWORD CListBoxST::OnDrawIconBackground(int, CDC* pDC, CRect* prcItem, CRect* prcIcon, BOOL, BOOL,
                                       COLORREF crSuggestedColor)
{
    pDC->SetBkColor(crSuggestedColor);
    pDC->FillSolidRect(prcIcon->left, prcIcon->top, prcIcon->Width(), prcItem->Height(), crSuggestedColor);
    return 0;
}

DWORD CListBoxST::OnDrawIcon(int, CDC* pDC, CRect*, CRect* prcIcon, int nImage, BOOL bIsDisabled, BOOL)
{
    if (m_pImageList == nullptr || nImage < 0)
        return 0;
    HICON hIcon = ImageList_GetIcon(m_pImageList->GetSafeHandle(), nImage, ILD_NORMAL);
    if (hIcon == nullptr)
        return 0;
    const CIconHandle icon(hIcon);
    ::DrawState(pDC->m_hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, prcIcon->left + kIconPadX / 2,
                prcIcon->top + kIconPadY / 2, m_cxImage, m_cyImage,
                DST_ICON | (bIsDisabled ? DSS_DISABLED : DSS_NORMAL));
    return 0;
}

BOOL CListBoxST::OnReflectedDblclk()
{
    // TRUE keeps the notification from the parent.
    return !IsItemEnabled(GetCurSel());
}
