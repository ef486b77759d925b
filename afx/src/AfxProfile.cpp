// Private-profile values through GetPrivateProfileString, with buffers that grow until the
// whole value fits or that stop at the caller's limit.
#include "afxlite/AfxProfile.h"

#include "afxlite/AfxPath.h"

#include <climits>
#include <cwchar>
#include <vector>

namespace {

// Largest value the profile functions can hand back in one piece.
const DWORD kMaxProfileText = 32767;
const DWORD kFirstBufferSize = 1024;

} // namespace

CString AFXAPI AfxGetProfileText(LPCTSTR lpszFile, LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszDefault,
                                 DWORD nMaxChars)
{
    // GetPrivateProfileString cuts a value that does not fit and then reports size - 1
    // characters; without a limit the buffer grows until the value ends before the last slot.
    const bool bWhole = nMaxChars == AFX_PROFILE_WHOLE_VALUE;
    std::vector<wchar_t> text(bWhole ? kFirstBufferSize : nMaxChars + 1);
    for (;;) {
        const DWORD size = static_cast<DWORD>(text.size());
        const DWORD length = ::GetPrivateProfileStringW(lpszSection, lpszKey, lpszDefault ? lpszDefault : L"",
                                                        text.data(), size, lpszFile);
        if (!bWhole || length + 1 < size || size > kMaxProfileText)
            return CString(text.data(), static_cast<int>(length));
        text.resize(size * 2);
    }
}

int AFXAPI AfxGetProfileNumber(LPCTSTR lpszFile, LPCTSTR lpszSection, LPCTSTR lpszKey, int nDefault)
{
    const CString text = AfxGetProfileText(lpszFile, lpszSection, lpszKey);
    const wchar_t* start = text.GetString();
    wchar_t* end = nullptr;
    const long long value = wcstoll(start, &end, 10);
    if (end == start)
        return nDefault;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

BOOL AFXAPI AfxWriteProfileText(LPCTSTR lpszFile, LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    for (LPCTSTR text : {lpszSection, lpszKey, lpszValue}) {
        if (text != nullptr && wcspbrk(text, L"\r\n") != nullptr)
            return FALSE;
    }
    if (AfxIsFolder(lpszFile))
        return FALSE;
    return ::WritePrivateProfileStringW(lpszSection, lpszKey, lpszValue, lpszFile);
}
