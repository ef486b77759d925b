// CFileDialog: Open and Save As through the common dialog library.
#include "afxlite/CFileDialog.h"

#include "afxlite/CWinThread.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {

// "Text|*.a|All|*.*||" -> "Text\0*.a\0All\0*.*\0\0": the system wants each piece
// null-terminated and the list ended by an empty piece, whether or not the text ends in "||".
std::vector<wchar_t> MakeFilter(LPCTSTR lpszFilter)
{
    std::vector<wchar_t> filter;
    if (!lpszFilter || !*lpszFilter)
        return filter;
    for (LPCTSTR p = lpszFilter; *p; ++p)
        filter.push_back(*p == L'|' ? L'\0' : *p);
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_fileName(kMaxFileName, L'\0'), m_filter(MakeFilter(lpszFilter)),
      m_strDefExt(lpszDefExt ? lpszDefExt : L"")
{
    m_pParentWnd = pParentWnd;
    if (lpszFileName)
        ::lstrcpynW(m_fileName.data(), lpszFileName, static_cast<int>(kMaxFileName));
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_fileName.data();
    m_ofn.nMaxFile = kMaxFileName;
    m_ofn.lpstrDefExt = lpszDefExt ? static_cast<LPCTSTR>(m_strDefExt) : nullptr;
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.data();
    m_ofn.nFilterIndex = m_filter.empty() ? 0 : 1;
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
}

HWND CFileDialog::FindOwner() const
{
    HWND hWnd = AfxGetSafeHwnd(m_pParentWnd);
    if (!hWnd)
        hWnd = AfxGetSafeHwnd(AfxGetMainWnd());
    return hWnd ? ::GetAncestor(hWnd, GA_ROOT) : nullptr;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = FindOwner();
    BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    int slash = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
    return path.Mid(slash + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}
