// Uploads against loopback servers that read and check every byte, refuse, reset after the
// header or never read: the wire format, the length limits, file names outside the ANSI code
// page, and every failure a server or a file can cause.
#include "TransferTestSupport.h"

#include <memory>

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

TEST(UploadTest, SendsTheFormByteForByteAsTheFileServerReadsIt)
{
    LoopbackServer server(Script(Behaviour::Drain));
    ASSERT_NE(0, server.Port());
    CTempFolder temp;
    ASSERT_TRUE(temp.Write(L"photo.jpg", Pattern(2500)));
    CompletionWindow window;
    CHttpFileTransmit transmit(window.Handle());

    CString url = server.Url(L"/up").c_str();
    CString sip = L"100";
    const CString path = temp.Path(L"photo.jpg").c_str();
    ASSERT_EQ(1, transmit.UploadFile(path, url, sip, L"s1"));
    const auto done = ExpectCompletion(window, FILE_TRAN_UPLOAD, 0, L"");
    ASSERT_TRUE(done);
    EXPECT_STREQ(L"100", done->m_strSip);
    EXPECT_STREQ(url + L"/sip=100&sessionid=s1", done->m_strUrl);
    EXPECT_STREQ(path, done->m_strFile);
    EXPECT_EQ(2500u, done->m_dwLength);
    EXPECT_EQ(FILE_TRAN_UPLOAD, done->m_nType);
    EXPECT_GE(done->m_nId, 1u);
    EXPECT_LE(done->m_nId, 1000u);
    ASSERT_TRUE(server.WaitForRequests(1, 5000));
    ExpectUploadOnWire(server.Requests()[0], "/up/sip=100&sessionid=s1", Narrow(temp.Path(L"photo.jpg")),
                       Pattern(2500));
}

TEST(UploadTest, AnEightBytePathAndAHundredBytesGiveContentLength288)
{
    LoopbackServer server(Script(Behaviour::Drain));
    ASSERT_NE(0, server.Port());
    const wchar_t kPath[] = L"C:\\a.jpg";
    ASSERT_TRUE(WriteFileBytes(kPath, Pattern(100)));
    CompletionWindow window;
    {
        CHttpFileTransmit transmit(window.Handle());
        ASSERT_EQ(1, transmit.UploadFile(kPath, server.Url(L"/plain").c_str()));
        const auto done = ExpectCompletion(window, FILE_TRAN_UPLOAD, 0, L"");
        ASSERT_TRUE(done);
        EXPECT_STREQ(L"", done->m_strSip) << "the plain form names no SIP number";
        EXPECT_STREQ(server.Url(L"/plain").c_str(), done->m_strUrl);
    }
    DeleteFileW(kPath);
    ASSERT_TRUE(server.WaitForRequests(1, 5000));
    const LoopbackServer::Request request = server.Requests()[0];
    EXPECT_NE(std::string::npos, request.headers.find("Content-Length: 288\r\n"));
    ExpectUploadOnWire(request, "/plain", "C:\\a.jpg", Pattern(100));
}

TEST(UploadTest, TakesUpTo1048575BytesAndRefusesMoreOrNothing)
{
    LoopbackServer server(Script(Behaviour::Drain));
    ASSERT_NE(0, server.Port());
    CTempFolder temp;
    ASSERT_TRUE(temp.Write(L"limit", Pattern(kLimit)));
    ASSERT_TRUE(temp.Write(L"over", Pattern(kLimit + 1)));
    ASSERT_TRUE(temp.Write(L"empty", ""));
    CompletionWindow window;
    CHttpFileTransmit transmit(window.Handle());

    for (const wchar_t* name : {L"over", L"limit", L"empty"})
        ASSERT_EQ(1, transmit.UploadFile(temp.Path(name).c_str(), server.Url(L"/up").c_str()));
    ExpectCompletion(window, FILE_TRAN_UPLOAD, -1, L"File length is too long!");
    ExpectCompletion(window, FILE_TRAN_UPLOAD, 0, L"");
    ExpectCompletion(window, FILE_TRAN_UPLOAD, -1, L"File length is too long!");
    ASSERT_TRUE(server.WaitForRequests(1, 5000));
    ExpectUploadOnWire(server.Requests()[0], "/up", Narrow(temp.Path(L"limit")), Pattern(kLimit));
    EXPECT_EQ(1u, server.Requests().size()) << "a refused file makes no connection";
}

TEST(UploadTest, ANameOutsideTheAnsiCodePageIsSentWithUnderscoresForTheMissingCharacters)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the characters chosen are missing from code page 1252 only";
    LoopbackServer server(Script(Behaviour::Drain));
    ASSERT_NE(0, server.Port());
    CTempFolder temp;
    // Two Chinese characters, and a full-width quotation mark whose "best fit" would be '"'.
    const std::wstring name = L"\u56fe\u7247\uff02x.txt";
    ASSERT_TRUE(temp.Write(name, Pattern(10)));
    CompletionWindow window;
    CHttpFileTransmit transmit(window.Handle());
    ASSERT_EQ(1, transmit.UploadFile(temp.Path(name).c_str(), server.Url(L"/up").c_str()));
    ExpectCompletion(window, FILE_TRAN_UPLOAD, 0, L"");
    ASSERT_TRUE(server.WaitForRequests(1, 5000));
    ExpectUploadOnWire(server.Requests()[0], "/up", Narrow(temp.Path()) + "\\___x.txt", Pattern(10));
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
