// Option access shared by the WinInet wrappers (session, connection, file): thin calls of
// InternetSetOption / InternetQueryOption on one handle, in the three forms the classes offer.
// A null (closed) handle is refused with ERROR_INVALID_HANDLE.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CString.h"

#include <wininet.h>

namespace AfxInetOptions {

BOOL Set(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength);
BOOL Set(HINTERNET hInternet, DWORD dwOption, DWORD dwValue);
BOOL Query(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen);
BOOL Query(HINTERNET hInternet, DWORD dwOption, DWORD& dwValue);
// A text option (user agent, proxy ...), whatever its length.
BOOL Query(HINTERNET hInternet, DWORD dwOption, CString& refString);

} // namespace AfxInetOptions
