// Life of the command channel: Stop and Start with queued requests, Stop and the destructor
// with a server that never answers or trickles, receiving windows that are gone, and a new
// session after a WinInet error.
#include "HttpTestSupport.h"

#include "../common/HeapUsage.h"

#include <functional>
#include <thread>

namespace {

using namespace httptest;
using Behaviour = LoopbackServer::Behaviour;

const char kAnswer[] = "<tavo><ret>0</ret></tavo>";
// Stop waits 3 s for the request in hand, then cancels it; anything near this bound means it
// hung.
const ULONGLONG kStopBoundMs = 6000;
const DWORD kDeadlineMs = CHttpComm::kAnswerDeadlineMs; // the real one: only Stop ends the requests

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

// The request in hand when Stop came is answered once, as cancelled.
void ExpectCancelled(ResultWindow& window, UINT type, const char* what = "")
{
    Result result = window.WaitForResult(0);
    ASSERT_TRUE(result.param) << what << ": the request in hand was not answered";
    EXPECT_EQ(type, result.type) << what;
    EXPECT_EQ(-1, result.param->GetRet()) << what;
    EXPECT_STREQ(CancelledText(), result.param->GetErrInfo()) << what;
    EXPECT_EQ(0u, window.Pending()) << what << ": answered twice, or a queued request answered";
}

TEST(HttpCommLifecycleTest, StopEndsARequestToASilentServerAndQueuedRequestsRunAfterStart)
{
    LoopbackServer server(Answer("", Behaviour::Stall));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CHttpComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    const int before = CountedAttributes::Alive();
    comm.NewRequest(nullptr, 1, Command());
    comm.NewRequest(nullptr, 2, Command());
    ASSERT_TRUE(server.WaitForRequests(1, 15000));

    EXPECT_LT(MillisecondsOf([&] { comm.Stop(); }), kStopBoundMs);
    comm.Stop(); // a second Stop does nothing
    ExpectCancelled(window, 1);
    EXPECT_EQ(before + 1, CountedAttributes::Alive()) << "the second request stays queued";
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

// Each request comes while the worker waits for the event, also after a restart: one that did
// not wake it would wait for the worker's next look at the queue, 2 s later.
TEST(HttpCommLifecycleTest, AnIdleWorkerTakesEachNewRequestAtOnce)
{
    LoopbackServer server(Answer(kAnswer));
    ASSERT_NE(0, server.Port());
    ResultWindow window;
    CHttpComm comm(server.Url().c_str(), 0, window.Handle(), kResultMsg);
    for (UINT type = 1; type <= 4; ++type) {
        if (type == 3) {
            comm.Stop();
            comm.Start();
        }
        comm.NewRequest(nullptr, type, Command());
        Result result = window.WaitForResult(1500);
        ASSERT_TRUE(result.param) << type << ": the waiting worker was not woken";
        EXPECT_EQ(type, result.type);
        EXPECT_EQ(0, result.param->GetRet()) << result.param->GetErrInfo().GetString();
    }
}

TEST(HttpCommLifecycleTest, DestructorReturnsWithAStalledServerOrNoneAndDestroysTheQueue)
{
    ResultWindow window;
    auto idle = std::make_unique<CHttpComm>(L"http://127.0.0.1:1/cmd", 0, window.Handle(), kResultMsg);
    EXPECT_LT(MillisecondsOf([&] { idle.reset(); }), 2000u) << "the idle worker must wake at once";

    // The silent server with the real wait of Stop; the others with a short one.
    LoopbackServer::Script trickledHead = Answer(kAnswer, Behaviour::TrickleHead);
    trickledHead.trickleMs = 200;
    LoopbackServer::Script trickledBody = Answer(kAnswer, Behaviour::Trickle);
    trickledBody.trickleMs = 200;
    const struct {
        const char* what;
        LoopbackServer::Script script;
        DWORD stopWaitMs;
    } cases[] = {
        {"silent", Answer("", Behaviour::Stall), 3000},
        {"trickled headers", trickledHead, 100},
        {"trickled body", trickledBody, 600}, // the headers come in that time
    };
    for (const auto& c : cases) {
        LoopbackServer server(c.script);
        ASSERT_NE(0, server.Port());
        const int before = CountedAttributes::Alive();
        auto comm = std::make_unique<CBoundedComm>(server.Url(), window.Handle(), kDeadlineMs, c.stopWaitMs);
        comm->NewRequest(nullptr, 1, Command());
        comm->NewRequest(nullptr, 2, Command());
        ASSERT_TRUE(server.WaitForRequests(1, 15000)) << c.what;
        EXPECT_LT(MillisecondsOf([&] { comm.reset(); }), c.stopWaitMs + 3000) << c.what;
        ExpectCancelled(window, 1, c.what);
        EXPECT_EQ(before, CountedAttributes::Alive()) << c.what << ": a request or its tree leaked";
    }
}

// Deleting a channel whose request is stalled leaves nothing behind once WinInet has ended
// what it still did in the background (it does when the server closes the connections).
TEST(HttpCommLifecycleTest, DeletingStalledChannelsLeaksNothing)
{
    ResultWindow window;
    const auto deleteStalled = [&](int count) {
        LoopbackServer server(Answer("", Behaviour::Stall));
        ASSERT_NE(0, server.Port());
        for (int i = 1; i <= count; ++i) {
            CBoundedComm comm(server.Url(), window.Handle(), kDeadlineMs, 0);
            comm.NewRequest(nullptr, 1, Command());
            ASSERT_TRUE(server.WaitForRequests(static_cast<size_t>(i), 5000));
        }
    };
    const auto takeResults = [&] {
        int answered = 0;
        while (window.WaitForResult(0).param)
            ++answered;
        return answered;
    };
    deleteStalled(3); // WinInet's and the heap's first allocations
    takeResults();
    const size_t before = BusyHeapBytes();
    const int kDeletions = 20;
    deleteStalled(kDeletions);
    EXPECT_EQ(kDeletions, takeResults()) << "each request in hand answered once";
    // WinInet ends its background calls on threads of its own once the connections are closed.
    size_t after = BusyHeapBytes();
    for (int wait = 0; wait < 40 && after > before + 64 * 1024; ++wait) {
        Sleep(50);
        after = BusyHeapBytes();
    }
    EXPECT_LT(after, before + 64 * 1024) << "grew by " << (after - before) << " bytes";
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
    CBoundedComm comm(server.Url(), window.Handle(), kDeadlineMs);
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
