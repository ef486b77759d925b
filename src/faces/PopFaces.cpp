// The emoticon picker: its grid of still pictures over the shared cell rectangles, the page
// buttons, the tooltips, the hover frame and preview, the selection message, and its end.
#include <PopFaces.h>

#include <Faces.h>

#include "faces/FacesGlobals.h"
#include "frame/LangModule.h"
#include "res/PopFacesIds.h"

#include <afxlite/AfxGdiScoped.h>

#include <algorithm>

BEGIN_MESSAGE_MAP(CPopFaces, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_ACTIVATE()
    ON_BN_CLICKED(IDC_POPFACE_PREV, &CPopFaces::OnBnClickedPopfacePrev)
    ON_BN_CLICKED(IDC_POPFACE_NEXT, &CPopFaces::OnBnClickedPopfaceNext)
END_MESSAGE_MAP()

namespace {

const int kWindowWidth = 302;
const int kWindowHeight = 235;
const unsigned int kCellWidth = 30;
const unsigned int kCellHeight = 29;
const unsigned int kRows = 7;
const unsigned int kCols = 10;
const COLORREF kFrameColour = RGB(200, 140, 75);
const int kFontPoints = 90; // tenths of a point
// The page buttons along the bottom right, the preview at the bottom left.
const int kButtonWidth = 50;
const int kButtonHeight = 18;
const int kPreviewSize = 30;

void FrameRect(CDC& dc, const CRect& rc, COLORREF colour)
{
    CBrush brush;
    brush.CreateSolidBrush(colour);
    dc.FrameRect(&rc, &brush);
}

} // namespace

CPopFaces::CPopFaces()
    : m_nWidth(0), m_nHeight(0), m_nHover(-1), m_nPage(0), m_nCellWidth(0), m_nCellHeight(0), m_nRows(0), m_nCols(0),
      m_nPageCount(0), m_nFaceNum(0), m_nCellsOnPage(0), m_pHighlight(nullptr), m_pOwner(nullptr)
{
}

CPopFaces::~CPopFaces() = default;

CPopFaces* CPopFaces::GetInstance(CWnd* pOwner)
{
    CPopFaces* pPicker = new CPopFaces;
    if (!pPicker->Create(pOwner)) {
        delete pPicker;
        return nullptr;
    }
    pPicker->Init();
    return pPicker;
}

int CPopFaces::Create(CWnd* pOwner)
{
    m_pOwner = pOwner;
    return CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 0, 0,
                    pOwner != nullptr ? pOwner->m_hWnd : nullptr, nullptr);
}

BOOL CPopFaces::PreCreateWindow(CREATESTRUCT& cs)
{
    m_nWidth = kWindowWidth;
    m_nHeight = kWindowHeight;
    m_nCellWidth = kCellWidth;
    m_nCellHeight = kCellHeight;
    m_nRows = kRows;
    m_nCols = kCols;
    cs.lpszClass = AfxRegisterWndClass(0);
    cs.style = WS_POPUP;
    cs.dwExStyle = WS_EX_TOOLWINDOW;
    cs.x = 0;
    cs.y = 0;
    cs.cx = m_nWidth;
    cs.cy = m_nHeight;
    return CWnd::PreCreateWindow(cs);
}

// The picker ends by destroying its window; the object goes last, at WM_NCDESTROY, when no
// further message can reach it.
void CPopFaces::PostNcDestroy()
{
    CWnd::PostNcDestroy();
    delete this;
}

int CPopFaces::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_font.CreatePointFont(kFontPoints, L"宋体");
    SetFont(&m_font);
    CRect rc;
    GetClientRect(&rc);
    const DWORD dwButtonStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED;
    m_btnNext.Create(GetLangModuleString(L"IDS_NEXT_PAGE"), dwButtonStyle,
                     CRect(rc.right - kButtonWidth - 1, rc.bottom - kButtonHeight - 1, rc.right - 1, rc.bottom - 1),
                     this, IDC_POPFACE_NEXT);
    m_btnPrev.Create(GetLangModuleString(L"IDS_PREV_PAGE"), dwButtonStyle,
                     CRect(rc.right - 2 * kButtonWidth - 1, rc.bottom - kButtonHeight - 1, rc.right - kButtonWidth - 1,
                           rc.bottom - 1),
                     this, IDC_POPFACE_PREV);
    m_Preview.Create(L"", WS_CHILD | WS_VISIBLE, CRect(1, rc.bottom - kPreviewSize, 1 + kPreviewSize, rc.bottom - 1),
                     this);
    for (CButtonST* pButton : {&m_btnNext, &m_btnPrev}) {
        pButton->SetFont(&m_font);
        pButton->SetBtnCursor(IDC_VO_HAND);
        pButton->DrawTransparent(TRUE);
        pButton->SetColor(CButtonST::BTNST_COLOR_FG_IN, kFrameColour);
        pButton->SetColor(CButtonST::BTNST_COLOR_FG_OUT, kFrameColour);
    }
    return 0;
}

void CPopFaces::MakeSharedCells(unsigned int nRows, unsigned int nCols, unsigned int nCellWidth,
                                unsigned int nCellHeight, unsigned int nFaceNum)
{
    // Every cell is filled whatever the catalogue holds, so that a later, larger catalogue
    // still finds a rectangle for each cell of a page.
    m_pRects = new CRect[nRows * nCols];
    for (unsigned int r = 0; r < nRows; ++r)
        for (unsigned int c = 0; c < nCols; ++c) {
            const int nLeft = static_cast<int>(1 + nCellWidth * c);
            const int nTop = static_cast<int>(1 + nCellHeight * r);
            m_pRects[r * nCols + c].SetRect(nLeft, nTop, nLeft + static_cast<int>(nCellWidth),
                                            nTop + static_cast<int>(nCellHeight));
        }
    m_pImgShow = new CImageShow[nFaceNum];
    m_nImgShowNum = nFaceNum;
    for (unsigned int i = 0; i < nFaceNum; ++i) {
        if (const COneFace* pFace = CFaces::GetFace(i)) {
            CString strPath;
            pFace->GetFileName(strPath);
            m_pImgShow[i].LoadFile(strPath);
        }
    }
}

void CPopFaces::Init()
{
    m_nFaceNum = CFaces::GetFaceNum();
    if (m_nFaceNum == 0)
        return;
    if (m_pRects == nullptr)
        MakeSharedCells(m_nRows, m_nCols, m_nCellWidth, m_nCellHeight, m_nFaceNum);
    if (!m_ToolTip.Create(this))
        return;
    m_nCellsOnPage = std::min(m_nFaceNum, CellsPerPage());
    InitToolTips();
    m_nPageCount = m_nFaceNum / CellsPerPage() + 1;
    if (m_nPageCount >= 2)
        m_btnNext.EnableWindow(TRUE);
}

void CPopFaces::Release()
{
    delete[] m_pRects;
    m_pRects = nullptr;
    delete[] m_pImgShow;
    m_pImgShow = nullptr;
    m_nImgShowNum = 0;
}

void CPopFaces::InitToolTips()
{
    if (m_ToolTip.m_hWnd == nullptr)
        return;
    for (int nTool = m_ToolTip.GetToolCount(); nTool >= 1; --nTool)
        m_ToolTip.DelTool(this, static_cast<UINT_PTR>(nTool));
    const unsigned int nPage = m_nPage < m_nPageCount ? m_nPage : 0;
    for (unsigned int i = 0; i < m_nCellsOnPage; ++i) {
        const COneFace* pFace = CFaces::GetFace(nPage * CellsPerPage() + i);
        if (pFace == nullptr)
            continue;
        CString strTip;
        strTip.Format(L"%s %s", pFace->m_strTip.GetString(), pFace->m_strKey1.GetString());
        m_ToolTip.AddTool(this, strTip, &m_pRects[i], i + 1);
    }
    m_ToolTip.Activate(TRUE);
}

BOOL CPopFaces::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.m_hWnd != nullptr)
        m_ToolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

void CPopFaces::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcGrid(rcClient.left, rcClient.top, rcClient.right,
                       rcClient.top + static_cast<int>(m_nRows * m_nCellHeight) + 2);
    dc.FillSolidRect(&rcGrid, RGB(255, 255, 255));
    FrameRect(dc, rcGrid, kFrameColour);
    dc.FillSolidRect(rcClient.left, rcGrid.bottom, rcClient.Width(), rcClient.bottom - rcGrid.bottom,
                     g_crPopFacesTipBk);
    FrameRect(dc, rcClient, RGB(0, 0, 0));
    if (m_pRects == nullptr)
        return;
    for (unsigned int i = 0; i < m_nCellsOnPage; ++i) {
        // Positions the shared pictures were not made for draw nothing.
        const unsigned int nPosition = m_nPage * CellsPerPage() + i;
        if (nPosition < m_nImgShowNum)
            m_pImgShow[nPosition].Draw(dc.m_hDC, m_pRects[i]);
    }
}

void CPopFaces::OnDestroy()
{
    m_Preview.UnLoad();
    CWnd::OnDestroy();
}

int CPopFaces::CellAt(CPoint point) const
{
    if (m_pRects == nullptr)
        return -1;
    for (unsigned int i = 0; i < m_nCellsOnPage; ++i)
        if (m_pRects[i].PtInRect(point))
            return static_cast<int>(i);
    return -1;
}

void CPopFaces::FrameCell(const CRect& rcCell, COLORREF crFrame)
{
    CClientDC dc(this);
    FrameRect(dc, rcCell, crFrame);
}

void CPopFaces::OnMouseMove(UINT nFlags, CPoint point)
{
    const int nCell = CellAt(point);
    if (nCell < 0) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    CRect* pCell = &m_pRects[nCell];
    if (m_pHighlight != nullptr && m_pHighlight != pCell)
        FrameCell(*m_pHighlight, g_crPopFacesTipBk);
    FrameCell(*pCell, kFrameColour);
    m_pHighlight = pCell;
    if (nCell != m_nHover) {
        m_nHover = nCell;
        m_Preview.UnLoad();
        if (const COneFace* pFace = CFaces::GetFace(m_nPage * CellsPerPage() + static_cast<unsigned int>(nCell))) {
            CString strPath;
            pFace->GetFileName(strPath);
            if (m_Preview.Load(strPath))
                m_Preview.Draw();
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CPopFaces::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nCell = CellAt(point);
    if (nCell >= 0 && m_pOwner != nullptr && ::IsWindow(m_pOwner->m_hWnd))
        m_pOwner->PostMessage(WM_POPFACE_SELECT, m_nPage * CellsPerPage() + static_cast<unsigned int>(nCell), 0);
    CWnd::OnLButtonDown(nFlags, point);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(point))
        DestroyWindow();
}

void CPopFaces::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    // Posted, not done here: a picker being destroyed is deactivated on the way, and destroying
    // it again from inside its own destruction would leave its object behind.
    if (nState == WA_INACTIVE)
        PostMessage(WM_CLOSE);
}

void CPopFaces::ShowPage()
{
    m_pHighlight = nullptr;
    InitToolTips();
    Invalidate();
}

void CPopFaces::OnBnClickedPopfacePrev()
{
    if (m_nPage == 0)
        return;
    --m_nPage;
    m_nCellsOnPage = CellsPerPage();
    m_btnNext.EnableWindow(TRUE);
    if (m_nPage == 0)
        m_btnPrev.EnableWindow(FALSE);
    ShowPage();
}

void CPopFaces::OnBnClickedPopfaceNext()
{
    if (m_nPage + 1 >= m_nPageCount)
        return;
    ++m_nPage;
    m_btnPrev.EnableWindow(TRUE);
    if (m_nPage >= m_nPageCount - 1) {
        m_nCellsOnPage = m_nFaceNum - m_nPage * CellsPerPage();
        m_btnNext.EnableWindow(FALSE);
    } else {
        m_nCellsOnPage = CellsPerPage();
    }
    ShowPage();
}
