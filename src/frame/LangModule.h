// The library's own set of texts in the language library (the "vo_share" module). It is
// empty until the first OEM load fills it; every part of the library then shares it.
#pragma once

#include <afx.h>

#include <initializer_list>

class CLangProRC;
class CWnd;

// A dialog control and the name of its text in the dialog's record of the module set.
struct LangDialogItem {
    UINT nID;
    LPCTSTR pszItem;
};

// Takes the module set from the language database if it is still empty and the database
// already holds the module. Returns the set (null when the module is not loaded).
CLangProRC* FindLangModule();
// Like FindLangModule, but first asks the database to load the module's text file.
CLangProRC* LoadLangModule();

// Text of identifier id from the module set; empty while the set is empty.
CString GetLangModuleString(LPCTSTR id);

// Caption and control texts of pDialog from the module set's dialog record pszRecord, when the
// language library has it; otherwise the template's texts stay.
void LocaliseDialog(CWnd* pDialog, LPCTSTR pszRecord, std::initializer_list<LangDialogItem> items);
