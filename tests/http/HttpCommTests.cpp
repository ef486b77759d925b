// The command channel against loopback servers: a normal answer reaches a real window as the
// posted message with the answer tree, UTF-8 travels intact both ways, and every failure comes
// back with its result and error text, each produced by a URL or a server that causes it.
#include "HttpTestSupport.h"

#include <afxinet.h>

namespace {

using httptest::Answer;
using httptest::Command;
using httptest::kResultMsg;
using httptest::ResultWindow;
using httptest::TextOf;
using httptest::Utf8;
using Behaviour = LoopbackServer::Behaviour;

const char kNormalAnswer[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                             "<tavo><ret>0</ret><user id=\"7\" state=\"online\">Ann</user></tavo>";

// One request through a fresh channel to url; the result that reaches the window.
httptest::Result RunOne(const std::wstring& url, CXmlTreeCtrl* tree, UINT type = 5)
{
    ResultWindow window;
    CHttpComm comm(url.c_str(), 0, window.Handle(), kResultMsg);
    EXPECT_EQ(0, comm.NewRequest(nullptr, type, tree));
    return window.WaitForResult();
}

// A failed request: result -1 and the command still in the tree.
void ExpectFailedWithCommandKept(const httptest::Result& result)
{
    ASSERT_TRUE(result.param) << "no result message";
    EXPECT_EQ(-1, result.param->GetRet());
    ASSERT_NE(nullptr, result.param->GetParam());
    EXPECT_EQ(L"login", TextOf(*result.param, L"cmd"));
}

TEST(HttpCommTest, NormalAnswerBecomesATreeAtTheRequestWindow)
{
    LoopbackServer server(Answer(kNormalAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CHttpComm comm(server.Url(L"/service/cmd.php?v=2").c_str(), 0, window.Handle(), kResultMsg);
    CXmlTreeCtrl* tree = Command();
    EXPECT_EQ(0, comm.NewRequest(nullptr, 42, tree));

    httptest::Result result = window.WaitForResult();
    ASSERT_TRUE(result.param) << "no result message";
    EXPECT_EQ(kResultMsg, result.message);
    EXPECT_EQ(42u, result.type);
    const CHttpCommParam& param = *result.param;
    EXPECT_EQ(0, param.GetRet());
    EXPECT_STREQ(L"", param.GetErrInfo());
    EXPECT_EQ(42u, param.GetType());
    EXPECT_EQ(window.Handle(), param.GetMsgWnd());
    ASSERT_EQ(tree, param.GetParam()) << "the answer comes back in the command's own tree";

    // The answer replaced the command: root first, its children in reverse document order.
    CXmlTreeItem* root = tree->GetFirstItem();
    ASSERT_NE(nullptr, root);
    EXPECT_STREQ(L"tavo", root->GetName());
    CXmlTreeItem* user = root->GetChild();
    ASSERT_NE(nullptr, user);
    EXPECT_STREQ(L"user", user->GetName());
    EXPECT_STREQ(L"Ann", user->GetText());
    CString id;
    ASSERT_NE(nullptr, user->GetAttri());
    EXPECT_TRUE(user->GetAttri()->Lookup(L"id", id));
    EXPECT_STREQ(L"7", id);
    ASSERT_NE(nullptr, user->GetNext());
    EXPECT_STREQ(L"ret", user->GetNext()->GetName());
    EXPECT_EQ(nullptr, tree->GetItemByName(L"cmd"));

    const auto requests = server.Requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("POST /service/cmd.php?v=2 HTTP/1.0", requests[0].requestLine);
    EXPECT_NE(std::string::npos, requests[0].headers.find("User-Agent: Corvala chat command\r\n"));
    EXPECT_EQ(0u, requests[0].body.find("<tavo ver=\"1\">")) << requests[0].body;
    EXPECT_NE(std::string::npos, requests[0].body.find("<cmd>login</cmd>")) << requests[0].body;
    EXPECT_EQ(std::string::npos, requests[0].body.find('\0')) << "no terminating zero is sent";
}

TEST(HttpCommTest, Utf8TravelsIntactBothWays)
{
    // Long enough that the answer takes several reads, which split its 3- and 4-byte sequences.
    std::wstring chinese;
    for (int i = 0; i < 700; ++i)
        chinese += L"\u4e2d\u6587\u6d88\u606f\U0001F600";
    LoopbackServer server(Answer(Utf8(L"<tavo><msg>" + chinese + L"</msg><n>\u00e9\u00e8</n></tavo>")));
    ASSERT_NE(0, server.Port());

    httptest::Result result = RunOne(server.Url(), Command(L"\u4f60\u597d\uff0c\u4e16\u754c"));
    ASSERT_TRUE(result.param) << "no result message";
    EXPECT_EQ(0, result.param->GetRet()) << result.param->GetErrInfo().GetString();
    EXPECT_TRUE(TextOf(*result.param, L"msg") == chinese) << "the Chinese answer was altered";
    EXPECT_EQ(L"\u00e9\u00e8", TextOf(*result.param, L"n"));

    const auto requests = server.Requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_NE(std::string::npos, requests[0].body.find(Utf8(L"<cmd>\u4f60\u597d\uff0c\u4e16\u754c</cmd>")))
        << "the command goes out as UTF-8";
}

TEST(HttpCommTest, UrlsThatAreNoHttpUrlsFailToInitialise)
{
    LoopbackServer server(Answer(kNormalAnswer));
    ASSERT_NE(0, server.Port());
    const std::wstring port = std::to_wstring(server.Port());
    for (const std::wstring& url : {L"https://127.0.0.1:" + port + L"/cmd", L"ftp://127.0.0.1:" + port + L"/cmd",
                                    std::wstring(L"not a url"), std::wstring()}) {
        httptest::Result result = RunOne(url, Command());
        ExpectFailedWithCommandKept(result);
        if (result.param) {
            EXPECT_STREQ(L"Initialize network error!", result.param->GetErrInfo()) << url;
        }
    }
    {
        ResultWindow window;
        CHttpComm comm(nullptr, 0, window.Handle(), kResultMsg);
        comm.NewRequest(nullptr, 1, Command());
        httptest::Result result = window.WaitForResult();
        ExpectFailedWithCommandKept(result);
        if (result.param) {
            EXPECT_STREQ(L"Initialize network error!", result.param->GetErrInfo()) << "null URL";
        }
    }
    EXPECT_TRUE(server.Requests().empty()) << "nothing may be sent";
}

TEST(HttpCommTest, EmptyCommandTreeFailsAndSendsNothing)
{
    LoopbackServer server(Answer(kNormalAnswer));
    ASSERT_NE(0, server.Port());
    httptest::Result result = RunOne(server.Url(), new CXmlTreeCtrl);
    ASSERT_TRUE(result.param) << "no result message";
    EXPECT_EQ(-1, result.param->GetRet());
    EXPECT_STREQ(L"Conver information of command error!", result.param->GetErrInfo());
    EXPECT_TRUE(server.Requests().empty());
}

TEST(HttpCommTest, AnswersThatAreNoDocumentsFail)
{
    struct Case {
        const char* what;
        LoopbackServer::Script script;
        const wchar_t* error;
    };
    LoopbackServer::Script earlyClose = Answer(kNormalAnswer, Behaviour::CloseEarly);
    earlyClose.cut = 30;
    const Case cases[] = {
        {"empty answer", Answer(""), L""},
        {"not well-formed", Answer("<tavo><ret>0</tavo>"), L"String translate to xml has some error!"},
        {"text after </tavo> in the same read is kept", Answer("<tavo><ret>0</ret></tavo>trailing"),
         L"String translate to xml has some error!"},
        {"closed before the end", earlyClose, L"String translate to xml has some error!"},
        {"an HTML error page", [] {
             auto s = Answer("<html><body>Not found<br></body></html>");
             s.status = 404;
             s.contentType = "text/html";
             return s;
         }(),
         L"String translate to xml has some error!"},
    };
    LoopbackServer server;
    ASSERT_NE(0, server.Port());
    for (const Case& c : cases) {
        server.SetScript(c.script);
        httptest::Result result = RunOne(server.Url(), Command());
        ExpectFailedWithCommandKept(result);
        if (result.param) {
            EXPECT_STREQ(c.error, result.param->GetErrInfo()) << c.what;
        }
    }
    EXPECT_EQ(std::size(cases), server.Requests().size());
}

TEST(HttpCommTest, WinInetErrorsReportTheirOwnText)
{
    const wchar_t* const fixedTexts[] = {L"Initialize network error!", L"Conver information of command error!",
                                         L"String translate to xml has some error!",
                                         L"Error: receive infomation maybe not whole!",
                                         L"error:can not connect server!"};
    LoopbackServer reset(Answer("", Behaviour::ResetAtOnce));
    ASSERT_NE(0, reset.Port());
    const std::wstring refused = L"http://127.0.0.1:" + std::to_wstring(LoopbackServer::UnusedPort()) + L"/cmd";

    for (const std::wstring& url : {refused, reset.Url()}) {
        httptest::Result result = RunOne(url, Command());
        ExpectFailedWithCommandKept(result);
        if (!result.param)
            continue;
        const CString err = result.param->GetErrInfo();
        EXPECT_FALSE(err.IsEmpty()) << url;
        for (const wchar_t* text : fixedTexts)
            EXPECT_STRNE(text, err) << url;
    }
}

TEST(HttpCommTest, ResetInTheMiddleOfTheAnswerFails)
{
    LoopbackServer::Script script = Answer("<tavo><list>" + std::string(5000, 'x') + "</list></tavo>", Behaviour::Reset);
    script.cut = 2500;
    LoopbackServer server(script);
    ASSERT_NE(0, server.Port());
    httptest::Result result = RunOne(server.Url(), Command());
    ExpectFailedWithCommandKept(result);
    if (result.param) {
        EXPECT_FALSE(result.param->GetErrInfo().IsEmpty());
    }
}

TEST(HttpCommTest, ServerThatKeepsTheConnectionOpenAfterTheAnswerIsNotWaitedFor)
{
    LoopbackServer server(Answer("<tavo><ret>0</ret></tavo>", Behaviour::KeepOpen));
    ASSERT_NE(0, server.Port());
    httptest::Result result = RunOne(server.Url(), Command());
    ASSERT_TRUE(result.param) << "the channel waited for the end of the connection";
    EXPECT_EQ(0, result.param->GetRet()) << result.param->GetErrInfo().GetString();
    EXPECT_EQ(L"0", TextOf(*result.param, L"ret"));
}

TEST(HttpCommTest, InvalidUtf8IsReplacedNotFatal)
{
    const std::string invalid = "<tavo><m>ok \xC3\x28 \xFF\xFE \xE4\xB8 end</m></tavo>";
    LoopbackServer server(Answer(invalid));
    ASSERT_NE(0, server.Port());
    httptest::Result result = RunOne(server.Url(), Command());
    ASSERT_TRUE(result.param) << "no result message";
    ASSERT_EQ(0, result.param->GetRet()) << result.param->GetErrInfo().GetString();
    const std::wstring text = TextOf(*result.param, L"m");
    EXPECT_EQ(0u, text.find(L"ok ")) << "the valid text around the bad bytes is kept";
    EXPECT_NE(std::wstring::npos, text.find(L'\xFFFD'));
    EXPECT_EQ(text.size() - 3, text.rfind(L"end"));

    server.SetScript(Answer("<ta\xFFvo>x</ta\xFFvo>\xC0"));
    result = RunOne(server.Url(), Command());
    ASSERT_TRUE(result.param) << "no result message";
    EXPECT_EQ(-1, result.param->GetRet()) << "bad bytes in a name make it no document";
}

TEST(HttpCommTest, RequestWithoutTreeGetsNoMessageAndOneWithoutElementsSendsNothing)
{
    LoopbackServer server(Answer(kNormalAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CHttpComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    // The queue runs in order, so a message for the first request would come first.
    comm.NewRequest(nullptr, 1, nullptr);
    auto* declarationOnly = new CXmlTreeCtrl;  // the declaration item of a read document, no element
    declarationOnly->InsertItem(L"xml", L"", new httptest::CountedAttributes);
    comm.NewRequest(nullptr, 2, declarationOnly);
    comm.NewRequest(nullptr, 3, Command());

    httptest::Result result = window.WaitForResult();
    ASSERT_TRUE(result.param) << "no result message";
    EXPECT_EQ(2u, result.type);
    EXPECT_EQ(-1, result.param->GetRet());
    EXPECT_STREQ(L"Conver information of command error!", result.param->GetErrInfo());
    result = window.WaitForResult();
    ASSERT_TRUE(result.param) << "no result message";
    EXPECT_EQ(3u, result.type);
    EXPECT_EQ(0, result.param->GetRet());
    EXPECT_EQ(1u, server.Requests().size());
}

TEST(HttpCommParamTest, HoldsTheRequestAndOwnsItsTree)
{
    CHttpCommParam empty;
    EXPECT_EQ(0u, empty.GetType());
    EXPECT_EQ(nullptr, empty.GetParam());
    EXPECT_EQ(nullptr, empty.GetMsgWnd());
    EXPECT_EQ(-1, empty.GetRet());
    EXPECT_STREQ(L"", empty.GetErrInfo());

    const int before = httptest::CountedAttributes::Alive();
    {
        CHttpCommParam param(9, Command(), reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234)));
        EXPECT_EQ(9u, param.GetType());
        EXPECT_EQ(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234)), param.GetMsgWnd());
        param.SetRet(0);
        param.SetErrInfo(L"text");
        param.SetType(10);
        EXPECT_EQ(0, param.GetRet());
        EXPECT_STREQ(L"text", param.GetErrInfo());
        EXPECT_EQ(10u, param.GetType());
        EXPECT_EQ(before + 1, httptest::CountedAttributes::Alive());
    }
    EXPECT_EQ(before, httptest::CountedAttributes::Alive()) << "the param destroys its tree";

    // A tree taken out before the param goes survives it.
    std::unique_ptr<CXmlTreeCtrl> taken;
    {
        CHttpCommParam param(1, Command());
        taken.reset(param.GetParam());
        param.SetParam(nullptr);
    }
    EXPECT_EQ(before + 1, httptest::CountedAttributes::Alive());
    taken.reset();
    EXPECT_EQ(before, httptest::CountedAttributes::Alive());
}

} // namespace
