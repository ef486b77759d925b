// CString over std::wstring; the clamping rules of the substring and search functions follow
// MFC so that callers written for it get the same results.
#include "afxlite/CString.h"
#include "afxlite/AfxModule.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace {

LPCWSTR OrEmpty(LPCWSTR psz)
{
    return psz ? psz : L"";
}

std::wstring FromAnsi(LPCSTR pch, int nLength)
{
    if (!pch || nLength <= 0)
        return std::wstring();
    const int size = MultiByteToWideChar(CP_ACP, 0, pch, nLength, nullptr, 0);
    if (size <= 0)
        return std::wstring();
    std::wstring result(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, pch, nLength, &result[0], size);
    return result;
}

bool IsWhiteSpace(wchar_t ch)
{
    return iswspace(ch) != 0;
}

// Formats into a fresh string, so that arguments may point into the string being changed.
std::wstring FormatText(LPCTSTR pszFormat, va_list args)
{
    va_list probe;
    va_copy(probe, args);
    const int length = _vscwprintf(pszFormat, probe);
    va_end(probe);
    if (length <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    _vsnwprintf(&text[0], text.size(), pszFormat, args);
    text.resize(static_cast<size_t>(length));
    return text;
}

// Finds string nID in the string table of hInstance without copying it: strings live in blocks
// of 16 counted (not null-terminated) entries; an empty entry means the string does not exist.
bool FindStringResource(HINSTANCE hInstance, UINT nID, LPCWSTR& text, int& length)
{
    HRSRC resource = FindResourceW(hInstance, MAKEINTRESOURCEW((nID >> 4) + 1), RT_STRING);
    if (!resource)
        return false;
    HGLOBAL loaded = LoadResource(hInstance, resource);
    const auto* entry = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
    if (!entry)
        return false;
    const WCHAR* end = entry + SizeofResource(hInstance, resource) / sizeof(WCHAR);
    for (UINT i = 0; i < (nID & 15); ++i) {
        if (entry >= end)
            return false;
        entry += 1 + *entry;
    }
    if (entry >= end || *entry == 0 || entry + 1 + *entry > end)
        return false;
    length = *entry;
    text = entry + 1;
    return true;
}

} // namespace

CString::CString(LPCWSTR psz)
{
    if (psz && IS_INTRESOURCE(psz))
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(psz)));
    else if (psz)
        m_str = psz;
}

CString::CString(LPCWSTR pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.assign(pch, static_cast<size_t>(nLength));
}

CString::CString(LPCSTR psz) : m_str(psz ? FromAnsi(psz, static_cast<int>(strlen(psz))) : std::wstring())
{
}

CString::CString(LPCSTR pch, int nLength) : m_str(FromAnsi(pch, nLength))
{
}

CString::CString(wchar_t ch, int nRepeat) : m_str(static_cast<size_t>(std::max(nRepeat, 0)), ch)
{
}

CString& CString::operator=(LPCWSTR psz)
{
    m_str = OrEmpty(psz);
    return *this;
}

CString& CString::operator=(LPCSTR psz)
{
    return *this = CString(psz);
}

CString& CString::operator=(wchar_t ch)
{
    m_str.assign(1, ch);
    return *this;
}

wchar_t CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex <= GetLength());
    return m_str.c_str()[nIndex];
}

void CString::SetAt(int nIndex, wchar_t ch)
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex >= 0 && nIndex < GetLength())
        m_str[static_cast<size_t>(nIndex)] = ch;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCWSTR psz)
{
    Append(psz);
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    return *this += CString(psz);
}

CString& CString::operator+=(wchar_t ch)
{
    m_str += ch;
    return *this;
}

void CString::Append(LPCWSTR psz)
{
    m_str += OrEmpty(psz);
}

void CString::Append(LPCWSTR pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.append(pch, static_cast<size_t>(nLength));
}

void CString::AppendChar(wchar_t ch)
{
    m_str += ch;
}

int CString::Compare(LPCTSTR psz) const
{
    return wcscmp(m_str.c_str(), OrEmpty(psz));
}

int CString::CompareNoCase(LPCTSTR psz) const
{
    return _wcsicmp(m_str.c_str(), OrEmpty(psz));
}

int CString::Collate(LPCTSTR psz) const
{
    return wcscoll(m_str.c_str(), OrEmpty(psz));
}

int CString::CollateNoCase(LPCTSTR psz) const
{
    return _wcsicoll(m_str.c_str(), OrEmpty(psz));
}

int CString::Find(wchar_t ch, int iStart) const
{
    if (iStart >= GetLength())
        return -1;
    const size_t pos = m_str.find(ch, static_cast<size_t>(std::max(iStart, 0)));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCTSTR pszSub, int iStart) const
{
    if (iStart > GetLength())
        return -1;
    const size_t pos = m_str.find(OrEmpty(pszSub), static_cast<size_t>(std::max(iStart, 0)));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const
{
    const size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCTSTR pszCharSet) const
{
    const size_t pos = m_str.find_first_of(OrEmpty(pszCharSet));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString CString::Mid(int iFirst, int nCount) const
{
    const int length = GetLength();
    iFirst = std::clamp(iFirst, 0, length);
    nCount = std::clamp(nCount, 0, length - iFirst);
    return CString(m_str.c_str() + iFirst, nCount);
}

CString CString::Mid(int iFirst) const
{
    return Mid(iFirst, GetLength());
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR pszCharSet) const
{
    return Left(static_cast<int>(wcsspn(m_str.c_str(), OrEmpty(pszCharSet))));
}

CString CString::SpanExcluding(LPCTSTR pszCharSet) const
{
    return Left(static_cast<int>(wcscspn(m_str.c_str(), OrEmpty(pszCharSet))));
}

CString CString::Tokenize(LPCTSTR pszTokens, int& iStart) const
{
    if (iStart < 0 || iStart >= GetLength()) {
        iStart = -1;
        return CString();
    }
    if (!pszTokens || !*pszTokens) {
        const CString rest = Mid(iStart);
        iStart = GetLength();
        return rest;
    }
    const size_t first = m_str.find_first_not_of(pszTokens, static_cast<size_t>(iStart));
    if (first == std::wstring::npos) {
        iStart = -1;
        return CString();
    }
    size_t last = m_str.find_first_of(pszTokens, first);
    if (last == std::wstring::npos)
        last = m_str.size();
    iStart = static_cast<int>(last) + 1;
    return Mid(static_cast<int>(first), static_cast<int>(last - first));
}

int CString::Replace(wchar_t chOld, wchar_t chNew)
{
    int count = 0;
    for (wchar_t& ch : m_str) {
        if (ch == chOld) {
            ch = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCTSTR pszOld, LPCTSTR pszNew)
{
    const std::wstring oldText = OrEmpty(pszOld);
    if (oldText.empty())
        return 0;
    const std::wstring newText = OrEmpty(pszNew);
    std::wstring result;
    int count = 0;
    size_t from = 0;
    for (size_t pos = m_str.find(oldText); pos != std::wstring::npos; pos = m_str.find(oldText, from)) {
        result.append(m_str, from, pos - from).append(newText);
        from = pos + oldText.size();
        ++count;
    }
    if (count == 0)
        return 0;
    result.append(m_str, from, std::wstring::npos);
    m_str.swap(result);
    return count;
}

int CString::Remove(wchar_t ch)
{
    const size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int iIndex, wchar_t ch)
{
    iIndex = std::clamp(iIndex, 0, GetLength());
    m_str.insert(static_cast<size_t>(iIndex), 1, ch);
    return GetLength();
}

int CString::Insert(int iIndex, LPCTSTR psz)
{
    iIndex = std::clamp(iIndex, 0, GetLength());
    m_str.insert(static_cast<size_t>(iIndex), OrEmpty(psz));
    return GetLength();
}

int CString::Delete(int iIndex, int nCount)
{
    iIndex = std::max(iIndex, 0);
    if (iIndex < GetLength() && nCount > 0)
        m_str.erase(static_cast<size_t>(iIndex), static_cast<size_t>(std::min(nCount, GetLength() - iIndex)));
    return GetLength();
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        CharLowerBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeUpper()
{
    if (!m_str.empty())
        CharUpperBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(wchar_t chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCTSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::TrimLeft()
{
    m_str.erase(m_str.begin(), std::find_if_not(m_str.begin(), m_str.end(), IsWhiteSpace));
    return *this;
}

CString& CString::TrimLeft(wchar_t chTarget)
{
    m_str.erase(0, m_str.find_first_not_of(chTarget));
    return *this;
}

CString& CString::TrimLeft(LPCTSTR pszTargets)
{
    if (pszTargets && *pszTargets)
        m_str.erase(0, m_str.find_first_not_of(pszTargets));
    return *this;
}

CString& CString::TrimRight()
{
    m_str.erase(std::find_if_not(m_str.rbegin(), m_str.rend(), IsWhiteSpace).base(), m_str.end());
    return *this;
}

CString& CString::TrimRight(wchar_t chTarget)
{
    const size_t last = m_str.find_last_not_of(chTarget);
    m_str.erase(last == std::wstring::npos ? 0 : last + 1);
    return *this;
}

CString& CString::TrimRight(LPCTSTR pszTargets)
{
    if (!pszTargets || !*pszTargets)
        return *this;
    const size_t last = m_str.find_last_not_of(pszTargets);
    m_str.erase(last == std::wstring::npos ? 0 : last + 1);
    return *this;
}

void AFX_CDECL CString::Format(LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString format;
    if (!format.LoadString(nFormatID))
        return;
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void AFX_CDECL CString::AppendFormat(LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCTSTR pszFormat, va_list args)
{
    m_str = FormatText(pszFormat, args);
}

void CString::AppendFormatV(LPCTSTR pszFormat, va_list args)
{
    m_str += FormatText(pszFormat, args);
}

LPTSTR CString::GetBuffer()
{
    return &m_str[0];
}

LPTSTR CString::GetBuffer(int nMinBufferLength)
{
    if (nMinBufferLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufferLength));
    return &m_str[0];
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(wcsnlen(m_str.c_str(), m_str.size()));
    m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

void CString::Preallocate(int nLength)
{
    if (nLength > 0)
        m_str.reserve(static_cast<size_t>(nLength));
}

void CString::FreeExtra()
{
    m_str.shrink_to_fit();
}

int CString::GetAllocLength() const
{
    return static_cast<int>(m_str.capacity());
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE module = AfxFindStringResourceHandle(nID);
    return module ? LoadString(module, nID) : FALSE;
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    LPCWSTR text = nullptr;
    int length = 0;
    if (!FindStringResource(hInstance, nID, text, length))
        return FALSE;
    m_str.assign(text, static_cast<size_t>(length));
    return TRUE;
}
