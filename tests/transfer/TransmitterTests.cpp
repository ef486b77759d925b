// The transmitter around its transfers: the URL forms of a request, sequence numbers shared by
// every transmitter and thread, the chunks of an upload, who receives the completion message
// (also while the receiving thread destroys the transmitter), and a session that could not be
// opened.
#include "TransferTestSupport.h"

#include <wininet.h>

#include <cstring>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace {

using namespace transfertest;

class CProbeTransmit : public CHttpFileTransmit {
public:
    using CHttpFileTransmit::CHttpFileTransmit;
    using CHttpFileTransmit::NextSequenceNumber;
    using CHttpFileTransmit::SendFileChunks;
};

TEST(FileTranRequestTest, JoinsTheUrlFormsAndNumbersJobsFrom1To1000WithoutLossBetweenThreads)
{
    CString url = L"http://files/up";
    CString file = L"C:\\a b.jpg";
    const CFileTranRequest up(url, L"100", L"s 1", file, 7, 3, FILE_TRAN_UPLOAD, nullptr);
    EXPECT_STREQ(L"http://files/up/sip=100&sessionid=s 1", up.m_strUrl);
    const CFileTranRequest down(url, L"1", nullptr, L"2", file, 0, 4, FILE_TRAN_DOWNLOAD, nullptr);
    EXPECT_STREQ(L"http://files/up/mysip=1&sessionid=&destsip=2", down.m_strUrl) << "a null text counts as empty";
    EXPECT_STREQ(L"2", down.m_strSip);

    // Sequence numbers run from 1 to 1000, and none is lost between threads.
    UINT previous = CProbeTransmit::NextSequenceNumber();
    for (int i = 0; i < 1000 && previous != 1000; ++i)
        previous = CProbeTransmit::NextSequenceNumber();
    ASSERT_EQ(1000u, previous);
    EXPECT_EQ(1u, CProbeTransmit::NextSequenceNumber()) << "the 1001st job";

    // Four threads draw 1,000 numbers each: every number must come exactly four times.
    std::vector<std::vector<UINT>> drawn(4);
    std::vector<std::thread> threads;
    for (auto& numbers : drawn)
        threads.emplace_back([&numbers] {
            for (int i = 0; i < 1000; ++i)
                numbers.push_back(CProbeTransmit::NextSequenceNumber());
        });
    for (auto& thread : threads)
        thread.join();
    std::map<UINT, int> counts;
    for (const auto& numbers : drawn)
        for (UINT n : numbers)
            ++counts[n];
    ASSERT_EQ(1000u, counts.size());
    EXPECT_EQ(1u, counts.begin()->first);
    EXPECT_EQ(1000u, counts.rbegin()->first);
    for (const auto& count : counts)
        ASSERT_EQ(4, count.second) << "number " << count.first;
}

TEST(TransmitterTest, AnUploadGoesInChunksOf1024AndTheRestAndStopsBetweenChunks)
{
    CTempFolder temp;
    ASSERT_TRUE(temp.Write(L"f", Pattern(2500)));
    const auto chunksOf = [&](DWORD length, int keepGoingFor) {
        const CKernelHandle file(
            CreateFileW(temp.Path(L"f").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        std::vector<int> chunks;
        std::string sent;
        const bool whole = CProbeTransmit::SendFileChunks(
            file.Get(), length,
            [&](const char* data, int size) {
                chunks.push_back(size);
                sent.append(data, static_cast<size_t>(size));
                return true;
            },
            [&] { return keepGoingFor-- > 0; });
        EXPECT_EQ(sent, Pattern(2500).substr(0, sent.size()));
        return std::make_pair(whole, chunks);
    };
    EXPECT_EQ(std::make_pair(true, std::vector<int>{1024, 1024, 452}), chunksOf(2500, 99));
    EXPECT_EQ(std::make_pair(true, std::vector<int>{1024, 1024}), chunksOf(2048, 99));
    EXPECT_EQ(std::make_pair(false, std::vector<int>{1024}), chunksOf(2500, 1)) << "a stop between chunks";
    EXPECT_EQ(std::make_pair(false, std::vector<int>{1024, 1024}), chunksOf(3000, 99)) << "the file is shorter";
}

TEST(TransmitterTest, TheRequestsWindowOrElseTheDefaultWindowGetsTheMessage)
{
    const std::wstring closed = L"http://127.0.0.1:" + std::to_wstring(LoopbackServer::UnusedPort()) + L"/pic";
    CompletionWindow byDefault;
    CompletionWindow own;
    CTempFolder temp;
    {
        CHttpFileTransmit transmit(byDefault.Handle());
        ASSERT_EQ(1, transmit.DownloadFile(closed.c_str(), temp.Path(L"a").c_str(), own.Handle()));
        ASSERT_EQ(1, transmit.DownloadFile(closed.c_str(), temp.Path(L"b").c_str()));
        const auto ownDone = ExpectCompletion(own, FILE_TRAN_DOWNLOAD, -1, L"Error on HttpSendRequest 12029");
        const auto defaultDone = ExpectCompletion(byDefault, FILE_TRAN_DOWNLOAD, -1, L"Error on HttpSendRequest 12029");
        ASSERT_TRUE(ownDone && defaultDone);
        EXPECT_STREQ(temp.Path(L"a").c_str(), ownDone->m_strFile);
        EXPECT_STREQ(temp.Path(L"b").c_str(), defaultDone->m_strFile);
    }
    {
        CHttpFileTransmit transmit; // no default window: a job without one gets no message
        ASSERT_EQ(1, transmit.DownloadFile(closed.c_str(), temp.Path(L"c").c_str()));
        ASSERT_EQ(1, transmit.DownloadFile(closed.c_str(), temp.Path(L"d").c_str(), own.Handle()));
        ASSERT_TRUE(own.Wait()) << "the job behind it ran";
    }
    EXPECT_EQ(0u, own.Pending() + byDefault.Pending());
}

TEST(TransmitterTest, DestroyingOnTheReceivingThreadLetsTheWorkerFinishItsMessage)
{
    LoopbackServer server;
    server.SetScript({Behaviour::Drain});
    ASSERT_NE(0, server.Port());
    CTempFolder temp;
    ASSERT_TRUE(temp.Write(L"f", Pattern(3000)));
    CompletionWindow window;
    int messages = 0;
    int ret = -2;
    window.m_onMessage = [&](CFileTranRequest& request) {
        ++messages;
        ret = request.m_nRet;
    };
    auto transmit = std::make_unique<CHttpFileTransmit>(window.Handle());
    ASSERT_EQ(1, transmit->UploadFile(temp.Path(L"f").c_str(), server.Url(L"/up").c_str()));
    // The server has the whole upload: the worker is sending (or about to send) its message to
    // this thread, which does not take messages until the destructor waits.
    ASSERT_TRUE(server.WaitForRequests(1, 15000));
    EXPECT_LT(MillisecondsOf([&] { transmit.reset(); }), kStopBoundMs);
    EXPECT_EQ(1, messages) << "the message was lost with a worker ended by force";
    EXPECT_EQ(0, ret);
    window.Pending();
    EXPECT_EQ(1, messages);
}

// Replaces what module imports as `function` from `dll`; the import before, null when there is
// none.
void* ReplaceImport(HMODULE module, const char* dll, const char* function, void* replacement)
{
    BYTE* base = reinterpret_cast<BYTE*>(module);
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
         ++entry) {
        if (_stricmp(reinterpret_cast<char*>(base + entry->Name), dll) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) ||
                strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)->Name, function) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE, &protection);
            void* before = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection, &protection);
            return before;
        }
    }
    return nullptr;
}

HINTERNET WINAPI RefuseInternetOpen(LPCWSTR, DWORD, LPCWSTR, LPCWSTR, DWORD)
{
    SetLastError(ERROR_INTERNET_INTERNAL_ERROR);
    return nullptr;
}

TEST(TransmitterTest, WithoutASessionNoWorkerRunsAndEveryCallReturns0)
{
    const HMODULE framework = GetModuleHandleW(L"afxlite.dll");
    ASSERT_NE(nullptr, framework);
    void* original =
        ReplaceImport(framework, "wininet.dll", "InternetOpenW", reinterpret_cast<void*>(&RefuseInternetOpen));
    ASSERT_NE(nullptr, original) << "the framework does not import InternetOpenW";
    CompletionWindow window;
    auto transmit = std::make_unique<CHttpFileTransmit>(window.Handle());
    ReplaceImport(framework, "wininet.dll", "InternetOpenW", original);

    CTempFolder temp;
    ASSERT_TRUE(temp.Write(L"f", Pattern(10)));
    CString url = L"http://127.0.0.1/x";
    CString sip = L"1";
    CString session = L"s";
    EXPECT_EQ(0, transmit->UploadFile(temp.Path(L"f").c_str(), url));
    EXPECT_EQ(0, transmit->UploadFile(temp.Path(L"f").c_str(), url, sip, session));
    EXPECT_EQ(0, transmit->UploadFile(temp.Path(L"missing").c_str(), url)) << "no file is opened either";
    EXPECT_EQ(0, transmit->DownloadFile(url, temp.Path(L"g").c_str()));
    EXPECT_EQ(0, transmit->DownloadFile(url, sip, session, sip, temp.Path(L"g").c_str()));
    EXPECT_LT(MillisecondsOf([&] { transmit.reset(); }), kStopBoundMs);
    EXPECT_EQ(0u, window.Pending());
}

} // namespace
