// Life of the command channel: Stop and Start with queued requests, Stop and the destructor
// with a server that never answers, receiving windows that are gone, the default window and
// server being replaced, and a new session after a WinInet error.
#include "HttpTestSupport.h"

#include <functional>
#include <thread>

namespace {

using httptest::Answer;
using httptest::Command;
using httptest::CountedAttributes;
using httptest::kResultMsg;
using httptest::kResultTimeoutMs;
using httptest::ResultWindow;
using Behaviour = LoopbackServer::Behaviour;

const char kAnswer[] = "<tavo><ret>0</ret></tavo>";
// Stop waits 3 s for the request in hand, then 1 s once it is cancelled; anything near this
// bound means it hung.
const ULONGLONG kStopBoundMs = 8000;

// Exposes whether the channel holds a session.
class CObservedComm : public CHttpComm {
public:
    using CHttpComm::CHttpComm;
    bool HasSession() const { return m_pSession != nullptr && m_pConnection != nullptr; }
};

ULONGLONG MillisecondsOf(const std::function<void()>& action)
{
    const ULONGLONG start = GetTickCount64();
    action();
    return GetTickCount64() - start;
}

TEST(HttpCommLifecycleTest, RequestsQueuedWhileStoppedRunAfterStart)
{
    LoopbackServer server(Answer(kAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CHttpComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    comm.Stop();
    comm.Stop();  // a second Stop does nothing
    for (UINT type = 1; type <= 3; ++type)
        EXPECT_EQ(0, comm.NewRequest(nullptr, type, Command()));
    EXPECT_TRUE(server.Requests().empty()) << "a stopped channel has no worker to send";

    comm.Start();
    comm.Start();  // a running worker is not started twice
    for (UINT type = 1; type <= 3; ++type) {
        httptest::Result result = window.WaitForResult();
        ASSERT_TRUE(result.param) << "request " << type << " did not run after Start";
        EXPECT_EQ(type, result.type) << "the queue runs in order";
        EXPECT_EQ(0, result.param->GetRet());
    }
    EXPECT_EQ(3u, server.Requests().size());
}

TEST(HttpCommLifecycleTest, StopCancelsARequestToASilentServer)
{
    LoopbackServer server(Answer("", Behaviour::Stall));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CHttpComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    comm.NewRequest(nullptr, 1, Command());
    comm.NewRequest(nullptr, 2, Command());
    ASSERT_TRUE(server.WaitForRequests(1, kResultTimeoutMs));

    EXPECT_LT(MillisecondsOf([&] { comm.Stop(); }), kStopBoundMs);
    httptest::Result result = window.WaitForResult();
    ASSERT_TRUE(result.param) << "the cancelled request did not come back";
    EXPECT_EQ(1u, result.type);
    EXPECT_EQ(-1, result.param->GetRet());
    EXPECT_FALSE(result.param->GetErrInfo().IsEmpty());
    EXPECT_EQ(0u, window.Pending()) << "the second request stays queued";

    // The channel works again after Start, with a new session.
    server.SetScript(Answer(kAnswer));
    comm.Start();
    result = window.WaitForResult();
    ASSERT_TRUE(result.param) << "the queued request did not run after Start";
    EXPECT_EQ(2u, result.type);
    EXPECT_EQ(0, result.param->GetRet()) << result.param->GetErrInfo().GetString();
}

TEST(HttpCommLifecycleTest, DestructorReturnsWithASilentServerAndDestroysTheQueue)
{
    LoopbackServer server(Answer("", Behaviour::Stall));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    const int before = CountedAttributes::Alive();
    auto comm = std::make_unique<CHttpComm>(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    comm->NewRequest(nullptr, 1, Command());
    comm->NewRequest(nullptr, 2, Command());
    ASSERT_TRUE(server.WaitForRequests(1, kResultTimeoutMs));

    EXPECT_LT(MillisecondsOf([&] { comm.reset(); }), kStopBoundMs);
    httptest::Result result = window.WaitForResult();
    ASSERT_TRUE(result.param) << "the cancelled request did not come back";
    EXPECT_EQ(1u, result.type);
    EXPECT_EQ(-1, result.param->GetRet());
    result.param.reset();
    EXPECT_EQ(before, CountedAttributes::Alive()) << "the queued request was not destroyed";
    EXPECT_EQ(0u, window.Pending());
}

TEST(HttpCommLifecycleTest, DestructorOfAnIdleChannelReturnsAtOnce)
{
    ResultWindow window;
    auto comm = std::make_unique<CHttpComm>(L"http://127.0.0.1:1/cmd", 0, window.Handle(), kResultMsg);
    EXPECT_LT(MillisecondsOf([&] { comm.reset(); }), 2000u) << "the idle worker must wake at once";
}

TEST(HttpCommLifecycleTest, WindowThatIsGoneGetsNothingAndTheRequestIsDestroyed)
{
    LoopbackServer server(Answer(kAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow live;
    ResultWindow gone;
    const HWND goneHandle = gone.Handle();
    gone.Destroy();
    ASSERT_FALSE(IsWindow(goneHandle));

    const int before = CountedAttributes::Alive();
    CHttpComm comm(server.Url().c_str(), 0, live.Handle(), kResultMsg);
    comm.NewRequest(goneHandle, 1, Command());
    comm.NewRequest(nullptr, 2, Command());

    httptest::Result result = live.WaitForResult();
    ASSERT_TRUE(result.param);
    EXPECT_EQ(2u, result.type) << "the gone window's result went elsewhere";
    result.param.reset();
    EXPECT_EQ(2u, server.Requests().size()) << "the request itself was sent";
    EXPECT_EQ(before, CountedAttributes::Alive()) << "the gone window's request leaked";
}

TEST(HttpCommLifecycleTest, CommandThatCannotBeConvertedIsDestroyedWithoutMessage)
{
    LoopbackServer server(Answer(kAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CHttpComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    comm.Stop();
    const int before = CountedAttributes::Alive();
    // A thread without COM cannot make the command's XML document: the conversion fails.
    std::thread([&] { comm.ToDo(new CHttpCommParam(1, Command(), window.Handle())); }).join();
    EXPECT_EQ(before, CountedAttributes::Alive()) << "the request and its tree were not destroyed";
    EXPECT_EQ(0u, window.Pending());
    EXPECT_TRUE(server.Requests().empty());
}

TEST(HttpCommLifecycleTest, DefaultWindowMessageAndServerCanBeReplaced)
{
    LoopbackServer first(Answer("<tavo><from>first</from></tavo>"));
    LoopbackServer second(Answer("<tavo><from>second</from></tavo>"));
    ASSERT_NE(0, first.Port());
    ASSERT_NE(0, second.Port());
    ResultWindow original;
    ResultWindow replacement;
    CHttpComm comm(first.Url().c_str(), 0, original.Handle(), kResultMsg);

    comm.NewRequest(nullptr, 1, Command());
    httptest::Result result = original.WaitForResult();
    ASSERT_TRUE(result.param);
    EXPECT_EQ(L"first", httptest::TextOf(*result.param, L"from"));

    comm.SetMsgParam(replacement.Handle(), kResultMsg + 1);
    comm.SetServParam(second.Url(L"/other").c_str(), 0);
    comm.NewRequest(nullptr, 2, Command());
    result = replacement.WaitForResult();
    ASSERT_TRUE(result.param);
    EXPECT_EQ(kResultMsg + 1, result.message);
    EXPECT_EQ(L"second", httptest::TextOf(*result.param, L"from"));
    EXPECT_EQ(0u, original.Pending());
    ASSERT_EQ(1u, second.Requests().size());
    EXPECT_EQ("POST /other HTTP/1.0", second.Requests()[0].requestLine);
}

TEST(HttpCommLifecycleTest, AfterAWinInetErrorTheNextRequestOpensANewSession)
{
    LoopbackServer server(Answer(kAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CObservedComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    EXPECT_FALSE(comm.HasSession()) << "no network activity before the first request";

    comm.NewRequest(nullptr, 1, Command());
    httptest::Result result = window.WaitForResult();
    ASSERT_TRUE(result.param);
    EXPECT_EQ(0, result.param->GetRet());
    EXPECT_TRUE(comm.HasSession()) << "a session serves the next requests";

    server.SetScript(Answer("", Behaviour::ResetAtOnce));
    comm.NewRequest(nullptr, 2, Command());
    result = window.WaitForResult();
    ASSERT_TRUE(result.param);
    EXPECT_EQ(-1, result.param->GetRet());
    EXPECT_FALSE(comm.HasSession()) << "a WinInet error ends the session";

    server.SetScript(Answer(kAnswer));
    comm.NewRequest(nullptr, 3, Command());
    result = window.WaitForResult();
    ASSERT_TRUE(result.param);
    EXPECT_EQ(0, result.param->GetRet()) << result.param->GetErrInfo().GetString();
    EXPECT_TRUE(comm.HasSession());
}

TEST(HttpCommLifecycleTest, ManyRequestsArriveInOrderAndNothingLeaks)
{
    LoopbackServer server(Answer(kAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    const int before = CountedAttributes::Alive();
    {
        CHttpComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
        const UINT count = 40;
        for (UINT type = 0; type < count; ++type)
            comm.NewRequest(nullptr, type, Command());
        for (UINT type = 0; type < count; ++type) {
            httptest::Result result = window.WaitForResult();
            ASSERT_TRUE(result.param) << "request " << type;
            EXPECT_EQ(type, result.type);
            EXPECT_EQ(0, result.param->GetRet());
        }
    }
    EXPECT_EQ(before, CountedAttributes::Alive());
}

} // namespace
