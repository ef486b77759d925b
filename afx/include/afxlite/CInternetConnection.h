// CInternetConnection: base of the connections to one server made from a CInternetSession
// (CHttpConnection for HTTP). Owns the connection handle (InternetConnect), closed by Close or
// the destructor; the session must outlive the connection.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CObject.h"
#include "afxlite/CString.h"

#include <wininet.h>

class CInternetSession;

class AFX_API CInternetConnection : public CObject {
    DECLARE_DYNAMIC(CInternetConnection)
public:
    // Only records the server; the derived class connects with Connect.
    CInternetConnection(CInternetSession* pSession, LPCTSTR pstrServer,
                        INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, DWORD_PTR dwContext = 1);
    ~CInternetConnection() override;

    CInternetConnection(const CInternetConnection&) = delete;
    CInternetConnection& operator=(const CInternetConnection&) = delete;

    // Closes the connection handle; later calls do nothing.
    virtual void Close();

    // InternetSetOption / InternetQueryOption on the connection handle.
    BOOL SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength);
    BOOL SetOption(DWORD dwOption, DWORD dwValue);
    BOOL QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const;
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
    BOOL QueryOption(DWORD dwOption, CString& refString) const;

    CInternetSession* GetSession() const { return m_pSession; }
    CString GetServerName() const { return m_strServerName; }
    INTERNET_PORT GetPort() const { return m_nPort; }
    DWORD_PTR GetContext() const { return m_dwContext; }
    operator HINTERNET() const { return m_hConnection; }

protected:
    // Opens the connection handle for a service (INTERNET_SERVICE_HTTP ...); throws
    // CInternetException when WinInet refuses.
    void Connect(DWORD dwService, LPCTSTR pstrUserName, LPCTSTR pstrPassword, DWORD dwFlags);

    HINTERNET m_hConnection;
    CString m_strServerName;
    INTERNET_PORT m_nPort;
    CInternetSession* m_pSession;
    DWORD_PTR m_dwContext;
};
