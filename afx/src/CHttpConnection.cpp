// CHttpConnection: HTTP connection handles and the requests opened on them.
#include "afxlite/CHttpConnection.h"

#include "afxlite/CHttpFile.h"
#include "afxlite/CInternetException.h"
#include "afxlite/CInternetSession.h"

IMPLEMENT_DYNAMIC(CHttpConnection, CInternetConnection)

namespace {

const LPCTSTR kVerbs[] = {L"POST", L"GET", L"HEAD", L"PUT", L"LINK", L"DELETE", L"UNLINK"};

} // namespace

CHttpConnection::CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort,
                                 LPCTSTR pstrUserName, LPCTSTR pstrPassword, DWORD_PTR dwContext)
    : CHttpConnection(pSession, pstrServer, DWORD(0), nPort, pstrUserName, pstrPassword, dwContext)
{
}

CHttpConnection::CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer, DWORD dwFlags, INTERNET_PORT nPort,
                                 LPCTSTR pstrUserName, LPCTSTR pstrPassword, DWORD_PTR dwContext)
    : CInternetConnection(pSession, pstrServer, nPort, dwContext), m_dwFlags(dwFlags)
{
    Connect(INTERNET_SERVICE_HTTP, pstrUserName, pstrPassword, dwFlags);
}

CHttpFile* CHttpConnection::OpenRequest(LPCTSTR pstrVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer,
                                        DWORD_PTR dwContext, LPCTSTR* ppstrAcceptTypes, LPCTSTR pstrVersion,
                                        DWORD dwFlags)
{
    HINTERNET hFile = ::HttpOpenRequestW(m_hConnection, pstrVerb, pstrObjectName, pstrVersion, pstrReferer,
                                         ppstrAcceptTypes, dwFlags | m_dwFlags, dwContext);
    if (!hFile)
        AfxThrowInternetException(dwContext);
    try {
        return new CHttpFile(hFile, *m_pSession, pstrObjectName, m_strServerName, pstrVerb, dwContext);
    } catch (...) {
        ::InternetCloseHandle(hFile);
        throw;
    }
}

CHttpFile* CHttpConnection::OpenRequest(int nVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer, DWORD_PTR dwContext,
                                        LPCTSTR* ppstrAcceptTypes, LPCTSTR pstrVersion, DWORD dwFlags)
{
    if (nVerb < HTTP_VERB_MIN || nVerb > HTTP_VERB_MAX)
        AfxThrowInternetException(dwContext, ERROR_INVALID_PARAMETER);
    return OpenRequest(kVerbs[nVerb], pstrObjectName, pstrReferer, dwContext, ppstrAcceptTypes, pstrVersion, dwFlags);
}
