// CString: formatting, searching and substring clamping, editing, buffers and string resources.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

TEST(CStringTest, FormatsWideStringsLongOutputsItsOwnTextAndResources)
{
    CString s;
    s.Format(L"[%s|%d|%08lx|%u|%c]", L"wide", -42, 0xBEEFUL, 4000000000U, L'Z');
    EXPECT_STREQ(L"[wide|-42|0000beef|4000000000|Z]", s);
    const CString chunk(L'a', 5000);
    s.Format(L"<%s>%d", static_cast<LPCTSTR>(chunk), 7);
    ASSERT_EQ(5003, s.GetLength());
    EXPECT_STREQ(L">7", s.Right(2));
    s = L"abc";
    s.Format(L"%s-%s", static_cast<LPCTSTR>(s), static_cast<LPCTSTR>(s));
    s.AppendFormat(L"/%s", static_cast<LPCTSTR>(s));
    EXPECT_STREQ(L"abc-abc/abc-abc", s);

    // String resources of StringTests.rc; a failed load keeps the text.
    s.Format(0x7A01, L"List", 3);
    EXPECT_STREQ(L"List has 3 items", s);
    EXPECT_FALSE(s.LoadString(0x7A0F));
    EXPECT_STREQ(L"List has 3 items", s);
    ASSERT_TRUE(s.LoadString(0x7A02));
    EXPECT_STREQ(L"\u4E2D\u6587", s);
    EXPECT_STREQ(L"Hello from the string table", CString(MAKEINTRESOURCEW(0x7A00)));
}

TEST(CStringTest, SearchesAndSubstringsClampOutOfRangeArguments)
{
    const CString s(L"abcabc");
    EXPECT_EQ(4, s.Find(L'b', 2));
    EXPECT_EQ(-1, s.Find(L'b', 5));
    EXPECT_EQ(-1, s.Find(L'a', 100));
    EXPECT_EQ(0, s.Find(L'a', -3));
    EXPECT_EQ(3, s.Find(L"abc", 1));
    EXPECT_EQ(-1, s.Find(L"abc", 4));
    EXPECT_EQ(6, s.Find(L"", 6));
    EXPECT_EQ(-1, s.Find(L"", 7));
    EXPECT_EQ(4, s.ReverseFind(L'b'));

    const CString hello(L"hello");
    EXPECT_STREQ(L"ell", hello.Mid(1, 3));
    EXPECT_STREQ(L"he", hello.Mid(-3, 2));
    EXPECT_STREQ(L"lo", hello.Mid(3, 100));
    EXPECT_STREQ(L"", hello.Mid(9, 2));
    EXPECT_STREQ(L"", hello.Mid(1, -2));
    EXPECT_STREQ(L"hello", hello.Left(50));
    EXPECT_STREQ(L"", hello.Right(-1));

    const CString list(L",,one,two;;three,");
    int pos = 0;
    for (const wchar_t* token : {L"one", L"two", L"three", L""})
        EXPECT_STREQ(token, list.Tokenize(L",;", pos));
    EXPECT_EQ(-1, pos);
    EXPECT_STREQ(L"123", CString(L"123abc").SpanIncluding(L"0123456789"));
    EXPECT_STREQ(L"abc", CString(L"abc:def").SpanExcluding(L":;"));
}

TEST(CStringTest, EditsReportCountsAndBuffersSetTheNewLength)
{
    CString s(L"a-b-c");
    EXPECT_EQ(2, s.Replace(L"-", L"++"));
    EXPECT_EQ(0, s.Replace(L"", L"x"));
    EXPECT_EQ(2, s.Replace(L"++", nullptr));
    EXPECT_EQ(5, s.Insert(100, L"de")); // positions past either end are clamped
    EXPECT_EQ(6, s.Insert(-5, L'_'));
    EXPECT_EQ(3, s.Delete(3, 100));
    EXPECT_STREQ(L"_ab", s);
    s = L" \t\r\n -=text=- \n";
    EXPECT_STREQ(L"text", s.Trim().Trim(L"=-"));
    s = L"----";
    EXPECT_STREQ(L"", s.TrimRight(L'-'));

    s = L"abc";
    LPTSTR buffer = s.GetBuffer(MAX_PATH);
    EXPECT_STREQ(L"abc", buffer);
    wcscpy(buffer, L"replaced text");
    s.ReleaseBuffer();
    EXPECT_EQ(13, s.GetLength());
    buffer = s.GetBuffer(20);
    buffer[2] = L'\0';
    s.ReleaseBuffer(8);
    EXPECT_EQ(8, s.GetLength());
    EXPECT_EQ(L'\0', static_cast<LPCTSTR>(s)[8]);
}

} // namespace
