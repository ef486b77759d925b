// The message box with its six-second countdown, its texts from the language library, and its
// modal and modeless forms.
#include <MsgBox.h>

#include "frame/LangModule.h"
#include "res/MsgBoxIds.h"

BEGIN_MESSAGE_MAP(CMsgBox, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

const UINT_PTR kCountdownTimer = 4;
const UINT kCountdownPeriodMs = 1000;
const int kCountdownSeconds = 6;

} // namespace

CMsgBox::CMsgBox(CWnd* pParent, const wchar_t* lpszText, UINT nType)
    : CDialog(IDD_VO_MSGBOX, pParent), m_strMessage(lpszText != nullptr ? lpszText : L""), m_nTimer(0),
      m_nSecondsLeft(kCountdownSeconds), m_nType(nType), m_bModeless(false)
{
}

CMsgBox::~CMsgBox() = default;

int CMsgBox::Create(CWnd* pParent)
{
    if (!CDialog::Create(IDD_VO_MSGBOX, pParent))
        return FALSE;
    m_bModeless = true;
    return TRUE;
}

BOOL CMsgBox::DestroyWindow()
{
    if (m_nTimer != 0) {
        KillTimer(m_nTimer);
        m_nTimer = 0;
    }
    return CDialog::DestroyWindow();
}

void CMsgBox::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VO_MSGBOX_TEXT, m_wndMessage);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Text(pDX, IDC_VO_MSGBOX_TEXT, m_strMessage);
}

BOOL CMsgBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nTimer = SetTimer(kCountdownTimer, kCountdownPeriodMs);
    if (m_nType == 0)
        CentreLoneOK();
    m_wndMessage.SetWindowText(m_strMessage);
    Localise();
    return TRUE;
}

void CMsgBox::CentreLoneOK()
{
    m_btnCancel.ShowWindow(SW_HIDE);
    CRect rcClient, rcOK;
    GetClientRect(&rcClient);
    m_btnOK.GetWindowRect(&rcOK);
    ScreenToClient(&rcOK);
    const int nLeft = (rcClient.right - rcOK.Width() - rcClient.left) / 2;
    m_btnOK.MoveWindow(nLeft, rcOK.top, rcOK.Width(), rcOK.Height());
}

void CMsgBox::Localise()
{
    LocaliseDialog(this, L"CMsgBox", {{IDOK, L"IDOK"}, {IDCANCEL, L"IDCANCEL"}});
}

void CMsgBox::OnTimer(UINT_PTR nIDEvent)
{
    // Ticks after the countdown ended (a late or a sent timer message) change nothing.
    if (nIDEvent == kCountdownTimer && m_nTimer != 0) {
        --m_nSecondsLeft;
        CString strCaption;
        strCaption.Format(L"%d", m_nSecondsLeft);
        SetWindowText(strCaption);
        if (m_nSecondsLeft <= 0) {
            KillTimer(m_nTimer);
            m_nTimer = 0;
            PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    }
    CDialog::OnTimer(nIDEvent);
}

void CMsgBox::OnOK()
{
    if (m_bModeless)
        DestroyWindow();
    else
        CDialog::OnOK();
}

void CMsgBox::OnCancel()
{
    if (m_bModeless)
        DestroyWindow();
    else
        CDialog::OnCancel();
}

void CMsgBox::PostNcDestroy()
{
    CDialog::PostNcDestroy();
    // A modal box belongs to whoever ran it: its result is read after the window is gone.
    if (m_bModeless)
        delete this;
}

int WMsgBox(const wchar_t* lpszText, UINT nType, int nModal, CWnd* pParent)
{
    if (pParent == nullptr)
        pParent = AfxGetMainWnd();
    if (nModal != 0) {
        CMsgBox box(pParent, lpszText, nType);
        return static_cast<int>(box.DoModal());
    }
    CMsgBox* pBox = new CMsgBox(pParent, lpszText, nType);
    if (!pBox->Create(pParent)) {
        delete pBox;
        return -1;
    }
    pBox->CenterWindow(pParent);
    pBox->ShowWindow(SW_SHOW);
    pBox->UpdateWindow();
    return 1;
}
