// The skinned dialog base and the walk over its CButtonST children.
#include <BkDialogBase.h>

#include <ButtonST.h>

IMPLEMENT_DYNAMIC(CBkDialogBase, CBkDialogST)

BEGIN_MESSAGE_MAP(CBkDialogBase, CBkDialogST)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// The CButtonST behind a child window: a window of the "Button" class whose object's run-time
// class is exactly CButtonST (a derived class may draw in its own way).
CButtonST* OwnerDrawnButton(HWND hChild)
{
    wchar_t szClass[60] = {};
    if (::GetClassNameW(hChild, szClass, 60) == 0 ||
        ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, szClass, 6, L"Button", 6) != CSTR_EQUAL)
        return nullptr;
    CWnd* pWnd = CWnd::FromHandlePermanent(hChild);
    if (pWnd == nullptr || lstrcmpA(pWnd->GetRuntimeClass()->m_lpszClassName, "CButtonST") != 0)
        return nullptr;
    return static_cast<CButtonST*>(pWnd);
}

template <class Action>
void ForEachButton(CWnd* pParent, Action action)
{
    if (pParent == nullptr || !::IsWindow(pParent->m_hWnd))
        return;
    for (HWND hChild = ::GetWindow(pParent->m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (CButtonST* pButton = OwnerDrawnButton(hChild))
            action(pButton);
    }
}

} // namespace

CBkDialogBase::CBkDialogBase(CWnd* pParent) : CBkDialogST(pParent), m_nReserved1(1), m_nReserved2(0)
{
}

CBkDialogBase::CBkDialogBase(UINT nIDTemplate, CWnd* pParent)
    : CBkDialogST(nIDTemplate, pParent), m_nReserved1(1), m_nReserved2(0)
{
}

CBkDialogBase::CBkDialogBase(LPCTSTR lpszTemplateName, CWnd* pParent)
    : CBkDialogST(lpszTemplateName, pParent), m_nReserved1(1), m_nReserved2(0)
{
}

CBkDialogBase::~CBkDialogBase() = default;

BOOL CBkDialogBase::OnInitDialog()
{
    CBkDialogST::OnInitDialog();
    SetBtnsTransparent(this, TRUE);
    return TRUE;
}

void CBkDialogBase::OnPostEraseBkgnd(CDC* pDC)
{
    ForEachButton(this, [pDC](CButtonST* pButton) { pButton->SetBk(pDC); });
}

void CBkDialogBase::OnPaint()
{
    CPaintDC dc(this);
    PaintSkinBackground(&dc, FALSE);
}

void SetBtnsTransparent(CWnd* pParent, BOOL bTransparent)
{
    ForEachButton(pParent, [bTransparent](CButtonST* pButton) { pButton->DrawTransparent(bTransparent, FALSE); });
}
