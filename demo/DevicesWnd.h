// The demo's "Devices" window: the playback and recording volume sliders driving the sound mixer
// (a simulated card when the machine's mixer is not ready, as under Wine), the list of cameras,
// and the HTML dialog on a local page (shown with whatever browser the machine has).
#pragma once

#include <vo_share.h>

#include <afxwin.h>

#include <memory>

class CSimulatedSoundCard;

class CDevicesWnd : public CWnd {
public:
    CDevicesWnd();
    ~CDevicesWnd() override;

    // Opens the window owned by pOwner, with its sliders beside it.
    BOOL CreateDevices(CWnd* pOwner);
    // The window and its sliders, as the screen shows them.
    CRect ScreenArea() const;
    // Paints the window and its sliders at once.
    void PaintNow();

protected:
    afx_msg void OnPaint();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void UseMixer();
    void CollectCameras();
    void OpenSlider(CSliderWnd& wnd, VOL_TYPE nType, int nTop);
    void OpenPage();
    void RaiseSliders();

    std::unique_ptr<CSimulatedSoundCard> m_pCard; // when the machine's mixer is not ready
    CSliderWnd m_playback;
    CSliderWnd m_recording;
    CVoHtml m_html;
    CStringArray m_lines; // the texts the window paints
};
