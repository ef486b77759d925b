// CHttpFile: sending an HTTP request and querying its response.
#include "afxlite/CHttpFile.h"

IMPLEMENT_DYNAMIC(CHttpFile, CInternetFile)

CHttpFile::CHttpFile(HINTERNET hFile, HINTERNET hSession, LPCTSTR pstrObject, LPCTSTR pstrServer, LPCTSTR pstrVerb,
                     DWORD_PTR dwContext)
    : CInternetFile(hFile, hSession, pstrObject, pstrServer, dwContext), m_strVerb(pstrVerb)
{
}

BOOL CHttpFile::AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags, int nHeadersLen)
{
    const DWORD length = nHeadersLen < 0 ? static_cast<DWORD>(-1) : static_cast<DWORD>(nHeadersLen);
    return ::HttpAddRequestHeadersW(m_hFile, pstrHeaders, length, dwFlags);
}

BOOL CHttpFile::AddRequestHeaders(const CString& str, DWORD dwFlags)
{
    return AddRequestHeaders(str, dwFlags, str.GetLength());
}

BOOL CHttpFile::SendRequest(LPCTSTR pstrHeaders, DWORD dwHeadersLen, LPVOID lpOptional, DWORD dwOptionalLen)
{
    if (pstrHeaders && dwHeadersLen == 0)
        dwHeadersLen = static_cast<DWORD>(lstrlenW(pstrHeaders));
    return EndedOrPending(::HttpSendRequestW(m_hFile, pstrHeaders, dwHeadersLen, lpOptional, dwOptionalLen));
}

BOOL CHttpFile::SendRequest(const CString& strHeaders, LPVOID lpOptional, DWORD dwOptionalLen)
{
    const LPCTSTR headers = strHeaders.IsEmpty() ? nullptr : strHeaders.GetString();
    return SendRequest(headers, static_cast<DWORD>(strHeaders.GetLength()), lpOptional, dwOptionalLen);
}

BOOL CHttpFile::SendRequestEx(DWORD dwTotalLen, DWORD dwFlags, DWORD_PTR dwContext)
{
    INTERNET_BUFFERSW buffers = {};
    buffers.dwStructSize = sizeof(buffers);
    buffers.dwBufferTotal = dwTotalLen;
    return SendRequestEx(&buffers, nullptr, dwFlags, dwContext);
}

BOOL CHttpFile::SendRequestEx(LPINTERNET_BUFFERS lpBuffIn, LPINTERNET_BUFFERS lpBuffOut, DWORD dwFlags,
                              DWORD_PTR dwContext)
{
    if (!::HttpSendRequestExW(m_hFile, lpBuffIn, lpBuffOut, dwFlags, dwContext))
        ThrowLastError();
    return TRUE;
}

BOOL CHttpFile::EndRequest(DWORD dwFlags, LPINTERNET_BUFFERS lpBuffIn, DWORD_PTR dwContext)
{
    if (!::HttpEndRequestW(m_hFile, lpBuffIn, dwFlags, dwContext))
        ThrowLastError();
    return TRUE;
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength, LPDWORD lpdwIndex) const
{
    return ::HttpQueryInfoW(m_hFile, dwInfoLevel, lpvBuffer, lpdwBufferLength, lpdwIndex);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex) const
{
    // Measured first: without a buffer WinInet answers ERROR_INSUFFICIENT_BUFFER with the size
    // in bytes. On success the length excludes the terminator; raw headers hold inner nulls.
    DWORD length = 0;
    if (!QueryInfo(dwInfoLevel, nullptr, &length, lpdwIndex) && ::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return FALSE;
    const int chars = static_cast<int>(length / sizeof(wchar_t)) + 1;
    length = static_cast<DWORD>(chars * sizeof(wchar_t));
    if (!QueryInfo(dwInfoLevel, str.GetBuffer(chars), &length, lpdwIndex)) {
        str.ReleaseBuffer(0);
        return FALSE;
    }
    str.ReleaseBuffer(static_cast<int>(length / sizeof(wchar_t)));
    return TRUE;
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, DWORD& dwResult, LPDWORD lpdwIndex) const
{
    DWORD length = sizeof(dwResult);
    return QueryInfo(dwInfoLevel | HTTP_QUERY_FLAG_NUMBER, &dwResult, &length, lpdwIndex);
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& dwStatusCode) const
{
    return QueryInfo(HTTP_QUERY_STATUS_CODE, dwStatusCode);
}
