// CTransFileView: the transfer's texts and bar.

#include "TransFileView.h"

#include <afxlite/AfxGdiScoped.h>
#include <afxlite/AfxScoped.h>

#include <algorithm>
#include <cstdio>

namespace {

const int kMargin = 4;
const int kLineHeight = 14;
const int kBarHeight = 10;
const COLORREF kFrameColour = RGB(160, 160, 160);
const COLORREF kTextColour = RGB(0, 0, 0);
const COLORREF kBarColour = RGB(0, 120, 215);
const COLORREF kEndedBarColour = RGB(150, 150, 150);

void FillSolid(HDC hDC, const RECT& rc, COLORREF colour)
{
    ::SetBkColor(hDC, colour);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void FrameSolid(HDC hDC, const RECT& rc, COLORREF colour)
{
    FillSolid(hDC, {rc.left, rc.top, rc.right, rc.top + 1}, colour);
    FillSolid(hDC, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, colour);
    FillSolid(hDC, {rc.left, rc.top, rc.left + 1, rc.bottom}, colour);
    FillSolid(hDC, {rc.right - 1, rc.top, rc.right, rc.bottom}, colour);
}

// From the top left of rc, cut at its edges.
void TextLine(HDC hDC, const std::wstring& text, const RECT& rc)
{
    ::ExtTextOutW(hDC, rc.left, rc.top, ETO_CLIPPED, &rc, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

} // namespace

void CTransFileView::SetProgress(int nPercent)
{
    m_nPercent = std::clamp(nPercent, 0, 100);
}

std::wstring CTransFileView::SizeText(double dBytes)
{
    static const wchar_t* const kUnits[] = {L"KB", L"MB", L"GB", L"TB"};
    wchar_t text[64] = {};
    if (!(dBytes >= 1024)) { // also a negative or NaN size
        std::swprintf(text, 64, L"%.0f B", dBytes > 0 ? dBytes : 0.0);
        return text;
    }
    int nUnit = 0;
    dBytes /= 1024;
    for (; dBytes >= 1024 && nUnit < 3; ++nUnit)
        dBytes /= 1024;
    std::swprintf(text, 64, L"%.1f %ls", dBytes, kUnits[nUnit]);
    return text;
}

void CTransFileView::Draw(HDC hDC, const RECT& rc, COLORREF clrBack) const
{
    const CDCSaveState state(hDC);
    FillSolid(hDC, rc, clrBack);
    FrameSolid(hDC, rc, kFrameColour);
    ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, kTextColour);
    ::SetTextAlign(hDC, TA_LEFT | TA_TOP | TA_NOUPDATECP); // the host's DC may align on baselines
    const LONG left = rc.left + kMargin, right = rc.right - kMargin;
    LONG top = rc.top + 2;
    TextLine(hDC, m_strStatus, {left, top, right, top + kLineHeight});
    top += kLineHeight;
    TextLine(hDC, m_strFileName + L"  (" + SizeText(m_dSize) + L")", {left, top, right, top + kLineHeight});
    top += kLineHeight + 3;
    const RECT bar = {left, top, right, top + kBarHeight};
    FrameSolid(hDC, bar, kFrameColour);
    const LONG filled = bar.left + 1 + (bar.right - bar.left - 2) * m_nPercent / 100;
    if (filled > bar.left + 1)
        FillSolid(hDC, {bar.left + 1, bar.top + 1, filled, bar.bottom - 1}, m_bFinal ? kEndedBarColour : kBarColour);
}

HBITMAP CTransFileView::CreateBitmap(COLORREF clrBack) const
{
    const CScopedGetDC screen(nullptr);
    CScopedCreateDC memDC(screen);
    CBitmapHandle bitmap(::CreateCompatibleBitmap(screen, kWidth, kHeight));
    if (!memDC || !bitmap)
        return nullptr;
    {
        const CDCSelect select(memDC, bitmap.Get());
        if (!select.IsSelected())
            return nullptr;
        Draw(memDC, {0, 0, kWidth, kHeight}, clrBack);
    }
    return bitmap.Release();
}
