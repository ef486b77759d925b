// CConfig: where the base and saved files lie, when each is read, Empty, and the user folder
// asked of the host's main window with message 0x411.
#include "ConfigTestSupport.h"

#include <Config.h>

#include <gtest/gtest.h>

namespace {

// Counts the reads the base class asks for.
class CCountingConfig : public CConfig
{
public:
    int LoadBase() override
    {
        ++m_nBaseReads;
        return 1;
    }
    int LoadSaved() override
    {
        ++m_nSavedReads;
        return 1;
    }

    int m_nBaseReads = 0;
    int m_nSavedReads = 0;
};

// A host's main window that answers the user-folder request with a fixed folder.
class CUserFolderWnd : public CWnd
{
public:
    explicit CUserFolderWnd(const CString& folder) : m_strFolder(folder) {}

    BOOL CreateHidden()
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"config test host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                        nullptr, nullptr);
    }

    int m_nRequests = 0;
    LPARAM m_lastLParam = -1;
    bool m_bStringWasEmpty = false;

protected:
    afx_msg LRESULT OnUserFolder(WPARAM wParam, LPARAM lParam)
    {
        ++m_nRequests;
        m_lastLParam = lParam;
        CString* folder = reinterpret_cast<CString*>(wParam);
        m_bStringWasEmpty = folder->IsEmpty() != FALSE;
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

TEST(Config, NewObjectIsNotLoadedAndLoadsWhateverTheFilesHold)
{
    CCountingConfig config;
    EXPECT_EQ(0, config.IsLoaded());
    EXPECT_TRUE(config.GetBasePath().IsEmpty());
    EXPECT_TRUE(config.GetSavedPath().IsEmpty());

    // Neither folder exists: the load still succeeds and both reads were asked for.
    EXPECT_EQ(1, config.LoadConfig(L"C:\\NoSuchApp", L"demo.ini", L"C:\\NoSuchApp\\users\\1234"));
    EXPECT_EQ(1, config.IsLoaded());
    EXPECT_STREQ(L"C:\\NoSuchApp\\config\\demo.ini", config.GetBasePath());
    EXPECT_STREQ(L"C:\\NoSuchApp\\users\\1234\\savedemo.ini", config.GetSavedPath());
    EXPECT_EQ(1, config.m_nBaseReads);
    EXPECT_EQ(1, config.m_nSavedReads);
}

TEST(Config, SecondLoadWithOtherArgumentsChangesNothing)
{
    CCountingConfig config;
    config.LoadConfig(L"C:\\App", L"a.ini", L"C:\\Users\\one");
    EXPECT_EQ(1, config.LoadConfig(L"D:\\Other", L"b.ini", L"D:\\Users\\two"));
    EXPECT_STREQ(L"C:\\App\\config\\a.ini", config.GetBasePath());
    EXPECT_STREQ(L"C:\\Users\\one\\savea.ini", config.GetSavedPath());
    EXPECT_EQ(1, config.m_nBaseReads);
    EXPECT_EQ(1, config.m_nSavedReads);
}

TEST(Config, EmptyRereadsTheBaseFileButNeverTheSavedFile)
{
    CCountingConfig config;
    config.LoadConfig(L"C:\\App", L"a.ini", L"C:\\Users\\one");
    config.Empty();
    EXPECT_EQ(0, config.IsLoaded());
    EXPECT_TRUE(config.GetBasePath().IsEmpty());
    EXPECT_TRUE(config.GetSavedPath().IsEmpty());

    config.LoadConfig(L"D:\\Other", L"b.ini", L"D:\\Users\\two");
    EXPECT_EQ(1, config.IsLoaded());
    EXPECT_STREQ(L"D:\\Other\\config\\b.ini", config.GetBasePath());
    EXPECT_TRUE(config.GetSavedPath().IsEmpty());
    EXPECT_EQ(2, config.m_nBaseReads);
    EXPECT_EQ(1, config.m_nSavedReads);
}

TEST(Config, WithoutUserFolderOrMainWindowTheSavedFileLiesAtTheDriveRoot)
{
    ASSERT_EQ(nullptr, AfxGetThread());
    CCountingConfig nullFolder;
    nullFolder.LoadConfig(L"C:\\App", L"a.ini", nullptr);
    EXPECT_STREQ(L"\\savea.ini", nullFolder.GetSavedPath());
    EXPECT_EQ(1, nullFolder.m_nSavedReads);

    CCountingConfig emptyFolder;
    emptyFolder.LoadConfig(L"C:\\App", L"a.ini", L"");
    EXPECT_STREQ(L"\\savea.ini", emptyFolder.GetSavedPath());

    // A second load does not read the saved file again, even with a folder now.
    nullFolder.LoadConfig(L"C:\\App", L"a.ini", L"C:\\Users\\one");
    EXPECT_STREQ(L"\\savea.ini", nullFolder.GetSavedPath());
    EXPECT_EQ(1, nullFolder.m_nSavedReads);
}

TEST(Config, MissingUserFolderIsAskedOfTheMainWindow)
{
    CWinApp app(L"ConfigTestHost");
    CUserFolderWnd mainWnd(L"C:\\Users\\host\\5678");
    ASSERT_TRUE(mainWnd.CreateHidden());
    app.m_pMainWnd = &mainWnd;

    CCountingConfig config;
    config.LoadConfig(L"C:\\App", L"a.ini", nullptr);
    EXPECT_EQ(1, mainWnd.m_nRequests);
    EXPECT_EQ(0, mainWnd.m_lastLParam);
    EXPECT_TRUE(mainWnd.m_bStringWasEmpty);
    EXPECT_STREQ(L"C:\\Users\\host\\5678\\savea.ini", config.GetSavedPath());

    // A folder given by the caller is used as it is; the window is not asked.
    CCountingConfig given;
    given.LoadConfig(L"C:\\App", L"a.ini", L"C:\\Users\\given");
    EXPECT_EQ(1, mainWnd.m_nRequests);
    EXPECT_STREQ(L"C:\\Users\\given\\savea.ini", given.GetSavedPath());

    // Forgotten as main window first, so that its end does not end the thread's loop.
    app.m_pMainWnd = nullptr;
    mainWnd.DestroyWindow();
}

TEST(Config, MainWindowThatDoesNotAnswerLeavesTheUserFolderEmpty)
{
    CWinApp app(L"ConfigTestHost");
    CWnd silent;
    ASSERT_TRUE(silent.CreateEx(0, AfxRegisterWndClass(0), L"silent host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                nullptr, nullptr));
    app.m_pMainWnd = &silent;

    CCountingConfig config;
    config.LoadConfig(L"C:\\App", L"a.ini", nullptr);
    EXPECT_STREQ(L"\\savea.ini", config.GetSavedPath());

    app.m_pMainWnd = nullptr;
    silent.DestroyWindow();
}

TEST(Config, MainWindowObjectWithoutHandleIsNotAsked)
{
    CWinApp app(L"ConfigTestHost");
    CUserFolderWnd notCreated(L"C:\\Users\\never");
    app.m_pMainWnd = &notCreated;

    CCountingConfig config;
    config.LoadConfig(L"C:\\App", L"a.ini", nullptr);
    EXPECT_EQ(0, notCreated.m_nRequests);
    EXPECT_STREQ(L"\\savea.ini", config.GetSavedPath());
    app.m_pMainWnd = nullptr;
}

TEST(Config, CopiesTakeBothPathsAndBothFlags)
{
    CCountingConfig loaded;
    loaded.LoadConfig(L"C:\\App", L"a.ini", L"C:\\Users\\one");

    CCountingConfig copy(loaded);
    EXPECT_EQ(1, copy.IsLoaded());
    EXPECT_EQ(loaded.GetBasePath(), copy.GetBasePath());
    EXPECT_EQ(loaded.GetSavedPath(), copy.GetSavedPath());

    CCountingConfig assigned;
    assigned = loaded;
    EXPECT_EQ(1, assigned.IsLoaded());
    EXPECT_EQ(loaded.GetSavedPath(), assigned.GetSavedPath());
    // The saved flag came along too: loading the copy reads nothing more.
    assigned.m_nBaseReads = 0;
    assigned.m_nSavedReads = 0;
    assigned.LoadConfig(L"D:\\Other", L"b.ini", L"D:\\Users\\two");
    EXPECT_EQ(0, assigned.m_nBaseReads);
    EXPECT_EQ(0, assigned.m_nSavedReads);
    EXPECT_STREQ(L"C:\\App\\config\\a.ini", assigned.GetBasePath());
}

} // namespace
