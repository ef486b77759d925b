// CInternetFile: an open WinInet file or request handle read and written like a file (base of
// CHttpFile). Owns the handle, closed by Close or the destructor. Read and Write throw
// CInternetException on failure.
//
// Close may be called from another thread while a Read (or a send of CHttpFile) blocks on a
// silent server: the handle is closed exactly once, whichever thread gets there first. Windows'
// WinInet then fails the blocked call at once; Wine's lets it end only when the connection does.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CObject.h"
#include "afxlite/CString.h"

#include <wininet.h>

class AFX_API CInternetFile : public CObject {
    DECLARE_DYNAMIC(CInternetFile)
public:
    // Takes ownership of hFile, opened from the session hSession on server pstrServer.
    CInternetFile(HINTERNET hFile, HINTERNET hSession, LPCTSTR pstrFileName, LPCTSTR pstrServer, DWORD_PTR dwContext);
    ~CInternetFile() override;

    CInternetFile(const CInternetFile&) = delete;
    CInternetFile& operator=(const CInternetFile&) = delete;

    // Reads up to nCount bytes (InternetReadFile); returns how many came, 0 at the end of the data.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // Bytes that can be read now (InternetQueryDataAvailable): waits until some data has come
    // when none has; 0 at the end of the data. A Read of at most this many bytes does not wait
    // for more, where a larger one waits for its whole count or the end of the data.
    virtual ULONGLONG GetLength() const;

    // The same two for a handle of an asynchronous session (INTERNET_FLAG_ASYNC): TRUE with the
    // result, or FALSE (GetLastError() ERROR_IO_PENDING) when the call goes on in the background;
    // WinInet then fills the buffer and the count later and reports the end to the status
    // callback, so both must stay valid until then. Other failures throw CInternetException.
    BOOL Read(void* lpBuf, UINT nCount, LPDWORD lpdwRead);
    BOOL QueryDataAvailable(LPDWORD lpdwAvailable);
    // Writes all nCount bytes (InternetWriteFile).
    virtual void Write(const void* lpBuf, UINT nCount);
    // Closes the handle; later calls (from any thread) do nothing.
    virtual void Close();

    // InternetSetOption / InternetQueryOption on the file handle.
    BOOL SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength);
    BOOL SetOption(DWORD dwOption, DWORD dwValue);
    BOOL QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const;
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
    BOOL QueryOption(DWORD dwOption, CString& refString) const;

    CString GetFileName() const { return m_strFileName; }
    CString GetServerName() const { return m_strServerName; }
    DWORD_PTR GetContext() const { return m_dwContext; }
    HINTERNET GetSession() const { return m_hSession; }
    operator HINTERNET() const { return m_hFile; }

protected:
    // Throws the CInternetException of the last WinInet error.
    [[noreturn]] void ThrowLastError() const;
    // The result of a WinInet call that an asynchronous session may leave running: TRUE when it
    // ended, FALSE when it goes on in the background (ERROR_IO_PENDING); throws on other failures.
    BOOL EndedOrPending(BOOL bEnded) const;

    HINTERNET volatile m_hFile; // exchanged atomically by Close
    HINTERNET m_hSession;       // not owned
    CString m_strFileName;
    CString m_strServerName;
    DWORD_PTR m_dwContext;
};
