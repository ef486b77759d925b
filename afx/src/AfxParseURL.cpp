// AfxParseURL over WinInet's InternetCrackUrl.
#include "afxlite/AfxParseURL.h"

namespace {

DWORD ServiceOfScheme(INTERNET_SCHEME scheme)
{
    switch (scheme) {
    case INTERNET_SCHEME_HTTP:
        return AFX_INET_SERVICE_HTTP;
    case INTERNET_SCHEME_HTTPS:
        return AFX_INET_SERVICE_HTTPS;
    case INTERNET_SCHEME_FTP:
        return AFX_INET_SERVICE_FTP;
    case INTERNET_SCHEME_GOPHER:
        return AFX_INET_SERVICE_GOPHER;
    case INTERNET_SCHEME_FILE:
        return AFX_INET_SERVICE_FILE;
    case INTERNET_SCHEME_MAILTO:
        return AFX_INET_SERVICE_MAILTO;
    case INTERNET_SCHEME_NEWS:
        return AFX_INET_SERVICE_NEWS;
    default:
        return AFX_INET_SERVICE_UNK;
    }
}

bool NeedsServer(DWORD service)
{
    return service == AFX_INET_SERVICE_HTTP || service == AFX_INET_SERVICE_HTTPS || service == AFX_INET_SERVICE_FTP ||
           service == AFX_INET_SERVICE_GOPHER;
}

CString Part(LPCWSTR text, DWORD length)
{
    return text ? CString(text, static_cast<int>(length)) : CString();
}

} // namespace

BOOL AFXAPI AfxParseURL(LPCTSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject,
                        INTERNET_PORT& nPort)
{
    dwServiceType = AFX_INET_SERVICE_UNK;
    strServer.Empty();
    strObject.Empty();
    nPort = 0;
    if (!pstrURL || !*pstrURL)
        return FALSE;

    // Lengths of 1 with null pointers ask InternetCrackUrl to point into the URL itself.
    URL_COMPONENTSW parts = {};
    parts.dwStructSize = sizeof(parts);
    parts.dwSchemeLength = 1;
    parts.dwHostNameLength = 1;
    parts.dwUrlPathLength = 1;
    parts.dwExtraInfoLength = 1;
    if (!::InternetCrackUrlW(pstrURL, 0, 0, &parts))
        return FALSE;
    const DWORD service = ServiceOfScheme(parts.nScheme);
    if (service == AFX_INET_SERVICE_UNK)
        return FALSE;

    const CString server = Part(parts.lpszHostName, parts.dwHostNameLength);
    if (server.IsEmpty() && NeedsServer(service))
        return FALSE;

    dwServiceType = service;
    strServer = server;
    strObject = Part(parts.lpszUrlPath, parts.dwUrlPathLength) + Part(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (strObject.IsEmpty())
        strObject = L"/";
    nPort = parts.nPort;
    return TRUE;
}
