// CInternetSession: one WinInet session, the root handle (InternetOpen) from which connections
// to servers are made. Its options (time-outs, agent ...) apply to what is opened from it. The
// handle is closed by Close or the destructor; close connections and files made from the
// session before the session itself.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CObject.h"
#include "afxlite/CString.h"

#include <wininet.h>

// Access types of the constructor.
#define PRE_CONFIG_INTERNET_ACCESS INTERNET_OPEN_TYPE_PRECONFIG
#define LOCAL_INTERNET_ACCESS INTERNET_OPEN_TYPE_DIRECT
#define CERN_PROXY_INTERNET_ACCESS INTERNET_OPEN_TYPE_PROXY

class CHttpConnection;

class AFX_API CInternetSession : public CObject {
    DECLARE_DYNAMIC(CInternetSession)
public:
    // Opens the session (InternetOpen); throws CInternetException when WinInet refuses. A null
    // agent is replaced by the executable's name. dwContext is handed on to the connections.
    explicit CInternetSession(LPCTSTR pstrAgent = nullptr, DWORD_PTR dwContext = 1,
                              DWORD dwAccessType = PRE_CONFIG_INTERNET_ACCESS, LPCTSTR pstrProxyName = nullptr,
                              LPCTSTR pstrProxyBypass = nullptr, DWORD dwFlags = 0);
    ~CInternetSession() override;

    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    // Closes the session handle; later calls do nothing.
    virtual void Close();

    // A new connection to an HTTP server, owned by the caller (delete it before the session).
    // No network traffic yet: WinInet connects when a request is sent. Throws CInternetException.
    CHttpConnection* GetHttpConnection(LPCTSTR pstrServer, INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                       LPCTSTR pstrUserName = nullptr, LPCTSTR pstrPassword = nullptr);
    // The same with connection flags (INTERNET_FLAG_SECURE ...) added to every request.
    CHttpConnection* GetHttpConnection(LPCTSTR pstrServer, DWORD dwFlags,
                                       INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                       LPCTSTR pstrUserName = nullptr, LPCTSTR pstrPassword = nullptr);

    // InternetSetOption / InternetQueryOption on the session handle.
    BOOL SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength);
    BOOL SetOption(DWORD dwOption, DWORD dwValue);
    BOOL QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const;
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
    // Sets the connect, send and receive time-outs of the session to dwMilliseconds each;
    // FALSE when one of them cannot be set.
    BOOL SetTimeouts(DWORD dwMilliseconds);
    BOOL QueryOption(DWORD dwOption, CString& refString) const;

    DWORD_PTR GetContext() const { return m_dwContext; }
    operator HINTERNET() const { return m_hSession; }

private:
    HINTERNET m_hSession;
    DWORD_PTR m_dwContext;
};
