// The popup volume window and its slider, on the simulated sound card: opening at the mixer's
// volume, writing it back only when the thumb is let go, the recording source list, the painted
// colours, and the auto-closing popup that frees itself.
#include "SimulatedSoundCard.h"

#include "../common/MessagePump.h"

#include <AudioControl.h>
#include <SliderWnd.h>

#include <afxlite/AfxGdiScoped.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const DWORD kWave = 0x10000;   // playback source "Wave" of the typical card
const DWORD kLineIn = 0x10001; // recording source "Line In"

using testpump::PumpPending;

COLORREF ScreenPixel(HWND hWnd, int x, int y)
{
    ::UpdateWindow(hWnd);
    CScopedGetDC dc(hWnd);
    return ::GetPixel(dc, x, y);
}

// The text of the slider's tooltip: its one tool, id 1. The tooltip is the slider's protected
// member, reached through a pointer to it that a derived class may form.
CString ToolText(CCorvalaSlider& slider)
{
    struct CTooltipAccess : CCorvalaSlider {
        static CToolTipCtrl CCorvalaSlider::*Member() { return &CTooltipAccess::m_tooltip; }
    };
    CToolTipCtrl& tooltip = slider.*CTooltipAccess::Member();
    CString text;
    if (tooltip.GetSafeHwnd() != nullptr) // made on the first paint
        tooltip.GetText(text, &slider, 1);
    return text;
}

CSize WindowSize(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    return rect.Size();
}

// A window whose object counts its own destruction.
class CCountedSliderWnd : public CSliderWnd {
public:
    static int s_nDestroyed;
    ~CCountedSliderWnd() override { ++s_nDestroyed; }
    CCorvalaSlider& Slider() { return m_slider; }
    CComboBox& Devices() { return m_cbDevice; }
};
int CCountedSliderWnd::s_nDestroyed = 0;

class SliderWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSimulatedSoundCard::BuildTypical(m_card);
        m_card.Install();
    }
    void TearDown() override
    {
        if (m_wnd.GetSafeHwnd() != nullptr)
            m_wnd.DestroyWindow();
    }

    // Drags the thumb from its centre by dx pixels, with the mouse messages a user's drag sends.
    void DragThumb(int dx, bool bRelease)
    {
        CRect thumb;
        m_wnd.Slider().GetThumbRect(&thumb);
        const CPoint from = thumb.CenterPoint();
        m_wnd.Slider().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        m_wnd.Slider().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + dx, from.y));
        if (bRelease)
            m_wnd.Slider().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(from.x + dx, from.y));
    }

    CSimulatedSoundCard m_card;
    CCountedSliderWnd m_wnd;
};

TEST_F(SliderWndTest, PlaybackWindowOpensAtTheWaveVolumeAndOnlyLettingGoWritesIt)
{
    ASSERT_EQ(1, m_wnd.Create(nullptr, VOL_PLAYBACK, FALSE, 200, 20));
    EXPECT_EQ(CSize(200, 20), WindowSize(m_wnd));
    EXPECT_EQ(61, m_wnd.Slider().GetPos());
    EXPECT_EQ(nullptr, m_wnd.Devices().GetSafeHwnd());
    const DWORD before = m_card.Value(0, kWave, MIXERCONTROL_CONTROLTYPE_VOLUME);
    DragThumb(-60, false);
    EXPECT_LT(m_wnd.Slider().GetPos(), 61);
    EXPECT_EQ(before, m_card.Value(0, kWave, MIXERCONTROL_CONTROLTYPE_VOLUME));
    DragThumb(0, true);
    EXPECT_EQ(65535u * static_cast<DWORD>(m_wnd.Slider().GetPos()) / 100,
              m_card.Value(0, kWave, MIXERCONTROL_CONTROLTYPE_VOLUME));
}

TEST_F(SliderWndTest, RecordingWindowListsTheSourcesFollowsTheChosenOneAndDisablesTheSliderForAnUnreadableOne)
{
    ASSERT_EQ(1, m_wnd.Create(nullptr, VOL_RECORD, FALSE, 0, 0));
    EXPECT_EQ(CSize(76, 35), WindowSize(m_wnd));
    CComboBox& devices = m_wnd.Devices();
    ASSERT_EQ(3, devices.GetCount());
    CString name;
    devices.GetLBText(devices.GetCurSel(), name);
    EXPECT_EQ(CString(L"Microphone"), name);
    EXPECT_EQ(50, m_wnd.Slider().GetPos());
    const auto choose = [&](int index) {
        devices.SetCurSel(index);
        m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(CSliderWnd::IDC_DEVICE_LIST, CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(devices.GetSafeHwnd()));
    };
    choose(0);
    EXPECT_EQ(0, m_card.SelectedItem(0, 1));
    EXPECT_EQ(25, m_wnd.Slider().GetPos());
    m_wnd.Slider().SetPos(80);
    m_wnd.SendMessage(WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(m_wnd.Slider().GetSafeHwnd()));
    EXPECT_EQ(52428u, m_card.Value(0, kLineIn, MIXERCONTROL_CONTROLTYPE_VOLUME));

    // A source whose volume cannot be read disables the slider.
    CAudioControl::Instance()->Close(); // the ports are gone: no source reads any more
    choose(2);
    EXPECT_FALSE(m_wnd.Slider().IsWindowEnabled());
    EXPECT_EQ(RGB(192, 192, 192), ScreenPixel(m_wnd.Slider(), 38, 7));
    CAudioControl::Instance()->Init();
    choose(0);
    EXPECT_TRUE(m_wnd.Slider().IsWindowEnabled());
    EXPECT_EQ(80, m_wnd.Slider().GetPos());
}

TEST_F(SliderWndTest, ChannelAndThumbRunFromGreenToRedOverTheBackground)
{
    ASSERT_EQ(1, m_wnd.Create(nullptr, VOL_PLAYBACK, FALSE, 0, 0));
    CCorvalaSlider& slider = m_wnd.Slider();
    const struct {
        int nPos;
        COLORREF colour;
    } cases[] = {{0, RGB(0, 255, 0)}, {100, RGB(255, 0, 0)}, {50, RGB(127, 128, 0)}};
    for (const auto& c : cases) {
        slider.SetPos(c.nPos);
        CRect thumb;
        slider.GetThumbRect(&thumb);
        const CPoint centre(thumb.CenterPoint().x, 7);
        EXPECT_EQ(c.colour, ScreenPixel(slider, centre.x, centre.y)) << "position " << c.nPos;
    }
    // The background picture's border, drawn at its own size here (76 by 14).
    EXPECT_EQ(RGB(150, 164, 178), ScreenPixel(slider, 0, 0));
    EXPECT_EQ(CString(L"50%"), ToolText(slider));
}

TEST_F(SliderWndTest, MixerThatIsNotReadyOpensNoWindow)
{
    m_card.Mixer(0).bVanished = true;
    CAudioControl::Release();
    EXPECT_EQ(0, m_wnd.Create(nullptr, VOL_PLAYBACK, FALSE, 0, 0));
    EXPECT_EQ(nullptr, m_wnd.GetSafeHwnd());
    EXPECT_EQ(0, m_wnd.Create(nullptr, VOL_RECORD, FALSE, 0, 0));
}

TEST_F(SliderWndTest, AutoCloseWindowOpensBesideTheMouseAndFreesItselfWhenDeactivated)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    ASSERT_TRUE(::SetCursorPos(cx - 10, cy - 10));
    CPoint cursor;
    ::GetCursorPos(&cursor);
    auto* pWnd = new CCountedSliderWnd;
    ASSERT_EQ(1, pWnd->Create(nullptr, VOL_RECORD, TRUE, 0, 0));
    const HWND hWnd = pWnd->GetSafeHwnd();
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    EXPECT_EQ(CRect(cursor.x - 76, cursor.y - 84, cursor.x, cursor.y), rect);

    const int nDestroyed = CCountedSliderWnd::s_nDestroyed;
    CWnd other;
    ASSERT_TRUE(
        other.CreateEx(0, AfxRegisterWndClass(0), L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr));
    ::SetActiveWindow(other);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nDestroyed + 1, CCountedSliderWnd::s_nDestroyed);
    other.DestroyWindow();
}

} // namespace
