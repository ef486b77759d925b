#include <Config.h>

#include <afxwin.h>

CConfig::CConfig() : m_bLoaded(0), m_bSaved(0)
{
}

CConfig::CConfig(const CConfig& other) = default;

CConfig& CConfig::operator=(const CConfig& other) = default;

CConfig::~CConfig() = default;

int CConfig::LoadConfig(const wchar_t* folder, const wchar_t* name, const wchar_t* userFolder)
{
    const CString fileName(name);
    if (!m_bLoaded) {
        m_strBasePath.Format(L"%s\\config\\%s", static_cast<LPCTSTR>(CString(folder)), fileName.GetString());
        LoadBase();
        m_bLoaded = 1;
    }
    if (m_bSaved)
        return 1;

    CString user(userFolder);
    if (user.IsEmpty())
        user = AskUserFolder();
    m_strSavedPath.Format(L"%s\\save%s", user.GetString(), fileName.GetString());
    LoadSaved();
    m_bSaved = m_strSavedPath.IsEmpty() ? 0 : 1;
    return 1;
}

void CConfig::Empty()
{
    m_strBasePath.Empty();
    m_strSavedPath.Empty();
    m_bLoaded = 0;
}

int CConfig::LoadSaved()
{
    return 1;
}

int CConfig::SaveConfig()
{
    return 1;
}

CString CConfig::AskUserFolder()
{
    CString folder;
    CWinThread* thread = AfxGetThread();
    if (thread == nullptr)
        return folder;
    CWnd* mainWnd = thread->m_pMainWnd;
    if (mainWnd == nullptr || mainWnd->GetSafeHwnd() == nullptr)
        return folder;
    mainWnd->SendMessage(WM_CONFIG_GET_USER_FOLDER, reinterpret_cast<WPARAM>(&folder), 0);
    return folder;
}
