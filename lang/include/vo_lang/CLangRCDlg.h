// CLangRCDlg: the texts of one dialog in the current language, its caption and the texts of
// its items by item name ("IDOK", "IDCANCEL", "IDC_REFRESH" ...). A CLangProRC owns its records.
#pragma once

#include "vo_lang/LangDef.h"

#include "afxlite/CString.h"

#include <map>
#include <vector>

class VO_LANG_API CLangRCDlg {
public:
    // Text of the item named item; empty for an unknown or null name. (windows.h maps
    // GetDlgItemText to GetDlgItemTextW, so callers may use either spelling.)
    CString GetDlgItemTextW(LPCTSTR item) const;

    // Sets or replaces the text of the item named item (ignored for an empty name).
    void SetItemText(LPCTSTR item, LPCTSTR text);

    // Names of all items, in ordinal order.
    std::vector<CString> GetItemNames() const;

    CString m_strCaption; // the dialog's caption

private:
    std::map<CString, CString> m_mapItems;
};
