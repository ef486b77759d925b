// The library's module text set, kept in g_pLangModule (defined in module/Globals.cpp).

#include "LangModule.h"

#include "FrameGlobals.h"

#include <LangDB.h>

#include <afxwin.h>

namespace {

const wchar_t kModuleName[] = L"vo_share";
const wchar_t kModuleFile[] = L"vo_share.xml";

} // namespace

CLangProRC* FindLangModule()
{
    if (g_pLangModule == nullptr)
        g_pLangModule = CLangDB::Instance()->get(kModuleName);
    return g_pLangModule;
}

CLangProRC* LoadLangModule()
{
    if (g_pLangModule != nullptr)
        return g_pLangModule;
    // The load's own result is not needed: the lookup below tells whether the set exists.
    CLangDB::Instance()->load(kModuleFile, 0, 0);
    return FindLangModule();
}

CString GetLangModuleString(LPCTSTR id)
{
    return g_pLangModule != nullptr ? g_pLangModule->GetString(id) : CString();
}

void LocaliseDialog(CWnd* pDialog, LPCTSTR pszRecord, std::initializer_list<LangDialogItem> items)
{
    CLangProRC* pTexts = FindLangModule();
    CLangRCDlg* pRecord = pTexts != nullptr ? pTexts->GetDialog(pszRecord) : nullptr;
    if (pRecord == nullptr)
        return;
    pDialog->SetWindowText(pRecord->m_strCaption);
    for (const LangDialogItem& item : items)
        pDialog->SetDlgItemText(item.nID, pRecord->GetDlgItemTextW(item.pszItem));
}
