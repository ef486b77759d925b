// Support of the transfer tests: a real (hidden) window that keeps a copy of every completion
// message sent to it (the request itself lives only during the message), bounded waits that
// take the messages, test files, and the expected wire texts of an upload written out in full.
#pragma once

#include "../common/LoopbackServer.h"
#include "../common/TempFolder.h"

#include <HttpFileTransmit.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace transfertest {

using Behaviour = LoopbackServer::Behaviour;

// A stop or a destruction near this bound hung.
const ULONGLONG kStopBoundMs = 2000;

struct Completion {
    WPARAM type;
    CFileTranRequest request;
};

class CompletionWindow {
public:
    CompletionWindow()
    {
        static const ATOM atom = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = &CompletionWindow::Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"VoTransferTestWindow";
            return RegisterClassW(&wc);
        }();
        m_hWnd = CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CompletionWindow() { DestroyWindow(m_hWnd); }
    CompletionWindow(const CompletionWindow&) = delete;
    CompletionWindow& operator=(const CompletionWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

    // The next completion, taking the thread's messages until one comes; none when none comes
    // in time.
    std::optional<Completion> Wait(DWORD timeoutMs = 15000)
    {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        for (ULONGLONG now = GetTickCount64(); Pending() == 0 && now < end; now = GetTickCount64())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        if (m_done.empty())
            return std::nullopt;
        Completion completion = m_done.front();
        m_done.pop_front();
        return completion;
    }

    // Completions received and not yet taken (the thread's messages are taken first).
    size_t Pending()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        return m_done.size();
    }

    // Called during each completion message, with the live request.
    std::function<void(CFileTranRequest&)> m_onMessage;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<CompletionWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (msg != FILE_TRAN_DONE || !self)
            return DefWindowProcW(hWnd, msg, wParam, lParam);
        auto* request = reinterpret_cast<CFileTranRequest*>(lParam);
        if (self->m_onMessage)
            self->m_onMessage(*request);
        self->m_done.push_back({wParam, *request});
        return 0;
    }

    HWND m_hWnd = nullptr;
    std::deque<Completion> m_done;
};

// Takes the next completion and checks its type, result and error text; none when none came.
inline std::optional<CFileTranRequest> ExpectCompletion(CompletionWindow& window, WPARAM type, int ret,
                                                        const wchar_t* error)
{
    const std::optional<Completion> done = window.Wait();
    if (!done) {
        ADD_FAILURE() << "no completion message";
        return std::nullopt;
    }
    EXPECT_EQ(type, done->type);
    EXPECT_EQ(ret, done->request.m_nRet);
    EXPECT_STREQ(error, done->request.m_strErrInfo.GetString());
    return done->request;
}

// n bytes of a pattern that shows a shifted or lost chunk.
inline std::string Pattern(size_t n)
{
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 1024) & 0xFF);
    return bytes;
}

inline std::string Narrow(const std::wstring& ascii)
{
    return std::string(ascii.begin(), ascii.end());
}

inline ULONGLONG MillisecondsOf(const std::function<void()>& action)
{
    const ULONGLONG start = GetTickCount64();
    action();
    return GetTickCount64() - start;
}

// The upload's request header and body as the file server reads them.
inline std::string ExpectedHeader(const std::string& object, const std::string& host, size_t contentLength)
{
    return "POST " + object +
           " HTTP/1.1\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nContent-Type: multipart/form-data; "
           "boundary=---------------------------7d4a07080525d2\r\nAccept-Encoding: gzip, deflate\r\nUser-Agent: "
           "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.2; MyIE2; .NET CLR 1.1.4322; .NET CLR 1.0.3705)\r\nHost: " +
           host + "\r\nContent-Length: " + std::to_string(contentLength) +
           "\r\nConnection: Keep-Alive\r\nCache-Control: no-cache\r\n\r\n";
}

inline std::string ExpectedBody(const std::string& file, const std::string& bytes)
{
    return "-----------------------------7d4a07080525d2\r\nContent-Disposition: form-data; name=\"file1\";filename=\"" +
           file + "\"\r\nContent-Type: text/plain\r\n\r\n" + bytes +
           "\r\n-----------------------------7d4a07080525d2\r\n\r\n";
}

} // namespace transfertest
