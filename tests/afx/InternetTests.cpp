// Internet classes against a loopback HTTP server started by the tests: URL splitting, requests
// with headers and bodies (in one piece and written in parts), status and header queries, and the
// exceptions of refused and reset connections. Reading a connection left open and closing a
// blocked request from another thread are the library's request path, tested in tests/http.
#include "../common/LoopbackServer.h"

#include <afxinet.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Runs action; the error code of the CInternetException it throws (deleted here), 0 for none.
template <typename Action>
DWORD InternetErrorOf(Action action)
{
    try {
        action();
    } catch (CInternetException* e) {
        const DWORD error = e->m_dwError;
        e->Delete();
        return error;
    }
    return 0;
}

std::string ReadAll(CHttpFile& file)
{
    std::string body;
    char buffer[7]; // small, so that the body takes several reads
    UINT read;
    while ((read = file.Read(buffer, sizeof(buffer))) > 0)
        body.append(buffer, read);
    return body;
}

struct Exchange {
    CInternetSession session{L"afx internet test", 7, INTERNET_OPEN_TYPE_DIRECT};
    std::unique_ptr<CHttpConnection> connection;
    std::unique_ptr<CHttpFile> file;

    // verb: a text or one of the HTTP_VERB_ numbers.
    template <typename Verb>
    Exchange(USHORT port, Verb verb, LPCTSTR object = L"/x", LPCTSTR version = nullptr)
    {
        connection.reset(session.GetHttpConnection(L"127.0.0.1", static_cast<INTERNET_PORT>(port)));
        file.reset(connection->OpenRequest(verb, object, nullptr, 9, nullptr, version,
                                           INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD));
    }
};

TEST(AfxParseUrlTest, SplitsServiceServerObjectAndPortAndRefusesWhatIsNoUrl)
{
    struct Case {
        LPCTSTR url;
        DWORD service;
        LPCTSTR server;
        LPCTSTR object;
        INTERNET_PORT port;
    };
    const Case cases[] = {
        {L"http://example.org:8080/cmd/run.php?id=7&x=1", AFX_INET_SERVICE_HTTP, L"example.org",
         L"/cmd/run.php?id=7&x=1", 8080},
        {L"http://example.org", AFX_INET_SERVICE_HTTP, L"example.org", L"/", INTERNET_DEFAULT_HTTP_PORT},
        {L"https://secure.example.org/a", AFX_INET_SERVICE_HTTPS, L"secure.example.org", L"/a",
         INTERNET_DEFAULT_HTTPS_PORT},
        {L"ftp://files.example.org/pub/readme.txt", AFX_INET_SERVICE_FTP, L"files.example.org", L"/pub/readme.txt", 21},
    };
    for (const Case& c : cases) {
        DWORD service = 0;
        CString server, object;
        INTERNET_PORT port = 0;
        ASSERT_TRUE(AfxParseURL(c.url, service, server, object, port)) << c.url;
        EXPECT_EQ(c.service, service) << c.url;
        EXPECT_STREQ(c.server, server) << c.url;
        EXPECT_STREQ(c.object, object) << c.url;
        EXPECT_EQ(c.port, port) << c.url;
    }

    for (LPCTSTR url : {static_cast<LPCTSTR>(nullptr), L"", L"no url at all", L"example.org/cmd", L"http://",
                        L"unknownscheme://host/x"}) {
        DWORD service = 0;
        CString server = L"old", object = L"old";
        INTERNET_PORT port = 99;
        EXPECT_FALSE(AfxParseURL(url, service, server, object, port)) << (url ? url : L"(null)");
        EXPECT_EQ(static_cast<DWORD>(AFX_INET_SERVICE_UNK), service);
        EXPECT_TRUE(server.IsEmpty() && object.IsEmpty() && port == 0);
    }
}

TEST(HttpFileTest, GetWithHeadersReadsStatusHeadersAndBody)
{
    LoopbackServer::Script script;
    script.body = "<tavo>hello, loopback</tavo>";
    LoopbackServer server(script);
    ASSERT_NE(0, server.Port());

    Exchange exchange(server.Port(), L"GET", L"/path/page?q=1");
    CHttpFile& file = *exchange.file;
    EXPECT_TRUE(file.AddRequestHeaders(L"X-First: one\r\n"));
    EXPECT_TRUE(file.AddRequestHeaders(CString(L"X-Second: two\r\n")));
    EXPECT_TRUE(file.SendRequest());

    DWORD status = 0;
    ASSERT_TRUE(file.QueryInfoStatusCode(status));
    EXPECT_EQ(200u, status);
    CString type;
    ASSERT_TRUE(file.QueryInfo(HTTP_QUERY_CONTENT_TYPE, type));
    EXPECT_STREQ(L"text/xml; charset=utf-8", type);
    DWORD length = 0;
    ASSERT_TRUE(file.QueryInfo(HTTP_QUERY_CONTENT_LENGTH, length));
    EXPECT_EQ(script.body.size(), length);

    EXPECT_EQ(script.body, ReadAll(file));
    EXPECT_EQ(0u, file.Read(&status, sizeof(status))) << "the end of the data stays the end";

    const auto requests = server.Requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(0u, requests[0].requestLine.find("GET /path/page?q=1 HTTP/1."));
    EXPECT_NE(std::string::npos, requests[0].headers.find("X-First: one\r\n"));
    EXPECT_NE(std::string::npos, requests[0].headers.find("X-Second: two\r\n"));
    EXPECT_NE(std::string::npos, requests[0].headers.find("User-Agent: afx internet test\r\n"));
}

TEST(HttpFileTest, PostSendsTheBodyInOnePieceOrWrittenInParts)
{
    LoopbackServer::Script script;
    script.status = 404;
    LoopbackServer server(script);
    ASSERT_NE(0, server.Port());

    std::string body = "<tavo><cmd>one piece</cmd></tavo>";
    {
        Exchange exchange(server.Port(), L"POST", L"/cmd", L"HTTP/1.0");
        EXPECT_TRUE(exchange.file->SendRequest(CString(L"Content-Type: text/xml\r\n"), &body[0],
                                               static_cast<DWORD>(body.size())));
        DWORD status = 0;
        ASSERT_TRUE(exchange.file->QueryInfoStatusCode(status));
        EXPECT_EQ(404u, status);
    }
    {
        Exchange exchange(server.Port(), CHttpConnection::HTTP_VERB_PUT, L"/parts");
        const std::string first = "written ", second = "in parts";
        EXPECT_TRUE(exchange.file->SendRequestEx(static_cast<DWORD>(first.size() + second.size())));
        exchange.file->Write(first.data(), static_cast<UINT>(first.size()));
        exchange.file->Write(second.data(), static_cast<UINT>(second.size()));
        EXPECT_TRUE(exchange.file->EndRequest());
    }
    const auto requests = server.Requests();
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ("POST /cmd HTTP/1.0", requests[0].requestLine);
    EXPECT_EQ(body, requests[0].body);
    EXPECT_NE(std::string::npos, requests[0].headers.find("Content-Type: text/xml\r\n"));
    EXPECT_EQ(0u, requests[1].requestLine.find("PUT /parts "));
    EXPECT_EQ("written in parts", requests[1].body);
}

TEST(HttpFileTest, RefusedOrResetConnectionsAndBadVerbsThrowInternetExceptions)
{
    const USHORT refused = LoopbackServer::UnusedPort();
    ASSERT_NE(0, refused);
    Exchange exchange(refused, L"GET");
    try {
        exchange.file->SendRequest();
        FAIL() << "a refused connection was sent";
    } catch (CInternetException* e) {
        EXPECT_EQ(static_cast<DWORD>(ERROR_INTERNET_CANNOT_CONNECT), e->m_dwError);
        EXPECT_EQ(9u, e->m_dwContext);
        e->Delete();
    }
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER),
              InternetErrorOf([&] { delete exchange.connection->OpenRequest(7, L"/"); }));

    LoopbackServer::Script script;
    script.behaviour = LoopbackServer::Behaviour::ResetAtOnce;
    LoopbackServer server(script);
    ASSERT_NE(0, server.Port());
    Exchange reset(server.Port(), L"GET");
    EXPECT_NE(0u, InternetErrorOf([&] { reset.file->SendRequest(); }));
}

} // namespace
