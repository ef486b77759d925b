// Life of the command channel: Stop and Start with queued requests, Stop and the destructor
// with a server that never answers, receiving windows that are gone, and a new session after a
// WinInet error.
#include "HttpTestSupport.h"

#include <functional>
#include <thread>

namespace {

using namespace httptest;
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

// Takes the next result and checks its type and result code.
void ExpectResult(ResultWindow& window, UINT type, int ret)
{
    Result result = window.WaitForResult();
    ASSERT_TRUE(result.param) << "no result for request " << type;
    EXPECT_EQ(type, result.type) << "the queue runs in order";
    EXPECT_EQ(ret, result.param->GetRet()) << type << ": " << result.param->GetErrInfo().GetString();
}

// Wine's WinInet does not end a blocked call when its request handle is closed, so Stop ends the
// worker by force: the request it had in hand is leaked on purpose (its tree stays alive) and
// its window gets nothing. expectedAlive counts the trees that must still be alive.
void ExpectEndedByForce(ResultWindow& window, int expectedAlive)
{
    EXPECT_EQ(0u, window.Pending()) << "a request ended by force is never answered";
    EXPECT_EQ(expectedAlive, CountedAttributes::Alive()) << "only the request in hand is leaked";
}

TEST(HttpCommLifecycleTest, StopEndsARequestToASilentServerAndQueuedRequestsRunAfterStart)
{
    LoopbackServer server(Answer("", Behaviour::Stall));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CHttpComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    comm.NewRequest(nullptr, 1, Command());
    comm.NewRequest(nullptr, 2, Command());
    ASSERT_TRUE(server.WaitForRequests(1, 15000));

    const int before = CountedAttributes::Alive();
    EXPECT_LT(MillisecondsOf([&] { comm.Stop(); }), kStopBoundMs);
    comm.Stop(); // a second Stop does nothing
    ExpectEndedByForce(window, before);
    EXPECT_EQ(0u, window.Pending()) << "the second request stays queued";
    EXPECT_EQ(0, comm.NewRequest(nullptr, 3, Command()));
    Sleep(200);
    EXPECT_EQ(1u, server.Requests().size()) << "a stopped channel has no worker to send";

    server.SetScript(Answer(kAnswer));
    comm.Start();
    comm.Start(); // a running worker is not started twice
    ExpectResult(window, 2, 0);
    ExpectResult(window, 3, 0);
    EXPECT_EQ(3u, server.Requests().size());
}

TEST(HttpCommLifecycleTest, DestructorReturnsWithASilentServerOrNoneAndDestroysTheQueue)
{
    ResultWindow window;
    auto idle = std::make_unique<CHttpComm>(L"http://127.0.0.1:1/cmd", 0, window.Handle(), kResultMsg);
    EXPECT_LT(MillisecondsOf([&] { idle.reset(); }), 2000u) << "the idle worker must wake at once";

    LoopbackServer server(Answer("", Behaviour::Stall));
    ASSERT_NE(0, server.Port());
    const int before = CountedAttributes::Alive();
    auto comm = std::make_unique<CHttpComm>(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    comm->NewRequest(nullptr, 1, Command());
    comm->NewRequest(nullptr, 2, Command());
    ASSERT_TRUE(server.WaitForRequests(1, 15000));
    EXPECT_LT(MillisecondsOf([&] { comm.reset(); }), kStopBoundMs);
    ExpectEndedByForce(window, before + 1);
    EXPECT_EQ(0u, window.Pending());
}

TEST(HttpCommLifecycleTest, RequestsThatReachNoWindowAreDestroyedWithoutMessage)
{
    LoopbackServer server(Answer(kAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow live;
    ResultWindow gone;
    const HWND goneHandle = gone.Handle();
    gone.Destroy();
    const int before = CountedAttributes::Alive();
    CHttpComm comm(server.Url().c_str(), 0, live.Handle(), kResultMsg);
    comm.NewRequest(goneHandle, 1, Command());
    comm.NewRequest(nullptr, 2, Command());
    ExpectResult(live, 2, 0);
    EXPECT_EQ(2u, server.Requests().size()) << "the request itself was sent";
    EXPECT_EQ(before, CountedAttributes::Alive()) << "the gone window's request leaked";

    // A thread without COM could not read an answer: nothing is sent.
    comm.Stop();
    std::thread([&] { comm.ToDo(new CHttpCommParam(3, Command(), live.Handle())); }).join();
    EXPECT_EQ(before, CountedAttributes::Alive()) << "the unconverted request and its tree leaked";
    EXPECT_EQ(0u, live.Pending());
    EXPECT_EQ(2u, server.Requests().size());
}

TEST(HttpCommLifecycleTest, AfterAWinInetErrorTheNextRequestOpensANewSession)
{
    LoopbackServer server(Answer(kAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CObservedComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    EXPECT_FALSE(comm.HasSession()) << "no network activity before the first request";
    comm.NewRequest(nullptr, 1, Command());
    ExpectResult(window, 1, 0);
    EXPECT_TRUE(comm.HasSession()) << "a session serves the next requests";

    server.SetScript(Answer("", Behaviour::ResetAtOnce));
    comm.NewRequest(nullptr, 2, Command());
    ExpectResult(window, 2, -1);
    EXPECT_FALSE(comm.HasSession()) << "a WinInet error ends the session";

    server.SetScript(Answer(kAnswer));
    comm.NewRequest(nullptr, 3, Command());
    ExpectResult(window, 3, 0);
    EXPECT_TRUE(comm.HasSession());
}

} // namespace
