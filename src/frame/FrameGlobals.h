// Module-wide state of the common helpers. Defined, in the library's load order, in
// module/Globals.cpp; declared here so that the helpers never look above their own folder.
#pragma once

#include <afx.h>

class CLangProRC;

// Folder of the running executable without a trailing backslash; empty until first asked.
extern CString g_strExePath;
// Picture download and upload addresses, read once at load.
extern CString g_strFaceUrlDown;
extern CString g_strFaceUrlUp;

// Reads the two picture addresses from the multi-party chat file unless already read.
// Returns whether addresses were read (the result only gives the load a place in the order).
bool LoadFaceUrls();

// The library's text set in the language library; null until obtained (LangModule.h).
extern CLangProRC* g_pLangModule;
