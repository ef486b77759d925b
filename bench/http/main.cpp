// Benchmark of the command channel: 1,000 requests through CHttpComm to a loopback server
// against a bare WinInet loop sending the same requests (same body, verb, version and flags) to
// the same server, in one run. The two alternate in rounds, so that a change in the machine's
// load falls on both. Prints both times and their ratio; it asserts nothing.

#include "../../tests/common/LoopbackServer.h"
#include "../common/BenchClock.h"

#include <ConvertXml.h>
#include <HttpComm.h>

#include <wininet.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kRequests = 1000;
const int kRounds = 5; // of kRequests / kRounds requests each way
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

// Milliseconds for `count` requests through the channel; negative when one fails or the
// results do not all come.
double RunChannel(const std::wstring& url, int count)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VoHttpBenchWindow";
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    int counts[2] = {0, 0}; // succeeded, failed
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(counts));

    std::vector<CXmlTreeCtrl*> commands;
    for (int index = 0; index < count; ++index)
        commands.push_back(Command(index));

    double elapsed = -1.0;
    {
        CHttpComm comm(url.c_str(), 0, window, kResultMsg);
        const double start = NowMs();
        for (int index = 0; index < count; ++index)
            comm.NewRequest(nullptr, static_cast<UINT>(index), commands[static_cast<size_t>(index)]);
        const ULONGLONG end = GetTickCount64() + kResultTimeoutMs;
        MSG msg;
        while (counts[0] + counts[1] < count && GetTickCount64() < end) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
        if (counts[0] == count)
            elapsed = NowMs() - start;
    }
    DestroyWindow(window);
    return elapsed;
}

// Milliseconds for the same requests with WinInet alone; negative when one fails.
double RunBare(USHORT port, const std::vector<std::string>& bodies)
{
    HINTERNET session = InternetOpenW(L"Corvala chat command", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    HINTERNET connection =
        session ? InternetConnectW(session, L"127.0.0.1", port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0)
                : nullptr;
    bool ok = connection != nullptr;
    const double start = NowMs();
    for (size_t index = 0; ok && index < bodies.size(); ++index) {
        HINTERNET request =
            HttpOpenRequestW(connection, L"POST", L"/cmd", L"HTTP/1.0", nullptr, nullptr, kRequestFlags, 1);
        std::string body = bodies[index];
        ok = request && HttpSendRequestW(request, nullptr, 0, &body[0], static_cast<DWORD>(body.size()));
        std::string answer;
        char buffer[1023];
        DWORD read = 0;
        while (ok && (ok = InternetReadFile(request, buffer, sizeof(buffer), &read) != FALSE) && read > 0)
            answer.append(buffer, read);
        ok = ok && answer == kAnswer;
        if (request)
            InternetCloseHandle(request);
    }
    const double elapsed = NowMs() - start;
    if (connection)
        InternetCloseHandle(connection);
    if (session)
        InternetCloseHandle(session);
    return ok ? elapsed : -1.0;
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
            RunBare(server.Port(), std::vector<std::string>(bodies.begin(), bodies.begin() + 20)); // warm-up
            double channel = 0, bare = 0;
            for (int round = 0; round < kRounds && channel >= 0 && bare >= 0; ++round) {
                const double channelRound = RunChannel(server.Url(), perRound);
                const double bareRound = RunBare(server.Port(), bodies);
                channel = channelRound < 0 ? -1.0 : channel + channelRound;
                bare = bareRound < 0 ? -1.0 : bare + bareRound;
            }
            if (channel < 0 || bare < 0) {
                std::printf("a request failed (channel %.1f ms, bare %.1f ms)\n", channel, bare);
            } else {
                std::printf("requests:                       %d\n", kRequests);
                std::printf("through CHttpComm:              %8.1f ms (%.3f ms each)\n", channel, channel / kRequests);
                std::printf("bare WinInet loop:              %8.1f ms (%.3f ms each)\n", bare, bare / kRequests);
                std::printf("ratio (CHttpComm / bare loop):  %8.2f\n", channel / bare);
                status = 0;
            }
        }
    }
    CoUninitialize();
    return status;
}
