#include "EmoticonsWnd.h"

#include <Faces.h>
#include <MemDC.h>
#include <Oem.h>

namespace {

const int kColumns = 7;
const int kCellWidth = 76;
const int kCellHeight = 60;
const int kPictureTop = 8; // of the picture within its cell
const int kTipTop = 38;    // of the tip text within its cell
const int kMargin = 12;
const int kPanelWidth = 200;
const int kPanelLine = 22;
const int kPreviewTop = 40;  // of the preview within the panel
const int kPreviewSide = 24; // the emoticons' size

const COLORREF kGridBack = RGB(255, 255, 255);
const COLORREF kGridLine = RGB(220, 226, 232);
const COLORREF kSelected = RGB(255, 236, 190);
const COLORREF kTipText = RGB(90, 98, 110);
const COLORREF kPanelBack = RGB(244, 246, 248);

const DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const UINT IDC_PREVIEW = 1001;

int Rows()
{
    return (static_cast<int>(CFaces::GetFaceNum()) + kColumns - 1) / kColumns;
}

} // namespace

BEGIN_MESSAGE_MAP(CEmoticonsWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CEmoticonsWnd::CEmoticonsWnd() : m_nSelected(-1)
{
}

BOOL CEmoticonsWnd::CreateFor(CWnd* pOwner)
{
    CFaces::Init();
    m_pictures.resize(CFaces::GetFaceNum());
    for (unsigned int i = 0; i < CFaces::GetFaceNum(); ++i) {
        if (const COneFace* pFace = CFaces::GetFace(i)) {
            CString strPath;
            pFace->GetFileName(strPath);
            m_pictures[i].LoadFile(strPath);
        }
    }
    LOGFONT lf = {};
    if (OEM.GetFontSmall()->GetSafeHandle() != nullptr && OEM.GetFontSmall()->GetLogFont(&lf))
        m_fontTip.CreateFontIndirect(&lf);

    CRect rcWindow(0, 0, kColumns * kCellWidth + kPanelWidth + 3 * kMargin, Rows() * kCellHeight + 2 * kMargin);
    ::AdjustWindowRectEx(&rcWindow, kStyle, FALSE, 0);
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, OEM.m_hMainIcon);
    if (!CreateEx(0, pszClass, L"Emoticons", kStyle, 80, 60, rcWindow.Width(), rcWindow.Height(),
                  pOwner ? pOwner->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    const CRect rcPanel = PanelRect();
    const CRect rcPreview(rcPanel.left + kMargin, rcPanel.top + kPreviewTop, rcPanel.left + kMargin + kPreviewSide,
                          rcPanel.top + kPreviewTop + kPreviewSide);
    return m_preview.Create(L"", WS_CHILD | WS_VISIBLE, rcPreview, this, IDC_PREVIEW);
}

void CEmoticonsWnd::Select(int nIndex)
{
    const COneFace* pFace = CFaces::GetFace(static_cast<unsigned int>(nIndex));
    if (pFace == nullptr)
        return;
    m_nSelected = nIndex;
    CString strPath;
    pFace->GetFileName(strPath);
    if (m_preview.Load(strPath)) {
        m_preview.SetBkColor(kPanelBack);
        m_preview.Draw();
    }
    Invalidate(FALSE);
}

CRect CEmoticonsWnd::CellRect(int nIndex) const
{
    const int x = kMargin + (nIndex % kColumns) * kCellWidth;
    const int y = kMargin + (nIndex / kColumns) * kCellHeight;
    return CRect(x, y, x + kCellWidth, y + kCellHeight);
}

CRect CEmoticonsWnd::PanelRect() const
{
    const int x = 2 * kMargin + kColumns * kCellWidth;
    return CRect(x, kMargin, x + kPanelWidth, kMargin + Rows() * kCellHeight);
}

BOOL CEmoticonsWnd::OnEraseBkgnd(CDC*)
{
    return TRUE; // OnPaint covers the client area
}

void CEmoticonsWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CMemDC dcMem(&dc, rcClient.Width(), rcClient.Height());
    CDC& target = dcMem.m_bitmap.GetSafeHandle() != nullptr ? static_cast<CDC&>(dcMem) : static_cast<CDC&>(dc);
    target.FillSolidRect(&rcClient, ::GetSysColor(COLOR_BTNFACE));
    target.SetBkMode(TRANSPARENT);
    for (int i = 0; i < static_cast<int>(m_pictures.size()); ++i)
        PaintCell(target, i);
    PaintPanel(target);
    if (&target != &dc)
        dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcMem, 0, 0, SRCCOPY);
}

void CEmoticonsWnd::PaintCell(CDC& dc, int nIndex)
{
    const CRect rcCell = CellRect(nIndex);
    dc.FillSolidRect(&rcCell, nIndex == m_nSelected ? kSelected : kGridBack);
    dc.Draw3dRect(&rcCell, kGridLine, kGridLine);
    int cx = 0, cy = 0;
    m_pictures[nIndex].GetImagePix(cx, cy);
    const int x = rcCell.left + (rcCell.Width() - cx) / 2;
    m_pictures[nIndex].Draw(dc.GetSafeHdc(), CRect(x, rcCell.top + kPictureTop, x + cx, rcCell.top + kPictureTop + cy));
    const COneFace* pFace = CFaces::GetFace(static_cast<unsigned int>(nIndex));
    if (pFace == nullptr)
        return;
    CDCSelect font(&dc, m_fontTip.GetSafeHandle() != nullptr ? &m_fontTip : OEM.GetFontSmall());
    dc.SetTextColor(kTipText);
    CRect rcTip(rcCell.left + 2, rcCell.top + kTipTop, rcCell.right - 2, rcCell.bottom - 2);
    dc.DrawText(pFace->m_strTip, &rcTip, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CEmoticonsWnd::PaintPanel(CDC& dc)
{
    const CRect rcPanel = PanelRect();
    dc.FillSolidRect(&rcPanel, kPanelBack);
    dc.Draw3dRect(&rcPanel, kGridLine, kGridLine);
    CDCSelect font(&dc, OEM.GetFontMedium());
    dc.SetTextColor(RGB(0, 0, 0));
    CRect rcLine(rcPanel.left + kMargin, rcPanel.top + kMargin, rcPanel.right - kMargin,
                 rcPanel.top + kMargin + kPanelLine);
    const COneFace* pFace = CFaces::GetFace(static_cast<unsigned int>(m_nSelected));
    if (pFace == nullptr) {
        dc.DrawText(L"Click an emoticon", &rcLine, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    CString strLines[4];
    strLines[0].Format(L"Position %d", pFace->m_nIndex);
    strLines[1] = L"Tip: " + pFace->m_strTip;
    strLines[2] = L"Shortcuts: " + pFace->m_strKey1 + (pFace->m_strKey2.IsEmpty() ? L"" : L"  " + pFace->m_strKey2);
    strLines[3].Format(L"Frames: %d", m_preview.IsAnimatedGIF() ? m_preview.GetFrameCount() : 1);
    dc.DrawText(strLines[0], &rcLine, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    rcLine.OffsetRect(0, kPreviewTop + kPreviewSide);
    for (int i = 1; i < 4; ++i) {
        dc.DrawText(strLines[i], &rcLine, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        rcLine.OffsetRect(0, kPanelLine);
    }
}

void CEmoticonsWnd::OnLButtonDown(UINT, CPoint point)
{
    for (int i = 0; i < static_cast<int>(m_pictures.size()); ++i) {
        if (CellRect(i).PtInRect(point)) {
            Select(i);
            return;
        }
    }
}

void CEmoticonsWnd::PostNcDestroy()
{
    delete this;
}
