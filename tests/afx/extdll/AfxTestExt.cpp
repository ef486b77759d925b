// afxtest_ext.dll: a minimal extension library of the framework for the resource-chain
// tests. Joins the chain when loaded, leaves it when unloaded, and has a run-time class.
#include <afxdllx.h>

namespace {

AFX_EXTENSION_MODULE g_extensionModule;

} // namespace

// Found by name through the run-time class list while the library is loaded.
class CAfxTestExtObject : public CObject {
    DECLARE_DYNCREATE(CAfxTestExtObject)
};

IMPLEMENT_DYNCREATE(CAfxTestExtObject, CObject)

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extensionModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_extensionModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_extensionModule);
    }
    return TRUE;
}
