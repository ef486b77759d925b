// CHttpCommParam: a request of the command channel with its result.
#include <HttpCommParam.h>

CHttpCommParam::CHttpCommParam(UINT type, CXmlTreeCtrl* tree, HWND wnd)
    : m_pParam(tree), m_nType(type), m_hMsgWnd(wnd), m_nRet(-1)
{
}

CHttpCommParam::~CHttpCommParam()
{
    delete m_pParam;
}

UINT CHttpCommParam::GetType() const
{
    return m_nType;
}

void CHttpCommParam::SetType(UINT type)
{
    m_nType = type;
}

CXmlTreeCtrl* CHttpCommParam::GetParam() const
{
    return m_pParam;
}

void CHttpCommParam::SetParam(CXmlTreeCtrl* tree)
{
    m_pParam = tree;
}

HWND CHttpCommParam::GetMsgWnd() const
{
    return m_hMsgWnd;
}

void CHttpCommParam::SetMsgWnd(HWND wnd)
{
    m_hMsgWnd = wnd;
}

int CHttpCommParam::GetRet() const
{
    return m_nRet;
}

void CHttpCommParam::SetRet(int ret)
{
    m_nRet = ret;
}

CString CHttpCommParam::GetErrInfo() const
{
    return m_strErrInfo;
}

void CHttpCommParam::SetErrInfo(CString err)
{
    m_strErrInfo = err;
}
