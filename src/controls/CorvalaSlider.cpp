// The volume slider's painting: background picture, coloured channel and thumb, tooltip.
#include <CorvalaSlider.h>

#include <WBitmap.h>

#include "res/SliderIds.h"

#include <afxlite/AfxGdiScoped.h>
#include <afxlite/CPaintDC.h>

IMPLEMENT_DYNAMIC(CCorvalaSlider, CSliderCtrl)

BEGIN_MESSAGE_MAP(CCorvalaSlider, CSliderCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

const UINT_PTR kToolID = 1;
const COLORREF kDisabledColour = RGB(192, 192, 192);

} // namespace

BOOL CCorvalaSlider::PreTranslateMessage(MSG* pMsg)
{
    if (m_tooltip.GetSafeHwnd() != nullptr)
        m_tooltip.RelayEvent(pMsg);
    return CSliderCtrl::PreTranslateMessage(pMsg);
}

COLORREF CCorvalaSlider::FillColour(int nPos, BOOL bEnabled)
{
    if (!bEnabled)
        return kDisabledColour;
    const int nClamped = nPos < 0 ? 0 : (nPos > 100 ? 100 : nPos);
    // (256 - k) * 255 is RGB(k, 255 - k, 0): green at 0, red at 100, RGB(127, 128, 0) at 50.
    const int k = nClamped * 255 / 100;
    return static_cast<COLORREF>((256 - k) * 255);
}

BOOL CCorvalaSlider::OnEraseBkgnd(CDC*)
{
    return TRUE; // the paint covers everything
}

void CCorvalaSlider::UpdateTooltip()
{
    CString text;
    text.Format(L"%d%%", GetPos());
    if (m_tooltip.GetSafeHwnd() != nullptr) {
        m_tooltip.UpdateTipText(text, this, kToolID);
        return;
    }
    if (!m_tooltip.Create(this))
        return;
    CRect client;
    GetClientRect(&client);
    m_tooltip.AddTool(this, text, &client, kToolID);
    m_tooltip.Activate(TRUE);
}

void CCorvalaSlider::DrawBackground(CDC& dc, const CRect& client)
{
    CWBitmap background;
    if (!background.LoadBitmap(IDB_SLIDER_BACK))
        return;
    CScopedCreateDC memory(dc.GetSafeHdc());
    CDCSelect select(memory.Get(), background.GetSafeHandle());
    ::SetStretchBltMode(dc.GetSafeHdc(), COLORONCOLOR);
    ::StretchBlt(dc.GetSafeHdc(), client.left, client.top, client.Width(), client.Height(), memory.Get(), 0, 0,
                 background.m_nWidth, background.m_nHeight, SRCCOPY);
}

void CCorvalaSlider::DrawPart(CDC& dc, CRect part, const CRect& client, COLORREF colour)
{
    part.OffsetRect(0, (client.Height() - part.Height()) / 2 - part.top);
    CPen pen;
    CBrush brush;
    if (!pen.CreatePen(PS_SOLID, 1, colour) || !brush.CreateSolidBrush(colour))
        return;
    CDCSelect selectPen(&dc, &pen);
    CDCSelect selectBrush(&dc, &brush);
    dc.Rectangle(&part);
}

void CCorvalaSlider::OnPaint()
{
    CPaintDC dc(this);
    UpdateTooltip();
    CRect client;
    GetClientRect(&client);
    DrawBackground(dc, client);
    const COLORREF colour = FillColour(GetPos(), IsWindowEnabled());
    CRect channel;
    GetChannelRect(&channel);
    DrawPart(dc, channel, client, colour);
    CRect thumb;
    GetThumbRect(&thumb);
    DrawPart(dc, thumb, client, colour);
}
