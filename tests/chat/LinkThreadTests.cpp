// The host's call and transfer threads close links while the user clicks: the control's
// operations from other threads while its thread holds the lock in a click, the owner closing
// links from its messages on the same thread, and no link closed twice.
#include "RichLinkSupport.h"

#include <thread>

using chattest::kInvitationBitmap;
using chattest::RichLinkTest;

namespace {

// Waits for the thread's end while handling the messages other threads send to this one, as a
// modal loop of the user-interface thread does; false after waitMs.
bool JoinHandlingSentMessages(std::thread& worker, HANDLE hDone, DWORD waitMs)
{
    const DWORD start = ::GetTickCount();
    while (::MsgWaitForMultipleObjects(1, &hDone, FALSE, 50, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        if (::GetTickCount() - start > waitMs)
            return false;
    }
    worker.join();
    return true;
}

} // namespace

// The owner, inside the click (the control's lock held), waits for a transfer thread that
// closes another link, reports progress and answers an invitation.
TEST_F(RichLinkTest, OtherThreadsCloseLinksWhileAClickHoldsTheLock)
{
    m_edit.InsertAVLink(LINK_AUDIO, 0, kInvitationBitmap);
    m_edit.InsertFile(1, L"C:\\one", 1, 0);
    m_edit.InsertFile(2, L"C:\\two", 1, 0);
    bool bJoined = false;
    m_frame.m_onLink = [&](CTavoRichLink*) {
        CKernelHandle done(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        std::thread worker([&] {
            m_edit.ProcessFileLink(FILE_CANCELED, 1, 0, nullptr, 0);
            m_edit.SetFileAxInfo(nullptr, 2, 30, 0, 1);
            m_edit.ProcessAVLink(LINK_AUDIO, 1, 0);
            ::SetEvent(done.Get());
        });
        bJoined = JoinHandlingSentMessages(worker, done.Get(), 10000);
        if (!bJoined)
            m_frame.DestroyWindow(); // frees the worker's waits, so the test ends
    };
    Click(L"接受"); // the second file
    ASSERT_TRUE(bJoined) << "deadlock";
    EXPECT_EQ(L"对话请求已接受。\r\r文件传送被取消。\r\r同意了接收文件。取消\r", Text());
    EXPECT_EQ(30, ComponentAt(2).nProgress);
    EXPECT_EQ(1, m_edit.m_listLinks.GetCount());
    EXPECT_EQ(2, LastLink()->m_nTransferId);
}

// A transfer thread finishes every transfer while the user accepts them and the owner cancels
// each accepted one from its message: every link ends once, in one outcome or the other.
TEST_F(RichLinkTest, ClicksRaceTransferThreadClosingTheSameLinks)
{
    const int kTransfers = 12;
    for (int id = 1; id <= kTransfers; ++id)
        m_edit.InsertFile(id, L"C:\\f", 1, 0);
    m_frame.m_onLink = [&](CTavoRichLink* pLink) {
        m_edit.ProcessFileLink(FILE_CANCELED, pLink->m_nTransferId, 0, nullptr, 0);
    };
    CKernelHandle done(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread worker([&] {
        for (int id = kTransfers; id >= 1; --id) {
            m_edit.SetFileAxInfo(nullptr, id, 50, 0, 1);
            CString saved = L"C:\\saved";
            m_edit.ProcessFileLink(FILE_FINISHED, id, 0, &saved, 0);
            m_edit.ExistLink(LINK_FILE);
        }
        ::SetEvent(done.Get());
    });
    for (int id = 1; id <= kTransfers; ++id) {
        const std::vector<REOBJECT> objects = Objects();
        const long start = objects[id - 1].cp + 2;
        if (Raw().compare(start, 9, L" 对方向您发送文件接") == 0)
            ClickAt(start + 9);
    }
    ASSERT_TRUE(JoinHandlingSentMessages(worker, done.Get(), 10000));
    EXPECT_TRUE(m_edit.m_listLinks.IsEmpty());
    EXPECT_TRUE(m_edit.m_listFileAx.IsEmpty());
    const std::wstring text = Text();
    size_t nOutcomes = 0;
    for (const wchar_t* outcome : {L"文件传送被取消。", L"文件保存到 C:\\saved"})
        for (size_t at = text.find(outcome); at != std::wstring::npos; at = text.find(outcome, at + 1))
            ++nOutcomes;
    EXPECT_EQ(static_cast<size_t>(kTransfers), nOutcomes) << text;
}
