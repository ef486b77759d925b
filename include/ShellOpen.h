// The one place where the library hands addresses and files to the shell (ShellExecuteExW). A
// host or a test may put another function in its place, for instance so that no browser starts.
#pragma once

#include "VoDef.h"

#include <windows.h>
#include <shellapi.h>

typedef BOOL(WINAPI* VO_SHELLEXECUTEEX)(SHELLEXECUTEINFOW* pInfo);

// Replaces the function the library calls; null restores ShellExecuteExW. Returns the function
// in use before (null for ShellExecuteExW).
VO_API VO_SHELLEXECUTEEX VoSetShellExecuteEx(VO_SHELLEXECUTEEX pfnShellExecuteEx);
// Calls the function in use.
VO_API BOOL VoShellExecuteEx(SHELLEXECUTEINFOW* pInfo);
