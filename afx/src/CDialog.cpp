// Dialogs: templates from the resource chain, creation through the creation hook (so the
// object sees WM_INITDIALOG), the modal run and keyboard navigation of modeless dialogs.
#include "afxlite/CDialog.h"

#include "AfxCreationScope.h"
#include "afxlite/AfxModule.h"
#include "afxlite/CWinThread.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

LPCDLGTEMPLATE LoadDialogTemplate(HINSTANCE hInst, LPCTSTR lpszTemplateName)
{
    HRSRC hResource = ::FindResourceW(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    return hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

} // namespace

CDialog::CDialog() : m_nIDHelp(0), m_lpszTemplateName(nullptr), m_lpDialogTemplate(nullptr), m_pParentWnd(nullptr)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_nIDHelp = nIDTemplate;
    m_lpszTemplateName = MAKEINTRESOURCEW(nIDTemplate);
    m_pParentWnd = pParentWnd;
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    SetTemplateName(lpszTemplateName);
    m_pParentWnd = pParentWnd;
}

void CDialog::SetTemplateName(LPCTSTR lpszTemplateName)
{
    if (IS_INTRESOURCE(lpszTemplateName)) {
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
        m_lpszTemplateName = lpszTemplateName;
        return;
    }
    m_strTemplateName = lpszTemplateName;
    m_lpszTemplateName = m_strTemplateName;
}

INT_PTR CALLBACK CDialog::DlgProc(HWND, UINT, WPARAM, LPARAM)
{
    // Everything is handled in the subclassed window procedure (the object's map, then
    // the dialog manager's own procedure); nothing is left for the dialog procedure.
    return FALSE;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd || !lpDialogTemplate)
        return FALSE;
    AfxCreationScope scope(this);
    if (!scope.IsReady())
        return FALSE;
    HWND hWnd = ::CreateDialogIndirectParamW(hInst ? hInst : AfxGetResourceHandle(), lpDialogTemplate,
                                             AfxGetSafeHwnd(pParentWnd), &DlgProc, 0);
    if (!hWnd && m_hWnd) {
        m_pfnSuper = nullptr;
        Detach();
    }
    return hWnd != nullptr;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    SetTemplateName(lpszTemplateName);
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    LPCDLGTEMPLATE lpTemplate = LoadDialogTemplate(hInst, m_lpszTemplateName);
    if (!lpTemplate)
        return FALSE;
    return CreateIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (!pParentWnd)
        pParentWnd = AfxGetMainWnd();
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, hInst);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = nullptr;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

HWND CDialog::FindModalOwner() const
{
    HWND hWnd = m_pParentWnd ? m_pParentWnd->m_hWnd : AfxGetSafeHwnd(AfxGetMainWnd());
    while (hWnd && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (m_lpszTemplateName) {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        lpTemplate = LoadDialogTemplate(hInst, m_lpszTemplateName);
    }
    if (!lpTemplate)
        return -1;

    HWND hWndOwner = FindModalOwner();
    const bool bEnableOwner = hWndOwner && ::IsWindowEnabled(hWndOwner);
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, FALSE);

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    // EndDialog may already have run inside OnInitDialog.
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndOwner), hInst) && (m_nFlags & WF_CONTINUEMODAL))
        RunModalLoop(MLF_SHOWONIDLE);
    m_nFlags &= ~WF_CONTINUEMODAL;

    // Hidden and the owner re-enabled before destruction, so activation returns to the owner.
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner && m_hWnd && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    // The object may free itself when its window goes: keep the result first.
    const INT_PTR nResult = m_nModalResult;
    DestroyWindow();
    return nResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    if (UpdateData(FALSE))
        return TRUE;
    TRACE(L"UpdateData failed while the dialog opened\n");
    EndDialog(-1);
    return FALSE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return PreTranslateInput(pMsg);
}
