// CHttpCommParam: one request of the HTTP command channel (CHttpComm) and, once it has run, its
// result. It owns its command tree, which holds the server's answer after a successful request;
// the window that receives the result message owns the param and deletes it.
#pragma once

#include "VoDef.h"
#include "XmlTreeCtrl.h"

#include <afx.h>

class VO_API CHttpCommParam {
public:
    // The param takes ownership of tree (which may be null). Result -1, no error text.
    CHttpCommParam(UINT type = 0, CXmlTreeCtrl* tree = nullptr, HWND wnd = nullptr);
    // Destroys the tree.
    ~CHttpCommParam();

    CHttpCommParam(const CHttpCommParam&) = delete;
    CHttpCommParam& operator=(const CHttpCommParam&) = delete;

    // The caller's request type, handed back as the result message's WPARAM.
    UINT GetType() const;
    void SetType(UINT type);
    // The command tree, and after a successful request the answer. SetParam stores the new
    // tree without destroying the old one, so that a caller can take the tree out
    // (SetParam(nullptr)) before deleting the param.
    CXmlTreeCtrl* GetParam() const;
    void SetParam(CXmlTreeCtrl* tree);
    // The window that receives the result message.
    HWND GetMsgWnd() const;
    void SetMsgWnd(HWND wnd);
    // 0 on success; -1 until the request has run and on failure.
    int GetRet() const;
    void SetRet(int ret);
    // Error text of a failed request; empty otherwise.
    CString GetErrInfo() const;
    void SetErrInfo(CString err);

private:
    CXmlTreeCtrl* m_pParam;
    UINT m_nType;
    HWND m_hMsgWnd;
    int m_nRet;
    CString m_strErrInfo;
};
