// CConfig: where the base and saved files lie, when each is read, Empty, and the user folder
// asked of the host's main window with message 0x411.
#include <Config.h>

#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

// Counts the reads the base class asks for.
class CCountingConfig : public CConfig
{
public:
    int LoadBase() override { return ++m_nBaseReads; }
    int LoadSaved() override { return ++m_nSavedReads; }

    int m_nBaseReads = 0;
    int m_nSavedReads = 0;
};

// A host's main window that answers the user-folder request with a fixed folder.
class CUserFolderWnd : public CWnd
{
public:
    explicit CUserFolderWnd(LPCTSTR folder) : m_strFolder(folder) {}

    int m_nRequests = 0;
    LPARAM m_lastLParam = -1;

protected:
    afx_msg LRESULT OnUserFolder(WPARAM wParam, LPARAM lParam)
    {
        ++m_nRequests;
        m_lastLParam = lParam;
        CString* folder = reinterpret_cast<CString*>(wParam);
        EXPECT_TRUE(folder->IsEmpty());
        *folder = m_strFolder;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    CString m_strFolder;
};

BEGIN_MESSAGE_MAP(CUserFolderWnd, CWnd)
    ON_MESSAGE(0x411, &CUserFolderWnd::OnUserFolder)
END_MESSAGE_MAP()

BOOL CreateHidden(CWnd& wnd)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), L"config test host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                        nullptr);
}

TEST(Config, ReadsTheBaseFileOnceUntilEmptyAndTheSavedFileOnce)
{
    CCountingConfig config;
    EXPECT_EQ(0, config.IsLoaded());
    EXPECT_TRUE(config.GetBasePath().IsEmpty());

    // Neither folder exists: the load succeeds all the same.
    EXPECT_EQ(1, config.LoadConfig(L"C:\\NoSuchApp", L"a.ini", L"C:\\NoSuchApp\\users\\1234"));
    EXPECT_EQ(1, config.IsLoaded());
    EXPECT_STREQ(L"C:\\NoSuchApp\\config\\a.ini", config.GetBasePath());
    EXPECT_STREQ(L"C:\\NoSuchApp\\users\\1234\\savea.ini", config.GetSavedPath());

    EXPECT_EQ(1, config.LoadConfig(L"D:\\Other", L"b.ini", L"D:\\Users\\two"));
    EXPECT_STREQ(L"C:\\NoSuchApp\\config\\a.ini", config.GetBasePath());
    EXPECT_STREQ(L"C:\\NoSuchApp\\users\\1234\\savea.ini", config.GetSavedPath());
    EXPECT_EQ(1, config.m_nBaseReads);
    EXPECT_EQ(1, config.m_nSavedReads);

    config.Empty();
    EXPECT_EQ(0, config.IsLoaded());
    EXPECT_TRUE(config.GetBasePath().IsEmpty());
    EXPECT_TRUE(config.GetSavedPath().IsEmpty());
    config.LoadConfig(L"D:\\Other", L"b.ini", L"D:\\Users\\two");
    EXPECT_STREQ(L"D:\\Other\\config\\b.ini", config.GetBasePath());
    EXPECT_TRUE(config.GetSavedPath().IsEmpty());
    EXPECT_EQ(2, config.m_nBaseReads);
    EXPECT_EQ(1, config.m_nSavedReads);
}

TEST(Config, WithoutUserFolderOrMainWindowTheSavedFileLiesAtTheDriveRoot)
{
    ASSERT_EQ(nullptr, AfxGetThread());
    for (LPCTSTR noFolder : {static_cast<LPCTSTR>(nullptr), L""}) {
        CCountingConfig config;
        config.LoadConfig(L"C:\\App", L"a.ini", noFolder);
        EXPECT_STREQ(L"\\savea.ini", config.GetSavedPath());
        EXPECT_EQ(1, config.m_nSavedReads);
    }
}

TEST(Config, MissingUserFolderIsAskedOfTheMainWindow)
{
    CWinApp app(L"ConfigTestHost");
    CUserFolderWnd mainWnd(L"C:\\Users\\host\\5678");
    app.m_pMainWnd = &mainWnd;
    CCountingConfig beforeCreation; // a main window without a handle is not asked
    beforeCreation.LoadConfig(L"C:\\App", L"a.ini", nullptr);
    EXPECT_STREQ(L"\\savea.ini", beforeCreation.GetSavedPath());

    ASSERT_TRUE(CreateHidden(mainWnd));
    CCountingConfig config;
    config.LoadConfig(L"C:\\App", L"a.ini", nullptr);
    EXPECT_EQ(1, mainWnd.m_nRequests);
    EXPECT_EQ(0, mainWnd.m_lastLParam);
    EXPECT_STREQ(L"C:\\Users\\host\\5678\\savea.ini", config.GetSavedPath());

    CCountingConfig given; // a folder given by the caller is used as it is
    given.LoadConfig(L"C:\\App", L"a.ini", L"C:\\Users\\given");
    EXPECT_EQ(1, mainWnd.m_nRequests);
    EXPECT_STREQ(L"C:\\Users\\given\\savea.ini", given.GetSavedPath());

    CWnd silent; // a main window that does not answer leaves the folder empty
    ASSERT_TRUE(CreateHidden(silent));
    app.m_pMainWnd = &silent;
    CCountingConfig unanswered;
    unanswered.LoadConfig(L"C:\\App", L"a.ini", nullptr);
    EXPECT_STREQ(L"\\savea.ini", unanswered.GetSavedPath());

    // Forgotten as main window first, so that their end does not end the thread's loop.
    app.m_pMainWnd = nullptr;
    silent.DestroyWindow();
    mainWnd.DestroyWindow();
}

TEST(Config, CopiesTakeBothPathsAndBothFlags)
{
    CCountingConfig loaded;
    loaded.LoadConfig(L"C:\\App", L"a.ini", L"C:\\Users\\one");
    const CCountingConfig copy(loaded);
    EXPECT_EQ(1, copy.IsLoaded());
    EXPECT_EQ(loaded.GetBasePath(), copy.GetBasePath());
    EXPECT_EQ(loaded.GetSavedPath(), copy.GetSavedPath());

    CCountingConfig assigned;
    assigned = loaded;
    assigned.m_nBaseReads = assigned.m_nSavedReads = 0;
    assigned.LoadConfig(L"D:\\Other", L"b.ini", L"D:\\Users\\two"); // both flags came along
    EXPECT_EQ(0, assigned.m_nBaseReads + assigned.m_nSavedReads);
    EXPECT_STREQ(L"C:\\Users\\one\\savea.ini", assigned.GetSavedPath());
}

} // namespace
