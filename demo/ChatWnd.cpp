#include "ChatWnd.h"

#include <Oem.h>
#include <Skin.h>

namespace {

const int kWidth = 460;
const int kViewHeight = 260;
const int kInputHeight = 70;
const int kMargin = 8;
const DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL;
const UINT IDC_VIEW = 1001;
const UINT IDC_INPUT = 1002;
const COLORREF kPeer = RGB(0, 110, 40);
const COLORREF kSelf = RGB(0, 60, 160);
const COLORREF kText = RGB(20, 20, 20);

} // namespace

BEGIN_MESSAGE_MAP(CChatWnd, CWnd)
    ON_WM_ERASEBKGND()
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
    const CRect rcInput(kMargin, rcView.bottom + kMargin, kMargin + kWidth, rcView.bottom + kMargin + kInputHeight);
    if (!m_view.Create(kEditStyle | WS_VSCROLL | ES_READONLY, rcView, this, IDC_VIEW) ||
        !m_input.Create(kEditStyle, rcInput, this, IDC_INPUT))
        return FALSE;
    m_view.SetDestUser(L"Alice");
    Say(L"Alice", kPeer, L"Hello :) the new client is out ;) have a look\n");
    Say(L"Me", kSelf, L"Great :D where do I get it?\n");
    Say(L"Alice", kPeer, L"On www.example.com (or ask me :P )\n");
    m_view.CaculateLastPos();
    Say(L"Alice", kPeer, L"The Tavo shop has the skins too.\n");
    CKeyWord shop(L"Tavo shop", L"http://shop.example.com/");
    m_view.SetKeyWords(&shop);
    m_input.AppendMsg(L"Thanks :) I will try it now", kText, 0, 0);
    return TRUE;
}

// A name line in the speaker's colour, then the message indented below it.
void CChatWnd::Say(const wchar_t* pszWho, COLORREF crName, const wchar_t* pszText)
{
    CString strName(pszWho);
    strName += L"\n";
    m_view.AppendMsg(strName, crName, 0, 0);
    m_view.AppendMsg(pszText, kText, 0, 1);
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
