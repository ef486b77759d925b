// CInternetFile: reads and writes on a WinInet handle.
#include "afxlite/CInternetFile.h"

#include "AfxInetOptions.h"
#include "afxlite/CInternetException.h"

IMPLEMENT_DYNAMIC(CInternetFile, CObject)

CInternetFile::CInternetFile(HINTERNET hFile, HINTERNET hSession, LPCTSTR pstrFileName, LPCTSTR pstrServer,
                             DWORD_PTR dwContext)
    : m_hFile(hFile), m_hSession(hSession), m_strFileName(pstrFileName), m_strServerName(pstrServer),
      m_dwContext(dwContext)
{
    ASSERT(hFile != nullptr);
}

CInternetFile::~CInternetFile()
{
    Close();
}

void CInternetFile::Close()
{
    HINTERNET hFile = ::InterlockedExchangePointer(&m_hFile, nullptr);
    if (hFile)
        ::InternetCloseHandle(hFile);
}

UINT CInternetFile::Read(void* lpBuf, UINT nCount)
{
    DWORD read = 0;
    if (!::InternetReadFile(m_hFile, lpBuf, nCount, &read))
        ThrowLastError();
    return read;
}

ULONGLONG CInternetFile::GetLength() const
{
    DWORD available = 0;
    if (!::InternetQueryDataAvailable(m_hFile, &available, 0, 0))
        ThrowLastError();
    return available;
}

BOOL CInternetFile::Read(void* lpBuf, UINT nCount, LPDWORD lpdwRead)
{
    return EndedOrPending(::InternetReadFile(m_hFile, lpBuf, nCount, lpdwRead));
}

BOOL CInternetFile::QueryDataAvailable(LPDWORD lpdwAvailable)
{
    return EndedOrPending(::InternetQueryDataAvailable(m_hFile, lpdwAvailable, 0, 0));
}

BOOL CInternetFile::EndedOrPending(BOOL bEnded) const
{
    if (bEnded)
        return TRUE;
    if (::GetLastError() != ERROR_IO_PENDING)
        ThrowLastError();
    return FALSE;
}

void CInternetFile::Write(const void* lpBuf, UINT nCount)
{
    const BYTE* next = static_cast<const BYTE*>(lpBuf);
    while (nCount > 0) {
        DWORD written = 0;
        if (!::InternetWriteFile(m_hFile, next, nCount, &written) || written == 0)
            ThrowLastError();
        next += written;
        nCount -= written;
    }
}

void CInternetFile::ThrowLastError() const
{
    AfxThrowInternetException(m_dwContext);
}

BOOL CInternetFile::SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength)
{
    return AfxInetOptions::Set(m_hFile, dwOption, lpBuffer, dwBufferLength);
}

BOOL CInternetFile::SetOption(DWORD dwOption, DWORD dwValue)
{
    return AfxInetOptions::Set(m_hFile, dwOption, dwValue);
}

BOOL CInternetFile::QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const
{
    return AfxInetOptions::Query(m_hFile, dwOption, lpBuffer, lpdwBufLen);
}

BOOL CInternetFile::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    return AfxInetOptions::Query(m_hFile, dwOption, dwValue);
}

BOOL CInternetFile::QueryOption(DWORD dwOption, CString& refString) const
{
    return AfxInetOptions::Query(m_hFile, dwOption, refString);
}
