// The framework's one-per-job helpers: settings values with and without a length limit, the
// numbers in them, module file names, and the check of names joined to a folder.
#include <afx.h>
#include <afxmsxml.h>
#include <afxlite/AfxPath.h>
#include <afxlite/AfxProfile.h>

#include "../common/TempFolder.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ProfileTest, ValuesAreWholeUnlessLimitedAndWritesThatWouldAddLinesAreRefused)
{
    CTempFolder folder;
    ASSERT_TRUE(folder.IsReady());
    const std::wstring file = folder.Path(L"settings.ini");
    const std::wstring longValue(5000, L'x'); // longer than the first buffer
    ASSERT_TRUE(WritePrivateProfileStringW(L"s", L"long", longValue.c_str(), file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringW(L"s", L"number", L"  -12abc", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringW(L"s", L"huge", L"99999999999", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringW(L"s", L"word", L"twelve", file.c_str()));

    EXPECT_EQ(5000, AfxGetProfileText(file.c_str(), L"s", L"long").GetLength());
    EXPECT_EQ(CString(longValue.substr(0, 255).c_str()), AfxGetProfileText(file.c_str(), L"s", L"long", L"", 255));
    EXPECT_EQ(CString(L"fallback"), AfxGetProfileText(file.c_str(), L"s", L"missing", L"fallback"));
    EXPECT_EQ(CString(L"fallback"), AfxGetProfileText(folder.Path(L"none.ini").c_str(), L"s", L"long", L"fallback"));

    EXPECT_EQ(-12, AfxGetProfileNumber(file.c_str(), L"s", L"number", 7));
    EXPECT_EQ(INT_MAX, AfxGetProfileNumber(file.c_str(), L"s", L"huge", 7));
    EXPECT_EQ(7, AfxGetProfileNumber(file.c_str(), L"s", L"word", 7));
    EXPECT_EQ(7, AfxGetProfileNumber(file.c_str(), L"s", L"missing", 7));

    const std::wstring written = folder.Path(L"written.ini");
    EXPECT_TRUE(AfxWriteProfileText(written.c_str(), L"s", L"name", L"plain"));
    for (const wchar_t* value : {L"two\r\n[lines]", L"x\nk=v", L"cr\r"})
        EXPECT_FALSE(AfxWriteProfileText(written.c_str(), L"s", L"name", value)) << value;
    EXPECT_FALSE(AfxWriteProfileText(written.c_str(), L"s", L"k\r\n[t]", L"v"));
    EXPECT_EQ(CString(L"plain"), AfxGetProfileText(written.c_str(), L"s", L"name"));
    wchar_t sections[64] = {};
    ::GetPrivateProfileSectionNamesW(sections, 64, written.c_str());
    EXPECT_STREQ(L"s", sections);
    EXPECT_EQ(L'\0', sections[2]) << "one section only";
    EXPECT_FALSE(AfxWriteProfileText(folder.Path().c_str(), L"s", L"name", L"plain"));
}

TEST(PathTest, ModuleNamesAndPlainFileNames)
{
    wchar_t path[MAX_PATH] = {};
    ASSERT_NE(0u, GetModuleFileNameW(nullptr, path, MAX_PATH));
    const CString full(path);
    EXPECT_EQ(full, AfxGetModuleFileName(nullptr));
    EXPECT_EQ(full.Left(full.ReverseFind(L'\\')), AfxGetModuleFolder(nullptr));
    EXPECT_EQ(CString(L"test_afx"), AfxGetModuleBaseName(nullptr));

    for (const wchar_t* name : {L"chs", L"abc.xml", L"..x", L"信息", L"a b", L"CONSOLE", L"COM10", L"nul_", L"LPT"})
        EXPECT_TRUE(AfxIsPlainFileName(name)) << testing::PrintToString(std::wstring(name));
    for (const wchar_t* name :
         {L"",    L".",        L"..",      L"...",  L"a\\b",     L"a/b",       L"c:x",    L"a:stream",
          L"*",   L"a?",       L"\"q\"",   L"<a>",  L"a|b",      L"tab\there", L"CON",    L"con.xml",
          L"Nul", L"aux .txt", L"PRN.a.b", L"COM1", L"lpt9.log", L"COM\u00B9", L"CONIN$", L"conout$.x"})
        EXPECT_FALSE(AfxIsPlainFileName(name)) << testing::PrintToString(std::wstring(name));
    EXPECT_FALSE(AfxIsPlainFileName(nullptr));
}

TEST(XmlTextTest, OnlyCharactersAndNamesAnXmlFileCanHoldPass)
{
    const std::wstring good = L"tab\t line\n\r \u4fe1 \U0001F600 \uFFFD";
    EXPECT_TRUE(AfxIsXmlText(good.c_str(), static_cast<int>(good.size())));
    for (const std::wstring bad :
         {std::wstring(L"esc\x1B"), std::wstring(1, L'\0'), std::wstring(L"\xFFFE"), std::wstring(L"\xFFFF"),
          std::wstring(L"lone \xD800 high"), std::wstring(L"lone \xDC00 low"), std::wstring(L"ends \xD83D")})
        EXPECT_FALSE(AfxIsXmlText(bad.c_str(), static_cast<int>(bad.size()))) << testing::PrintToString(bad);

    for (const std::wstring name :
         {L"tavo", L"_x", L"ns:item", L"a-b.c9", L"\u4fe1\u606f", L"\u00e9t\u00e9", L"\U00010000x"})
        EXPECT_TRUE(AfxIsXmlName(name.c_str(), static_cast<int>(name.size()))) << testing::PrintToString(name);
    for (const std::wstring name :
         {L"", L"a b", L"1x", L"<", L"-a", L".a", L"a>", L"a\u00d7b", L"\U000F0000", L"x\xD800", L"\xDC00x", L"a\tb"})
        EXPECT_FALSE(AfxIsXmlName(name.c_str(), static_cast<int>(name.size()))) << testing::PrintToString(name);
}

} // namespace
