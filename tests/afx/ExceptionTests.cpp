// Exceptions thrown inside afxlite and caught here: framework exceptions as pointers with their
// texts, the TRY / CATCH macros, and _com_error raised by the COM support functions.
#include <afx.h>
#include <afxlite/CInternetException.h>

#include <gtest/gtest.h>

#include <comdef.h>
#include <wininet.h>

namespace {

CString MessageOf(const CException& e, UINT nMaxError = 512)
{
    CString text;
    e.GetErrorMessage(text.GetBuffer(static_cast<int>(nMaxError)), nMaxError);
    text.ReleaseBuffer();
    return text;
}

TEST(FrameworkExceptionTest, FileMemoryAndInternetExceptionsCrossTheModuleBoundaryWithTheirTexts)
{
    try {
        CFileException::ThrowOsError(ERROR_FILE_NOT_FOUND, L"C:\\missing.txt");
        FAIL() << "nothing thrown";
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        auto* file = static_cast<CFileException*>(e);
        EXPECT_EQ(CFileException::fileNotFound, file->m_cause);
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, file->m_lOsError);
        EXPECT_STREQ(L"C:\\missing.txt was not found.", MessageOf(*file));
        EXPECT_STREQ(L"C:\\m", MessageOf(*file, 5));
        e->Delete();
    }
    EXPECT_NO_THROW(CFileException::ThrowOsError(0, L"x"));
    EXPECT_STREQ(L"an unnamed file contains an incorrect path.", MessageOf(CFileException(CFileException::badPath)));

    try {
        AfxThrowMemoryException();
    } catch (CMemoryException* e) {
        EXPECT_EQ(E_OUTOFMEMORY, COleException::Process(e));
        EXPECT_STREQ(L"Out of memory.", MessageOf(*e));
        e->Delete();
    }
    SetLastError(ERROR_INTERNET_CANNOT_CONNECT);
    try {
        AfxThrowInternetException(42);
    } catch (CInternetException* e) {
        EXPECT_EQ(static_cast<DWORD>(ERROR_INTERNET_CANNOT_CONNECT), e->m_dwError);
        EXPECT_EQ(42u, e->m_dwContext);
        const CString text = MessageOf(*e, 1024);
        EXPECT_FALSE(text.IsEmpty());
        EXPECT_EQ(-1, text.Find(L"Internet error")) << "no WinInet text: " << text.GetString();
        e->Delete();
    }
}

class CCountedException : public CException {
public:
    explicit CCountedException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    ~CCountedException() override { ++s_deleted; }
    static int s_deleted;
};
int CCountedException::s_deleted = 0;

void RethrowFromCatch(){TRY{throw new CCountedException;
} // namespace
CATCH(CCountedException, e)
{
    THROW_LAST();
}
END_CATCH
}

TEST(FrameworkExceptionTest, CatchMacrosDeleteUnlessRethrown)
{
    CCountedException::s_deleted = 0;
    bool caught = false;
    TRY
    {
        THROW(new CCountedException);
    }
    CATCH(CFileException, e)
    {
        ADD_FAILURE() << "wrong handler";
    }
    AND_CATCH_ALL(e)
    {
        caught = true;
    }
    END_CATCH_ALL
    EXPECT_TRUE(caught);
    EXPECT_EQ(1, CCountedException::s_deleted);

    try {
        RethrowFromCatch();
    } catch (CException* e) {
        EXPECT_EQ(1, CCountedException::s_deleted);
        e->Delete();
    }
    EXPECT_EQ(2, CCountedException::s_deleted);
    CCountedException(FALSE).Delete(); // not on the heap: only its destructor runs
    EXPECT_EQ(3, CCountedException::s_deleted);
}

// A COM object whose only method fails and leaves rich error information, as a DOM does.
class CFailingObject : public ISupportErrorInfo {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown || riid == IID_ISupportErrorInfo ? this : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override
    {
        return riid == IID_IDispatch ? S_OK : S_FALSE;
    }
    HRESULT Fail()
    {
        ICreateErrorInfo* create = nullptr;
        if (SUCCEEDED(CreateErrorInfo(&create))) {
            create->SetDescription(const_cast<LPOLESTR>(L"the document refused"));
            IErrorInfo* info = nullptr;
            if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
                SetErrorInfo(0, info);
                info->Release();
            }
            create->Release();
        }
        return E_INVALIDARG;
    }
};

TEST(ComErrorTest, SupportFunctionsThrowComErrorsAcrossModules)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    CFailingObject object;
    try {
        _com_issue_errorex(object.Fail(), &object, IID_IDispatch);
        ADD_FAILURE() << "nothing thrown";
    } catch (const _com_error& e) {
        EXPECT_EQ(E_INVALIDARG, e.Error());
        EXPECT_STREQ(L"the document refused", static_cast<const wchar_t*>(e.Description()));
    }
    CoUninitialize();
}

} // namespace
