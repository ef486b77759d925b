// CSliderCtrl: the trackbar common control (a slider with a thumb moving along a channel).
// A thin view of the control: each method is one message of the control, named after it.
// Movements reach the parent as WM_HSCROLL / WM_VSCROLL with the TB_xxx codes.
#pragma once

#include "afxlite/CWnd.h"

#include <commctrl.h>

class AFX_API CSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl() = default;

    // Registers the trackbar class with the common controls first (InitCommonControlsEx).
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- Position and range ----
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS, 0, 0)); }
    void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
    int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN, 0, 0)); }
    int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX, 0, 0)); }
    void GetRange(int& nMin, int& nMax) const
    {
        nMin = GetRangeMin();
        nMax = GetRangeMax();
    }
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE) { SendMessage(TBM_SETRANGEMIN, bRedraw, nMin); }
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE) { SendMessage(TBM_SETRANGEMAX, bRedraw, nMax); }
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE)
    {
        SetRangeMin(nMin, FALSE);
        SetRangeMax(nMax, bRedraw);
    }

    // ---- Steps and tick marks ----
    int GetLineSize() const { return static_cast<int>(SendMessage(TBM_GETLINESIZE, 0, 0)); }
    int SetLineSize(int nSize) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, nSize)); }
    int GetPageSize() const { return static_cast<int>(SendMessage(TBM_GETPAGESIZE, 0, 0)); }
    int SetPageSize(int nSize) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, nSize)); }
    void SetTicFreq(int nFreq) { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(nFreq), 0); }
    void ClearTics(BOOL bRedraw = FALSE) { SendMessage(TBM_CLEARTICS, bRedraw, 0); }

    // ---- Geometry, in client coordinates ----
    void GetChannelRect(LPRECT lprc) const { SendMessage(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(lprc)); }
    void GetThumbRect(LPRECT lprc) const { SendMessage(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(lprc)); }
    int GetThumbLength() const { return static_cast<int>(SendMessage(TBM_GETTHUMBLENGTH, 0, 0)); }
    void SetThumbLength(int nLength) { SendMessage(TBM_SETTHUMBLENGTH, static_cast<WPARAM>(nLength), 0); }
};
