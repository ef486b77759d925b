// CString: the framework's wide (UTF-16) string with MFC's interface. Plain value semantics:
// every copy owns its characters (no copy-on-write). Convert explicitly with (LPCTSTR) or
// GetString() when passing a CString to a variadic function such as Format.
#pragma once

#include "afxlite/AfxDef.h"

#include <cstdarg>
#include <string>
#include <type_traits>

class AFX_API CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    // A MAKEINTRESOURCE value loads that string resource (as MFC's CString does).
    CString(LPCWSTR psz);
    CString(LPCWSTR pch, int nLength);
    // Narrow text is converted with the ANSI code page.
    CString(LPCSTR psz);
    CString(LPCSTR pch, int nLength);
    explicit CString(wchar_t ch, int nRepeat = 1);
    ~CString() = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCWSTR psz);
    CString& operator=(LPCSTR psz);
    CString& operator=(wchar_t ch);

    operator LPCTSTR() const { return m_str.c_str(); }
    LPCTSTR GetString() const { return m_str.c_str(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    wchar_t GetAt(int nIndex) const;
    void SetAt(int nIndex, wchar_t ch);
    // Any integral index type, so that s[i] never competes with the built-in pointer subscript.
    template <typename Index, typename = std::enable_if_t<std::is_integral<Index>::value>>
    wchar_t operator[](Index nIndex) const
    {
        return GetAt(static_cast<int>(nIndex));
    }

    CString& operator+=(const CString& str);
    CString& operator+=(LPCWSTR psz);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(wchar_t ch);
    void Append(LPCWSTR psz);
    void Append(LPCWSTR pch, int nLength);
    void AppendChar(wchar_t ch);

    // Ordinal (Compare), case-insensitive ordinal (CompareNoCase) and locale (Collate) orders;
    // results < 0, 0 or > 0.
    int Compare(LPCTSTR psz) const;
    int CompareNoCase(LPCTSTR psz) const;
    int Collate(LPCTSTR psz) const;
    int CollateNoCase(LPCTSTR psz) const;

    // Searches return the zero-based position or -1. A start beyond the end finds nothing;
    // a negative start searches from the beginning.
    int Find(wchar_t ch, int iStart = 0) const;
    int Find(LPCTSTR pszSub, int iStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(LPCTSTR pszCharSet) const;

    // Substrings clamp out-of-range arguments to the string instead of failing.
    CString Mid(int iFirst, int nCount) const;
    CString Mid(int iFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR pszCharSet) const;
    CString SpanExcluding(LPCTSTR pszCharSet) const;
    // Next token after iStart delimited by any of pszTokens; iStart becomes -1 after the last.
    CString Tokenize(LPCTSTR pszTokens, int& iStart) const;

    // Editing; Replace and Remove return the number of replacements, Insert and Delete the
    // new length.
    int Replace(wchar_t chOld, wchar_t chNew);
    int Replace(LPCTSTR pszOld, LPCTSTR pszNew);
    int Remove(wchar_t ch);
    int Insert(int iIndex, wchar_t ch);
    int Insert(int iIndex, LPCTSTR psz);
    int Delete(int iIndex, int nCount = 1);

    CString& MakeLower();
    CString& MakeUpper();
    CString& MakeReverse();

    // Trimming removes white space, or the given character, or any of the given characters.
    CString& Trim();
    CString& Trim(wchar_t chTarget);
    CString& Trim(LPCTSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t chTarget);
    CString& TrimLeft(LPCTSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(wchar_t chTarget);
    CString& TrimRight(LPCTSTR pszTargets);

    // printf-style formatting with the platform CRT's wide rules (%s takes a wide string).
    void AFX_CDECL Format(LPCTSTR pszFormat, ...);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void AFX_CDECL AppendFormat(LPCTSTR pszFormat, ...);
    void FormatV(LPCTSTR pszFormat, va_list args);
    void AppendFormatV(LPCTSTR pszFormat, va_list args);

    // Direct access to the characters: write at most the requested length, then call
    // ReleaseBuffer with the new length (-1: up to the first null character).
    LPTSTR GetBuffer();
    LPTSTR GetBuffer(int nMinBufferLength);
    LPTSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void Preallocate(int nLength);
    void FreeExtra();
    int GetAllocLength() const;

    // Loads a string resource from the module the resource chain names for it (or from the
    // given module). On failure returns FALSE and leaves the string unchanged.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

private:
    std::wstring m_str;
};

inline CString operator+(const CString& a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}
inline CString operator+(const CString& a, LPCTSTR b)
{
    CString s(a);
    s += b;
    return s;
}
inline CString operator+(LPCTSTR a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}
inline CString operator+(const CString& a, wchar_t b)
{
    CString s(a);
    s += b;
    return s;
}
inline CString operator+(wchar_t a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}

inline bool operator==(const CString& a, const CString& b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(const CString& a, LPCTSTR b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(LPCTSTR a, const CString& b)
{
    return b.Compare(a) == 0;
}
inline bool operator!=(const CString& a, const CString& b)
{
    return a.Compare(b) != 0;
}
inline bool operator!=(const CString& a, LPCTSTR b)
{
    return a.Compare(b) != 0;
}
inline bool operator!=(LPCTSTR a, const CString& b)
{
    return b.Compare(a) != 0;
}
inline bool operator<(const CString& a, const CString& b)
{
    return a.Compare(b) < 0;
}
inline bool operator<(const CString& a, LPCTSTR b)
{
    return a.Compare(b) < 0;
}
inline bool operator<(LPCTSTR a, const CString& b)
{
    return b.Compare(a) > 0;
}
inline bool operator>(const CString& a, const CString& b)
{
    return a.Compare(b) > 0;
}
inline bool operator>(const CString& a, LPCTSTR b)
{
    return a.Compare(b) > 0;
}
inline bool operator>(LPCTSTR a, const CString& b)
{
    return b.Compare(a) < 0;
}
inline bool operator<=(const CString& a, const CString& b)
{
    return a.Compare(b) <= 0;
}
inline bool operator<=(const CString& a, LPCTSTR b)
{
    return a.Compare(b) <= 0;
}
inline bool operator<=(LPCTSTR a, const CString& b)
{
    return b.Compare(a) >= 0;
}
inline bool operator>=(const CString& a, const CString& b)
{
    return a.Compare(b) >= 0;
}
inline bool operator>=(const CString& a, LPCTSTR b)
{
    return a.Compare(b) >= 0;
}
inline bool operator>=(LPCTSTR a, const CString& b)
{
    return b.Compare(a) <= 0;
}
