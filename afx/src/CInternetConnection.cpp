// CInternetConnection: the connection handle shared by the service-specific connections.
#include "afxlite/CInternetConnection.h"

#include "AfxInetOptions.h"
#include "afxlite/CInternetException.h"
#include "afxlite/CInternetSession.h"

IMPLEMENT_DYNAMIC(CInternetConnection, CObject)

CInternetConnection::CInternetConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort,
                                         DWORD_PTR dwContext)
    : m_hConnection(nullptr), m_strServerName(pstrServer), m_nPort(nPort), m_pSession(pSession), m_dwContext(dwContext)
{
    ASSERT(pSession != nullptr);
}

CInternetConnection::~CInternetConnection()
{
    Close();
}

void CInternetConnection::Close()
{
    if (m_hConnection) {
        ::InternetCloseHandle(m_hConnection);
        m_hConnection = nullptr;
    }
}

void CInternetConnection::Connect(DWORD dwService, LPCTSTR pstrUserName, LPCTSTR pstrPassword, DWORD dwFlags)
{
    ASSERT(m_hConnection == nullptr);
    m_hConnection = ::InternetConnectW(*m_pSession, m_strServerName, m_nPort, pstrUserName, pstrPassword, dwService,
                                       dwFlags, m_dwContext);
    if (!m_hConnection)
        AfxThrowInternetException(m_dwContext);
}

BOOL CInternetConnection::SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength)
{
    return AfxInetOptions::Set(m_hConnection, dwOption, lpBuffer, dwBufferLength);
}

BOOL CInternetConnection::SetOption(DWORD dwOption, DWORD dwValue)
{
    return AfxInetOptions::Set(m_hConnection, dwOption, dwValue);
}

BOOL CInternetConnection::QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const
{
    return AfxInetOptions::Query(m_hConnection, dwOption, lpBuffer, lpdwBufLen);
}

BOOL CInternetConnection::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    return AfxInetOptions::Query(m_hConnection, dwOption, dwValue);
}

BOOL CInternetConnection::QueryOption(DWORD dwOption, CString& refString) const
{
    return AfxInetOptions::Query(m_hConnection, dwOption, refString);
}
