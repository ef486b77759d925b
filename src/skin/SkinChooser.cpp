// CSkinChooser: the skin list, the preview of the selected skin and the hand-over on OK.

#include <SkinChooser.h>

#include <MemDC.h>

#include "frame/LangModule.h"
#include "res/SkinChooserIds.h"

IMPLEMENT_DYNAMIC(CSkinChooser, CDialog)

BEGIN_MESSAGE_MAP(CSkinChooser, CDialog)
    ON_CBN_SELCHANGE(IDC_SKIN_LIST, &CSkinChooser::OnCbnSelchangeSkinList)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_SKIN_REFRESH, &CSkinChooser::OnBnClickedRefresh)
    ON_BN_CLICKED(IDOK, &CSkinChooser::OnBnClickedOk)
END_MESSAGE_MAP()

CSkinChooser::CSkinChooser(CWnd* pParent) : CDialog(IDD_SKIN_CHOOSER, pParent), m_nCurrent(0)
{
}

CSkinChooser::~CSkinChooser() = default;

void CSkinChooser::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SKIN_LIST, m_listSkins);
    DDX_Control(pDX, IDC_SKIN_PREVIEW, m_wndPreview);
}

BOOL CSkinChooser::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetSkinList();
    if (m_nCurrent >= 0)
        m_listSkins.SetCurSel(m_nCurrent);
    Localise();
    return TRUE;
}

void CSkinChooser::Localise()
{
    LocaliseDialog(this, L"CSkinChooser",
                   {{IDC_SKIN_REFRESH, L"IDC_REFRESH"}, {IDOK, L"IDOK"}, {IDCANCEL, L"IDCANCEL"}});
}

void CSkinChooser::GetSkinList()
{
    m_listSkins.ResetContent();
    const CString strInUse = CSkin::Instance().GetCurrName();
    m_skinPreview.SetCurrName(strInUse);
    const std::vector<CString>& names = *m_skinPreview.GetSkinNames();
    for (const CString& name : names)
        m_listSkins.AddString(name);
    // Exact, case-sensitive search from the top (the list's own search ignores case).
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == strInUse) {
            m_nCurrent = static_cast<int>(i);
            break;
        }
}

CString CSkinChooser::SelectedName() const
{
    CString strName;
    const int nSelected = m_listSkins.GetCurSel();
    if (nSelected >= 0)
        m_listSkins.GetLBText(nSelected, strName);
    return strName;
}

CRect CSkinChooser::PreviewRect() const
{
    CRect rect;
    m_wndPreview.GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

void CSkinChooser::DrawPreview(CDC* pDC)
{
    if (m_listSkins.GetCurSel() < 0)
        return;
    CSkin& inUse = CSkin::Instance();
    CSkin& skin = SelectedName() == inUse.GetCurrName() ? inUse : m_skinPreview;
    const CRect rect = PreviewRect();
    CMemDC memDC(pDC, rect.Width(), rect.Height());
    if (memDC.GetSafeHdc() == nullptr)
        return;
    CRect target(0, 0, rect.Width(), rect.Height());
    skin.Draw(&memDC, target, DT_MAIN);
    pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memDC, 0, 0, SRCCOPY);
}

void CSkinChooser::InvalidatePreview()
{
    const CRect rect = PreviewRect();
    InvalidateRect(&rect, TRUE);
}

void CSkinChooser::OnPaint()
{
    CPaintDC dc(this);
    DrawPreview(&dc);
}

void CSkinChooser::OnCbnSelchangeSkinList()
{
    const CString strSelected = SelectedName();
    const CString strInUse = CSkin::Instance().GetCurrName();
    if (strSelected == m_skinPreview.GetCurrName()) {
        if (strSelected != strInUse)
            InvalidatePreview();
        return;
    }
    if (strSelected == strInUse) {
        InvalidatePreview();
        return;
    }
    m_skinPreview.Empty();
    if (!m_skinPreview.LoadOne(strSelected)) {
        // LoadOne keeps the name it was given even when it fails; clearing it makes sure a
        // skin that did not load is never taken for a loaded preview (and handed over on OK).
        m_skinPreview.Empty();
        m_skinPreview.SetCurrName(L"");
        m_listSkins.SetCurSel(m_nCurrent);
    }
    InvalidatePreview();
}

void CSkinChooser::OnBnClickedRefresh()
{
    m_skinPreview.Refresh();
    GetSkinList();
}

void CSkinChooser::OnBnClickedOk()
{
    if (m_listSkins.GetCurSel() < 0)
        return;
    const CString strSelected = SelectedName();
    if (strSelected == CSkin::Instance().GetCurrName()) {
        EndDialog(IDCANCEL);
        return;
    }
    const CString strPreview = m_skinPreview.GetCurrName();
    if (!strPreview.IsEmpty() && strPreview == strSelected) {
        CSkin::Instance().Assign(m_skinPreview);
        EndDialog(IDOK);
        return;
    }
    EndDialog(IDCANCEL);
}
