// The message box on real dialogs: the lone centred OK, the countdown in the caption driven by
// sent timer messages, closing by OK, Cancel, the system close command and the countdown, in the
// modal and the modeless form, and no window or object left behind (hundreds of boxes with the
// picker's tests).
#include "ControlsTestSupport.h"

#include "../common/HeapUsage.h"
#include "../common/ThreadWindows.h"

#include <string>

using ctltest::PumpPending;
using ctltest::PumpUntil;

namespace {

const int kMessageId = 6032;
const UINT_PTR kCountdownTimer = 4;

using ctltest::TextOf;

// Sends the countdown's six ticks, checking the caption after each.
void TickDown(HWND hBox)
{
    for (int nLeft = 5; nLeft >= 0; --nLeft) {
        ::SendMessageW(hBox, WM_TIMER, kCountdownTimer, 0);
        EXPECT_STREQ(std::to_wstring(nLeft).c_str(), TextOf(hBox));
    }
}

HWND ModelessBox(const wchar_t* lpszText, UINT nType)
{
    EXPECT_EQ(1, WMsgBox(lpszText, nType, 0, nullptr));
    const std::vector<HWND> dialogs = threadwindows::Dialogs();
    EXPECT_EQ(1u, dialogs.size());
    if (dialogs.empty())
        return nullptr;
    ::KillTimer(dialogs[0], kCountdownTimer); // only the ticks the test sends count
    return dialogs[0];
}

TEST(MsgBox, OkOnlyBoxCentresOkAndClosesAsCancelWhenTheCountdownEnds)
{
    const int nResult = RunDialogScript([] { return WMsgBox(L"Disk full", 0, 1, nullptr); },
                                        [](HWND hBox) {
                                            ::KillTimer(hBox, kCountdownTimer);
                                            EXPECT_STREQ(L"消息", TextOf(hBox));
                                            EXPECT_STREQ(L"Disk full", TextOf(::GetDlgItem(hBox, kMessageId)));
                                            EXPECT_STREQ(L"确定", TextOf(::GetDlgItem(hBox, IDOK)));
                                            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hBox, IDCANCEL)));
                                            CRect rcClient, rcOK;
                                            ::GetClientRect(hBox, &rcClient);
                                            ::GetWindowRect(::GetDlgItem(hBox, IDOK), &rcOK);
                                            ::MapWindowPoints(nullptr, hBox, reinterpret_cast<POINT*>(&rcOK), 2);
                                            EXPECT_LE(std::abs(rcOK.left - (rcClient.right - rcOK.right)), 1);
                                            TickDown(hBox);
                                            EXPECT_TRUE(PumpUntil([hBox] { return !::IsWindowVisible(hBox); }));
                                            // A late tick after the end changes nothing.
                                            ::SendMessageW(hBox, WM_TIMER, kCountdownTimer, 0);
                                            EXPECT_STREQ(L"0", TextOf(hBox));
                                        });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_TRUE(threadwindows::Dialogs().empty());
}

TEST(MsgBox, ModalBoxReturnsTheButtonThatClosedIt)
{
    EXPECT_EQ(IDOK, RunDialogScript([] { return WMsgBox(L"Save?", 1, 1, nullptr); },
                                    [](HWND hBox) {
                                        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(hBox, IDCANCEL)));
                                        EXPECT_STREQ(L"取消", TextOf(::GetDlgItem(hBox, IDCANCEL)));
                                        ::SendMessageW(::GetDlgItem(hBox, IDOK), BM_CLICK, 0, 0);
                                    }));
    EXPECT_EQ(IDCANCEL,
              RunDialogScript([] { return WMsgBox(L"Save?", 1, 1, nullptr); },
                              [](HWND hBox) { ::SendMessageW(::GetDlgItem(hBox, IDCANCEL), BM_CLICK, 0, 0); }));
    EXPECT_EQ(IDCANCEL, RunDialogScript([] { return WMsgBox(L"Save?", 0, 1, nullptr); },
                                        [](HWND hBox) {
                                            ::SendMessageW(hBox, WM_SYSCOMMAND, SC_CLOSE, 0);
                                            EXPECT_TRUE(PumpUntil([hBox] { return !::IsWindowVisible(hBox); }));
                                        }));
    EXPECT_TRUE(threadwindows::Dialogs().empty());
}

TEST(MsgBox, ModelessBoxClosesByItselfAndByItsButtons)
{
    HWND hBox = ModelessBox(L"Call ended", 0);
    ASSERT_NE(nullptr, hBox);
    EXPECT_TRUE(::IsWindowVisible(hBox));
    EXPECT_STREQ(L"Call ended", TextOf(::GetDlgItem(hBox, kMessageId)));
    TickDown(hBox);
    EXPECT_TRUE(PumpUntil([hBox] { return !::IsWindow(hBox); }));

    for (int nButton : {IDOK, IDCANCEL}) {
        hBox = ModelessBox(L"Call ended", 1);
        ASSERT_NE(nullptr, hBox);
        ::SendMessageW(::GetDlgItem(hBox, nButton), BM_CLICK, 0, 0);
        EXPECT_TRUE(PumpUntil([hBox] { return !::IsWindow(hBox); })) << nButton;
    }
    hBox = ModelessBox(L"Call ended", 1);
    ::SendMessageW(hBox, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(PumpUntil([hBox] { return !::IsWindow(hBox); }));
    EXPECT_TRUE(threadwindows::Dialogs().empty());
}

TEST(MsgBox, ModelessBoxThatCannotBeMadeFailsAndKeepsNothing)
{
    // A parent whose window is gone: the box's window cannot be made.
    const HWND hGone = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(hGone);
    CWnd gone;
    gone.m_hWnd = hGone;
    EXPECT_EQ(-1, WMsgBox(L"x", 0, 0, &gone));
    const size_t nBefore = BusyHeapBytes();
    for (int i = 0; i < 200; ++i)
        WMsgBox(L"Nobody sees this text", 0, 0, &gone);
    EXPECT_LT(BusyHeapBytes(), nBefore + 4096);
    gone.m_hWnd = nullptr;
    EXPECT_TRUE(threadwindows::Dialogs().empty());
}

} // namespace
