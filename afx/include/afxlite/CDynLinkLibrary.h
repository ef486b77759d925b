// One extension library in the framework's resource chain: while the object lives,
// AfxFindResourceHandle also searches its module. Made with new in the library's DllMain;
// AfxTermExtensionModule deletes it.
#pragma once

#include "afxlite/AfxModule.h"
#include "afxlite/CCmdTarget.h"

class AFX_API CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override;

    HINSTANCE m_hModule;
    HINSTANCE m_hResource; // module searched for resources (usually m_hModule)
    BOOL m_bSystem;
};
