// CHttpFile: one HTTP request opened by CHttpConnection::OpenRequest and its response. Add
// headers, send (SendRequest, or SendRequestEx + Write + EndRequest for a body written in
// parts), then query the status and headers and Read the body. Sending throws
// CInternetException on failure; the header and query helpers return FALSE.
#pragma once

#include "afxlite/CInternetFile.h"

class AFX_API CHttpFile : public CInternetFile {
    DECLARE_DYNAMIC(CHttpFile)
public:
    // Takes ownership of hFile, a request handle for pstrObject on pstrServer.
    CHttpFile(HINTERNET hFile, HINTERNET hSession, LPCTSTR pstrObject, LPCTSTR pstrServer, LPCTSTR pstrVerb,
              DWORD_PTR dwContext);

    // Adds header lines ("Name: value\r\n" ...) to the request (HttpAddRequestHeaders);
    // nHeadersLen -1 for a terminated text.
    BOOL AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW, int nHeadersLen = -1);
    BOOL AddRequestHeaders(const CString& str, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW);

    // Sends the request with extra headers (dwHeadersLen 0 for a terminated text) and an
    // optional body, and waits for the response headers. TRUE, or throws CInternetException.
    // In an asynchronous session (INTERNET_FLAG_ASYNC) the request may go on in the background:
    // FALSE with GetLastError() ERROR_IO_PENDING, its end reported to the status callback. The
    // headers and the body must then stay valid until then.
    BOOL SendRequest(LPCTSTR pstrHeaders = nullptr, DWORD dwHeadersLen = 0, LPVOID lpOptional = nullptr,
                     DWORD dwOptionalLen = 0);
    BOOL SendRequest(const CString& strHeaders, LPVOID lpOptional = nullptr, DWORD dwOptionalLen = 0);
    // Starts a request whose body of dwTotalLen bytes follows with Write; EndRequest ends it
    // and waits for the response headers. TRUE, or throws CInternetException.
    BOOL SendRequestEx(DWORD dwTotalLen, DWORD dwFlags = HSR_INITIATE, DWORD_PTR dwContext = 1);
    BOOL SendRequestEx(LPINTERNET_BUFFERS lpBuffIn, LPINTERNET_BUFFERS lpBuffOut, DWORD dwFlags = HSR_INITIATE,
                       DWORD_PTR dwContext = 1);
    BOOL EndRequest(DWORD dwFlags = 0, LPINTERNET_BUFFERS lpBuffIn = nullptr, DWORD_PTR dwContext = 1);

    // HttpQueryInfo: raw, as text (any length), as a number (HTTP_QUERY_FLAG_NUMBER is added).
    BOOL QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength, LPDWORD lpdwIndex = nullptr) const;
    BOOL QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex = nullptr) const;
    BOOL QueryInfo(DWORD dwInfoLevel, DWORD& dwResult, LPDWORD lpdwIndex = nullptr) const;
    // The response's status code (200, 404 ...).
    BOOL QueryInfoStatusCode(DWORD& dwStatusCode) const;

    CString GetVerb() const { return m_strVerb; }

private:
    CString m_strVerb;
};
