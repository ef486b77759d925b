// Process-wide module state: instance and resource handles, the application object and the
// chain of extension libraries, with the resource search over them.
#include "afxlite/AfxModule.h"
#include "afxlite/CDynLinkLibrary.h"

#include "AfxModuleState.h"

#include <algorithm>
#include <mutex>
#include <vector>

// The linker's symbol for the start of this module's image, i.e. afxlite's module handle.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

struct ModuleState {
    std::mutex lock;
    HINSTANCE hInstance = nullptr;
    HINSTANCE hResource = nullptr;
    CWinApp* pApp = nullptr;
    std::vector<CDynLinkLibrary*> libraries; // newest first
};

ModuleState& State()
{
    // Never destroyed: extension libraries leave the chain from their own unload, which
    // may come after this module's static objects are gone.
    static auto* state = new ModuleState();
    return *state;
}

// Modules to search, in order. Taken under the lock but searched outside it: FindResource
// may need the loader lock, which a DllMain joining the chain already holds.
std::vector<HINSTANCE> SearchOrder()
{
    ModuleState& state = State();
    std::vector<HINSTANCE> modules;
    {
        std::lock_guard<std::mutex> guard(state.lock);
        modules.push_back(state.hResource   ? state.hResource
                          : state.hInstance ? state.hInstance
                                            : GetModuleHandleW(nullptr));
        for (const CDynLinkLibrary* library : state.libraries)
            modules.push_back(library->m_hResource);
    }
    modules.push_back(AfxGetFrameworkHandle());
    return modules;
}

bool HasString(HINSTANCE hModule, UINT nID)
{
    // With a zero buffer size LoadStringW hands out a read-only pointer and the length.
    LPCWSTR text = nullptr;
    return LoadStringW(hModule, nID, reinterpret_cast<LPWSTR>(&text), 0) > 0;
}

} // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    ModuleState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.hInstance ? state.hInstance : GetModuleHandleW(nullptr);
}

void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance)
{
    ModuleState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    state.hInstance = hInstance;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    ModuleState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    if (state.hResource)
        return state.hResource;
    return state.hInstance ? state.hInstance : GetModuleHandleW(nullptr);
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hResource)
{
    ModuleState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    state.hResource = hResource;
}

HINSTANCE AFXAPI AfxGetFrameworkHandle()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

CWinApp* AFXAPI AfxGetApp()
{
    ModuleState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.pApp;
}

CWinApp* AfxSetApp(CWinApp* pApp)
{
    ModuleState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    CWinApp* previous = state.pApp;
    state.pApp = pApp;
    return previous;
}

void AfxJoinLibraryChain(CDynLinkLibrary* pLibrary)
{
    ModuleState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    state.libraries.insert(state.libraries.begin(), pLibrary);
}

void AfxLeaveLibraryChain(CDynLinkLibrary* pLibrary)
{
    ModuleState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    auto& libraries = state.libraries;
    libraries.erase(std::remove(libraries.begin(), libraries.end(), pLibrary), libraries.end());
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    for (HINSTANCE hModule : SearchOrder()) {
        if (hModule && FindResourceW(hModule, lpszName, lpszType))
            return hModule;
    }
    return AfxGetResourceHandle();
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    for (HINSTANCE hModule : SearchOrder()) {
        if (hModule && HasString(hModule, nID))
            return hModule;
    }
    return AfxGetResourceHandle();
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (!hModule)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    // Take the objects out under the lock, delete them outside it (their destructors leave
    // the chain again, which is then a no-op).
    std::vector<CDynLinkLibrary*> doomed;
    {
        ModuleState& module = State();
        std::lock_guard<std::mutex> guard(module.lock);
        auto& libraries = module.libraries;
        auto keep = [&](CDynLinkLibrary* library) { return !bAll && library->m_hModule != state.hModule; };
        auto split = std::stable_partition(libraries.begin(), libraries.end(), keep);
        doomed.assign(split, libraries.end());
        libraries.erase(split, libraries.end());
    }
    for (CDynLinkLibrary* library : doomed)
        delete library;
}
