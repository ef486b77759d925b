#include "MainWnd.h"

#include "WindowShot.h"

#include <LangDB.h>
#include <vo_share.h>

namespace
{
const UINT WM_TAKE_SHOTS = WM_APP + 1;
const int kWindowWidth = 640;
const int kWindowHeight = 360;
const int kMargin = 16;
const int kLineHeight = 24;
}

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_TAKE_SHOTS, &CMainWnd::OnTakeShots)
END_MESSAGE_MAP()

CMainWnd::CMainWnd(const CString& strShotFolder) : m_strShotFolder(strShotFolder), m_nExitCode(0)
{
}

BOOL CMainWnd::CreateMain()
{
    CollectLines();
    m_font.CreatePointFont(100, L"Tahoma");
    LPCTSTR pszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                                           (HBRUSH)(COLOR_WINDOW + 1));
    if (!CreateEx(0, pszClass, L"Vo_share demo", WS_OVERLAPPEDWINDOW, 40, 40, kWindowWidth,
                  kWindowHeight, NULL, NULL))
        return FALSE;
    if (!m_strShotFolder.IsEmpty())
        PostMessage(WM_TAKE_SHOTS);
    return TRUE;
}

void CMainWnd::CollectLines()
{
    CString strExe;
    GetExePath(strExe);
    m_lines.Add(L"Executable folder: " + strExe);

    m_lines.Add(L"Language: " + CLangDB::Instance()->GetLangString(-1));

    CString strLine;
    strLine.Format(L"CRC-32 of \"123456789\": 0x%08X", dwCrc32(L"123456789"));
    m_lines.Add(strLine);

    CFileVersion version;
    if (version.Open(strExe + L"\\vo_share.dll"))
        m_lines.Add(L"vo_share.dll version: " + version.GetFileVersion() + L" (" +
                    version.GetFixedFileVersion() + L")");
    else
        m_lines.Add(L"vo_share.dll version: unknown");

    CLangProRC* pTexts = CLangDB::Instance()->get(L"vo_share");
    if (pTexts != NULL)
        m_lines.Add(L"Localised answer: " + pTexts->GetString(L"IDS_LINK_ACCEPT"));

    m_lines.Add(L"Picture download address: " + GetFaceUrlDown());
}

void CMainWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.FillSolidRect(&rcClient, RGB(250, 250, 252));

    CFont* pOldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(30, 30, 60));
    int y = kMargin;
    for (INT_PTR i = 0; i < m_lines.GetSize(); ++i, y += kLineHeight)
        dc.TextOut(kMargin, y, m_lines[i]);
    dc.SelectObject(pOldFont);
}

LRESULT CMainWnd::OnTakeShots(WPARAM, LPARAM)
{
    UpdateWindow();
    if (!CWindowShot::SaveAsPng(m_hWnd, m_strShotFolder + L"\\demo_main.png"))
        m_nExitCode = 1;
    DestroyWindow();
    return 0;
}

void CMainWnd::OnDestroy()
{
    CWnd::OnDestroy();
    ::PostQuitMessage(m_nExitCode);
}

void CMainWnd::PostNcDestroy()
{
    delete this;
}
