// CHttpConnection: a connection to one HTTP server, made by CInternetSession::GetHttpConnection.
// OpenRequest prepares a request (verb, object, headers) as a CHttpFile, which the caller
// sends, reads and deletes before the connection.
#pragma once

#include "afxlite/CInternetConnection.h"

class CHttpFile;

class AFX_API CHttpConnection : public CInternetConnection {
    DECLARE_DYNAMIC(CHttpConnection)
public:
    // Verbs of OpenRequest(int, ...).
    enum {
        HTTP_VERB_MIN = 0,
        HTTP_VERB_POST = 0,
        HTTP_VERB_GET = 1,
        HTTP_VERB_HEAD = 2,
        HTTP_VERB_PUT = 3,
        HTTP_VERB_LINK = 4,
        HTTP_VERB_DELETE = 5,
        HTTP_VERB_UNLINK = 6,
        HTTP_VERB_MAX = 6,
    };

    // Both throw CInternetException when WinInet refuses the connection handle. dwFlags
    // (INTERNET_FLAG_SECURE ...) are added to the flags of every request opened here.
    CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                    LPCTSTR pstrUserName = nullptr, LPCTSTR pstrPassword = nullptr, DWORD_PTR dwContext = 1);
    CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer, DWORD dwFlags,
                    INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, LPCTSTR pstrUserName = nullptr,
                    LPCTSTR pstrPassword = nullptr, DWORD_PTR dwContext = 1);

    // A new request (HttpOpenRequest), owned by the caller; nothing is sent yet. A null version
    // lets WinInet choose, null accept types send none. Throws CInternetException.
    CHttpFile* OpenRequest(LPCTSTR pstrVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer = nullptr,
                           DWORD_PTR dwContext = 1, LPCTSTR* ppstrAcceptTypes = nullptr, LPCTSTR pstrVersion = nullptr,
                           DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT);
    // The same with a verb from the HTTP_VERB_ values.
    CHttpFile* OpenRequest(int nVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer = nullptr, DWORD_PTR dwContext = 1,
                           LPCTSTR* ppstrAcceptTypes = nullptr, LPCTSTR pstrVersion = nullptr,
                           DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT);

private:
    DWORD m_dwFlags;
};
