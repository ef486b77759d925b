// The command channel against loopback servers: a normal answer reaches a real window as the
// posted message with the answer tree, UTF-8 travels intact both ways, and every failure comes
// back with its result and error text, each produced by a URL or a server that causes it.
#include "HttpTestSupport.h"

namespace {

using namespace httptest;
using Behaviour = LoopbackServer::Behaviour;

const char kNormalAnswer[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                             "<tavo><ret>0</ret><user id=\"7\" state=\"online\">Ann</user></tavo>";
const wchar_t kInitError[] = L"Initialize network error!";
const wchar_t kCommandError[] = L"Conver information of command error!";
const wchar_t kXmlError[] = L"String translate to xml has some error!";
const wchar_t kLateError[] = L"Error: the answer of the server did not come in time!";
// Expected error texts that are no fixed text: WinInet's own message, or any message.
const wchar_t kWinInetText[] = L"(WinInet's message)";
const wchar_t kAnyText[] = L"(any message)";

// One request through a fresh channel to url; the result that reaches the window.
Result RunOne(const wchar_t* url, CXmlTreeCtrl* tree = Command())
{
    ResultWindow window;
    CHttpComm comm(url, 0, window.Handle(), kResultMsg);
    EXPECT_EQ(0, comm.NewRequest(nullptr, 5, tree));
    return window.WaitForResult();
}

// A failed request: result -1, the command still in the tree and the expected error text.
void ExpectFailure(const Result& result, const wchar_t* error, const char* what)
{
    SCOPED_TRACE(what);
    ASSERT_TRUE(result.param) << "no result message";
    EXPECT_EQ(-1, result.param->GetRet());
    EXPECT_EQ(L"login", TextOf(*result.param, L"cmd"));
    const CString text = result.param->GetErrInfo();
    if (error == kAnyText || error == kWinInetText) {
        EXPECT_FALSE(text.IsEmpty());
        for (const wchar_t* fixed : {kInitError, kCommandError, kXmlError,
                                     L"Error: receive infomation maybe not whole!", L"error:can not connect server!"})
            EXPECT_TRUE(error == kAnyText || text != fixed) << text.GetString();
    } else {
        EXPECT_STREQ(error, text);
    }
}

TEST(HttpCommTest, NormalAnswerBecomesATreeAtTheRequestWindow)
{
    LoopbackServer server(Answer(kNormalAnswer));
    ASSERT_NE(0, server.Port());
    const int before = CountedAttributes::Alive();
    ResultWindow window;
    CHttpComm comm(server.Url(L"/service/cmd.php?v=2").c_str(), 0, window.Handle(), kResultMsg);
    CXmlTreeCtrl* tree = Command();
    EXPECT_EQ(0, comm.NewRequest(nullptr, 42, tree));

    Result result = window.WaitForResult();
    ASSERT_TRUE(result.param) << "no result message";
    EXPECT_EQ(kResultMsg, result.message);
    EXPECT_EQ(42u, result.type);
    EXPECT_EQ(0, result.param->GetRet());
    EXPECT_STREQ(L"", result.param->GetErrInfo());
    ASSERT_EQ(tree, result.param->GetParam()) << "the answer comes back in the command's own tree";
    // The answer replaced the command: root first, its children in reverse document order.
    EXPECT_STREQ(L"tavo", tree->GetFirstItem()->GetName());
    CXmlTreeItem* user = tree->GetFirstItem()->GetChild();
    EXPECT_STREQ(L"user", user->GetName());
    EXPECT_STREQ(L"Ann", user->GetText());
    CString id;
    EXPECT_TRUE(user->GetAttri() && user->GetAttri()->Lookup(L"id", id) && id == L"7");
    EXPECT_STREQ(L"ret", user->GetNext()->GetName());
    EXPECT_EQ(nullptr, tree->GetItemByName(L"cmd"));
    result.param.reset();
    EXPECT_EQ(before, CountedAttributes::Alive()) << "the command's tree leaked";

    const auto requests = server.Requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("POST /service/cmd.php?v=2 HTTP/1.0", requests[0].requestLine);
    EXPECT_NE(std::string::npos, requests[0].headers.find("User-Agent: Corvala chat command\r\n"));
    EXPECT_EQ(0u, requests[0].body.find("<tavo ver=\"1\">")) << requests[0].body;
    EXPECT_NE(std::string::npos, requests[0].body.find("<cmd>login</cmd>")) << requests[0].body;
    EXPECT_EQ(std::string::npos, requests[0].body.find('\0')) << "no terminating zero is sent";
}

// The server keeps the connection open after "</tavo>": the channel must not wait for its end.
TEST(HttpCommTest, Utf8TravelsIntactBothWaysAndInvalidBytesAreReplaced)
{
    // Long enough that the answer takes several reads, which split its 3- and 4-byte sequences.
    std::wstring chinese;
    for (int i = 0; i < 700; ++i)
        chinese += L"\u4e2d\u6587\u6d88\u606f\U0001F600";
    const std::wstring answer = L"<tavo><msg>" + chinese + L"</msg><n>\u00e9\u00e8</n></tavo>";
    LoopbackServer server(Answer(Utf8(answer), Behaviour::KeepOpen));
    ASSERT_NE(0, server.Port());
    Result result = RunOne(server.Url().c_str(), Command(L"\u4f60\u597d\uff0c\u4e16\u754c"));
    ASSERT_TRUE(result.param) << "no result message: the channel waited for the end of the connection?";
    EXPECT_EQ(0, result.param->GetRet()) << result.param->GetErrInfo().GetString();
    EXPECT_TRUE(TextOf(*result.param, L"msg") == chinese) << "the Chinese answer was altered";
    EXPECT_EQ(L"\u00e9\u00e8", TextOf(*result.param, L"n"));
    ASSERT_EQ(1u, server.Requests().size());
    EXPECT_NE(std::string::npos, server.Requests()[0].body.find(Utf8(L"<cmd>\u4f60\u597d\uff0c\u4e16\u754c</cmd>")))
        << "the command goes out as UTF-8";

    server.SetScript(Answer("<tavo><m>ok \xC3\x28 \xFF\xFE \xE4\xB8 end</m></tavo>"));
    result = RunOne(server.Url().c_str());
    ASSERT_TRUE(result.param) << "no result message";
    ASSERT_EQ(0, result.param->GetRet()) << result.param->GetErrInfo().GetString();
    const std::wstring text = TextOf(*result.param, L"m");
    EXPECT_EQ(0u, text.find(L"ok ")) << "the valid text around the bad bytes is kept";
    EXPECT_NE(std::wstring::npos, text.find(L'\xFFFD'));
    EXPECT_EQ(text.size() - 3, text.rfind(L"end"));
    server.SetScript(Answer("<ta\xFFvo>x</ta\xFFvo>\xC0"));
    ExpectFailure(RunOne(server.Url().c_str()), kAnyText, "bad bytes in a name");
}

TEST(HttpCommTest, UrlsThatAreNoHttpUrlsFailToInitialiseAndSendNothing)
{
    LoopbackServer server(Answer(kNormalAnswer));
    ASSERT_NE(0, server.Port());
    const std::wstring port = std::to_wstring(server.Port());
    const std::wstring https = L"https://127.0.0.1:" + port + L"/cmd", ftp = L"ftp://127.0.0.1:" + port + L"/cmd";
    for (const wchar_t* url : {https.c_str(), ftp.c_str(), L"not a url", L"", static_cast<const wchar_t*>(nullptr)}) {
        SCOPED_TRACE(testing::Message() << (url ? url : L"(null)"));
        ExpectFailure(RunOne(url), kInitError, "bad URL");
    }
    EXPECT_TRUE(server.Requests().empty());
}

TEST(HttpCommTest, EveryFailingServerGivesItsResult)
{
    const LoopbackServer::Script htmlPage = {Behaviour::Answer, "<html><body>Not found<br></body></html>", 404, 0,
                                             "text/html"};
    const std::wstring refused = L"http://127.0.0.1:" + std::to_wstring(LoopbackServer::UnusedPort()) + L"/cmd";
    struct Case {
        const char* what;
        LoopbackServer::Script script;
        const wchar_t* error;
        std::wstring url = L""; // the server's when empty
    };
    const Case cases[] = {
        {"empty answer", Answer(""), L""},
        {"not well-formed", Answer("<tavo><ret>0</tavo>"), kXmlError},
        {"text after </tavo> in the same read is kept", Answer("<tavo><ret>0</ret></tavo>trailing"), kXmlError},
        {"closed before the end", {Behaviour::CloseEarly, kNormalAnswer, 200, 30}, kXmlError},
        {"an HTML error page", htmlPage, kXmlError},
        {"reset before answering", Answer("", Behaviour::ResetAtOnce), kWinInetText},
        {"reset mid-answer",
         {Behaviour::Reset, "<tavo><list>" + std::string(5000, 'x') + "</list></tavo>", 200, 2500},
         kAnyText},
        {"connection refused", Answer(""), kWinInetText, refused},
    };
    LoopbackServer server;
    ASSERT_NE(0, server.Port());
    for (const Case& c : cases) {
        server.SetScript(c.script);
        ExpectFailure(RunOne(c.url.empty() ? server.Url().c_str() : c.url.c_str()), c.error, c.what);
    }
    EXPECT_EQ(std::size(cases) - 1, server.Requests().size());
}

// Endless, slow, exploding and failure-status answers end in a clear error within bounds; a
// "tavo" answer is one whatever its status.
TEST(HttpCommTest, HugeSlowExpandingAndFailureStatusAnswersAreRefused)
{
    std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE tavo [<!ENTITY a \"aaaaaaaaaa\">";
    for (char entity = 'b'; entity <= 'j'; ++entity) { // each entity ten of the one before
        laughs += std::string("<!ENTITY ") + entity + " \"";
        for (int i = 0; i < 10; ++i)
            laughs += std::string("&") + static_cast<char>(entity - 1) + ";";
        laughs += "\">";
    }
    laughs += "]><tavo>&j;</tavo>";
    LoopbackServer::Script endless = Answer("<tavo>" + std::string(65536, 'x'), Behaviour::Endless);
    std::string wide = "<tavo>";
    for (int i = 0; i < 200000; ++i) // with the root's two, 200,002 tags
        wide += "<i/>";
    wide += "</tavo>";
    std::string crowded = "<tavo><i"; // the parser reads one element's attributes in quadratic time
    for (int i = 0; i < 100000; ++i)
        crowded += " a" + std::to_string(i) + "='x>y'";
    crowded += "/></tavo>";
    LoopbackServer::Script trickle = Answer(kNormalAnswer, Behaviour::Trickle);
    trickle.trickleMs = 50;
    struct Case {
        const char* what;
        LoopbackServer::Script script;
        const wchar_t* error;
        DWORD deadlineMs = CHttpComm::kAnswerDeadlineMs;
    } cases[] = {
        {"endless", endless, L"Error: the answer of the server is longer than 8 MB!"},
        {"trickled", trickle, kLateError, 1000},
        {"entities", Answer(laughs), L"Error: an answer with a document type declaration is refused!"},
        {"wide", Answer(wide), L"Error: the answer of the server has more than 200000 tags!"},
        {"crowded", Answer(crowded), L"Error: an element of the answer of the server has more than 5000 attributes!"},
        {"status 500",
         {Behaviour::Answer, "<error>busy</error>", 500},
         L"Error: the server answered with HTTP status 500!"},
    };
    LoopbackServer server;
    ASSERT_NE(0, server.Port());
    for (const Case& c : cases) {
        server.SetScript(c.script);
        ResultWindow window;
        CBoundedComm comm(server.Url(), window.Handle(), c.deadlineMs);
        comm.NewRequest(nullptr, 5, Command());
        ExpectFailure(window.WaitForResult(), c.error, c.what);
    }
    server.SetScript({Behaviour::Answer, kNormalAnswer, 503});
    const Result served = RunOne(server.Url().c_str());
    ASSERT_TRUE(served.param);
    EXPECT_EQ(0, served.param->GetRet());
    EXPECT_EQ(L"Ann", TextOf(*served.param, L"user"));
}

// Servers that hold a request (silent, never reading, trickling the headers or the body) hold
// it only until its deadline, and the request queued behind it no longer; the channel then
// serves another server at once.
TEST(HttpCommTest, StalledServersHoldEachQueuedRequestOnlyUntilItsDeadline)
{
    LoopbackServer::Script trickledHead = Answer(kNormalAnswer, Behaviour::TrickleHead);
    trickledHead.trickleMs = 300; // the headers alone take half a minute
    LoopbackServer::Script trickledBody = Answer(kNormalAnswer, Behaviour::Trickle);
    trickledBody.trickleMs = 300;
    const struct {
        const char* what;
        LoopbackServer::Script script;
    } cases[] = {
        {"silent", Answer("", Behaviour::Stall)},
        {"never reads", Answer("", Behaviour::NeverRead)},
        {"trickled headers", trickledHead},
        {"trickled body", trickledBody},
    };
    LoopbackServer good(Answer(kNormalAnswer));
    ASSERT_NE(0, good.Port());
    for (const auto& c : cases) {
        LoopbackServer server(c.script);
        ASSERT_NE(0, server.Port());
        ResultWindow window;
        CBoundedComm comm(server.Url(), window.Handle(), 250);
        comm.NewRequest(nullptr, 1, Command());
        comm.NewRequest(nullptr, 2, Command());
        for (UINT type = 1; type <= 2; ++type) {
            const Result late = window.WaitForResult(5000);
            ExpectFailure(late, kLateError, c.what);
            EXPECT_EQ(type, late.type) << c.what;
        }
        EXPECT_FALSE(comm.HasSession()) << c.what << ": WinInet still holds the request given up";
        comm.SetServParam(good.Url().c_str(), 0);
        comm.NewRequest(nullptr, 3, Command());
        const Result served = window.WaitForResult(5000);
        ASSERT_TRUE(served.param) << c.what;
        EXPECT_EQ(0, served.param->GetRet()) << c.what << ": " << served.param->GetErrInfo().GetString();
    }
}

// Commands that convert to nothing, or only in part, are answered as unconvertible and never
// sent: half a command would be another command to the server.
TEST(HttpCommTest, RequestsWithoutTreeOrThatConvertOnlyInPartSendNothing)
{
    LoopbackServer server(Answer(kNormalAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CHttpComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    // The queue runs in order, so a message for the tree-less request would come first.
    comm.NewRequest(nullptr, 1, nullptr);
    comm.NewRequest(nullptr, 2, new CXmlTreeCtrl);
    auto* declarationOnly = new CXmlTreeCtrl; // the declaration item of a read document, no element
    declarationOnly->InsertItem(L"xml", L"", new CountedAttributes);
    comm.NewRequest(nullptr, 3, declarationOnly);
    CXmlTreeCtrl* refusedItem = Command(); // an unnamed item, which the XML component refuses
    refusedItem->InsertItem(L"", L"lost", nullptr, refusedItem->GetFirstItem());
    refusedItem->InsertItem(L"after", L"also lost", nullptr, refusedItem->GetFirstItem());
    comm.NewRequest(nullptr, 4, refusedItem);
    comm.NewRequest(nullptr, 5, Command());
    for (UINT type = 2; type <= 5; ++type) {
        Result result = window.WaitForResult();
        ASSERT_TRUE(result.param) << "no result message for " << type;
        EXPECT_EQ(type, result.type);
        EXPECT_EQ(type == 5 ? 0 : -1, result.param->GetRet());
        EXPECT_STREQ(type == 5 ? L"" : kCommandError, result.param->GetErrInfo());
    }
    ASSERT_EQ(1u, server.Requests().size());
    EXPECT_EQ(std::string::npos, server.Requests()[0].body.find("lost"));
}

// The setters may run while the worker works: the next request goes to the new server and
// its result comes as the new message.
TEST(HttpCommTest, ServerAndMessageChangedWhileRunningApplyToTheNextRequest)
{
    LoopbackServer first(Answer(kNormalAnswer));
    LoopbackServer second(Answer(kNormalAnswer));
    ASSERT_NE(0, first.Port());
    ASSERT_NE(0, second.Port());
    ResultWindow window;
    CHttpComm comm(first.Url().c_str(), 0, window.Handle(), kResultMsg);
    comm.NewRequest(nullptr, 1, Command());
    ASSERT_TRUE(first.WaitForRequests(1, 15000));
    comm.SetServParam(second.Url().c_str(), 0);
    comm.SetMsgParam(window.Handle(), kResultMsg + 1);
    comm.NewRequest(nullptr, 2, Command());
    Result result = window.WaitForResult();
    ASSERT_TRUE(result.param);
    result = window.WaitForResult();
    ASSERT_TRUE(result.param);
    EXPECT_EQ(2u, result.type);
    EXPECT_EQ(kResultMsg + 1, result.message);
    EXPECT_EQ(0, result.param->GetRet());
    EXPECT_EQ(1u, second.Requests().size());
    EXPECT_EQ(1u, first.Requests().size());
}

} // namespace
