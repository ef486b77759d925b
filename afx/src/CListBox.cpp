// List boxes: item text and owner-drawn items through reflection.
#include "afxlite/CListBox.h"

#include "AfxOwnerDraw.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

int CListBox::GetText(int nIndex, CString& rString) const
{
    rString.Empty();
    const int length = GetTextLen(nIndex);
    if (length == LB_ERR)
        return LB_ERR;
    const int copied = GetText(nIndex, rString.GetBufferSetLength(length));
    rString.ReleaseBuffer(copied == LB_ERR ? 0 : copied);
    return copied;
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return 0;
}

void CListBox::DeleteItem(LPDELETEITEMSTRUCT)
{
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxReflectOwnerItems(*this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
