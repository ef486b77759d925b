// The popup volume window: opening it from the mixer's volume, writing the volume back, the
// recording source list, and auto close.
#include <SliderWnd.h>

#include <AudioControl.h>

#include <memory>

IMPLEMENT_DYNAMIC(CSliderWnd, CWnd)

BEGIN_MESSAGE_MAP(CSliderWnd, CWnd)
    ON_WM_ACTIVATE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_CBN_SELCHANGE(CSliderWnd::IDC_DEVICE_LIST, &CSliderWnd::OnSelchangeDevice)
END_MESSAGE_MAP()

namespace {

const int kDefaultWidth = 76;
const int kDefaultSliderHeight = 14;
// The closed source list below the slider (recording volume).
const int kListHeight = 21;
// The list's height with its drop-down part open, and the drop-down's width.
const int kDropDownHeight = 84;
const int kDropDownWidth = 100;

} // namespace

CSliderWnd::CSliderWnd()
    : m_hParent(nullptr), m_nType(VOL_PLAYBACK), m_bAutoClose(FALSE), m_nHeight(kDefaultSliderHeight),
      m_nWidth(kDefaultWidth), m_bClosing(false)
{
}

CSliderWnd::~CSliderWnd() = default;

BOOL CSliderWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.lpszClass = AfxRegisterWndClass(0);
    cs.style = WS_POPUP;
    cs.dwExStyle = WS_EX_TOOLWINDOW;
    // A plain popup has no frame: the window is its client area.
    cs.cx = m_nWidth;
    cs.cy = m_nHeight + (m_nType == VOL_RECORD ? kListHeight : 0);
    return TRUE;
}

bool CSliderWnd::ReadVolume(int& nVolume, CString& strSource) const
{
    CAudioControl* pAudio = CAudioControl::Instance();
    // A mixer that is not ready answers 0, which is no volume the user set.
    if (!pAudio->m_bReady)
        return false;
    if (m_nType != VOL_RECORD) {
        nVolume = pAudio->GetVolumn2(0, MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE);
    } else {
        audio_port_details_t port;
        pAudio->GetInputLineInfo(port);
        nVolume = port.nVolume;
        strSource = port.strName;
    }
    return nVolume >= 0 && nVolume <= 100;
}

int CSliderWnd::Create(CWnd* pParent, VOL_TYPE nType, int bAutoClose, int nWidth, int nHeight)
{
    ASSERT(m_hWnd == nullptr); // one window per object
    m_hParent = AfxGetSafeHwnd(pParent);
    m_nType = nType;
    m_bAutoClose = bAutoClose;
    m_nWidth = nWidth < 1 ? kDefaultWidth : nWidth;
    m_nHeight = nHeight < 1 ? kDefaultSliderHeight : nHeight;

    int nVolume = 0;
    CString strSource;
    if (!ReadVolume(nVolume, strSource))
        return 0;
    if (!CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 0, 0, m_hParent, nullptr))
        return 0;

    CRect client;
    GetClientRect(&client);
    CRect control(0, 0, client.Width(), m_nHeight);
    if (!m_slider.Create(WS_CHILD | TBS_HORZ | TBS_NOTICKS | TBS_BOTH, control, this, 0)) {
        DestroyWindow();
        return 0;
    }
    m_slider.SetPos(nVolume);
    m_slider.ShowWindow(SW_SHOW);
    m_slider.SetFocus();

    if (m_nType == VOL_RECORD) {
        control.SetRect(0, control.bottom, client.Width(), control.bottom + kDropDownHeight);
        if (!CreateDeviceList(strSource)) {
            DestroyWindow();
            return 0;
        }
    }
    if (m_bAutoClose)
        PlaceAtMouse(control.Size());
    ShowWindow(SW_SHOW);
    return 1;
}

bool CSliderWnd::CreateDeviceList(const CString& strSource)
{
    CRect client;
    GetClientRect(&client);
    const CRect list(0, m_nHeight, client.Width(), m_nHeight + kDropDownHeight);
    if (!m_cbDevice.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, list, this,
                           IDC_DEVICE_LIST))
        return false;
    m_font.CreatePointFont(100, L"Courier New");
    m_cbDevice.SetFont(&m_font);

    audio_port_details_t* pPorts = nullptr;
    const int nPorts = CAudioControl::Instance()->GetInputPortNames(&pPorts);
    const std::unique_ptr<audio_port_details_t[]> ports(pPorts);
    int nSelected = -1;
    for (int i = 0; i < nPorts; ++i) {
        m_cbDevice.AddString(ports[i].strName);
        if (nSelected < 0 && ports[i].strName == strSource)
            nSelected = i;
    }
    m_cbDevice.SetCurSel(nSelected < 0 ? 0 : nSelected);
    m_cbDevice.SetDroppedWidth(kDropDownWidth);
    return true;
}

void CSliderWnd::PlaceAtMouse(const CSize& size)
{
    CPoint point;
    ::GetCursorPos(&point);
    // The window lies at the screen's origin still, so its client coordinates are the screen's.
    ScreenToClient(&point);
    if (point.x + size.cx > ::GetSystemMetrics(SM_CXSCREEN))
        point.x -= size.cx;
    if (point.y + size.cy > ::GetSystemMetrics(SM_CYSCREEN))
        point.y -= size.cy;
    SetWindowPos(nullptr, point.x, point.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSliderWnd::PostNcDestroy()
{
    // An auto-closing window owns its object; it goes here, once the window is gone for good.
    if (m_bAutoClose)
        delete this;
}

void CSliderWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    // Destroying an active window deactivates it once more on the way: one destruction only.
    if (nState != WA_INACTIVE || !m_bAutoClose || m_bClosing)
        return;
    m_bClosing = true;
    DestroyWindow();
}

void CSliderWnd::OnHScroll(UINT nSBCode, UINT, CScrollBar* pScrollBar)
{
    Scroll(nSBCode, pScrollBar);
}

void CSliderWnd::OnVScroll(UINT nSBCode, UINT, CScrollBar* pScrollBar)
{
    Scroll(nSBCode, pScrollBar);
}

CString CSliderWnd::SelectedDevice() const
{
    CString name;
    const int nSelected = m_cbDevice.GetSafeHwnd() != nullptr ? m_cbDevice.GetCurSel() : CB_ERR;
    if (nSelected != CB_ERR)
        m_cbDevice.GetLBText(nSelected, name);
    return name;
}

void CSliderWnd::Scroll(UINT nSBCode, CScrollBar* pScrollBar)
{
    // Trackbars send their movements as scroll messages; the sender is the slider's object.
    if (pScrollBar != nullptr)
        pScrollBar->Invalidate(FALSE);
    if (nSBCode != TB_ENDTRACK || AfxGetSafeHwnd(pScrollBar) != m_slider.GetSafeHwnd())
        return;
    CAudioControl* pAudio = CAudioControl::Instance();
    if (m_nType != VOL_RECORD) {
        pAudio->SetVolumn2(0, m_slider.GetPos(), 0);
        return;
    }
    const CString device = SelectedDevice();
    if (!device.IsEmpty())
        pAudio->SetVolumn(1, device, m_slider.GetPos());
}

void CSliderWnd::OnSelchangeDevice()
{
    const CString device = SelectedDevice();
    if (device.IsEmpty())
        return;
    CAudioControl* pAudio = CAudioControl::Instance();
    pAudio->OpenInputPort(device, -1);
    const int nVolume = pAudio->GetVolumn(1, device);
    // A source that reads again is usable again.
    m_slider.EnableWindow(nVolume >= 0);
    if (nVolume >= 0)
        m_slider.SetPos(nVolume);
    m_slider.Invalidate(FALSE);
}
