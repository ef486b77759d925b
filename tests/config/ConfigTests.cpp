// CConfig and CMultiConfig: where the base and saved files lie, when each is read, Empty, the user
// folder asked of the host's main window (0x411), the multi-party keys and page formats, the
// show-video flags written back, assignment, and the global instance.
#include "ConfigTestSupport.h"

#include <Config.h>
#include <MultiConfig.h>

namespace {

using configtest::Utf16File;

// Counts the reads the base class asks for.
class CCountingConfig : public CConfig {
public:
    int LoadBase() override { return ++m_nBaseReads; }
    int LoadSaved() override { return ++m_nSavedReads; }

    int m_nBaseReads = 0;
    int m_nSavedReads = 0;
};

// A host's main window that answers the user-folder request with a fixed folder.
class CUserFolderWnd : public CWnd {
public:
    explicit CUserFolderWnd(const CString& folder) : m_strFolder(folder) {}

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
    // Neither folder exists: the load succeeds all the same.
    EXPECT_EQ(1, config.LoadConfig(L"C:\\NoSuchApp", L"a.ini", L"C:\\NoSuchApp\\users\\1234"));
    EXPECT_EQ(1, config.LoadConfig(L"D:\\Other", L"b.ini", L"D:\\Users\\two"));
    EXPECT_EQ(1, config.IsLoaded());
    EXPECT_STREQ(L"C:\\NoSuchApp\\config\\a.ini", config.GetBasePath());
    EXPECT_STREQ(L"C:\\NoSuchApp\\users\\1234\\savea.ini", config.GetSavedPath());
    EXPECT_EQ(1, config.m_nBaseReads);
    EXPECT_EQ(1, config.m_nSavedReads);

    config.Empty();
    EXPECT_EQ(0, config.IsLoaded());
    EXPECT_TRUE(config.GetSavedPath().IsEmpty());
    config.LoadConfig(L"D:\\Other", L"b.ini", L"D:\\Users\\two");
    EXPECT_STREQ(L"D:\\Other\\config\\b.ini", config.GetBasePath());
    EXPECT_TRUE(config.GetSavedPath().IsEmpty());
    EXPECT_EQ(2, config.m_nBaseReads);
    EXPECT_EQ(1, config.m_nSavedReads);
}

// The saved file a fresh configuration of C:\App finds for userFolder.
CString SavedPathFor(LPCTSTR userFolder)
{
    CCountingConfig config;
    config.LoadConfig(L"C:\\App", L"a.ini", userFolder);
    EXPECT_EQ(1, config.m_nSavedReads);
    return config.GetSavedPath();
}

TEST(Config, MissingUserFolderIsAskedOfTheMainWindow)
{
    ASSERT_EQ(nullptr, AfxGetThread());
    EXPECT_STREQ(L"\\savea.ini", SavedPathFor(nullptr)); // no main window: the drive root
    EXPECT_STREQ(L"\\savea.ini", SavedPathFor(L""));
    CWinApp app(L"ConfigTestHost");
    CUserFolderWnd mainWnd(L"C:\\Users\\host\\5678");
    app.m_pMainWnd = &mainWnd;
    EXPECT_STREQ(L"\\savea.ini", SavedPathFor(nullptr)); // a main window without a handle is not asked
    ASSERT_TRUE(CreateHidden(mainWnd));
    EXPECT_STREQ(L"C:\\Users\\host\\5678\\savea.ini", SavedPathFor(nullptr));
    EXPECT_STREQ(L"C:\\Users\\given\\savea.ini", SavedPathFor(L"C:\\Users\\given")); // not asked
    EXPECT_EQ(1, mainWnd.m_nRequests);
    EXPECT_EQ(0, mainWnd.m_lastLParam);
    CWnd silent; // a main window that does not answer leaves the folder empty
    ASSERT_TRUE(CreateHidden(silent));
    app.m_pMainWnd = &silent;
    EXPECT_STREQ(L"\\savea.ini", SavedPathFor(nullptr));
    app.m_pMainWnd = nullptr; // so that the windows' end does not end the thread's loop
    silent.DestroyWindow();
    mainWnd.DestroyWindow();
}

// One key of multichat.ini, the member it fills and the query a page address gets.
struct MultiKey {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
    CString CMultiConfig::*text;
    int CMultiConfig::*number;
    const wchar_t* query;
};

const wchar_t kGroupQuery[] = L"sip=%s&sid=%s&gid=%s&clienttype=%s";
const MultiKey kKeys[] = {
    {L"roominfo", L"serverSip", L"rooms@example.test", &CMultiConfig::m_strSip, nullptr, L""},
    {L"roominfo", L"serverUrl", L"http://rooms.example.test/", &CMultiConfig::m_strRoomUrl, nullptr, L""},
    {L"roominfo", L"serverAddr", L"rooms.example.test", &CMultiConfig::m_strRoomAddr, nullptr, L""},
    {L"roominfo", L"serverPort", L"7100", nullptr, &CMultiConfig::m_nRoomPort, L""},
    {L"groupinfo", L"serverSip", L"groups@example.test", &CMultiConfig::m_strGroupSip, nullptr, L""},
    {L"groupinfo", L"serverAddr", L"groups.example.test", &CMultiConfig::m_strGroupAddr, nullptr, L""},
    {L"groupinfo", L"serverPort", L"7200", nullptr, &CMultiConfig::m_nGroupPort, L""},
    {L"groupinfo1", L"serverUrl", L"http://g1.example.test/", &CMultiConfig::m_strGroup1Url, nullptr, L""},
    {L"groupinfo1", L"serverAddr", L"g1.example.test", &CMultiConfig::m_strGroup1Addr, nullptr, L""},
    {L"groupinfo1", L"serverPort", L"7201", nullptr, &CMultiConfig::m_nGroup1Port, L""},
    {L"groupinfo1", L"Base", L"http://g1.example.test/base/", &CMultiConfig::m_strBase, nullptr, L""},
    {L"groupinfo1", L"Plugin", L"http://g1.example.test/plugin.htm", &CMultiConfig::m_strPlugin, nullptr, L""},
    {L"groupinfo1", L"Notes", L"http://g1/notes.jsp", &CMultiConfig::m_strNotesUrl, nullptr, L"?type=2&"},
    {L"groupinfo1", L"Contacts", L"http://g1/contacts.jsp", &CMultiConfig::m_strContactsUrl, nullptr, L"?type=3&"},
    {L"groupinfo1", L"Album", L"http://g1/album.jsp", &CMultiConfig::m_strAlbumUrl, nullptr, L"?type=4&"},
    {L"groupinfo1", L"Manage", L"http://g1/manage.jsp", &CMultiConfig::m_strManageUrl, nullptr, L"?type=1&"},
    {L"system", L"pluginname", L"Circles", &CMultiConfig::m_strPluginName, nullptr, L""},
    {L"system", L"roomname", L"Lounge", &CMultiConfig::m_strRoomName, nullptr, L""},
    {L"system", L"caption", L"Talk", &CMultiConfig::m_strCaption, nullptr, L""},
    {L"system", L"multicaption", L"Meeting", &CMultiConfig::m_strMultiCaption, nullptr, L""},
    {L"system", L"headpage", L"3", nullptr, &CMultiConfig::m_nHeadPage, L""},
};

// A multichat.ini with every key of kKeys, and Manage0 whose query differs from the others'.
std::wstring FullBaseFile()
{
    std::wstring text;
    const wchar_t* section = L"";
    for (const MultiKey& key : kKeys) {
        if (wcscmp(section, key.section) != 0)
            text += L"[" + std::wstring(section = key.section) + L"]\r\n";
        text += key.key + std::wstring(L"=") + key.value + L"\r\n";
        if (wcscmp(key.key, L"Manage") == 0)
            text += L"Manage0=http://g1/manage0.jsp\r\n";
    }
    return text;
}

// A configuration loaded from folder\config\multichat.ini and folder\user\savemultichat.ini.
class MultiConfigFiles : public ::testing::Test {
protected:
    void WriteBase(const std::wstring& text) { ASSERT_TRUE(m_folder.Write(L"config\\multichat.ini", Utf16File(text))); }
    void Load(CMultiConfig& config)
    {
        CreateFolders(m_folder.Path(L"user"));
        config.LoadConfig(m_folder.Path().c_str(), nullptr, m_folder.Path(L"user").c_str());
    }

    CTempFolder m_folder;
};

TEST_F(MultiConfigFiles, ReadsEveryKeyMakesPageFormatsAndAssignsOnlyTheRoomFlagAndSip)
{
    WriteBase(FullBaseFile());
    CMultiConfig config;
    Load(config);
    EXPECT_STREQ(m_folder.Path(L"config\\multichat.ini").c_str(), config.GetBasePath());
    EXPECT_STREQ(m_folder.Path(L"user\\savemultichat.ini").c_str(), config.GetSavedPath());
    for (const MultiKey& key : kKeys) {
        if (key.number != nullptr)
            EXPECT_EQ(_wtoi(key.value), config.*key.number) << key.key;
        else if (*key.query != L'\0')
            EXPECT_EQ(CString(key.value) + key.query + kGroupQuery, config.*key.text) << key.key;
        else
            EXPECT_STREQ(key.value, config.*key.text) << key.key;
    }
    // The formats take the host's values in the order of their placeholders.
    CString page;
    page.Format(config.m_strManage0Url, L"1234", L"s1", L"Nick", L"1", L"Corvala");
    EXPECT_STREQ(L"http://g1/manage0.jsp?type=1&sip=1234&sid=s1&nick=Nick&sex=1&clienttype=Corvala", page);

    // Assignment takes only the room video flag and the SIP address.
    config.m_bRoomShowVideo = 0;
    config.m_bGroupShowVideo = 0;
    CMultiConfig target;
    target.m_strNotesUrl = L"notes";
    target = config;
    EXPECT_EQ(0, target.m_bRoomShowVideo);
    EXPECT_STREQ(L"rooms@example.test", target.m_strSip);
    EXPECT_STREQ(L"notes", target.m_strNotesUrl);
    EXPECT_TRUE(target.m_strCaption.IsEmpty());
    EXPECT_EQ(1, target.m_bGroupShowVideo);
    EXPECT_EQ(0, target.m_nRoomPort);
    EXPECT_EQ(0, target.IsLoaded());
}

TEST_F(MultiConfigFiles, MissingEmptyMalformedAndOverLongValues)
{
    WriteBase(L"[roominfo]\r\nserverSip=\r\n[groupinfo]\r\nserverSip=\r\n");
    CLangDB::Instance()->load(L"vo_share.xml", 0, 0);
    const CLangProRC* texts = CLangDB::Instance()->get(L"vo_share");
    ASSERT_NE(nullptr, texts);
    CMultiConfig config;
    const CString defaultSip = config.m_strSip;
    Load(config);
    EXPECT_EQ(defaultSip, config.m_strSip);
    EXPECT_EQ(0, config.m_strSip.Find(L"multichat@"));
    EXPECT_TRUE(config.m_strGroupSip.IsEmpty());
    EXPECT_STREQ(L"?type=2&sip=%s&sid=%s&gid=%s&clienttype=%s", config.m_strNotesUrl);
    EXPECT_STREQ(L"?type=1&sip=%s&sid=%s&nick=%s&sex=%s&clienttype=%s", config.m_strManage0Url);
    EXPECT_EQ(0, config.m_nRoomPort);
    EXPECT_EQ(1, config.m_nHeadPage);
    for (const auto& text : {std::make_pair(L"IDS_ROOMNAME", &config.m_strRoomName),
                             std::make_pair(L"IDS_PLUGINNAME", &config.m_strPluginName),
                             std::make_pair(L"IDS_CAPTION", &config.m_strCaption),
                             std::make_pair(L"IDS_MULTICAPTION", &config.m_strMultiCaption)})
        EXPECT_EQ(texts->GetString(text.first), *text.second) << text.first;
    EXPECT_EQ(1, config.m_bRoomShowVideo);
    EXPECT_EQ(1, config.m_bGroupShowVideo);

    const std::wstring longAddress = L"http://rooms.example.test/" + std::wstring(5000, L'a');
    WriteBase(L"[roominfo]\r\nserverPort=seven\r\nserverUrl=" + longAddress + L"\r\n[system]\r\nheadpage=first\r\n");
    ASSERT_TRUE(m_folder.Write(L"user\\savemultichat.ini",
                               Utf16File(L"[roominfo]\r\nshowvideo=yes\r\n[groupinfo]\r\nshowvideo=0\r\n")));
    CMultiConfig malformed;
    Load(malformed);
    EXPECT_EQ(0, malformed.m_nRoomPort);
    EXPECT_EQ(1, malformed.m_nHeadPage);
    EXPECT_STREQ(longAddress.c_str(), malformed.m_strRoomUrl);
    EXPECT_EQ(1, malformed.m_bRoomShowVideo);
    EXPECT_EQ(0, malformed.m_bGroupShowVideo);
}

TEST_F(MultiConfigFiles, SavedFlagsAreReadBackByANewObjectAndSaveNeedsAFolder)
{
    WriteBase(FullBaseFile());
    const int written[][2] = {{1, 0}, {5, -1}}; // a nonzero flag comes back as 1
    for (const auto& flags : written) {
        CMultiConfig config;
        Load(config);
        config.m_bRoomShowVideo = flags[0];
        config.m_bGroupShowVideo = flags[1];
        EXPECT_EQ(1, config.SaveConfig());
        CMultiConfig reread;
        Load(reread);
        EXPECT_EQ(flags[0] != 0 ? 1 : 0, reread.m_bRoomShowVideo);
        EXPECT_EQ(flags[1] != 0 ? 1 : 0, reread.m_bGroupShowVideo);
        reread.Empty();
        EXPECT_EQ(0, reread.SaveConfig());
    }
    CMultiConfig missingFolder;
    missingFolder.LoadConfig(m_folder.Path().c_str(), nullptr, m_folder.Path(L"no\\such\\user").c_str());
    EXPECT_EQ(0, missingFolder.SaveConfig());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_folder.Path(L"no").c_str()));
    // A folder where the saved file belongs takes nothing: the save must not report success.
    CMultiConfig intoFolder;
    Load(intoFolder);
    ASSERT_TRUE(::DeleteFileW(intoFolder.GetSavedPath()));
    ASSERT_TRUE(::CreateDirectoryW(intoFolder.GetSavedPath(), nullptr));
    EXPECT_EQ(0, intoFolder.SaveConfig());
}

TEST(MultiConfigGlobal, GetConfigLoadsTheInstallationFileOnceOnRequest)
{
    CMultiConfig& global = CMultiConfig::GetConfig(0);
    ASSERT_EQ(0, global.IsLoaded()) << "nothing else of this program loads the global configuration";
    CTempFolder userFolder;
    ASSERT_TRUE(userFolder.Write(L"savemultichat.ini", Utf16File(L"[groupinfo]\r\nshowvideo=0\r\n")));
    CWinApp app(L"ConfigTestHost");
    CUserFolderWnd host(userFolder.Path().c_str());
    ASSERT_TRUE(CreateHidden(host));
    app.m_pMainWnd = &host;

    CMultiConfig& loaded = CMultiConfig::GetConfig(1);
    EXPECT_EQ(&global, &loaded);
    EXPECT_EQ(1, loaded.IsLoaded());
    const std::wstring baseFile = ProgramFolder() + L"\\config\\multichat.ini";
    EXPECT_STREQ(baseFile.c_str(), loaded.GetBasePath());
    EXPECT_STREQ(userFolder.Path(L"savemultichat.ini").c_str(), loaded.GetSavedPath());
    EXPECT_EQ(static_cast<int>(GetPrivateProfileIntW(L"roominfo", L"serverPort", -1, baseFile.c_str())),
              loaded.m_nRoomPort);
    EXPECT_EQ(0, loaded.m_bGroupShowVideo);
    loaded.m_nRoomPort = -5; // loaded once: a later request does not read the files again
    EXPECT_EQ(-5, CMultiConfig::GetConfig(1).m_nRoomPort);
    app.m_pMainWnd = nullptr;
    host.DestroyWindow();
}

} // namespace
