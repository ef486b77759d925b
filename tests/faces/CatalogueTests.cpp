// The emoticon catalogue: the count rules of faces.ini, shortcut splitting and matching (case,
// first characters, earliest position), release and reload, and the shipped catalogues of both
// languages with their pictures.
#include <Faces.h>
#include <VoHelpers.h>

#include "../common/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Reaches the loader that takes a file name.
class CFacesProbe : public CFaces {
public:
    using CFaces::LoadFrom;
};

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CFaces::Release();
        ASSERT_TRUE(m_folder.IsReady());
    }
    void TearDown() override { CFaces::Release(); }

    // Writes lines as a UTF-16 settings file with a byte-order mark and loads it.
    void Load(const std::wstring& lines)
    {
        const std::wstring text = L"\xFEFF[FACE]\r\n" + lines;
        ASSERT_TRUE(m_folder.Write(
            L"faces.ini", std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t))));
        CFaces::Release();
        CFacesProbe::LoadFrom(m_folder.Path(L"faces.ini").c_str());
    }

    CTempFolder m_folder;
};

struct Match {
    int index; // -1: no emoticon
    int length;
};

Match Find(const wchar_t* text)
{
    int length = -7;
    const COneFace* face = CFaces::GetFace(text, &length);
    return {face ? face->m_nIndex : -1, length};
}

bool operator==(const Match& a, const Match& b)
{
    return a.index == b.index && a.length == b.length;
}

std::ostream& operator<<(std::ostream& out, const Match& m)
{
    return out << "{" << m.index << ", " << m.length << "}";
}

} // namespace

TEST_F(CatalogueTest, CountFollowsFacenumWithDefaultsForMissingAndTooLarge)
{
    const struct {
        const wchar_t* lines;
        unsigned int count;
    } cases[] = {{L"facenum=300\r\n", 49}, {L"facenum=255\r\n", 255}, {L"facenum=0\r\n", 0}, {L"other=1\r\n", 49},
                 {L"facenum=-5\r\n", 49},  {L"facenum=abc\r\n", 0},   {L"facenum=3x\r\n", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lines);
        Load(c.lines);
        EXPECT_EQ(c.count, CFaces::GetFaceNum());
        EXPECT_NE(nullptr, CFaces::m_ppfaces) << "the array exists, even when empty";
        EXPECT_EQ(nullptr, CFaces::GetFace(0u));
    }
    CFaces::Release();
    CFacesProbe::LoadFrom(m_folder.Path(L"missing.ini").c_str());
    EXPECT_EQ(49u, CFaces::GetFaceNum());
    EXPECT_EQ(nullptr, CFaces::GetFace(48u));
}

TEST_F(CatalogueTest, KeysSplitAtFirstSpaceRecordFirstCharactersOnceAndAreCut)
{
    Load(L"facenum=4\r\nkey001=:) :-)\r\ntip001=smile\r\nkey003=x y z\r\ntip004=orphan\r\n");
    const COneFace* smile = CFaces::GetFace(0u);
    ASSERT_NE(nullptr, smile);
    EXPECT_EQ(CString(L":)"), smile->m_strKey1);
    EXPECT_EQ(CString(L":-)"), smile->m_strKey2);
    EXPECT_EQ(CString(L"smile"), smile->m_strTip);
    EXPECT_EQ(Match({0, 2}), Find(L":)!"));
    EXPECT_EQ(Match({0, 3}), Find(L":-) there"));
    EXPECT_EQ(1, COneFace::g_strFirsts.Replace(L":", L":")) << "the colon is recorded once";

    // Profile values lose leading blanks, so the leading space never reaches SetKey: it is
    // tested on the entry directly.
    COneFace spaced(9);
    CString text = L" abc";
    spaced.SetKey(text);
    EXPECT_EQ(CString(L" abc"), spaced.m_strKey1);
    EXPECT_TRUE(spaced.m_strKey2.IsEmpty());
    int length = 0;
    EXPECT_EQ(1, spaced.HasKey(L" ABCD", &length));
    EXPECT_EQ(4, length);

    const COneFace* xyz = CFaces::GetFace(2u);
    ASSERT_NE(nullptr, xyz);
    EXPECT_EQ(CString(L"y z"), xyz->m_strKey2);
    EXPECT_EQ(nullptr, CFaces::GetFace(3u)) << "a tip without a key makes no entry";
    EXPECT_EQ(nullptr, CFaces::GetFace(4u));

    // Long values are cut to 255 characters.
    Load(L"facenum=1\r\nkey001=" + std::wstring(300, L'k') + L"\r\ntip001=" + std::wstring(400, L't') + L"\r\n");
    ASSERT_NE(nullptr, CFaces::GetFace(0u));
    EXPECT_EQ(255, CFaces::GetFace(0u)->m_strKey1.GetLength());
    EXPECT_EQ(255, CFaces::GetFace(0u)->m_strTip.GetLength());
}

TEST_F(CatalogueTest, CaseIsIgnoredAfterTheFirstCharacterAndEarliestPositionWins)
{
    Load(L"facenum=4\r\nkey001=:\r\nkey002=:)\r\nkey003=/a\r\nkey004=q\r\n");
    EXPECT_EQ(Match({0, 1}), Find(L":)")) << "no longest match: position 0 comes first";
    EXPECT_EQ(Match({2, 2}), Find(L"/A and more"));
    EXPECT_EQ(Match({3, 1}), Find(L"q"));
    EXPECT_EQ(Match({-1, -7}), Find(L"Q")) << "the first character is compared exactly";
    EXPECT_EQ(Match({-1, -7}), Find(L"/"));
    EXPECT_EQ(Match({-1, -7}), Find(L""));
}

TEST_F(CatalogueTest, ReleaseKeepsCountAndInitAfterReleaseReadsAgain)
{
    Load(L"facenum=2\r\nkey001=/r\r\n");
    EXPECT_EQ(nullptr, CFaces::GetFace(2u));
    CFaces::Release();
    EXPECT_EQ(2u, CFaces::GetFaceNum());
    EXPECT_EQ(nullptr, CFaces::GetFace(0u));
    EXPECT_EQ(Match({-1, -7}), Find(L"/r"));
    CFacesProbe::LoadFrom(m_folder.Path(L"faces.ini").c_str());
    EXPECT_EQ(Match({0, 2}), Find(L"/r"));
    CFacesProbe::LoadFrom(m_folder.Path(L"missing.ini").c_str());
    EXPECT_EQ(2u, CFaces::GetFaceNum()) << "a loaded catalogue is kept";
}

TEST_F(CatalogueTest, ShippedCataloguesHaveFortyNineEmoticonsWithPictures)
{
    CString exe;
    GetExePath(exe);
    const struct {
        const wchar_t* language;
        const wchar_t* tip;
    } languages[] = {{L"chs", L"微笑"}, {L"en", L"Smile"}};
    for (const auto& language : languages) {
        SCOPED_TRACE(testing::Message() << language.language);
        CFaces::Release();
        CFacesProbe::LoadFrom(exe + L"\\lang\\" + language.language + L"\\faces.ini");
        ASSERT_EQ(49u, CFaces::GetFaceNum());
        for (unsigned int i = 0; i < 49; ++i) {
            ASSERT_NE(nullptr, CFaces::GetFace(i)) << i;
            EXPECT_FALSE(CFaces::GetFace(i)->m_strTip.IsEmpty()) << i;
        }
        EXPECT_EQ(CString(language.tip), CFaces::GetFace(0u)->m_strTip);
        EXPECT_EQ(Match({0, 3}), Find(L":-) hello"));
        EXPECT_EQ(Match({48, 4}), Find(L"/dog!"));
    }
    CString first; // the pictures themselves are loaded by the animated picture's tests
    CFaces::GetFace(0u)->GetFileName(first);
    EXPECT_EQ(exe + L"\\images\\001.gif", first);

    CFaces::Release();
    CFaces::Init(); // the current language's file: Chinese unless lang.ini says otherwise
    ASSERT_NE(nullptr, CFaces::GetFace(0u));
    EXPECT_EQ(CString(L"微笑"), CFaces::GetFace(0u)->m_strTip);
}

TEST(CatalogueDeathTest, HasKeyWithoutTextOrLengthIsMisuse)
{
    COneFace face(0);
    int length = 0;
    EXPECT_DEATH(face.HasKey(nullptr, &length), "Assertion failed");
    EXPECT_DEATH(face.HasKey(L"x", nullptr), "Assertion failed");
}
