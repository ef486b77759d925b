// The resource chain: the application's resources first, then each extension library (here
// afxtest_ext.dll, loaded by the tests), then afxlite. Extension resources and run-time
// classes are found exactly while the library is loaded.
#include "AfxTestIds.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* const kExtClassName = "CAfxTestExtObject";

CString LoadedString(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}

TEST(ResourceChainTest, LibraryResourcesAreFoundWhileLoadedAndTheHostComesFirst)
{
    HMODULE hExt = ::LoadLibraryW(L"afxtest_ext.dll");
    ASSERT_NE(nullptr, hExt) << "error " << ::GetLastError();
    EXPECT_STREQ(L"only in the extension", LoadedString(IDS_AFXTEST_EXT_ONLY));
    EXPECT_EQ(hExt, AfxFindStringResourceHandle(IDS_AFXTEST_EXT_ONLY));
    EXPECT_STREQ(L"text of the host", LoadedString(IDS_AFXTEST_SHARED));
    EXPECT_EQ(hExt, AfxFindResourceHandle(MAKEINTRESOURCEW(IDB_AFXTEST_EXT), RT_BITMAP));

    CDialog extDialog;
    ASSERT_TRUE(extDialog.Create(IDD_AFXTEST_EXT));
    CString caption;
    extDialog.GetWindowText(caption);
    EXPECT_STREQ(L"Extension", caption);
    extDialog.DestroyWindow();

    CDialog hostDialog;
    EXPECT_TRUE(hostDialog.Create(IDD_AFXTEST_DATA)) << "the host's dialog is not found";
    hostDialog.DestroyWindow();

    CRuntimeClass* pClass = CRuntimeClass::FromName(kExtClassName);
    ASSERT_NE(nullptr, pClass);
    delete pClass->CreateObject();

    ::FreeLibrary(hExt);
    EXPECT_FALSE(CString().LoadString(IDS_AFXTEST_EXT_ONLY));
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(IDB_AFXTEST_EXT));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(kExtClassName));
}

TEST(ResourceChainTest, TerminatingTheModuleRemovesAllItsEntries)
{
    HMODULE hExt = ::LoadLibraryW(L"afxtest_ext.dll");
    ASSERT_NE(nullptr, hExt);
    AFX_EXTENSION_MODULE record;
    EXPECT_FALSE(AfxInitExtensionModule(record, nullptr));
    ASSERT_TRUE(AfxInitExtensionModule(record, hExt));
    new CDynLinkLibrary(record);    // a second entry for the module
    AfxTermExtensionModule(record); // removes both entries of the module
    EXPECT_FALSE(CString().LoadString(IDS_AFXTEST_EXT_ONLY));
    ::FreeLibrary(hExt);

    // A redirected resource handle is searched first.
    HINSTANCE hOriginal = AfxGetResourceHandle();
    AfxSetResourceHandle(AfxGetFrameworkHandle());
    EXPECT_FALSE(CString().LoadString(IDS_AFXTEST_HOST_ONLY));
    AfxSetResourceHandle(hOriginal);
    EXPECT_STREQ(L"only in the host", LoadedString(IDS_AFXTEST_HOST_ONLY));
}

} // namespace
