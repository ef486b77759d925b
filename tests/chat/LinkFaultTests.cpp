// Faults of the links mended: the owner closing a file link from its own message, transfer ids
// beyond 16 bits, sentences found after the control was cleared or objects were inserted before
// them, and a link closed while its save-as dialog was open.
#include "RichLinkSupport.h"

#include "../common/TempFolder.h"

using chattest::kInvitationBitmap;
using chattest::RichLinkTest;

TEST_F(RichLinkTest, OwnerClosingTheLinkFromItsMessageLeavesItsOwnStatus)
{
    m_edit.InsertFile(11, L"C:\\x.bin", 5, 0);
    m_frame.m_onLink = [&](CTavoRichLink* pLink) {
        m_edit.ProcessFileLink(FILE_CANCELED, pLink->m_nTransferId, 0, nullptr, 0);
    };
    Click(L"接受");
    EXPECT_EQ(L"\r文件传送被取消。\r", Text());
    EXPECT_EQ(L"文件传送被取消。", ComponentAt(0).strStatus) << "the accept's status came before the message";
    EXPECT_TRUE(ComponentAt(0).bFinal);
    EXPECT_TRUE(m_edit.m_listLinks.IsEmpty());
    EXPECT_EQ(1u, m_frame.m_messages.size());
}

TEST_F(RichLinkTest, TransferIdsBeyondSixteenBitsAreToldApart)
{
    m_edit.InsertFile(70000, L"C:\\big.bin", 5, 0);
    m_edit.InsertFile(4464, L"C:\\small.bin", 5, 0); // 70000 - 65536
    EXPECT_EQ(ComponentAt(0).nTransferId, ComponentAt(1).nTransferId) << "the components keep 16 bits";
    m_edit.SetFileAxInfo(nullptr, 70000, 40, 0, 1);
    EXPECT_EQ(40, ComponentAt(0).nProgress);
    EXPECT_EQ(0, ComponentAt(1).nProgress);
    m_edit.ProcessFileLink(FILE_REJECTED, 4464, 0, nullptr, 0);
    EXPECT_EQ(L"\r 对方向您发送文件接受(Alt+C)另存为(ATL+S)拒绝(Alt+D)\r\r文件传送被拒绝。\r", Text());
    EXPECT_EQ(L" 接收文件", ComponentAt(0).strStatus);
    EXPECT_EQ(1, m_edit.m_listFileAx.GetCount());
}

TEST_F(RichLinkTest, SentencesAreFoundAfterClearingAndObjectsInsertedBefore)
{
    m_edit.InsertFile(1, L"C:\\one", 1, 0);
    CString old;
    m_edit.GetText(old, 1);
    EXPECT_EQ(0u, Objects().size());
    m_edit.InsertFile(2, L"C:\\two", 1, 0);
    const std::wstring offer = Text();
    m_edit.ProcessFileLink(FILE_REJECTED, 1, 0, nullptr, 0);
    EXPECT_EQ(offer, Text()) << "the cleared link's object is gone: the newer offer stays";
    EXPECT_EQ(1, m_edit.m_listLinks.GetCount());

    ASSERT_EQ(1, m_edit.InsertBitmap(kInvitationBitmap, 0));
    Click(L"接受");
    EXPECT_EQ(L"\r同意了接收文件。取消\r", Text());
    EXPECT_EQ(1, LastLink()->m_nObject) << "found where it is now";
}

TEST_F(RichLinkTest, LinkClosedWhileItsSaveAsDialogIsOpenStaysClosed)
{
    CTempFolder folder;
    m_edit.InsertFile(21, L"C:\\peer\\a.txt", 1, 0);
    FileDialogSeen seen;
    const auto answer = AnswerFileDialog(folder.Path(L"a.txt"), false, seen);
    SaveAs([&](HWND hDialog) {
        // The peer cancels (the owner closes the link on this thread) meanwhile.
        m_edit.ProcessFileLink(FILE_CANCELED, 21, 0, nullptr, 0);
        answer(hDialog);
    });
    EXPECT_TRUE(seen.bShown);
    EXPECT_EQ(L"\r文件传送被取消。\r", Text());
    EXPECT_TRUE(m_frame.m_messages.empty());
    EXPECT_TRUE(m_edit.m_listLinks.IsEmpty());
}
