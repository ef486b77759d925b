// Extension libraries joining and leaving the resource chain.
#include "afxlite/CDynLinkLibrary.h"

#include "AfxModuleState.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem)
{
    ASSERT(state.bInitialized);
    AfxJoinLibraryChain(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE)
{
    AfxJoinLibraryChain(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AfxLeaveLibraryChain(this);
}
