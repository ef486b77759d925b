// CLangProRC: the texts of one module (program) in the current language: strings by
// identifier ("IDS_LINK_ACCEPT" ...) and dialog records by dialog name ("CMsgBox" ...).
// Created and owned by CLangDB; pointers to it stay valid until the database goes.
#pragma once

#include "vo_lang/CLangRCDlg.h"
#include "vo_lang/LangDef.h"

#include "afxlite/CString.h"

#include <map>
#include <vector>

class VO_LANG_API CLangProRC {
public:
    CLangProRC() = default;
    CLangProRC(const CLangProRC&) = delete;
    CLangProRC& operator=(const CLangProRC&) = delete;

    // Text of the string id; empty for an unknown or null identifier, never a failure.
    CString GetString(LPCTSTR id) const;

    // Texts of the dialog name, or nullptr when the module has none by that name.
    CLangRCDlg* GetDialog(LPCTSTR name);

    // Filling, used while a module file is read. Empty identifiers and names are ignored
    // (AddDialog then returns nullptr); a repeated one replaces the earlier text, and
    // AddDialog returns the record already there.
    void SetString(LPCTSTR id, LPCTSTR text);
    CLangRCDlg* AddDialog(LPCTSTR name);

    // Identifiers of all strings and names of all dialogs, in ordinal order.
    std::vector<CString> GetStringIds() const;
    std::vector<CString> GetDialogNames() const;

private:
    std::map<CString, CString> m_mapStrings;
    std::map<CString, CLangRCDlg> m_mapDialogs; // map nodes never move: pointers stay valid
};
