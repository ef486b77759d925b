// The resource chain: the application's resources first, then each extension library (here
// afxtest_ext.dll, loaded by the tests), then afxlite. Extension resources and run-time
// classes are found exactly while the library is loaded.
#include "AfxTestIds.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* const kExtClassName = "CAfxTestExtObject";

class ResourceChainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_hExt = ::LoadLibraryW(L"afxtest_ext.dll");
        ASSERT_NE(nullptr, m_hExt) << "error " << ::GetLastError();
    }
    void TearDown() override { Unload(); }

    void Unload()
    {
        if (m_hExt)
            ::FreeLibrary(m_hExt);
        m_hExt = nullptr;
    }

    HMODULE m_hExt = nullptr;
};

CString LoadedString(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}

TEST_F(ResourceChainTest, StringsComeFromTheHostFirstThenTheExtension)
{
    EXPECT_STREQ(L"only in the extension", LoadedString(IDS_AFXTEST_EXT_ONLY));
    EXPECT_EQ(m_hExt, AfxFindStringResourceHandle(IDS_AFXTEST_EXT_ONLY));
    EXPECT_STREQ(L"text of the host", LoadedString(IDS_AFXTEST_SHARED));
    EXPECT_STREQ(L"only in the host", LoadedString(IDS_AFXTEST_HOST_ONLY));
    EXPECT_EQ(::GetModuleHandleW(nullptr), AfxFindStringResourceHandle(IDS_AFXTEST_HOST_ONLY));
}

TEST_F(ResourceChainTest, ExtensionBitmapAndDialogAreFound)
{
    EXPECT_EQ(m_hExt, AfxFindResourceHandle(MAKEINTRESOURCEW(IDB_AFXTEST_EXT), RT_BITMAP));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_AFXTEST_EXT));
    BITMAP info = {};
    ASSERT_TRUE(bitmap.GetObject(sizeof(info), &info));
    EXPECT_EQ(6, info.bmWidth);
    EXPECT_EQ(4, info.bmHeight);

    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFXTEST_EXT));
    CString caption;
    dlg.GetWindowText(caption);
    EXPECT_STREQ(L"Extension", caption);
    dlg.DestroyWindow();
}

TEST_F(ResourceChainTest, HostDialogIsFoundWhileTheExtensionIsLoaded)
{
    EXPECT_EQ(::GetModuleHandleW(nullptr), AfxFindResourceHandle(MAKEINTRESOURCEW(IDD_AFXTEST_DATA), RT_DIALOG));

    class CClosingDialog : public CDialog {
    public:
        CClosingDialog() : CDialog(IDD_AFXTEST_DATA) {}
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            EndDialog(5);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(5, dlg.DoModal());
}

TEST_F(ResourceChainTest, ExtensionRunTimeClassIsKnownWhileLoaded)
{
    CRuntimeClass* pClass = CRuntimeClass::FromName(kExtClassName);
    ASSERT_NE(nullptr, pClass);
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    delete pObject;
}

TEST_F(ResourceChainTest, UnloadedExtensionLeavesTheChain)
{
    Unload();
    EXPECT_FALSE(CString().LoadString(IDS_AFXTEST_EXT_ONLY));
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEW(IDB_AFXTEST_EXT), RT_BITMAP));
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(IDB_AFXTEST_EXT));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(kExtClassName));
    EXPECT_STREQ(L"text of the host", LoadedString(IDS_AFXTEST_SHARED));
}

TEST(ExtensionModuleTest, LibrariesJoinAndLeaveTheChainWithTheirModule)
{
    // Run the extension's own steps by hand for a module that is loaded anyway.
    HMODULE hExt = ::LoadLibraryW(L"afxtest_ext.dll");
    ASSERT_NE(nullptr, hExt);
    AFX_EXTENSION_MODULE record;
    EXPECT_FALSE(AfxInitExtensionModule(record, nullptr));
    ASSERT_TRUE(AfxInitExtensionModule(record, hExt));
    EXPECT_EQ(hExt, record.hResource);
    new CDynLinkLibrary(record); // a second entry for the same module
    AfxTermExtensionModule(record); // removes both entries of the module
    EXPECT_FALSE(CString().LoadString(IDS_AFXTEST_EXT_ONLY));
    ::FreeLibrary(hExt);
}

TEST(ResourceHandleTest, ResourceHandleCanBeRedirected)
{
    HINSTANCE hOriginal = AfxGetResourceHandle();
    AfxSetResourceHandle(AfxGetFrameworkHandle());
    EXPECT_EQ(AfxGetFrameworkHandle(), AfxGetResourceHandle());
    // The executable is no longer searched first, so its own string is not found.
    EXPECT_FALSE(CString().LoadString(IDS_AFXTEST_HOST_ONLY));
    AfxSetResourceHandle(hOriginal);
    EXPECT_STREQ(L"only in the host", LoadedString(IDS_AFXTEST_HOST_ONLY));
}

} // namespace
