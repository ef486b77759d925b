// Support of the channel tests: a real (hidden) window that collects the result messages with a
// bounded wait, command trees whose root map counts its destruction (so that a test sees a
// request and its tree destroyed), and short ways to script a server and read an answer.
#pragma once

#include "../common/LoopbackServer.h"

#include <HttpComm.h>

#include <afxinet.h>
#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <memory>
#include <string>

namespace httptest {

const UINT kResultMsg = WM_APP + 61;

// An attribute map that counts the live instances.
class CountedAttributes : public CMapStringToString {
public:
    CountedAttributes() { ++s_alive; }
    ~CountedAttributes() override { --s_alive; }
    static int Alive() { return s_alive; }

private:
    static inline std::atomic<int> s_alive{0};
};

// A command tree: <tavo ver="1"><cmd>text</cmd></tavo>; the root's map counts its destruction.
inline CXmlTreeCtrl* Command(const wchar_t* text = L"login")
{
    auto* tree = new CXmlTreeCtrl;
    auto* attributes = new CountedAttributes;
    attributes->SetAt(L"ver", L"1");
    tree->InsertItem(L"cmd", text, nullptr, tree->InsertItem(L"tavo", L"", attributes));
    return tree;
}

struct Result {
    UINT message = 0;
    WPARAM type = 0;
    std::unique_ptr<CHttpCommParam> param;
};

// A hidden top-level window of the test thread that keeps every result message posted to it.
class ResultWindow {
public:
    ResultWindow()
        : m_hWnd(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~ResultWindow() { Destroy(); }
    ResultWindow(const ResultWindow&) = delete;
    ResultWindow& operator=(const ResultWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

    // Destroys the window; results still queued for it are taken and deleted first.
    void Destroy()
    {
        if (!m_hWnd)
            return;
        Pump();
        m_results.clear();
        DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }

    // The next result, pumping the thread's messages until one comes; an empty result (no
    // param) when none comes in time.
    Result WaitForResult(DWORD timeoutMs = 15000)
    {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        for (ULONGLONG now = GetTickCount64(); Pending() == 0 && now < end; now = GetTickCount64())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        if (m_results.empty())
            return Result();
        Result result = std::move(m_results.front());
        m_results.pop_front();
        return result;
    }

    // Number of results received and not yet taken.
    size_t Pending()
    {
        Pump();
        return m_results.size();
    }

private:
    // Dispatches the thread's messages, keeping the application messages posted to this window.
    void Pump()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.hwnd == m_hWnd && msg.message >= WM_APP)
                m_results.push_back({msg.message, msg.wParam,
                                     std::unique_ptr<CHttpCommParam>(reinterpret_cast<CHttpCommParam*>(msg.lParam))});
            else
                DispatchMessageW(&msg);
        }
    }

    HWND m_hWnd = nullptr;
    std::deque<Result> m_results;
};

// A channel with the test's own bounds: answers must be whole within deadlineMs, and Stop gives
// the request in hand stopWaitMs before it cancels it.
class CBoundedComm : public CHttpComm {
public:
    CBoundedComm(const std::wstring& url, HWND wnd, DWORD deadlineMs, DWORD stopWaitMs = 3000)
        : CHttpComm(url.c_str(), 0, wnd, kResultMsg)
    {
        m_dwAnswerDeadlineMs = deadlineMs;
        m_dwStopWaitMs = stopWaitMs;
    }
    // Whether the channel holds a session; read while its worker is idle.
    bool HasSession() const { return m_pSession != nullptr && m_pConnection != nullptr; }
};

// The error text of a request that Stop cancelled: WinInet's own for a cancelled operation.
inline CString CancelledText()
{
    const CInternetException cancelled(ERROR_INTERNET_OPERATION_CANCELLED);
    CString text;
    cancelled.GetErrorMessage(text.GetBuffer(1024), 1024);
    text.ReleaseBuffer();
    return text;
}

// A server script: behaviour with body.
inline LoopbackServer::Script Answer(const std::string& body,
                                     LoopbackServer::Behaviour behaviour = LoopbackServer::Behaviour::Answer)
{
    return {behaviour, body};
}

inline std::string Utf8(const std::wstring& text)
{
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
    return bytes;
}

// The text of the first item named name in the param's tree; "(none)" when there is none.
inline std::wstring TextOf(const CHttpCommParam& param, const wchar_t* name)
{
    CXmlTreeCtrl* tree = param.GetParam();
    CXmlTreeItem* item = tree ? tree->GetItemByName(name) : nullptr;
    return item ? std::wstring(item->GetText().GetString()) : std::wstring(L"(none)");
}

} // namespace httptest
