// CFileTranRequest: one job of CHttpFileTransmit, an upload or a download, and once it has run
// its result. The receiver of the completion message reads it during the message; the
// transmitter destroys it as soon as the message returns.
#pragma once

#include "VoDef.h"

#include <afx.h>

// The completion message (sent) and its WPARAM, the job's type.
enum FILE_TRAN_MSG {
    FILE_TRAN_DONE = 0x800,
    FILE_TRAN_UPLOAD = 0x801,
    FILE_TRAN_DOWNLOAD = 0x802,
};

class VO_API CFileTranRequest {
public:
    // The URL as given; m_strSip empty.
    CFileTranRequest(CString& url, CString& file, DWORD length, UINT id, int type, HWND wnd);
    // url + "/sip=" + sip + "&sessionid=" + sessionid, joined as they are (no escaping);
    // m_strSip = sip.
    CFileTranRequest(CString& url, const wchar_t* sip, const wchar_t* sessionid, CString& file, DWORD length, UINT id,
                     int type, HWND wnd);
    // url + "/mysip=" + mysip + "&sessionid=" + sessionid + "&destsip=" + destsip;
    // m_strSip = destsip.
    CFileTranRequest(CString& url, const wchar_t* mysip, const wchar_t* sessionid, const wchar_t* destsip,
                     CString& file, DWORD length, UINT id, int type, HWND wnd);
    virtual ~CFileTranRequest();

    CFileTranRequest(const CFileTranRequest&) = default;
    CFileTranRequest& operator=(const CFileTranRequest&) = default;

    CString m_strUrl;     // the full URL of the job
    CString m_strSip;     // the SIP number named in the URL; empty for the plain form
    CString m_strFile;    // the local file: source of an upload, target of a download
    DWORD m_dwLength;     // bytes of the file to upload; 0 for a download
    UINT m_nId;           // sequence number, 1 to 1000
    HWND m_hWnd;          // receiver of the completion message; null for the transmitter's
    int m_nType;          // FILE_TRAN_UPLOAD or FILE_TRAN_DOWNLOAD
    int m_nRet;           // 0 success, -1 failure (and before the job has run)
    CString m_strErrInfo; // error text of a failed job; empty after success
};
