// Picture downloads against loopback servers that answer with the picture type, other types or
// none, cut the body short, reset mid-body, never answer, or are not there; local files that
// cannot be made.
#include "TransferTestSupport.h"

#include <fstream>
#include <iterator>
#include <memory>

namespace {

using namespace transfertest;

std::string FileBytes(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

LoopbackServer::Script Picture(const std::string& type, Behaviour behaviour = Behaviour::Answer, size_t size = 5000,
                               size_t cut = 0)
{
    LoopbackServer::Script script;
    script.behaviour = behaviour;
    script.body = Pattern(size);
    script.cut = cut;
    script.contentType = type;
    return script;
}

TEST(DownloadTest, SavesAnImageJpgAnswerWholeAndAnythingElseLeavesNoFile)
{
    LoopbackServer server(Picture("image/jpg"));
    ASSERT_NE(0, server.Port());
    CTempFolder temp;
    CompletionWindow window;
    CHttpFileTransmit transmit(window.Handle());

    CString url = server.Url(L"/pic").c_str();
    CString mysip = L"1";
    CString session = L"s";
    CString destsip = L"2";
    ASSERT_EQ(1, transmit.DownloadFile(url, mysip, session, destsip, temp.Path(L"p.jpg").c_str()));
    const auto done = ExpectCompletion(window, FILE_TRAN_DOWNLOAD, 0, L"");
    ASSERT_TRUE(done);
    EXPECT_STREQ(L"2", done->m_strSip);
    EXPECT_EQ(0u, done->m_dwLength);
    EXPECT_TRUE(Pattern(5000) == FileBytes(temp.Path(L"p.jpg"))) << "the picture differs";
    ASSERT_EQ(1u, server.Requests().size());
    EXPECT_EQ("GET /pic/mysip=1&sessionid=s&destsip=2 HTTP/1.0", server.Requests()[0].requestLine);

    // Answers that are no whole image/jpg leave no file.
    const struct {
        const char* what;
        LoopbackServer::Script script;
        const wchar_t* error;
    } cases[] = {
        {"the standard JPEG type", Picture("image/jpeg"), L"Error:file not found!"},
        {"no Content-Type", Picture(""), L"Error:file not found!"},
        {"an error page", Picture("text/html"), L"Error:file not found!"},
        {"a body cut short", Picture("image/jpg", Behaviour::CloseEarly, 5000, 100), L""},
        {"a reset mid-body", Picture("image/jpg", Behaviour::Reset, 50000, 20000), L""},
        {"a declared length over 16 MiB", Picture("image/jpg", Behaviour::CloseEarly, 16 * 1048576 + 1, 10),
         L"File length is too long!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server.SetScript(c.script);
        ASSERT_EQ(1, transmit.DownloadFile(server.Url(L"/pic").c_str(), temp.Path(L"q.jpg").c_str()));
        ExpectCompletion(window, FILE_TRAN_DOWNLOAD, -1, c.error);
        EXPECT_FALSE(Exists(temp.Path(L"q.jpg")));
    }
}

TEST(DownloadTest, UnreachableServersAndUnwritableFilesFailAndTheWorkerGoesOn)
{
    LoopbackServer server(Picture("image/jpg"));
    ASSERT_NE(0, server.Port());
    CTempFolder temp;
    const std::wstring closed = L"http://127.0.0.1:" + std::to_wstring(LoopbackServer::UnusedPort()) + L"/pic";
    const struct {
        std::wstring url;
        std::wstring file;
        const wchar_t* error;
    } cases[] = {
        {L"ftp://127.0.0.1/pic", temp.Path(L"a.jpg"), L"Http server's url is'nt right!"},
        {closed, temp.Path(L"a.jpg"), L"Error on HttpSendRequest 12029"},
        {server.Url(L"/pic"), temp.Path(L"no folder\\a.jpg"), L"Create local file error!"},
        {server.Url(L"/pic"), L"NUL", L"Create local file error!"},
        {server.Url(L"/pic"), temp.Path(L"a.jpg"), L""},
    };
    CompletionWindow window;
    CHttpFileTransmit transmit(window.Handle());
    for (const auto& c : cases)
        ASSERT_EQ(1, transmit.DownloadFile(c.url.c_str(), c.file.c_str()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url + L" -> " + c.file);
        ExpectCompletion(window, FILE_TRAN_DOWNLOAD, *c.error ? -1 : 0, c.error);
    }
    EXPECT_TRUE(Pattern(5000) == FileBytes(temp.Path(L"a.jpg")));
}

TEST(DownloadTest, DestroyingDuringADownloadFromASilentServerEndsItOnceAndDropsTheQueue)
{
    LoopbackServer server(Picture("image/jpg", Behaviour::Stall));
    ASSERT_NE(0, server.Port());
    CTempFolder temp;
    CompletionWindow window;
    auto transmit = std::make_unique<CHttpFileTransmit>(window.Handle());
    int messages = 0;
    window.m_onMessage = [&](CFileTranRequest& request) {
        ++messages;
        EXPECT_EQ(-1, request.m_nRet);
        EXPECT_STREQ(L"", request.m_strErrInfo);
    };
    ASSERT_EQ(1, transmit->DownloadFile(server.Url(L"/1").c_str(), temp.Path(L"1.jpg").c_str()));
    ASSERT_EQ(1, transmit->DownloadFile(server.Url(L"/2").c_str(), temp.Path(L"2.jpg").c_str()));
    ASSERT_TRUE(server.WaitForRequests(1, 15000));

    EXPECT_LT(MillisecondsOf([&] { transmit.reset(); }), kStopBoundMs);
    EXPECT_EQ(1, messages) << "the job in progress ends with one message, the queued one with none";
    window.Pending();
    EXPECT_EQ(1, messages) << "no message after the destructor";
    EXPECT_FALSE(Exists(temp.Path(L"1.jpg")));
    EXPECT_EQ(1u, server.Requests().size());
}

} // namespace
