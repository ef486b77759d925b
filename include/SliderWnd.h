// CSliderWnd: the small popup volume window the client opens from its speaker and microphone
// buttons: a CCorvalaSlider and, for the recording volume, the list of recording sources. It reads
// the volume from CAudioControl when it opens and writes it back when the user lets go of the
// slider. With auto close it opens at the mouse and closes, freeing itself, when it loses
// activation; otherwise the caller owns the object and places the window.
#pragma once

#include "VoDef.h"
#include "CorvalaSlider.h"

#include <afxcmn.h>

// Which volume the window shows.
enum VOL_TYPE {
    VOL_RECORD = 0,   // the recording volume of the chosen input port
    VOL_PLAYBACK = 1, // the playback (wave output) volume; any value but 0 means this
};

class VO_API CSliderWnd : public CWnd {
    DECLARE_DYNAMIC(CSliderWnd)
public:
    CSliderWnd();
    ~CSliderWnd() override;

    // Opens the window (a tool-window popup owned by pParent). nWidth below 1 means 76 pixels,
    // nHeight (the slider's) below 1 means 14. Returns 0, with no window, when the mixer is not
    // ready or the volume cannot be read, or the window cannot be made; else 1.
    int Create(CWnd* pParent, VOL_TYPE nType, int bAutoClose, int nWidth, int nHeight);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Control identifier of the recording source list.
    enum { IDC_DEVICE_LIST = 6002 };

protected:
    void PostNcDestroy() override;

    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSelchangeDevice();
    DECLARE_MESSAGE_MAP()

    // Repaints the control that sent a scroll message; at the end of a slider movement writes
    // its position to the mixer.
    void Scroll(UINT nSBCode, CScrollBar* pScrollBar);

    HWND m_hParent;          // the window given to Create
    CFont m_font;            // 10-point "Courier New", for the source list
    CComboBox m_cbDevice;    // recording sources (recording volume only)
    CCorvalaSlider m_slider; // the volume slider, control id 0
    CToolTipCtrl m_tooltip;  // not used by the window itself
    VOL_TYPE m_nType;
    BOOL m_bAutoClose;
    int m_nHeight; // the slider's height in pixels
    int m_nWidth;  // the window's width in pixels

private:
    // The volume to show and, for the recording volume, the current source; false when the
    // mixer is not ready or the volume cannot be read.
    bool ReadVolume(int& nVolume, CString& strSource) const;
    bool CreateDeviceList(const CString& strSource);
    // Moves the window's top-left corner to the mouse, or beside it where the screen ends.
    void PlaceAtMouse(const CSize& size);
    CString SelectedDevice() const;

    bool m_bClosing; // auto close has begun destroying the window
};
