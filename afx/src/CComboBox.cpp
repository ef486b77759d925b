// Combo boxes: item text and owner-drawn items through reflection.
#include "afxlite/CComboBox.h"

#include "AfxOwnerDraw.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

int CComboBox::GetLBText(int nIndex, CString& rString) const
{
    rString.Empty();
    const int length = GetLBTextLen(nIndex);
    if (length == CB_ERR)
        return CB_ERR;
    const int copied = GetLBText(nIndex, rString.GetBufferSetLength(length));
    rString.ReleaseBuffer(copied == CB_ERR ? 0 : copied);
    return copied;
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return 0;
}

void CComboBox::DeleteItem(LPDELETEITEMSTRUCT)
{
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxReflectOwnerItems(*this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
