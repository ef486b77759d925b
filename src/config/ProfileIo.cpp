#include "ProfileIo.h"

#include <climits>
#include <cwchar>
#include <vector>

namespace {

// Largest value the profile functions can hand back in one piece.
const DWORD kMaxProfileText = 32767;
const DWORD kFirstBufferSize = 1024;

} // namespace

CString ReadProfileText(LPCTSTR file, LPCTSTR section, LPCTSTR key, LPCTSTR defaultText)
{
    // GetPrivateProfileString cuts a value that does not fit and then reports size - 1
    // characters; grow the buffer until the value ends before the last slot.
    std::vector<wchar_t> text(kFirstBufferSize);
    for (;;) {
        const DWORD size = static_cast<DWORD>(text.size());
        const DWORD length = GetPrivateProfileStringW(section, key, defaultText, text.data(), size, file);
        if (length + 1 < size || size > kMaxProfileText)
            return CString(text.data(), static_cast<int>(length));
        text.resize(size * 2);
    }
}

int ReadProfileNumber(LPCTSTR file, LPCTSTR section, LPCTSTR key, int defaultValue)
{
    const CString text = ReadProfileText(file, section, key);
    const wchar_t* start = text.GetString();
    wchar_t* end = nullptr;
    const long long value = wcstoll(start, &end, 10);
    if (end == start)
        return defaultValue;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}
