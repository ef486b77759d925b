// Helpers of the window-side framework tests: pumping the test thread's messages through
// the framework (PreTranslateMessage included), and a plain hidden top-level window.
#pragma once

#include "../common/MessagePump.h"

#include <afxwin.h>

namespace afxtest {

using testpump::PumpPending;
using testpump::PumpUntil;

// A hidden top-level window made by the framework with the given object.
inline BOOL CreateHiddenFrame(CWnd& wnd)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                        L"afx test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 10, 10, 300, 200, nullptr, nullptr);
}

} // namespace afxtest
