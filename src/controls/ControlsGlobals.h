// Module-wide state of the controls, defined in the library's load order in module/Globals.cpp.
// The menus' settings and tables are static members of BCMenu (BCMenu.h).
#pragma once

#include <ShellOpen.h>

// The shell function the library calls (ShellOpen.h); null for ShellExecuteExW.
extern VO_SHELLEXECUTEEX g_pfnShellExecuteEx;
