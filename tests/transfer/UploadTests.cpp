// Uploads against loopback servers that read and check every byte, refuse, reset after the
// header or never read: the wire format, the length limits, file names outside the ANSI code
// page, and every failure a server or a file can cause.
#include "TransferTestSupport.h"

#include <memory>
#include <vector>

namespace {

using namespace transfertest;

const DWORD kLimit = 1048575; // the largest file an upload takes

LoopbackServer::Script Script(Behaviour behaviour)
{
    LoopbackServer::Script script;
    script.behaviour = behaviour;
    return script;
}

// Checks what the server read of one upload: header, part header, file and closing.
void ExpectUploadOnWire(const LoopbackServer::Request& request, const std::string& object, const std::string& file,
                        const std::string& bytes)
{
    const std::string body = ExpectedBody(file, bytes);
    EXPECT_EQ(file.size() + bytes.size() + 180, body.size());
    EXPECT_EQ(ExpectedHeader(object, "127.0.0.1", body.size()),
              request.requestLine + "\r\n" + request.headers + "\r\n");
    EXPECT_EQ(body.size(), request.body.size());
    EXPECT_TRUE(body == request.body) << "the body differs";
}

TEST(UploadTest, SendsTheFormByteForByteUpTo1048575Bytes)
{
    LoopbackServer server(Script(Behaviour::Drain));
    ASSERT_NE(0, server.Port());
    CTempFolder temp;
    struct Case {
        std::wstring file;
        size_t size;
        std::string fileOnWire; // empty: refused as too long, nothing sent
    };
    std::vector<Case> cases = {
        {temp.Path(L"photo.jpg"), 2500, Narrow(temp.Path(L"photo.jpg"))},
        {L"C:\\a.jpg", 100, "C:\\a.jpg"}, // Content-Length 288
        {temp.Path(L"limit"), kLimit, Narrow(temp.Path(L"limit"))},
        {temp.Path(L"over"), kLimit + 1, ""},
        {temp.Path(L"empty"), 0, ""},
    };
    // Code page 1252 lacks the two Chinese characters and the full-width quotation mark (whose
    // "best fit" would be '"'): each is sent as '_'.
    if (GetACP() == 1252)
        cases.push_back({temp.Path(L"\u56fe\u7247\uff02x.txt"), 10, Narrow(temp.Path()) + "\\___x.txt"});
    CompletionWindow window;
    CHttpFileTransmit transmit(window.Handle());
    CString url = server.Url(L"/up").c_str();
    CString sip = L"100";
    size_t sent = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(WriteFileBytes(c.file, Pattern(c.size)));
        ASSERT_EQ(1, transmit.UploadFile(c.file.c_str(), url, sip, L"s1"));
        const auto done = c.fileOnWire.empty()
                              ? ExpectCompletion(window, FILE_TRAN_UPLOAD, -1, L"File length is too long!")
                              : ExpectCompletion(window, FILE_TRAN_UPLOAD, 0, L"");
        DeleteFileW(c.file.c_str());
        ASSERT_TRUE(done);
        EXPECT_STREQ(L"100", done->m_strSip);
        EXPECT_STREQ(url + L"/sip=100&sessionid=s1", done->m_strUrl);
        EXPECT_EQ(c.size, done->m_dwLength);
        if (c.fileOnWire.empty())
            continue;
        ASSERT_TRUE(server.WaitForRequests(++sent, 5000));
        ExpectUploadOnWire(server.Requests()[sent - 1], "/up/sip=100&sessionid=s1", c.fileOnWire, Pattern(c.size));
    }
    EXPECT_EQ(sent, server.Requests().size()) << "a refused file makes no connection";
    EXPECT_NE(std::string::npos, server.Requests()[1].headers.find("Content-Length: 288\r\n"));
    EXPECT_EQ(0u, window.Pending()) << "one message per job";
}

TEST(UploadTest, EachFailureOfServerOrUrlHasItsText)
{
    LoopbackServer reset(Script(Behaviour::ResetAfterHead));
    ASSERT_NE(0, reset.Port());
    CTempFolder temp;
    ASSERT_TRUE(temp.Write(L"big", Pattern(kLimit)));
    const std::wstring file = temp.Path(L"big");
    const std::wstring closed = L"http://127.0.0.1:" + std::to_wstring(LoopbackServer::UnusedPort()) + L"/up";
    const struct {
        std::wstring url;
        const wchar_t* error;
    } cases[] = {
        {L"ftp://127.0.0.1/up", L"Http server's url is'nt right!"},
        {reset.Url(L"/a b"), L"Http server's url is'nt right!"},
        {reset.Url(L"/a\r\nX-Injected: 1"), L"Http server's url is'nt right!"},
        {L"http://no-such-host.invalid/up", L"Get server addr error!"},
        {closed, L"Connect server error!"},
        {reset.Url(L"/up"), L"Send file error"},
    };
    CompletionWindow window;
    CHttpFileTransmit transmit(window.Handle());
    for (const auto& c : cases) {
        ASSERT_EQ(1, transmit.UploadFile(file.c_str(), c.url.c_str()));
        SCOPED_TRACE(c.url);
        ExpectCompletion(window, FILE_TRAN_UPLOAD, -1, c.error);
    }
    ASSERT_TRUE(reset.WaitForRequests(1, 5000));
    EXPECT_EQ("POST /up HTTP/1.1", reset.Requests()[0].requestLine) << "the header went out before the reset";
    EXPECT_EQ(1u, reset.Requests().size()) << "refused URLs reach no server";
    EXPECT_EQ(0u, window.Pending()) << "one message per job";
}

TEST(UploadTest, AServerThatNeverReadsNeitherHangsTheWorkerNorTheDestructor)
{
    LoopbackServer server(Script(Behaviour::NeverRead));
    ASSERT_NE(0, server.Port());
    CTempFolder temp;
    ASSERT_TRUE(temp.Write(L"big", Pattern(kLimit)));
    CompletionWindow window;
    auto transmit = std::make_unique<CHttpFileTransmit>(window.Handle());
    int messages = 0;
    window.m_onMessage = [&](CFileTranRequest&) { ++messages; };
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(1, transmit->UploadFile(temp.Path(L"big").c_str(), server.Url(L"/up").c_str()));
    // The socket buffers may take the whole file, so the first job may end either way; it ends.
    ASSERT_TRUE(window.Wait());
    EXPECT_LT(MillisecondsOf([&] { transmit.reset(); }), kStopBoundMs);
    const int atDestruction = messages;
    window.Pending();
    EXPECT_EQ(atDestruction, messages) << "a message came after the destructor";
    EXPECT_LE(messages, 3);
}

TEST(UploadTest, AFileThatCannotBeOpenedRaisesTheFileExceptionAndQueuesNothing)
{
    CTempFolder temp;
    CompletionWindow window;
    CHttpFileTransmit transmit(window.Handle());
    for (const std::wstring& file : {temp.Path(L"missing.jpg"), std::wstring(L"NUL"), temp.Path(L"COM1")}) {
        SCOPED_TRACE(file);
        try {
            transmit.UploadFile(file.c_str(), L"http://127.0.0.1/up");
            ADD_FAILURE() << "no exception";
        } catch (CFileException* e) {
            EXPECT_EQ(0, CString(file.c_str()).CompareNoCase(e->m_strFileName));
            e->Delete();
        }
    }
    EXPECT_FALSE(window.Wait(200)) << "nothing was queued";
}

} // namespace
