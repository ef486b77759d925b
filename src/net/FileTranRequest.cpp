// CFileTranRequest: the three URL forms of a transfer job.
#include <FileTranRequest.h>

namespace {

// A null text counts as empty.
CString Text(const wchar_t* text)
{
    return text ? CString(text) : CString();
}

} // namespace

CFileTranRequest::CFileTranRequest(CString& url, CString& file, DWORD length, UINT id, int type, HWND wnd)
    : m_strUrl(url), m_strFile(file), m_dwLength(length), m_nId(id), m_hWnd(wnd), m_nType(type), m_nRet(-1)
{
}

CFileTranRequest::CFileTranRequest(CString& url, const wchar_t* sip, const wchar_t* sessionid, CString& file,
                                   DWORD length, UINT id, int type, HWND wnd)
    : CFileTranRequest(url, file, length, id, type, wnd)
{
    m_strSip = Text(sip);
    m_strUrl += L"/sip=" + m_strSip + L"&sessionid=" + Text(sessionid);
}

CFileTranRequest::CFileTranRequest(CString& url, const wchar_t* mysip, const wchar_t* sessionid, const wchar_t* destsip,
                                   CString& file, DWORD length, UINT id, int type, HWND wnd)
    : CFileTranRequest(url, file, length, id, type, wnd)
{
    m_strSip = Text(destsip);
    m_strUrl += L"/mysip=" + Text(mysip) + L"&sessionid=" + Text(sessionid) + L"&destsip=" + m_strSip;
}

CFileTranRequest::~CFileTranRequest() = default;
