// The demo's "Devices" window: volume sliders, cameras and the HTML dialog.
#include "DevicesWnd.h"

#include "../tests/media/SimulatedSoundCard.h"

#include <afxlite/AfxGdiScoped.h>
#include <afxlite/AfxScoped.h>
#include <afxlite/CPaintDC.h>

namespace {

const int kWidth = 420;
const int kHeight = 300;
const int kMargin = 10;
const int kLineHeight = 18;
const int kSliderLeft = 140; // the sliders stand right of their labels
const int kPlaybackTop = kMargin;
const int kRecordingTop = kMargin + 2 * kLineHeight;
const int kTextTop = kRecordingTop + 3 * kLineHeight;
const int kPageTop = 170;

const wchar_t kPage[] = L"<html><body style='font-family:sans-serif'><h3>Vo_share</h3>"
                        L"<p>A local page in the HTML dialog.</p></body></html>";

} // namespace

BEGIN_MESSAGE_MAP(CDevicesWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ACTIVATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CDevicesWnd::CDevicesWnd() = default;

CDevicesWnd::~CDevicesWnd() = default;

BOOL CDevicesWnd::CreateDevices(CWnd* pOwner)
{
    CRect rc(0, 0, kWidth, kHeight);
    const DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    ::AdjustWindowRectEx(&rc, dwStyle, FALSE, 0);
    LPCTSTR pszClass =
        AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(0, pszClass, L"Devices", dwStyle, 120, 120, rc.Width(), rc.Height(), pOwner->GetSafeHwnd(), nullptr))
        return FALSE;
    UseMixer();
    OpenSlider(m_playback, VOL_PLAYBACK, kPlaybackTop);
    OpenSlider(m_recording, VOL_RECORD, kRecordingTop);
    CollectCameras();
    OpenPage();
    RaiseSliders();
    return TRUE;
}

// Wine raises an activated window over the popups it owns (Windows keeps them above it).
void CDevicesWnd::RaiseSliders()
{
    for (CSliderWnd* pSlider : {&m_playback, &m_recording}) {
        if (pSlider->GetSafeHwnd() != nullptr)
            pSlider->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CDevicesWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE)
        RaiseSliders();
}

void CDevicesWnd::UseMixer()
{
    if (CAudioControl::Instance()->m_bReady) {
        m_lines.Add(L"Sound: the machine's mixer");
        return;
    }
    m_pCard = std::make_unique<CSimulatedSoundCard>();
    CSimulatedSoundCard::BuildTypical(*m_pCard);
    m_pCard->Install();
    m_lines.Add(L"Sound: a simulated card (the machine's mixer is not ready)");
}

void CDevicesWnd::OpenSlider(CSliderWnd& wnd, VOL_TYPE nType, int nTop)
{
    if (!wnd.Create(this, nType, FALSE, 200, 0)) {
        m_lines.Add(nType == VOL_RECORD ? L"Recording volume: cannot be read" : L"Playback volume: cannot be read");
        return;
    }
    CPoint pt(kSliderLeft, nTop);
    ClientToScreen(&pt);
    wnd.SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDevicesWnd::CollectCameras()
{
    const VoHelper::CVideoDevice* pDevices = VoHelper::CVideoDevice::Instance();
    CString line;
    line.Format(L"Cameras: %d (enumeration result %d)", pDevices->m_nCount, pDevices->m_nError);
    m_lines.Add(line);
    for (int i = 0; i < pDevices->m_nCount; ++i)
        m_lines.Add(L"    " + pDevices->m_strNames[i]);
}

void CDevicesWnd::OpenPage()
{
    if (!m_html.Create(this))
        return;
    m_html.SetWindowPos(nullptr, kMargin, kPageTop, kWidth - 2 * kMargin, kHeight - kPageTop - kMargin,
                        SWP_NOZORDER | SWP_NOACTIVATE);
    m_html.ShowWindow(SW_SHOW);
    CString strPath;
    GetTmpPath(strPath);
    ::CreateDirectoryW(strPath, nullptr);
    strPath += L"\\devices.html";
    CKernelHandle file(
        ::CreateFileW(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    // UTF-16 with its byte-order mark, which every browser reads.
    const CString strText = CString(L"\xFEFF") + kPage;
    const DWORD dwBytes = static_cast<DWORD>(strText.GetLength() * sizeof(wchar_t));
    DWORD dwWritten = 0;
    if (!file || !::WriteFile(file.Get(), static_cast<LPCTSTR>(strText), dwBytes, &dwWritten, nullptr))
        return;
    file.Reset();
    m_html.Navigate(L"file:///" + strPath);
    m_lines.Add(m_html.m_pBrowserApp != nullptr ? L"Page: " + strPath : L"Page: no web browser control here");
}

CRect CDevicesWnd::ScreenArea() const
{
    CRect rc;
    GetWindowRect(&rc);
    for (const CSliderWnd* pSlider : {&m_playback, &m_recording}) {
        CRect rcSlider;
        if (pSlider->GetSafeHwnd() == nullptr)
            continue;
        pSlider->GetWindowRect(&rcSlider);
        rc.UnionRect(&rc, &rcSlider);
    }
    return rc;
}

void CDevicesWnd::PaintNow()
{
    RaiseSliders();
    for (CWnd* pWnd : {static_cast<CWnd*>(this), static_cast<CWnd*>(&m_playback), static_cast<CWnd*>(&m_recording)}) {
        if (pWnd->GetSafeHwnd() != nullptr)
            pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void CDevicesWnd::OnPaint()
{
    CPaintDC dc(this);
    dc.SetBkMode(TRANSPARENT);
    CDCSelect font(dc.GetSafeHdc(), ::GetStockObject(DEFAULT_GUI_FONT));
    dc.TextOut(kMargin, kPlaybackTop, CString(L"Playback volume"));
    dc.TextOut(kMargin, kRecordingTop, CString(L"Recording volume"));
    for (INT_PTR i = 0; i < m_lines.GetSize(); ++i)
        dc.TextOut(kMargin, kTextTop + static_cast<int>(i) * kLineHeight, m_lines[i]);
}

void CDevicesWnd::OnDestroy()
{
    m_playback.DestroyWindow();
    m_recording.DestroyWindow();
    m_html.DestroyWindow();
    m_pCard.reset(); // winmm again, and a new mixer on the next use
    m_lines.RemoveAll();
    CWnd::OnDestroy();
}
