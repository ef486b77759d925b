// Benchmark of the command channel: 1,000 requests through CHttpComm to a loopback server, queued
// at once and sent one at a time (each after the result of the one before), against a bare
// WinInet loop sending the same requests (same body, verb, version and flags) to the same server.
// A bare loop of asynchronous calls shows what the channel's asynchronous mode costs by itself.
// All alternate in rounds, so that a change in the machine's load falls on all. Prints the
// times and the ratios as the 10th percentile and the median of the rounds; it asserts nothing.
// First, in the fresh process, it shows how far one answer of 8 MB raises the peak working set.

#include "../../tests/common/LoopbackServer.h"
#include "../common/BenchClock.h"

#include <ConvertXml.h>
#include <HttpComm.h>

#include <psapi.h>
#include <wininet.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kRequests = 1000;
const int kRounds = 10; // of kRequests / kRounds requests each way
const double kRatioGoal = 1.1;
const UINT kResultMsg = WM_APP + 1;
const DWORD kResultTimeoutMs = 30000;
const char kAnswer[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<tavo><ret>0</ret><user id=\"7\" state=\"online\">Ann</user><note>\xE4\xB8\xAD\xE6\x96\x87</note></tavo>";
const DWORD kRequestFlags = INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_AUTO_REDIRECT;

CXmlTreeCtrl* Command(int index)
{
    auto* tree = new CXmlTreeCtrl;
    auto* attributes = new CMapStringToString;
    attributes->SetAt(L"ver", L"1");
    CXmlTreeItem* root = tree->InsertItem(L"tavo", L"", attributes);
    tree->InsertItem(L"id", std::to_wstring(index).c_str(), nullptr, root);
    tree->InsertItem(L"cmd", L"getuser", nullptr, root);
    return tree;
}

// The UTF-8 body the channel sends for Command(index).
std::string BodyOf(int index)
{
    std::unique_ptr<CXmlTreeCtrl> tree(Command(index));
    IXMLDOMDocumentPtr doc;
    BSTR xml = nullptr;
    if (CConvertXml::ConvertTreeToXml(tree.get(), doc) != S_OK || FAILED(doc->get_xml(&xml)) || !xml)
        return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, xml, -1, nullptr, 0, nullptr, nullptr);
    std::string body(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, xml, -1, &body[0], size, nullptr, nullptr);
    SysFreeString(xml);
    body.resize(body.size() - 1); // without the terminator
    return body;
}

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kResultMsg) {
        auto* param = reinterpret_cast<CHttpCommParam*>(lParam);
        auto* counts = reinterpret_cast<int*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        ++counts[param->GetRet() == 0 ? 0 : 1];
        delete param;
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

// How the channel is given its requests.
enum class Mode { Queued, OneAtATime };

// One channel for the whole run, as a client keeps one for its life, and the window that counts
// its results. Its thread, session and connection are made before the first timed round, as the
// bare loops open theirs before their clocks start.
class ChannelBench {
public:
    explicit ChannelBench(const std::wstring& url)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &CountingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VoHttpBenchWindow";
        RegisterClassW(&wc);
        m_window =
            CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_counts));
        m_comm.reset(new CHttpComm(url.c_str(), 0, m_window, kResultMsg));
    }
    ~ChannelBench()
    {
        m_comm.reset();
        DestroyWindow(m_window);
    }

    // Milliseconds for `count` requests; negative when one fails or the results do not all come.
    double Run(int count, Mode mode)
    {
        std::vector<CXmlTreeCtrl*> commands;
        for (int index = 0; index < count; ++index)
            commands.push_back(Command(index));
        m_counts[0] = m_counts[1] = 0;
        const double start = NowMs();
        const ULONGLONG end = GetTickCount64() + kResultTimeoutMs;
        bool answered = true;
        int queued = 0;
        for (; queued < count && answered; ++queued) {
            m_comm->NewRequest(nullptr, static_cast<UINT>(queued), commands[static_cast<size_t>(queued)]);
            if (mode == Mode::OneAtATime)
                answered = WaitForResults(queued + 1, end);
        }
        double elapsed = -1.0;
        if (answered && WaitForResults(count, end) && m_counts[0] == count)
            elapsed = NowMs() - start;
        for (int index = queued; index < count; ++index) // never handed to the channel
            delete commands[static_cast<size_t>(index)];
        return elapsed;
    }

private:
    // Runs the window's messages until `done` results have come or the time is up.
    bool WaitForResults(int done, ULONGLONG end)
    {
        MSG msg;
        while (m_counts[0] + m_counts[1] < done && GetTickCount64() < end) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
        return m_counts[0] + m_counts[1] >= done;
    }

    HWND m_window = nullptr;
    int m_counts[2] = {0, 0}; // succeeded, failed
    std::unique_ptr<CHttpComm> m_comm;
};

// The same requests with WinInet alone, on a session and connection opened before the clock
// starts: blocking calls, as the channel once made (which nothing bounds when a server stalls), or
// the asynchronous calls the channel makes now, waited for on one event without a deadline.
class BareLoop {
public:
    BareLoop(USHORT port, bool async) : m_async(async)
    {
        m_session = InternetOpenW(L"Corvala chat command", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr,
                                  async ? INTERNET_FLAG_ASYNC : 0);
        if (m_session && async)
            InternetSetStatusCallbackW(m_session, &BareLoop::OnStatus);
        if (m_session)
            m_connection =
                InternetConnectW(m_session, L"127.0.0.1", port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
    }
    ~BareLoop()
    {
        // WinInet may still hold the last request on one of its threads; closing the connection
        // and session under it was seen to crash Wine's WinInet now and then.
        const ULONGLONG end = GetTickCount64() + kResultTimeoutMs;
        while (m_async && m_requestsHeld > 0 && GetTickCount64() < end)
            WaitForSingleObject(m_closed, 100);
        if (m_connection)
            InternetCloseHandle(m_connection);
        if (m_session)
            InternetCloseHandle(m_session);
        for (HANDLE event : {m_done, m_closed})
            if (event)
                CloseHandle(event);
    }

    // Milliseconds for the requests; negative when one fails.
    double Run(const std::vector<std::string>& bodies)
    {
        bool ok = m_connection != nullptr && m_done != nullptr && m_closed != nullptr;
        const double start = NowMs();
        for (size_t index = 0; ok && index < bodies.size(); ++index) {
            HINTERNET request = HttpOpenRequestW(m_connection, L"POST", L"/cmd", L"HTTP/1.0", nullptr, nullptr,
                                                 kRequestFlags, reinterpret_cast<DWORD_PTR>(this));
            if (request)
                ++m_requestsHeld;
            std::string body = bodies[index];
            ok = request && Ended(HttpSendRequestW(request, nullptr, 0, &body[0], static_cast<DWORD>(body.size())));
            std::string answer;
            char buffer[1023];
            DWORD read = 0;
            while (ok && (ok = Ended(InternetReadFile(request, buffer, sizeof(buffer), &read))) && read > 0)
                answer.append(buffer, read);
            ok = ok && answer == kAnswer;
            if (request)
                InternetCloseHandle(request);
        }
        const double elapsed = NowMs() - start;
        return ok ? elapsed : -1.0;
    }

private:
    static void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD)
    {
        auto* self = reinterpret_cast<BareLoop*>(context);
        if (self && status == INTERNET_STATUS_HANDLE_CLOSING) {
            --self->m_requestsHeld;
            SetEvent(self->m_closed);
        }
        if (status != INTERNET_STATUS_REQUEST_COMPLETE || !self || !info)
            return;
        const auto* result = static_cast<const INTERNET_ASYNC_RESULT*>(info);
        self->m_result = result->dwResult;
        SetEvent(self->m_done);
    }

    // Whether a call succeeded, once it ended: a call gone into the background is waited for.
    bool Ended(BOOL result)
    {
        if (result || !m_async || GetLastError() != ERROR_IO_PENDING)
            return result != FALSE;
        return WaitForSingleObject(m_done, INFINITE) == WAIT_OBJECT_0 && m_result != FALSE;
    }

    const bool m_async;
    HINTERNET m_session = nullptr;
    HINTERNET m_connection = nullptr;
    HANDLE m_done = CreateEventW(nullptr, FALSE, FALSE, nullptr);   // a call ended
    HANDLE m_closed = CreateEventW(nullptr, FALSE, FALSE, nullptr); // a request was reported closing
    DWORD_PTR m_result = 0;
    std::atomic<int> m_requestsHeld{0}; // opened and not yet reported closing by WinInet
};

// An answer just under the channel's 8 MB limit, in 90,000 elements of 90 bytes.
std::string LargeAnswer()
{
    std::string answer = "<tavo>";
    const std::string text(68, 'x');
    for (int index = 0; index < 90000; ++index)
        answer += "<i n=\"" + std::to_string(100000 + index) + "\">" + text + "</i>";
    return answer + "</tavo>";
}

SIZE_T PeakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, counters.cb) ? counters.PeakWorkingSetSize : 0;
}

// How much the process's peak working set grows while the channel takes one large answer, as a
// multiple of the answer's size; run first in the process, after a small request has loaded the
// libraries. Negative when the request fails.
double PeakGrowthOfLargeAnswer(LoopbackServer& server, ChannelBench& channel)
{
    if (channel.Run(1, Mode::Queued) < 0)
        return -1.0;
    LoopbackServer::Script script;
    script.body = LargeAnswer();
    server.SetScript(script);
    const SIZE_T before = PeakWorkingSet();
    const bool ok = channel.Run(1, Mode::Queued) >= 0;
    const SIZE_T after = PeakWorkingSet();
    script.body = kAnswer;
    server.SetScript(script);
    std::printf("  peak working set before %.1f MB, after an answer of %.1f MB %.1f MB\n", before / 1048576.0,
                LargeAnswer().size() / 1048576.0, after / 1048576.0);
    return ok ? static_cast<double>(after - before) / static_cast<double>(LargeAnswer().size()) : -1.0;
}

} // namespace

int main()
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        std::printf("COM could not be initialised\n");
        return 1;
    }
    int status = 1;
    {
        LoopbackServer::Script script;
        script.body = kAnswer;
        LoopbackServer server(script);
        std::vector<std::string> bodies;
        const int perRound = kRequests / kRounds;
        for (int index = 0; index < perRound; ++index)
            bodies.push_back(BodyOf(index));
        if (server.Port() == 0 || bodies.front().empty()) {
            std::printf("the loopback server or the request bodies could not be made\n");
        } else {
            ChannelBench channel(server.Url());
            std::printf("HTTP channel: one answer of 8 MB\n");
            std::printf("  peak working set growth / answer size: %.1f\n", PeakGrowthOfLargeAnswer(server, channel));
            BareLoop blocking(server.Port(), false), async(server.Port(), true);
            const std::vector<std::string> warmUp(bodies.begin(), bodies.begin() + 20);
            blocking.Run(warmUp);
            async.Run(warmUp);
            std::vector<double> bare, bareAsync, queued, single;
            bool ok = true;
            for (int round = 0; round < kRounds && ok; ++round) {
                bare.push_back(blocking.Run(bodies));
                bareAsync.push_back(async.Run(bodies));
                queued.push_back(channel.Run(perRound, Mode::Queued));
                single.push_back(channel.Run(perRound, Mode::OneAtATime));
                ok = bare.back() >= 0 && bareAsync.back() >= 0 && queued.back() >= 0 && single.back() >= 0;
            }
            if (!ok) {
                std::printf("a request failed (bare %.1f ms, bare asynchronous %.1f ms, queued %.1f ms, one at a time "
                            "%.1f ms)\n",
                            bare.back(), bareAsync.back(), queued.back(), single.back());
            } else {
                std::printf("HTTP channel: %d rounds of %d requests each way\n", kRounds, perRound);
                PrintTimes("bare WinInet loop, per round", bare);
                PrintTimes("bare asynchronous WinInet loop, per round", bareAsync);
                PrintTimes("CHttpComm, queued at once, per round", queued);
                PrintTimes("CHttpComm, one at a time, per round", single);
                PrintRatio("(asynchronous loop / bare loop)", RatiosOf(bareAsync, bare), 0);
                PrintRatio("ratio queued / bare loop", RatiosOf(queued, bare), kRatioGoal);
                PrintRatio("ratio one at a time / bare loop", RatiosOf(single, bare), kRatioGoal);
                status = 0;
            }
        }
    }
    CoUninitialize();
    return status;
}
