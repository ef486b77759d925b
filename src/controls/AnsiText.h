// The narrow (A) forms of the menus convert their texts with the thread's ANSI code page, which
// loses what that page cannot hold; the library itself uses the wide forms.
#pragma once

#include <afx.h>

// The wide form of psz; an empty text for null or text the code page cannot read.
inline CString WideFromAnsi(const char* psz)
{
    if (psz == nullptr)
        return CString();
    const int count = ::MultiByteToWideChar(CP_THREAD_ACP, 0, psz, -1, nullptr, 0);
    if (count <= 0)
        return CString();
    CString strWide;
    ::MultiByteToWideChar(CP_THREAD_ACP, 0, psz, -1, strWide.GetBufferSetLength(count - 1), count);
    strWide.ReleaseBuffer();
    return strWide;
}
