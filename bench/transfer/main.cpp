// Benchmark of the file transfers: 200 uploads of a 500 KiB file and 200 downloads of a 500 KiB
// picture through CHttpFileTransmit against loopback servers, compared in the same run with a
// bare Winsock loop sending the same bytes the same way (the file read and sent in chunks of
// 1024) and a bare WinInet loop making the same GET requests and writing the same file. The
// library and the bare loops alternate in rounds, so that a change in the machine's load falls
// on both. Prints the 10th percentile and the median of the rounds and their ratios; it asserts
// nothing.

#include <winsock2.h>

#include "../../tests/common/LoopbackServer.h"
#include "../common/BenchClock.h"

#include <HttpFileTransmit.h>

#include <wininet.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kJobs = 200;
const int kRounds = 10; // of kJobs / kRounds jobs each way
const int kPerRound = kJobs / kRounds;
const size_t kFileSize = 500 * 1024;
const DWORD kTimeoutMs = 60000;
const char kBoundary[] = "---------------------------7d4a07080525d2";

std::string Bytes(size_t n)
{
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<char>(i * 31 % 251);
    return bytes;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    const CKernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != FILE_TRAN_DONE)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    auto* counts = reinterpret_cast<int*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    ++counts[reinterpret_cast<CFileTranRequest*>(lParam)->m_nRet == 0 ? 0 : 1];
    return 0;
}

// A hidden window counting the completions sent to it: [0] succeeded, [1] failed.
struct Receiver {
    Receiver()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &CountingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VoTransferBenchWindow";
        RegisterClassW(&wc);
        hWnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(counts));
    }
    ~Receiver() { DestroyWindow(hWnd); }

    // Takes messages until count jobs have ended; true when all succeeded.
    bool WaitFor(int count)
    {
        const ULONGLONG end = GetTickCount64() + kTimeoutMs;
        MSG msg;
        while (counts[0] + counts[1] < count && GetTickCount64() < end) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
        const bool all = counts[0] == count;
        counts[0] = counts[1] = 0;
        return all;
    }

    HWND hWnd = nullptr;
    int counts[2] = {0, 0};
};

// Milliseconds for kPerRound jobs through the transmitter; negative when one fails.
double RunTransmitter(Receiver& receiver, bool upload, const std::wstring& url, const std::wstring& file)
{
    CHttpFileTransmit transmit(receiver.hWnd);
    const double start = NowMs();
    for (int job = 0; job < kPerRound; ++job) {
        if (upload)
            transmit.UploadFile(file.c_str(), url.c_str());
        else
            transmit.DownloadFile(url.c_str(), file.c_str());
    }
    return receiver.WaitFor(kPerRound) ? NowMs() - start : -1.0;
}

bool SendAll(SOCKET s, const char* data, int length)
{
    while (length > 0) {
        const int sent = send(s, data, length, 0);
        if (sent <= 0)
            return false;
        data += sent;
        length -= sent;
    }
    return true;
}

// One upload with Winsock alone: the same request, the file read and sent in chunks of 1024.
bool BareUpload(USHORT port, const std::wstring& file)
{
    const std::string name(file.begin(), file.end());
    const std::string part = std::string("--") + kBoundary +
                             "\r\nContent-Disposition: form-data; name=\"file1\";filename=\"" + name +
                             "\"\r\nContent-Type: text/plain\r\n\r\n";
    const std::string closing = std::string("\r\n--") + kBoundary + "\r\n\r\n";
    const std::string header =
        "POST /up HTTP/1.1\r\nContent-Type: multipart/form-data; boundary=" + std::string(kBoundary) +
        "\r\nHost: 127.0.0.1\r\nContent-Length: " + std::to_string(part.size() + kFileSize + closing.size()) +
        "\r\n\r\n";
    CSocketHandle s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const CKernelHandle in(
        CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!s || !in || connect(s.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        !SendAll(s.Get(), header.data(), static_cast<int>(header.size())) ||
        !SendAll(s.Get(), part.data(), static_cast<int>(part.size())))
        return false;
    char chunk[1024];
    DWORD read = 0;
    while (ReadFile(in.Get(), chunk, sizeof(chunk), &read, nullptr) && read > 0)
        if (!SendAll(s.Get(), chunk, static_cast<int>(read)))
            return false;
    return SendAll(s.Get(), closing.data(), static_cast<int>(closing.size()));
}

// One download with WinInet alone: the same GET, the body written into the file as it comes.
bool BareDownload(HINTERNET connection, const std::wstring& file)
{
    HINTERNET request =
        HttpOpenRequestW(connection, L"GET", L"/pic", L"HTTP/1.0", nullptr, nullptr, INTERNET_FLAG_NO_CACHE_WRITE, 0);
    bool ok = request && HttpSendRequestW(request, nullptr, 0, nullptr, 0);
    wchar_t type[64] = {};
    DWORD typeSize = sizeof(type);
    ok = ok && HttpQueryInfoW(request, HTTP_QUERY_CONTENT_TYPE, type, &typeSize, nullptr);
    const CKernelHandle out(ok ? CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)
                               : INVALID_HANDLE_VALUE);
    char buffer[1023];
    DWORD read = 0, written = 0, total = 0;
    while (out && (ok = InternetReadFile(request, buffer, sizeof(buffer), &read) != FALSE) && read > 0) {
        ok = WriteFile(out.Get(), buffer, read, &written, nullptr) != FALSE;
        total += read;
    }
    if (request)
        InternetCloseHandle(request);
    return ok && total == kFileSize;
}

// Milliseconds for kPerRound jobs with the bare loops; negative when one fails.
double RunBare(bool upload, USHORT port, const std::wstring& file)
{
    HINTERNET session = InternetOpenW(L"HttpFileTransmit", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET connection =
        session ? InternetConnectW(session, L"127.0.0.1", port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0)
                : nullptr;
    bool ok = connection != nullptr;
    const double start = NowMs();
    for (int job = 0; ok && job < kPerRound; ++job)
        ok = upload ? BareUpload(port, file) : BareDownload(connection, file);
    const double elapsed = NowMs() - start;
    if (connection)
        InternetCloseHandle(connection);
    if (session)
        InternetCloseHandle(session);
    return ok ? elapsed : -1.0;
}

void Report(const char* what, const std::vector<double>& library, const std::vector<double>& bare)
{
    const double libraryMedian = Median(library), bareMedian = Median(bare);
    const double libraryP10 = Percentile(library, 0.1), bareP10 = Percentile(bare, 0.1);
    std::printf("%s, %d rounds of %d:\n", what, kRounds, kPerRound);
    std::printf("  CHttpFileTransmit   p10 %8.1f ms  median %8.1f ms\n", libraryP10, libraryMedian);
    std::printf("  bare loop           p10 %8.1f ms  median %8.1f ms\n", bareP10, bareMedian);
    std::printf("  ratio               p10 %8.2f     median %8.2f\n", libraryP10 / bareP10, libraryMedian / bareMedian);
}

} // namespace

int main()
{
    LoopbackServer::Script drain;
    drain.behaviour = LoopbackServer::Behaviour::Drain;
    LoopbackServer uploads(drain);
    LoopbackServer::Script picture;
    picture.body = Bytes(kFileSize);
    picture.contentType = "image/jpg";
    LoopbackServer downloads(picture);

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring source = std::wstring(temp) + L"vo_bench_upload.bin";
    const std::wstring target = std::wstring(temp) + L"vo_bench_download.jpg";
    if (uploads.Port() == 0 || downloads.Port() == 0 || !WriteBytes(source, Bytes(kFileSize))) {
        std::printf("the loopback servers or the source file could not be made\n");
        return 1;
    }
    Receiver receiver;
    RunBare(true, uploads.Port(), source); // warm-up
    RunBare(false, downloads.Port(), target);

    std::vector<double> up, bareUp, down, bareDown;
    bool ok = true;
    for (int round = 0; round < kRounds && ok; ++round) {
        up.push_back(RunTransmitter(receiver, true, uploads.Url(L"/up"), source));
        bareUp.push_back(RunBare(true, uploads.Port(), source));
        down.push_back(RunTransmitter(receiver, false, downloads.Url(L"/pic"), target));
        bareDown.push_back(RunBare(false, downloads.Port(), target));
        ok = up.back() >= 0 && bareUp.back() >= 0 && down.back() >= 0 && bareDown.back() >= 0;
    }
    DeleteFileW(source.c_str());
    DeleteFileW(target.c_str());
    if (!ok) {
        std::printf("a transfer failed\n");
        return 1;
    }
    Report("uploads of 500 KiB", up, bareUp);
    Report("downloads of 500 KiB", down, bareDown);
    return 0;
}
