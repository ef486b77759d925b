// Diagnostics behind ASSERT and TRACE.
#include "afxlite/AfxDef.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Exit code of a process ended by a failed assertion (the C runtime's abort uses the same).
const UINT kAssertExitCode = 3;

} // namespace

// The process ends at once, without running the destructors of global objects or the detach
// code of its modules (which could assert again or wait for a lock the failing thread holds),
// and without the C runtime's abort box, which would wait for a click in a GUI program.
void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    char text[512];
    _snprintf(text, sizeof(text) - 1, "Assertion failed: %s(%d)\n", lpszFileName, nLine);
    text[sizeof(text) - 1] = '\0';
    OutputDebugStringA(text);
    fputs(text, stderr);
    fflush(stderr);
    if (IsDebuggerPresent())
        DebugBreak();
    TerminateProcess(GetCurrentProcess(), kAssertExitCode);
}

void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    va_list probe;
    va_copy(probe, args);
    const int length = _vscwprintf(lpszFormat, probe);
    va_end(probe);
    if (length > 0) {
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        _vsnwprintf(&text[0], text.size(), lpszFormat, args);
        OutputDebugStringW(text.c_str());
    }
    va_end(args);
}
