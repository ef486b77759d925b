// CString: construction, formatting, searching and substring clamping, editing, buffers and
// string resources.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

const UINT kHelloId = 0x7A00;
const UINT kFormatId = 0x7A01;
const UINT kChineseId = 0x7A02;
const UINT kMissingId = 0x7A0F;

TEST(CStringTest, ConstructsFromWideNarrowRepeatAndNull)
{
    EXPECT_STREQ(L"abc", CString(L"abc"));
    EXPECT_STREQ(L"abc", CString("abc"));
    EXPECT_STREQ(L"ab", CString("abc", 2));
    EXPECT_STREQ(L"xxx", CString(L'x', 3));
    EXPECT_TRUE(CString(static_cast<LPCWSTR>(nullptr)).IsEmpty());
    EXPECT_TRUE(CString(L'x', -1).IsEmpty());
    CString source(L"moved");
    const CString copy(source);
    const CString moved(std::move(source));
    EXPECT_STREQ(L"moved", copy);
    EXPECT_STREQ(L"moved", moved);
}

TEST(CStringTest, FormatsWideStringsNumbersAndHex)
{
    CString s;
    s.Format(L"[%s|%d|%08lx|%u|%c]", L"wide", -42, 0xBEEFUL, 4000000000U, L'Z');
    EXPECT_STREQ(L"[wide|-42|0000beef|4000000000|Z]", s);
    s.AppendFormat(L"%s", L"+more");
    EXPECT_STREQ(L"[wide|-42|0000beef|4000000000|Z]+more", s);
}

TEST(CStringTest, FormatsOutputsLongerThanAnyFixedBuffer)
{
    const CString chunk(L'a', 5000);
    CString s;
    s.Format(L"<%s>%d", static_cast<LPCTSTR>(chunk), 7);
    ASSERT_EQ(5003, s.GetLength());
    EXPECT_EQ(L'<', s[0]);
    EXPECT_EQ(L'a', s[4999]);
    EXPECT_STREQ(L">7", s.Right(2));
}

TEST(CStringTest, FormatMayUseItsOwnTextAsArgument)
{
    CString s(L"abc");
    s.Format(L"%s-%s", static_cast<LPCTSTR>(s), static_cast<LPCTSTR>(s));
    EXPECT_STREQ(L"abc-abc", s);
    s.AppendFormat(L"/%s", static_cast<LPCTSTR>(s));
    EXPECT_STREQ(L"abc-abc/abc-abc", s);
}

TEST(CStringTest, FormatsFromStringResource)
{
    CString s;
    s.Format(kFormatId, L"List", 3);
    EXPECT_STREQ(L"List has 3 items", s);
}

TEST(CStringTest, FindHonoursStartAndBounds)
{
    const CString s(L"abcabc");
    EXPECT_EQ(1, s.Find(L'b'));
    EXPECT_EQ(4, s.Find(L'b', 2));
    EXPECT_EQ(-1, s.Find(L'b', 5));
    EXPECT_EQ(-1, s.Find(L'a', 100));
    EXPECT_EQ(0, s.Find(L'a', -3));
    EXPECT_EQ(3, s.Find(L"abc", 1));
    EXPECT_EQ(-1, s.Find(L"abc", 4));
    EXPECT_EQ(-1, s.Find(L"x"));
    EXPECT_EQ(6, s.Find(L"", 6));
    EXPECT_EQ(-1, s.Find(L"", 7));
    EXPECT_EQ(4, s.ReverseFind(L'b'));
    EXPECT_EQ(-1, s.ReverseFind(L'z'));
    EXPECT_EQ(2, s.FindOneOf(L"xc"));
    EXPECT_EQ(-1, s.FindOneOf(L"xyz"));
}

TEST(CStringTest, SubstringsClampOutOfRangeArguments)
{
    const CString s(L"hello");
    EXPECT_STREQ(L"ell", s.Mid(1, 3));
    EXPECT_STREQ(L"llo", s.Mid(2));
    EXPECT_STREQ(L"he", s.Mid(-3, 2));
    EXPECT_STREQ(L"lo", s.Mid(3, 100));
    EXPECT_STREQ(L"", s.Mid(9, 2));
    EXPECT_STREQ(L"", s.Mid(1, -2));
    EXPECT_STREQ(L"hel", s.Left(3));
    EXPECT_STREQ(L"hello", s.Left(50));
    EXPECT_STREQ(L"", s.Left(-1));
    EXPECT_STREQ(L"llo", s.Right(3));
    EXPECT_STREQ(L"hello", s.Right(50));
    EXPECT_STREQ(L"", s.Right(-1));
}

TEST(CStringTest, ReplaceRemoveInsertDeleteReportCountsAndLengths)
{
    CString s(L"a-b-c");
    EXPECT_EQ(2, s.Replace(L'-', L'+'));
    EXPECT_STREQ(L"a+b+c", s);
    EXPECT_EQ(2, s.Replace(L"+", L"++"));
    EXPECT_STREQ(L"a++b++c", s);
    EXPECT_EQ(0, s.Replace(L"", L"x"));
    EXPECT_EQ(0, s.Replace(L"zz", L"x"));
    EXPECT_EQ(2, s.Replace(L"++", nullptr));
    EXPECT_STREQ(L"abc", s);
    EXPECT_EQ(1, s.Remove(L'b'));
    EXPECT_STREQ(L"ac", s);
    EXPECT_EQ(3, s.Insert(1, L'b'));
    EXPECT_EQ(5, s.Insert(100, L"de"));
    EXPECT_EQ(6, s.Insert(-5, L'_'));
    EXPECT_STREQ(L"_abcde", s);
    EXPECT_EQ(5, s.Delete(0));
    EXPECT_EQ(3, s.Delete(3, 100));
    EXPECT_EQ(3, s.Delete(10, 2));
    EXPECT_STREQ(L"abc", s);
}

TEST(CStringTest, TrimsWhiteSpaceOneCharacterOrACharacterSet)
{
    CString s(L" \t\r\n text \n");
    EXPECT_STREQ(L"text", s.Trim());
    s = L"xxtextxx";
    EXPECT_STREQ(L"textxx", CString(s).TrimLeft(L'x'));
    EXPECT_STREQ(L"xxtext", CString(s).TrimRight(L'x'));
    s = L"-=text=-";
    EXPECT_STREQ(L"text", s.Trim(L"=-"));
    s = L"----";
    EXPECT_STREQ(L"", s.TrimRight(L'-'));
    s = L"  ";
    EXPECT_STREQ(L"", s.TrimLeft());
}

TEST(CStringTest, ComparesAndChangesCase)
{
    const CString s(L"Hello");
    EXPECT_EQ(0, s.Compare(L"Hello"));
    EXPECT_LT(s.Compare(L"hello"), 0);
    EXPECT_EQ(0, s.CompareNoCase(L"hELLO"));
    EXPECT_TRUE(s == L"Hello");
    EXPECT_TRUE(L"Hello" == s);
    EXPECT_TRUE(s != CString(L"hello"));
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
    EXPECT_STREQ(L"HELLO", CString(s).MakeUpper());
    EXPECT_STREQ(L"hello", CString(s).MakeLower());
    EXPECT_STREQ(L"olleH", CString(s).MakeReverse());
    EXPECT_STREQ(L"ab", CString(L"a") + L'b');
    EXPECT_STREQ(L"xHello!", L"x" + s + L"!");
}

TEST(CStringTest, IndexesWithAnyIntegerType)
{
    CString s(L"abc");
    EXPECT_EQ(L'b', s[1]);
    EXPECT_EQ(L'c', s[size_t(2)]);
    EXPECT_EQ(L'a', s[UINT(0)]);
    s.SetAt(0, L'X');
    EXPECT_STREQ(L"Xbc", s);
}

TEST(CStringTest, TokenizesAndSpans)
{
    const CString s(L",,one,two;;three,");
    int pos = 0;
    EXPECT_STREQ(L"one", s.Tokenize(L",;", pos));
    EXPECT_STREQ(L"two", s.Tokenize(L",;", pos));
    EXPECT_STREQ(L"three", s.Tokenize(L",;", pos));
    EXPECT_STREQ(L"", s.Tokenize(L",;", pos));
    EXPECT_EQ(-1, pos);
    EXPECT_STREQ(L"123", CString(L"123abc").SpanIncluding(L"0123456789"));
    EXPECT_STREQ(L"abc", CString(L"abc:def").SpanExcluding(L":;"));
}

TEST(CStringTest, BufferAccessSetsTheNewLength)
{
    CString s(L"abc");
    LPTSTR buffer = s.GetBuffer(MAX_PATH);
    EXPECT_STREQ(L"abc", buffer);
    wcscpy(buffer, L"replaced text");
    s.ReleaseBuffer();
    EXPECT_STREQ(L"replaced text", s);
    EXPECT_EQ(13, s.GetLength());

    buffer = s.GetBuffer(20);
    buffer[2] = L'\0';
    s.ReleaseBuffer(8);
    EXPECT_EQ(8, s.GetLength());
    EXPECT_EQ(L'\0', s[2]);

    buffer = s.GetBufferSetLength(3);
    buffer[0] = L'x';
    s.ReleaseBuffer();
    EXPECT_STREQ(L"xe", s);
}

TEST(CStringTest, LoadsStringResourcesAndKeepsTextOnFailure)
{
    CString s(L"unchanged");
    EXPECT_FALSE(s.LoadString(kMissingId));
    EXPECT_STREQ(L"unchanged", s);
    ASSERT_TRUE(s.LoadString(kHelloId));
    EXPECT_STREQ(L"Hello from the string table", s);
    ASSERT_TRUE(s.LoadString(kChineseId));
    EXPECT_STREQ(L"\u4E2D\u6587", s);
    EXPECT_STREQ(L"Hello from the string table", CString(MAKEINTRESOURCEW(kHelloId)));
}

} // namespace
