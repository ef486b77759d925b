// Loading vo_share.dll joins it to the framework's resource chain, so lookups of the host
// also search the library's own resources.

#include <afxwin.h>

#include <gtest/gtest.h>

TEST(ModuleFrame, LibraryResourcesAreFoundThroughTheFrameworkChain)
{
    const HMODULE library = GetModuleHandleW(L"vo_share.dll");
    ASSERT_NE(nullptr, library);
    // The C++ runtime DLL has no version resource, so the search must go on along the chain
    // to the library, whose version block is the only one among the loaded extension modules.
    const HMODULE withoutVersion = GetModuleHandleW(L"libstdc++-6.dll");
    ASSERT_NE(nullptr, withoutVersion);
    ASSERT_EQ(nullptr, FindResourceW(withoutVersion, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION));
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(withoutVersion);
    const HINSTANCE found = AfxFindResourceHandle(MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    AfxSetResourceHandle(previous);
    EXPECT_EQ(library, found);
}
