// Messages in the chat view: the shortcut rules of the emoticon scan, animated emoticons and
// their still fallback, the text round trip of GetText, resource bitmaps and picture files
// inserted without touching the user's text, and the control's background colour kept.
// The outside components' identifiers are defined in this file of the program.
#include <initguid.h>

#include "ChatTestSupport.h"

#include "../common/PictureFiles.h"
#include "../common/TempFolder.h"

#include <Faces.h>

using chattest::ChatTest;

namespace {

// A bitmap of the library's own resources (the second logo), found through the resource chain.
const UINT kLibraryBitmap = 6323;

} // namespace

TEST_F(ChatTest, ShortcutNeedsTwoMoreCharactersAfterItToBecomeAnEmoticon)
{
    ASSERT_NE(nullptr, CFaces::GetFace(3u)) << "the shipped catalogue: position 3 is :(";
    for (const wchar_t* text : {L":(", L":(x"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(text)));
        m_edit.SetWindowText(L"");
        m_edit.AppendMsg(text, nullptr, 0, 0);
        EXPECT_EQ(text, Text());
        EXPECT_TRUE(Objects().empty());
    }
    m_edit.SetWindowText(L"");
    m_edit.AppendMsg(L"a:(xy:(", nullptr, 0, 0);
    const std::vector<REOBJECT> objects = Objects();
    ASSERT_EQ(1u, objects.size()) << "the shortcut at the end stays text";
    EXPECT_EQ(1, objects[0].cp);
    EXPECT_EQ(3u, objects[0].dwUser);
    EXPECT_NE(0u, objects[0].dwFlags & REO_BELOWBASELINE) << "animated";
    EXPECT_EQ(L"axy:(", Text());
}

TEST_F(ChatTest, GetTextWritesEachEmoticonAsItsFirstShortcut)
{
    m_edit.AppendMsg(L"a:-(b;-)cd", RGB(0, 0, 255), 0, 0);
    ASSERT_EQ(2u, Objects().size());
    CString text(L"> ");
    m_edit.GetText(text, 0);
    EXPECT_EQ(CString(L"> a:(b;)cd"), text) << "second shortcuts come back as first ones";

    m_edit.SetSel(-1, -1);
    ASSERT_EQ(1, m_edit.InsertBitmap(kLibraryBitmap, -1));
    CString withBitmap;
    m_edit.GetText(withBitmap, 1);
    EXPECT_EQ(CString(L"a:(b;)cd:)"), withBitmap) << "user value 0 reads as emoticon 0's shortcut, as peers expect";
    EXPECT_EQ(0, m_edit.GetTextLength()) << "cleared";
}

TEST_F(ChatTest, EmptyMessageIsALineFeedAfterItsBitmap)
{
    m_edit.AppendMsg(L"", nullptr, kLibraryBitmap, 2);
    PARAFORMAT2 paragraph = {};
    m_edit.SetSel(0, 0);
    m_edit.GetParaFormat(paragraph);
    EXPECT_EQ(2 * 180, paragraph.dxStartIndent);
    m_edit.AppendMsg(L"next", nullptr, 0, 1);
    m_edit.SetSel(0, 0);
    m_edit.GetParaFormat(paragraph);
    EXPECT_EQ(2 * 180, paragraph.dxStartIndent) << "the selected older paragraph keeps its indent";
    m_edit.SetWindowText(L"");
    m_edit.AppendMsg(L"", nullptr, kLibraryBitmap, 0);
    const std::vector<REOBJECT> objects = Objects();
    ASSERT_EQ(1u, objects.size());
    EXPECT_EQ(0u, objects[0].dwUser);
    EXPECT_EQ(0u, objects[0].dwFlags);
    EXPECT_EQ(L"\r", Text());
    EXPECT_EQ(0, m_edit.InsertBitmap(1, -1)) << "no such bitmap";
}

TEST_F(ChatTest, MissingAnimationComponentGivesStillEmoticons)
{
    chattest::CComponentMissing missing(CLSID_FaceAnimator);
    ASSERT_TRUE(missing.IsActive());
    m_edit.AppendMsg(L"x:(yz", nullptr, 0, 0);
    const std::vector<REOBJECT> objects = Objects();
    ASSERT_EQ(1u, objects.size());
    EXPECT_EQ(3u, objects[0].dwUser);
    EXPECT_EQ(0u, objects[0].dwFlags & REO_BELOWBASELINE) << "a still picture";
    EXPECT_EQ(L"xyz", Text());
    EXPECT_EQ(0, m_edit.InsertAnimate(L"C:\\no\\such.gif", 1));
}

// A picture file goes in without eating the user's text; the still picture of a file is drawn on
// the control's background, which the control keeps.
TEST_F(ChatTest, PictureFilesAreInsertedWithoutEatingTheUsersTextAndDrawnStill)
{
    CTempFolder folder;
    ASSERT_TRUE(folder.Write(L"red.bmp", MakeBmpFile(6, 4, [](int, int) { return RGB(255, 0, 0); })));
    m_edit.AppendMsg(L"typed", nullptr, 0, 0);
    m_edit.SetSel(5, 5);
    ASSERT_EQ(1, m_edit.InsertBitmap(CString(folder.Path(L"red.bmp").c_str()), 77));
    EXPECT_EQ(L"typed", Text());
    const std::vector<REOBJECT> objects = Objects();
    ASSERT_EQ(1u, objects.size());
    EXPECT_EQ(5, objects[0].cp);
    EXPECT_EQ(77u, objects[0].dwUser);

    EXPECT_EQ(0, m_edit.InsertBitmap(CString(folder.Path(L"absent.bmp").c_str()), 1));
    ASSERT_TRUE(folder.Write(
        L"huge.bmp", MakeBmpFile(CTavoRichEdit::kMaxPictureSide + 1, 1, [](int, int) { return RGB(0, 0, 0); })));
    EXPECT_EQ(0, m_edit.InsertBitmap(CString(folder.Path(L"huge.bmp").c_str()), 1)) << "too wide";
    EXPECT_EQ(1u, Objects().size());

    const COLORREF kBack = RGB(10, 200, 30);
    m_edit.SetBackgroundColor(FALSE, kBack);
    HBITMAP hStill = m_edit.GetImage(folder.Path(L"red.bmp").c_str(), 0);
    ASSERT_NE(nullptr, hStill);
    BITMAP info = {};
    ::GetObjectW(hStill, sizeof(info), &info);
    EXPECT_EQ(CSize(6, 4), CSize(info.bmWidth, info.bmHeight));
    ::DeleteObject(hStill);
    EXPECT_EQ(kBack, m_edit.SetBackgroundColor(FALSE, kBack)) << "the control keeps its colour";
    EXPECT_EQ(nullptr, m_edit.GetImage(folder.Path(L"red.bmp").c_str(), CFaces::GetFaceNum()));
    EXPECT_EQ(nullptr, m_edit.GetImage(folder.Path(L"absent.bmp").c_str(), 0));
}
