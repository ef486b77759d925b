// Common definitions of the framework layer: export macros, calling conventions and the
// debug-only ASSERT / VERIFY / TRACE helpers. Every framework header includes this one first.
#pragma once

#include <windows.h>
#include <tchar.h>

// Classes and functions of afxlite.dll itself.
#ifdef AFXLITE_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

// Classes, functions and data of an extension DLL built on the framework (vo_share.dll defines
// _AFXEXT while it builds itself; its users import).
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#endif
#define AFX_EXT_API AFX_EXT_CLASS
#define AFX_EXT_DATA AFX_EXT_CLASS

#define AFXAPI __stdcall
#define AFX_CDECL __cdecl

// Opaque iteration position of lists, maps and list controls; null ends an iteration.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(static_cast<INT_PTR>(-1)))

// Reports a failed assertion (file, line) on the debugger output and standard error, then ends
// the process at once with exit code 3. ASSERT is live in debug builds (_DEBUG, the default
// configuration, which the tests use); misuse a caller can make has a death test.
AFX_API void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
// Writes a printf-style (wide) message to the debugger output.
AFX_API void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...);

#ifdef _DEBUG
#define ASSERT(f)                                                                                                      \
    do {                                                                                                               \
        if (!(f))                                                                                                      \
            AfxAssertFailedLine(__FILE__, __LINE__);                                                                   \
    } while (0)
#define VERIFY(f) ASSERT(f)
#define TRACE AfxTrace
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#endif

// Declares the handle functions of a wrapper class of a Windows handle; its source file defines
// them with AFX_IMPLEMENT_HANDLE_MAP and AFX_IMPLEMENT_HANDLE_OWNERSHIP (CHandleMap.h, which
// also states the ownership rules):
//   FromHandle          the attached object of h, else a temporary wrapper valid until
//                       AfxDeleteTempMaps (the thread's idle time); null for a null handle
//   FromHandlePermanent only the attached object; null for a handle without one
//   Attach              takes ownership of h; FALSE for a null handle
//   Detach              gives the handle up and returns it
#define AFX_DECLARE_HANDLE_WRAPPER(class_name, handle_type)                                                            \
    static class_name* AFXAPI FromHandle(handle_type h);                                                               \
    static class_name* AFXAPI FromHandlePermanent(handle_type h);                                                      \
    BOOL Attach(handle_type h);                                                                                        \
    handle_type Detach();

#define ASSERT_VALID(pOb) ASSERT((pOb) != nullptr)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define UNUSED_ALWAYS(x) ((void)(x))
