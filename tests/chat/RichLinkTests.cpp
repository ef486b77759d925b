// Invitation and file links in the real rich-edit control: the sentences as written, every
// answer of every kind with its outcome text, colour, result and owner message, the owner's own
// answers, the save-as dialog, the file-transfer component's status, and the component missing.
#include "RichLinkSupport.h"

#include "../common/TempFolder.h"

#include <LangDB.h>

using chattest::kDarkRed;
using chattest::kInvitationBitmap;
using chattest::RichLinkTest;
using chattest::ShellCalls;

TEST_F(RichLinkTest, SentencesReadAsWrittenWithAnswersAsLinks)
{
    const struct {
        int nKind;
        int nOutgoing;
        const wchar_t* pszSentence;
    } cases[] = {
        {LINK_AUDIO, 0, L" Bob 邀请您开始音频对话，您可以接受(Alt+C) 或者 拒绝(Alt+D)该未决的邀请。\r"},
        {LINK_AV, 0,
         L" Bob 邀请您开始音视频对话，您可以接受音频(Alt+A) 或者 接受视频(Alt+V) 或者 接受音视频(Alt+B) 或者 "
         L"拒绝(Alt+D)\r"},
        {LINK_VIDEO, 1, L" 您已经邀请Bob开始视频对话，请等待回应或取消(Alt+Q)该未决的邀请。\r"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.pszSentence);
        m_edit.SetWindowText(L"");
        m_edit.InsertAVLink(test.nKind, test.nOutgoing, kInvitationBitmap);
        EXPECT_EQ(test.pszSentence, Text());
        EXPECT_EQ(1u, Objects().size()) << "the invitation's bitmap";
        EXPECT_TRUE(IsLinkAt(test.nOutgoing ? L"取消" : L"拒绝"));
        EXPECT_FALSE(IsLinkAt(L"(Alt+D)") || IsLinkAt(L"(Alt+Q)"));
    }
    m_edit.SetWindowText(L"");
    m_edit.InsertFile(5, L"C:\\in\\report.txt", 2048, 0);
    EXPECT_EQ(L"\r 对方向您发送文件接受(Alt+C)另存为(ATL+S)拒绝(Alt+D)\r", Text());
    EXPECT_TRUE(IsLinkAt(L"另存为"));
    EXPECT_EQ(L" 接收文件", ComponentAt(0).strStatus);
    m_edit.InsertFile(6, L"C:\\out\\plan.doc", 10, 1);
    EXPECT_EQ(L" 等待对方接收取消(Alt+D)\r", Text().substr(Text().rfind(L"\r", Text().size() - 2) + 1));

    const INT_PTR nLinks = m_edit.m_listLinks.GetCount();
    m_edit.InsertAVLink(LINK_AUDIO, 0, 1); // no such bitmap: no link
    EXPECT_EQ(nLinks, m_edit.m_listLinks.GetCount());
}

TEST_F(RichLinkTest, EveryInvitationAnswerGivesItsOutcomeColourResultAndMessage)
{
    const struct {
        int nKind;
        int nOutgoing;
        const wchar_t* pszAnswer;
        const wchar_t* pszOutcome;
        int nResult;
        bool bDarkRed;
    } cases[] = {
        {LINK_VIDEO, 0, L"拒绝", L"对话请求已拒绝。", LINK_REJECTED, true},
        {LINK_AUDIO, 1, L"取消", L"对话请求已拒绝。", LINK_CANCELLED, true},
        {LINK_AUDIO, 0, L"接受", L"对话请求已接受。", LINK_AUDIO_ACCEPTED, false},
        {LINK_VIDEO, 0, L"接受", L"对话请求已接受。", LINK_VIDEO_ACCEPTED, false},
        {LINK_AV, 0, L"接受音频", L"音频对话请求已接受。", LINK_AUDIO_ACCEPTED, false},
        {LINK_AV, 0, L"接受视频", L"视频对话请求已接受。", LINK_VIDEO_ACCEPTED, false},
        {LINK_AV, 0, L"接受音视频", L"音视频对话请求已接受。", LINK_AV_ACCEPTED, false},
        {LINK_AV, 0, L"拒绝", L"对话请求已拒绝。", LINK_REJECTED, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.nKind << " " << test.nResult);
        m_edit.SetWindowText(L"");
        m_frame.m_messages.clear();
        m_edit.InsertAVLink(test.nKind, test.nOutgoing, kInvitationBitmap);
        CTavoRichLink* pLink = LastLink();
        ASSERT_NE(nullptr, pLink);
        EXPECT_EQ(1, m_edit.ExistLink(test.nKind));
        if (test.nKind == LINK_VIDEO || test.nKind == LINK_AV) {
            EXPECT_EQ(test.nKind == LINK_AV, m_edit.ExistLink(LINK_AUDIO) == 1) << "a pending AV invitation answers";
        }
        Click(test.pszAnswer);
        EXPECT_EQ(std::wstring(test.pszOutcome) + L"\r", Text());
        EXPECT_EQ(test.bDarkRed ? kDarkRed : CLR_DEFAULT, ColourOf(test.pszOutcome));
        EXPECT_EQ(test.nResult, pLink->m_nResult);
        EXPECT_FALSE(pLink->IsValid());
        EXPECT_EQ(0, m_edit.ExistLink(test.nKind));
        ASSERT_EQ(1u, m_frame.m_messages.size());
        EXPECT_EQ(static_cast<UINT>(WM_AV_LINK), m_frame.m_messages[0].message);
        EXPECT_EQ(reinterpret_cast<WPARAM>(pLink), m_frame.m_messages[0].wParam);
        EXPECT_EQ(test.nKind, m_frame.m_messages[0].lParam);
    }
}

TEST_F(RichLinkTest, OwnerClosesInvitationsWithoutMessagesAndDropsAnsweredOnes)
{
    const struct {
        int nPending;
        int nKind, nAccepted, nCancelled;
        const wchar_t* pszText; // the owner's own text, else null
        const wchar_t* pszOutcome;
        bool bDarkRed;
    } cases[] = {
        {LINK_AV, LINK_VIDEO, 1, 0, nullptr, L"视频对话请求已接受。", false},
        {LINK_AV, LINK_AV, 1, 0, nullptr, L"音视频对话请求已接受。", false},
        {LINK_AV, LINK_AUDIO, 1, 0, nullptr, L"音频对话请求已接受。", false},
        {LINK_AUDIO, LINK_AUDIO, 0, 1, nullptr, L"对话请求已拒绝。", true},
        {LINK_VIDEO, LINK_VIDEO, 0, 0, nullptr, L"对话请求已拒绝。", true},
        {LINK_VIDEO, LINK_VIDEO, 0, 0, L"Bob hung up.", L"Bob hung up.", false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.pszOutcome);
        m_edit.SetWindowText(L"");
        m_edit.InsertAVLink(test.nPending, 0, kInvitationBitmap);
        if (test.nPending != LINK_AV) { // an AV invitation answers for every kind
            m_edit.ProcessAVLink(test.nKind == LINK_AUDIO ? LINK_VIDEO : LINK_AUDIO, L"not this kind");
            EXPECT_EQ(1, m_edit.ExistLink(test.nPending)) << "another kind leaves it pending";
        }
        if (test.pszText != nullptr)
            m_edit.ProcessAVLink(test.nKind, test.pszText);
        else
            m_edit.ProcessAVLink(test.nKind, test.nAccepted, test.nCancelled);
        EXPECT_EQ(std::wstring(test.pszOutcome) + L"\r", Text());
        EXPECT_EQ(test.bDarkRed ? kDarkRed : CLR_DEFAULT, ColourOf(test.pszOutcome));
        EXPECT_TRUE(m_edit.m_listLinks.IsEmpty());
    }
    EXPECT_TRUE(m_frame.m_messages.empty());

    // An answered link stays listed until a later walk meets it.
    m_edit.InsertAVLink(LINK_AUDIO, 0, kInvitationBitmap);
    Click(L"拒绝");
    m_edit.InsertAVLink(LINK_AUDIO, 0, kInvitationBitmap);
    EXPECT_EQ(2, m_edit.m_listLinks.GetCount());
    m_edit.ProcessAVLink(LINK_AUDIO, 1, 0);
    EXPECT_TRUE(m_edit.m_listLinks.IsEmpty());
}

TEST_F(RichLinkTest, AcceptedFileShowsProgressThenTheSavedPathThatOpens)
{
    m_edit.InsertFile(7, L"C:\\in\\report.txt", 2048, 0);
    CTavoRichLink* pLink = LastLink();
    Click(L"接受");
    EXPECT_EQ(L"\r同意了接收文件。取消\r", Text());
    EXPECT_TRUE(IsLinkAt(L"取消"));
    EXPECT_TRUE(pLink->IsValid());
    ASSERT_EQ(1u, m_frame.m_messages.size());
    EXPECT_EQ(static_cast<UINT>(WM_FILE_LINK), m_frame.m_messages[0].message);
    EXPECT_EQ(reinterpret_cast<WPARAM>(pLink), m_frame.m_messages[0].wParam);
    EXPECT_EQ(0, m_frame.m_messages[0].lParam);
    EXPECT_EQ(LINK_FILE_ACCEPTED, m_frame.m_messages[0].nResult) << "read by the owner during the message";
    EXPECT_EQ(L"正在传送", ComponentAt(0).strStatus);
    EXPECT_FALSE(ComponentAt(0).bFinal);

    m_edit.SetFileAxInfo(nullptr, 7, 55, 0, 1);
    EXPECT_EQ(55, ComponentAt(0).nProgress);
    CString saved = L"D:\\saved\\report.txt";
    m_edit.ProcessFileLink(FILE_FINISHED, 7, 0, &saved, 0);
    EXPECT_EQ(L"\r文件保存到 D:\\saved\\report.txt\r", Text());
    EXPECT_EQ(L" 传送文件完毕。", ComponentAt(0).strStatus);
    EXPECT_TRUE(ComponentAt(0).bFinal);
    EXPECT_TRUE(m_edit.m_listLinks.IsEmpty());
    EXPECT_TRUE(m_edit.m_listFileAx.IsEmpty());
    EXPECT_EQ(1u, m_frame.m_messages.size()) << "the owner's own answer is not reported";

    Click(L"saved");
    ASSERT_EQ(1u, ShellCalls().size()) << "the file this control saved opens, though its link is gone";
    EXPECT_EQ(L"D:\\saved\\report.txt", ShellCalls()[0]);
}

TEST_F(RichLinkTest, FileAnswersAndErrorsGiveTheirOutcomesAndComponentStatus)
{
    const struct {
        int nOutgoing;
        bool bAcceptFirst;
        const wchar_t* pszClick; // else the owner closes with result and error
        FILE_TYPE result;
        int nError;
        const wchar_t* pszOutcome;
        bool bDarkRed;
        const wchar_t* pszStatus;
        int nClickResult;
    } cases[] = {
        {0, false, L"拒绝", FILE_FINISHED, 0, L"文件传送被拒绝。", true, L"文件传送被取消。", LINK_REJECTED},
        {1, false, L"取消", FILE_FINISHED, 0, L"文件传送被取消。", true, L"文件传送被取消。", LINK_CANCELLED},
        {0, true, L"取消", FILE_FINISHED, 0, L"文件传送被取消。", true, L"文件传送被取消。", LINK_CANCELLED},
        {1, false, nullptr, FILE_FINISHED, 0, L" 传送文件完毕。", false, L" 传送文件完毕。"},
        {0, false, nullptr, FILE_REJECTED, 0, L"文件传送被拒绝。", true, L"文件传送被取消。"},
        {0, true, nullptr, FILE_CANCELED, 0, L"文件传送被取消。", true, L"文件传送被取消。"},
        {0, false, nullptr, FILE_ERROR, 108, L" 无法传送文件。文件不存在或使用中。", true, L"传输失败"},
        {1, true, nullptr, FILE_ERROR, 100, L" 无法传送文件。创建socket失败。", true, L"传输失败"},
        {0, false, nullptr, static_cast<FILE_TYPE>(7), 110, L" 无法传送文件。未知错误。", true, L"传输失败"},
        {0, false, nullptr, FILE_ERROR, 99, L" 无法传送文件。未知错误。", true, L"传输失败"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.pszOutcome);
        m_edit.SetWindowText(L"");
        m_frame.m_messages.clear();
        m_edit.InsertFile(40, L"C:\\f.bin", 1, test.nOutgoing);
        CTavoRichLink* pLink = LastLink();
        if (test.bAcceptFirst)
            m_edit.SetFileAxInfo(L"正在传送", 40, 0, 0, 1); // an outgoing file the peer accepted
        if (test.bAcceptFirst && !test.nOutgoing)
            Click(L"接受");
        if (test.pszClick != nullptr) {
            Click(test.pszClick);
            EXPECT_FALSE(pLink->IsValid());
            ASSERT_FALSE(m_frame.m_messages.empty());
            EXPECT_EQ(test.nClickResult, m_frame.m_messages.back().nResult);
        } else {
            m_edit.ProcessFileLink(test.result, 40, 0, nullptr, test.nError);
            EXPECT_TRUE(m_edit.m_listLinks.IsEmpty());
        }
        EXPECT_EQ(L"\r" + std::wstring(test.pszOutcome) + L"\r", Text());
        EXPECT_EQ(test.bDarkRed ? kDarkRed : CLR_DEFAULT, ColourOf(test.pszOutcome));
        EXPECT_EQ(test.pszStatus, ComponentAt(0).strStatus);
        EXPECT_TRUE(ComponentAt(0).bFinal);
        EXPECT_TRUE(m_edit.m_listFileAx.IsEmpty());
    }
}

TEST_F(RichLinkTest, SaveAsCancelledLeavesTheOfferAndAChosenPathAccepts)
{
    CTempFolder folder;
    m_edit.InsertFile(3, L"C:\\peer\\photo.jpg", 99, 0);
    const std::wstring offer = Text();
    FileDialogSeen seen;
    SaveAs(AnswerFileDialog(L"", true, seen));
    EXPECT_TRUE(seen.bShown);
    EXPECT_EQ(L"photo.jpg", seen.strProposedName);
    EXPECT_EQ(L"所有文件(*.*)", seen.strFirstFileType);
    EXPECT_EQ(offer, Text());
    EXPECT_TRUE(m_frame.m_messages.empty());
    EXPECT_EQ(CString(L"C:\\peer\\photo.jpg"), LastLink()->m_strPath);

    const std::wstring chosen = folder.Path(L"mine.jpg");
    SaveAs(AnswerFileDialog(chosen, false, seen));
    EXPECT_EQ(L"\r同意了接收文件。取消\r", Text());
    EXPECT_EQ(0, LastLink()->m_strPath.CompareNoCase(chosen.c_str())) << LastLink()->m_strPath.GetString();
    ASSERT_EQ(1u, m_frame.m_messages.size());
    EXPECT_EQ(LINK_FILE_ACCEPTED, m_frame.m_messages[0].nResult);

    // A peer's name that is a device or a path is not proposed.
    m_edit.InsertFile(4, L"C:\\peer\\CON", 1, 0);
    SaveAs(AnswerFileDialog(L"", true, seen));
    EXPECT_EQ(L"", seen.strProposedName);
}

TEST_F(RichLinkTest, MissingComponentShowsTheNotInstalledLineInDarkRed)
{
    chattest::CComponentMissing missing(CLSID_TransFile);
    ASSERT_TRUE(missing.IsActive());
    m_edit.AppendMsg(L"hello", nullptr, 0, 0);
    m_edit.InsertFile(9, L"C:\\a.txt", 1, 0);
    EXPECT_EQ(L"hello\r文件传输组件没有安装，无法传送文件。\r", Text());
    EXPECT_EQ(kDarkRed, ColourOf(L"文件传输组件"));
    EXPECT_TRUE(Objects().empty());
    EXPECT_EQ(0, m_edit.ExistLink(LINK_FILE));
    EXPECT_EQ(nullptr, m_edit.InsertTransFileAx(m_edit.Ole(), 9, L"c", L"n", 1));
}

TEST_F(RichLinkTest, GetFileLinksHandsOverOnlyThePendingFileLinks)
{
    m_edit.InsertFile(1, L"C:\\a", 1, 0);
    m_edit.InsertAVLink(LINK_AUDIO, 0, kInvitationBitmap);
    m_edit.InsertFile(2, L"C:\\b", 1, 1);
    m_edit.InsertFile(3, L"C:\\c", 1, 0);
    Click(L"拒绝"); // the third file: answered, no longer pending
    CPtrList out;
    m_edit.GetFileLinks(out);
    ASSERT_EQ(2, out.GetCount());
    EXPECT_EQ(1, static_cast<CTavoRichLink*>(out.GetHead())->m_nTransferId);
    EXPECT_EQ(2, static_cast<CTavoRichLink*>(out.GetTail())->m_nTransferId);
    EXPECT_EQ(2, m_edit.m_listLinks.GetCount());
    while (!out.IsEmpty())
        delete static_cast<CTavoRichLink*>(out.RemoveHead());
}

// The library's string table holds the default (Chinese) texts under the language identifiers'
// numbers.
TEST_F(RichLinkTest, StringTableHoldsTheDefaultTexts)
{
    CLangProRC* texts = CLangDB::Instance()->get(L"vo_share");
    ASSERT_NE(nullptr, texts);
    const struct {
        UINT nId;
        const wchar_t* pszName;
    } cases[] = {{6005, L"IDS_LINK_ACCEPT"},      {6013, L"IDS_LINK_ERROR"},
                 {6026, L"IDS_WAIT_ACCEPT"},      {6029, L"IDS_AUDIO_CONV"},
                 {6043, L"IDS_E_CREATESOCKET"},   {6054, L"IDS_E_TRANSFILE"},
                 {6062, L"IDS_INVI_AV_ACCEPTED"}, {6063, L"IDS_TRANSFILE_NOTINSTALLED"}};
    for (const auto& test : cases) {
        CString text;
        EXPECT_TRUE(text.LoadString(test.nId)) << test.nId;
        EXPECT_EQ(texts->GetString(test.pszName), text) << test.nId;
    }
}
