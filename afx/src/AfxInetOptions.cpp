// Option access of the WinInet wrappers.
#include "AfxInetOptions.h"

namespace AfxInetOptions {

namespace {

// WinInet reads a null handle as "the process-wide defaults": a closed wrapper must not
// silently change or report those instead of its own options.
BOOL RefuseClosed()
{
    ::SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

} // namespace

BOOL Set(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength)
{
    if (!hInternet)
        return RefuseClosed();
    return ::InternetSetOptionW(hInternet, dwOption, lpBuffer, dwBufferLength);
}

BOOL Set(HINTERNET hInternet, DWORD dwOption, DWORD dwValue)
{
    return Set(hInternet, dwOption, &dwValue, sizeof(dwValue));
}

BOOL Query(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen)
{
    if (!hInternet)
        return RefuseClosed();
    return ::InternetQueryOptionW(hInternet, dwOption, lpBuffer, lpdwBufLen);
}

BOOL Query(HINTERNET hInternet, DWORD dwOption, DWORD& dwValue)
{
    DWORD length = sizeof(dwValue);
    return Query(hInternet, dwOption, &dwValue, &length);
}

BOOL Query(HINTERNET hInternet, DWORD dwOption, CString& refString)
{
    // The first call only measures: WinInet answers ERROR_INSUFFICIENT_BUFFER with the size in
    // bytes, the terminator included.
    DWORD length = 0;
    if (Query(hInternet, dwOption, nullptr, &length) || ::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return FALSE;
    const int chars = static_cast<int>(length / sizeof(wchar_t)) + 1;
    length = static_cast<DWORD>(chars * sizeof(wchar_t));
    if (!Query(hInternet, dwOption, refString.GetBuffer(chars), &length)) {
        refString.ReleaseBuffer(0);
        return FALSE;
    }
    refString.ReleaseBuffer(); // the text is terminated; its unit of length varies by option
    return TRUE;
}

} // namespace AfxInetOptions
