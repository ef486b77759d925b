// UTF-8 <-> UTF-16 conversion through the system's code page 65001.

#include <Utf8Convert.h>

#include <windows.h>

#include <cwchar>
#include <memory>

int __cdecl UTF2TCHAR(const char* text, wchar_t** out)
{
    if (text == nullptr || out == nullptr)
        return 0;
    const int count = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (count <= 0)
        return 0;
    std::unique_ptr<wchar_t[]> wide(new wchar_t[count]());
    if (MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.get(), count) == 0)
        return 0;
    *out = wide.release();
    return count;
}

int __cdecl TCHAR2UTF(const wchar_t* text, char** out, int size)
{
    if (text == nullptr || out == nullptr)
        return 0;
    const int length = static_cast<int>(wcslen(text));
    if (length == 0)
        return 0;
    if (*out != nullptr) {
        // A size of 0 would make the system only measure the text and report its length as if
        // it had been written; a caller's buffer must have room.
        if (size <= 0)
            return 0;
        return WideCharToMultiByte(CP_UTF8, 0, text, length, *out, size, nullptr, nullptr);
    }
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return bytes;
    std::unique_ptr<char[]> utf8(new char[bytes + 1]());
    if (WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.get(), bytes, nullptr, nullptr) == 0)
        return 0;
    *out = utf8.release();
    return bytes;
}
