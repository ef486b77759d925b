// Texts of one dialog: caption and item texts by item name.
#include "vo_lang/CLangRCDlg.h"

#include "MapKeys.h"

CString CLangRCDlg::GetDlgItemTextW(LPCTSTR item) const
{
    if (item == nullptr)
        return CString();
    const auto it = m_mapItems.find(CString(item));
    return it == m_mapItems.end() ? CString() : it->second;
}

void CLangRCDlg::SetItemText(LPCTSTR item, LPCTSTR text)
{
    if (item == nullptr || *item == L'\0')
        return;
    m_mapItems[CString(item)] = text != nullptr ? CString(text) : CString();
}

std::vector<CString> CLangRCDlg::GetItemNames() const
{
    return KeysOf(m_mapItems);
}
