// CInternetSession: the WinInet session handle and the connections made from it.
#include "afxlite/CInternetSession.h"

#include "AfxInetOptions.h"
#include "afxlite/AfxPath.h"
#include "afxlite/CHttpConnection.h"
#include "afxlite/CInternetException.h"

IMPLEMENT_DYNAMIC(CInternetSession, CObject)

namespace {

// The agent name when the caller gives none: the executable's name ("client" for
// C:\Prog\client.exe), else the framework's.
CString DefaultAgent()
{
    const CString name = AfxGetModuleBaseName(nullptr);
    return name.IsEmpty() ? CString(L"afxlite") : name;
}

} // namespace

CInternetSession::CInternetSession(LPCTSTR pstrAgent, DWORD_PTR dwContext, DWORD dwAccessType, LPCTSTR pstrProxyName,
                                   LPCTSTR pstrProxyBypass, DWORD dwFlags)
    : m_hSession(nullptr), m_dwContext(dwContext)
{
    const CString agent = pstrAgent ? CString(pstrAgent) : DefaultAgent();
    m_hSession = ::InternetOpenW(agent, dwAccessType, pstrProxyName, pstrProxyBypass, dwFlags);
    if (!m_hSession)
        AfxThrowInternetException(m_dwContext);
}

CInternetSession::~CInternetSession()
{
    Close();
}

void CInternetSession::Close()
{
    if (m_hSession) {
        ::InternetCloseHandle(m_hSession);
        m_hSession = nullptr;
    }
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR pstrServer, INTERNET_PORT nPort, LPCTSTR pstrUserName,
                                                     LPCTSTR pstrPassword)
{
    return new CHttpConnection(this, pstrServer, nPort, pstrUserName, pstrPassword, m_dwContext);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR pstrServer, DWORD dwFlags, INTERNET_PORT nPort,
                                                     LPCTSTR pstrUserName, LPCTSTR pstrPassword)
{
    return new CHttpConnection(this, pstrServer, dwFlags, nPort, pstrUserName, pstrPassword, m_dwContext);
}

BOOL CInternetSession::SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength)
{
    return AfxInetOptions::Set(m_hSession, dwOption, lpBuffer, dwBufferLength);
}

BOOL CInternetSession::SetOption(DWORD dwOption, DWORD dwValue)
{
    return AfxInetOptions::Set(m_hSession, dwOption, dwValue);
}

BOOL CInternetSession::SetTimeouts(DWORD dwMilliseconds)
{
    BOOL bAll = TRUE;
    for (DWORD dwOption :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        bAll = SetOption(dwOption, dwMilliseconds) && bAll;
    return bAll;
}

BOOL CInternetSession::QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const
{
    return AfxInetOptions::Query(m_hSession, dwOption, lpBuffer, lpdwBufLen);
}

BOOL CInternetSession::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    return AfxInetOptions::Query(m_hSession, dwOption, dwValue);
}

BOOL CInternetSession::QueryOption(DWORD dwOption, CString& refString) const
{
    return AfxInetOptions::Query(m_hSession, dwOption, refString);
}
