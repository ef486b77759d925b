// AfxParseURL: splits a URL into its service (AFX_INET_SERVICE_...), server, object (path and
// query) and port, for opening connections and requests with the internet classes.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CString.h"

#include <wininet.h>

// Service types: the three WinInet services keep WinInet's values, the others follow
// AFX_INET_SERVICE_UNK.
#define AFX_INET_SERVICE_FTP INTERNET_SERVICE_FTP
#define AFX_INET_SERVICE_HTTP INTERNET_SERVICE_HTTP
#define AFX_INET_SERVICE_GOPHER INTERNET_SERVICE_GOPHER
#define AFX_INET_SERVICE_UNK 0x1000
#define AFX_INET_SERVICE_FILE (AFX_INET_SERVICE_UNK + 1)
#define AFX_INET_SERVICE_MAILTO (AFX_INET_SERVICE_UNK + 2)
#define AFX_INET_SERVICE_MID (AFX_INET_SERVICE_UNK + 3)
#define AFX_INET_SERVICE_CID (AFX_INET_SERVICE_UNK + 4)
#define AFX_INET_SERVICE_NEWS (AFX_INET_SERVICE_UNK + 5)
#define AFX_INET_SERVICE_NNTP (AFX_INET_SERVICE_UNK + 6)
#define AFX_INET_SERVICE_PROSPERO (AFX_INET_SERVICE_UNK + 7)
#define AFX_INET_SERVICE_TELNET (AFX_INET_SERVICE_UNK + 8)
#define AFX_INET_SERVICE_WAIS (AFX_INET_SERVICE_UNK + 9)
#define AFX_INET_SERVICE_AFS (AFX_INET_SERVICE_UNK + 10)
#define AFX_INET_SERVICE_HTTPS (AFX_INET_SERVICE_UNK + 11)

// Splits pstrURL ("scheme://server[:port][/path][?query]"). The object is the path with the
// query, "/" when the URL has none; the port is the URL's, else the service's default (80 for
// HTTP). FALSE, with the service AFX_INET_SERVICE_UNK, for a null or empty URL, one that cannot
// be split, one of an unknown scheme, or a network URL without server; the other outputs are
// then emptied (port 0).
AFX_API BOOL AFXAPI AfxParseURL(LPCTSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject,
                                INTERNET_PORT& nPort);
