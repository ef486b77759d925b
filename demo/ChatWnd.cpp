#include "ChatWnd.h"

#include <Faces.h>
#include <ImageShow.h>
#include <Oem.h>
#include <PopFaces.h>
#include <Skin.h>

#include <afxlite/AfxGdiScoped.h>

namespace {

const int kWidth = 460;
const int kViewHeight = 340;
const int kInputHeight = 70;
const int kMargin = 8;
const DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL;
const UINT IDC_VIEW = 1001;
const UINT IDC_INPUT = 1002;
const UINT IDC_FACES = 1003;
const int kFacesButton = 28; // the picker button beside the input box, square
const int kFaceIcon = 20;    // the emoticon drawn on it
const COLORREF kIconTransparent = RGB(255, 0, 255);
const COLORREF kPeer = RGB(0, 110, 40);
const COLORREF kSelf = RGB(0, 60, 160);
const COLORREF kText = RGB(20, 20, 20);
// The offered file: its transfer, and the timer that moves its progress.
const int kTransferId = 1;
const UINT_PTR kProgressTimer = 1;
const UINT kProgressMs = 150;
// The invitation's picture: a bitmap of the library's resources (its second logo).
const UINT kInvitationBitmap = 6323;

} // namespace

BEGIN_MESSAGE_MAP(CChatWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_MESSAGE(WM_FILE_LINK, &CChatWnd::OnFileLink)
    ON_BN_CLICKED(IDC_FACES, &CChatWnd::OnFacesClicked)
    ON_MESSAGE(WM_POPFACE_SELECT, &CChatWnd::OnFaceSelect)
END_MESSAGE_MAP()

BOOL CChatWnd::CreateFor(CWnd* pOwner)
{
    CRect rcWindow(0, 0, kWidth + 2 * kMargin, kViewHeight + kInputHeight + 3 * kMargin);
    ::AdjustWindowRectEx(&rcWindow, kStyle, FALSE, 0);
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, OEM.m_hMainIcon);
    if (!CreateEx(0, pszClass, L"Chat", kStyle, 120, 80, rcWindow.Width(), rcWindow.Height(),
                  pOwner ? pOwner->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    const CRect rcView(kMargin, kMargin, kMargin + kWidth, kMargin + kViewHeight);
    const CRect rcInput(kMargin, rcView.bottom + kMargin, kMargin + kWidth - kFacesButton - kMargin,
                        rcView.bottom + kMargin + kInputHeight);
    const CRect rcFaces(rcInput.right + kMargin, rcInput.top, rcInput.right + kMargin + kFacesButton,
                        rcInput.top + kFacesButton);
    if (!m_view.Create(kEditStyle | WS_VSCROLL | ES_READONLY, rcView, this, IDC_VIEW) ||
        !m_input.Create(kEditStyle, rcInput, this, IDC_INPUT) || !CreateFacesButton(rcFaces))
        return FALSE;
    m_view.SetDestUser(L"Alice");
    Say(L"Alice", kPeer, L"Hello :) the new client is out ;) have a look\n");
    Say(L"Me", kSelf, L"Great :D where do I get it?\n");
    Say(L"Alice", kPeer, L"On www.example.com (or ask me :P )\n");
    m_view.CaculateLastPos();
    Say(L"Alice", kPeer, L"The Tavo shop has the skins too.\n");
    CKeyWord shop(L"Tavo shop", L"http://shop.example.com/");
    m_view.SetKeyWords(&shop);
    Say(L"Alice", kPeer, L"Here are the new skins:\n");
    m_view.InsertFile(kTransferId, L"C:\\Users\\Alice\\skins.zip", 3400000, 0);
    SetTimer(kProgressTimer, kProgressMs, nullptr);
    m_view.InsertAVLink(LINK_AUDIO, 0, kInvitationBitmap);
    m_input.AppendMsg(L"Thanks :) I will try it now", kText, 0, 0);
    return TRUE;
}

// A flat button showing the first emoticon of the catalogue.
BOOL CChatWnd::CreateFacesButton(const CRect& rcButton)
{
    if (!m_btnFaces.Create(L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rcButton, this, IDC_FACES))
        return FALSE;
    m_btnFaces.SetTooltipText(L"Emoticons");
    const COneFace* pFace = CFaces::GetFace(0u);
    CClientDC dcWindow(this);
    CBitmap icon;
    if (pFace == nullptr || !icon.CreateCompatibleBitmap(&dcWindow, kFaceIcon, kFaceIcon))
        return TRUE; // a button without a picture still opens the picker
    CString strPath;
    pFace->GetFileName(strPath);
    {
        const CScopedCreateDC dcIcon(dcWindow.m_hDC);
        const CDCSelect select(dcIcon, icon.m_hObject);
        CDC::FromHandle(dcIcon)->FillSolidRect(0, 0, kFaceIcon, kFaceIcon, kIconTransparent);
        CImageShow(strPath).Draw(dcIcon, CRect(0, 0, kFaceIcon, kFaceIcon));
    }
    m_btnFaces.SetBitmaps(static_cast<HBITMAP>(icon.Detach()), kIconTransparent); // the button owns it
    return TRUE;
}

CPopFaces* CChatWnd::OpenFacePicker()
{
    CPopFaces* pPicker = CPopFaces::GetInstance(this);
    if (pPicker == nullptr)
        return nullptr;
    CRect rcButton, rcPicker;
    m_btnFaces.GetWindowRect(&rcButton);
    pPicker->GetWindowRect(&rcPicker);
    pPicker->SetWindowPos(&CWnd::wndTop, rcButton.right - rcPicker.Width(), rcButton.top - rcPicker.Height(), 0, 0,
                          SWP_NOSIZE | SWP_SHOWWINDOW);
    return pPicker;
}

void CChatWnd::OnFacesClicked()
{
    OpenFacePicker();
}

// The chosen emoticon goes at the end of the message being typed, playing, or as a still
// picture when the animation component is missing.
LRESULT CChatWnd::OnFaceSelect(WPARAM wParam, LPARAM)
{
    const COneFace* pFace = CFaces::GetFace(static_cast<unsigned int>(wParam));
    if (pFace == nullptr)
        return 0;
    CString strPath;
    pFace->GetFileName(strPath);
    m_input.SetSel(-1, -1);
    if (!m_input.InsertAnimate(strPath, pFace->m_nIndex))
        m_input.InsertBitmap(strPath, pFace->m_nIndex);
    m_input.SetFocus();
    return 0;
}

// A name line in the speaker's colour, then the message indented below it.
void CChatWnd::Say(const wchar_t* pszWho, COLORREF crName, const wchar_t* pszText)
{
    CString strName(pszWho);
    strName += L"\n";
    m_view.AppendMsg(strName, crName, 0, 0);
    m_view.AppendMsg(pszText, kText, 0, 1);
}

// The offered file's progress moves; while it is only offered it starts over, once accepted it
// ends with the transfer finished.
void CChatWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kProgressTimer)
        return CWnd::OnTimer(nIDEvent);
    m_nProgress += 5;
    if (m_nProgress > 100 && !m_bAccepted)
        m_nProgress = 0;
    if (m_nProgress <= 100) {
        m_view.SetFileAxInfo(nullptr, kTransferId, m_nProgress, 0, 1);
        return;
    }
    KillTimer(kProgressTimer);
    CString strSaved = L"C:\\Downloads\\skins.zip";
    m_view.ProcessFileLink(FILE_FINISHED, kTransferId, 0, &strSaved, 0);
}

// The user answered the file offer: accepted, it runs on; rejected or cancelled, the transfer
// stops and the answered link leaves the view's list.
LRESULT CChatWnd::OnFileLink(WPARAM wParam, LPARAM)
{
    const CTavoRichLink* pLink = reinterpret_cast<const CTavoRichLink*>(wParam);
    m_bAccepted = pLink->m_nResult == LINK_FILE_ACCEPTED;
    if (!m_bAccepted) {
        KillTimer(kProgressTimer);
        m_view.ProcessFileLink(FILE_CANCELED, pLink->m_nTransferId, 0, nullptr, 0);
    }
    return 0;
}

// The space around the two boxes in the skin's background colour.
BOOL CChatWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, g_Skin.m_clrNarrowBk);
    return TRUE;
}

void CChatWnd::PostNcDestroy()
{
    delete this;
}
