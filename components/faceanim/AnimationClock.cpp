// CAnimationClock: one thread timer for all emoticons of the thread.

#include "AnimationClock.h"

#include "FaceAnimModule.h"

#include <algorithm>
#include <vector>

namespace {

const wchar_t kWindowClass[] = L"VoFaceAnimClock";
const UINT_PTR kTimerId = 1;
// The timer's own resolution; a frame shorter than this waits for it.
const ULONGLONG kMinimumWait = USER_TIMER_MINIMUM;
// Clients due this soon after a tick run with it: emoticons whose frames change at nearly the
// same time share one tick and one redraw of their rows instead of one each.
const ULONGLONG kCoalesceMs = 30;

thread_local CAnimationClock* t_pClock = nullptr;

} // namespace

CAnimationClock* CAnimationClock::Join(Client* pClient)
{
    if (t_pClock == nullptr) {
        t_pClock = new CAnimationClock();
        if (!t_pClock->CreateWindowOnce()) {
            delete t_pClock;
            t_pClock = nullptr;
            return nullptr;
        }
    }
    t_pClock->m_members.insert(pClient);
    return t_pClock;
}

void CAnimationClock::Leave(Client* pClient)
{
    Disarm(pClient);
    m_members.erase(pClient);
    if (!m_members.empty() || m_bTicking)
        return;
    if (t_pClock == this)
        t_pClock = nullptr;
    delete this;
}

CAnimationClock::~CAnimationClock()
{
    if (m_hWnd != nullptr)
        ::DestroyWindow(m_hWnd);
}

void CAnimationClock::UnregisterWindowClass(HINSTANCE hInstance)
{
    ::UnregisterClassW(kWindowClass, hInstance);
}

bool CAnimationClock::CreateWindowOnce()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WndProc;
    wc.hInstance = FaceAnimModule();
    wc.lpszClassName = kWindowClass;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    m_hWnd = ::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, FaceAnimModule(), nullptr);
    if (m_hWnd == nullptr)
        return false;
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

void CAnimationClock::Arm(Client* pClient, ULONGLONG ullDue)
{
    if (m_members.count(pClient) == 0)
        return;
    m_armed[pClient] = ullDue;
    Schedule();
}

void CAnimationClock::Disarm(Client* pClient)
{
    if (m_armed.erase(pClient) != 0)
        Schedule();
}

// One timer for the earliest due client, none when no client is armed.
void CAnimationClock::Schedule()
{
    if (m_armed.empty()) {
        if (m_bTimerSet)
            ::KillTimer(m_hWnd, kTimerId);
        m_bTimerSet = false;
        return;
    }
    const auto earliest = std::min_element(m_armed.begin(), m_armed.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; });
    const ULONGLONG ullNow = Now();
    const ULONGLONG ullWait = earliest->second > ullNow ? earliest->second - ullNow : 0;
    m_bTimerSet = ::SetTimer(m_hWnd, kTimerId, static_cast<UINT>(std::max(ullWait, kMinimumWait)), nullptr) != 0;
}

void CAnimationClock::Tick()
{
    const ULONGLONG ullNow = Now();
    std::vector<Client*> due;
    for (const auto& armed : m_armed)
        if (armed.second <= ullNow + kCoalesceMs)
            due.push_back(armed.first);
    CHostRedraw redraw;
    m_bTicking = true;
    for (Client* pClient : due) {
        // An earlier client's tick may have made this one leave or re-arm.
        const auto armed = m_armed.find(pClient);
        if (armed == m_armed.end() || armed->second > ullNow + kCoalesceMs)
            continue;
        m_armed.erase(armed);
        pClient->OnClockTick(ullNow, redraw);
    }
    m_bTicking = false;
    redraw.Flush();
    if (m_members.empty()) {
        Leave(nullptr);
        return;
    }
    Schedule();
}

LRESULT CALLBACK CAnimationClock::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kTimerId) {
        auto* pClock = reinterpret_cast<CAnimationClock*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (pClock != nullptr)
            pClock->Tick();
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}
