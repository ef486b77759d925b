// Internal face of the process-wide module state (AfxModule.cpp) for the framework's own
// classes: the application object registers itself, libraries join and leave the chain.
#pragma once

#include "afxlite/AfxDef.h"

class CWinApp;
class CDynLinkLibrary;

// Makes pApp the application object (null: none). The previous one is returned.
CWinApp* AfxSetApp(CWinApp* pApp);

void AfxJoinLibraryChain(CDynLinkLibrary* pLibrary);
void AfxLeaveLibraryChain(CDynLinkLibrary* pLibrary);
