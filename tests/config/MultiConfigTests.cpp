// CMultiConfig: the multi-party settings read from the base file and the user's saved file,
// the page formats, the show-video flags written back, copying, and the global instance.
#include "ConfigTestSupport.h"

#include <LangDB.h>
#include <MultiConfig.h>

#include <gtest/gtest.h>

#include <climits>

namespace {

using configtest::TempFolder;

const wchar_t kFullBaseFile[] =
    L"[roominfo]\r\n"
    L"serverSip=rooms@example.test\r\n"
    L"serverUrl=http://rooms.example.test/\r\n"
    L"serverAddr=rooms.example.test\r\n"
    L"serverPort=7100\r\n"
    L"[groupinfo]\r\n"
    L"serverSip=groups@example.test\r\n"
    L"serverAddr=groups.example.test\r\n"
    L"serverPort=7200\r\n"
    L"[groupinfo1]\r\n"
    L"serverUrl=http://g1.example.test/\r\n"
    L"serverAddr=g1.example.test\r\n"
    L"serverPort=7201\r\n"
    L"Base=http://g1.example.test/base/\r\n"
    L"Plugin=http://g1.example.test/plugin.htm\r\n"
    L"Notes=http://g1.example.test/notes.jsp\r\n"
    L"Album=http://g1.example.test/album.jsp\r\n"
    L"Contacts=http://g1.example.test/contacts.jsp\r\n"
    L"Manage0=http://g1.example.test/manage0.jsp\r\n"
    L"Manage=http://g1.example.test/manage.jsp\r\n"
    L"[system]\r\n"
    L"pluginname=Circles\r\n"
    L"roomname=Lounge\r\n"
    L"caption=Talk\r\n"
    L"multicaption=Meeting\r\n"
    L"headpage=3\r\n";

// The texts of the library's language module, loaded if nobody has loaded them yet.
CLangProRC* LibraryTexts()
{
    CLangDB::Instance()->load(L"vo_share.xml", 0, 0);
    return CLangDB::Instance()->get(L"vo_share");
}

// A configuration loaded from base (written as folder\config\multichat.ini) and saved (the
// user folder's savemultichat.ini; not written when empty).
class MultiConfigFiles : public ::testing::Test
{
protected:
    void WriteBase(const std::wstring& text)
    {
        ASSERT_TRUE(configtest::WriteTextFile(m_folder / L"config\\multichat.ini", text));
    }
    void WriteSaved(const std::wstring& text)
    {
        ASSERT_TRUE(configtest::WriteTextFile(m_folder / L"user\\savemultichat.ini", text));
    }
    void Load(CMultiConfig& config)
    {
        configtest::CreateFolders(m_folder / L"user");
        config.LoadConfig(m_folder.Path().c_str(), nullptr, (m_folder / L"user").c_str());
    }

    TempFolder m_folder;
};

TEST_F(MultiConfigFiles, ReadsEveryKeyOfTheBaseFileAndMakesPageFormats)
{
    WriteBase(kFullBaseFile);
    CMultiConfig config;
    Load(config);
    EXPECT_STREQ((m_folder / L"config\\multichat.ini").c_str(), config.GetBasePath());
    EXPECT_STREQ((m_folder / L"user\\savemultichat.ini").c_str(), config.GetSavedPath());

    EXPECT_STREQ(L"rooms@example.test", config.m_strSip);
    EXPECT_STREQ(L"http://rooms.example.test/", config.m_strRoomUrl);
    EXPECT_STREQ(L"rooms.example.test", config.m_strRoomAddr);
    EXPECT_EQ(7100, config.m_nRoomPort);
    EXPECT_STREQ(L"groups@example.test", config.m_strGroupSip);
    EXPECT_TRUE(config.m_strGroupUrl.IsEmpty());
    EXPECT_STREQ(L"groups.example.test", config.m_strGroupAddr);
    EXPECT_EQ(7200, config.m_nGroupPort);
    EXPECT_STREQ(L"http://g1.example.test/", config.m_strGroup1Url);
    EXPECT_STREQ(L"g1.example.test", config.m_strGroup1Addr);
    EXPECT_EQ(7201, config.m_nGroup1Port);
    EXPECT_STREQ(L"http://g1.example.test/base/", config.m_strBase);
    EXPECT_STREQ(L"http://g1.example.test/plugin.htm", config.m_strPlugin);
    EXPECT_STREQ(L"Circles", config.m_strPluginName);
    EXPECT_STREQ(L"Lounge", config.m_strRoomName);
    EXPECT_STREQ(L"Talk", config.m_strCaption);
    EXPECT_STREQ(L"Meeting", config.m_strMultiCaption);
    EXPECT_EQ(3, config.m_nHeadPage);

    // Pages are the file's values followed by their queries.
    EXPECT_STREQ(L"http://g1.example.test/notes.jsp?type=2&sip=%s&sid=%s&gid=%s&clienttype=%s", config.m_strNotesUrl);
    EXPECT_STREQ(L"http://g1.example.test/contacts.jsp?type=3&sip=%s&sid=%s&gid=%s&clienttype=%s",
                 config.m_strContactsUrl);
    EXPECT_STREQ(L"http://g1.example.test/album.jsp?type=4&sip=%s&sid=%s&gid=%s&clienttype=%s", config.m_strAlbumUrl);
    EXPECT_STREQ(L"http://g1.example.test/manage0.jsp?type=1&sip=%s&sid=%s&nick=%s&sex=%s&clienttype=%s",
                 config.m_strManage0Url);
    EXPECT_STREQ(L"http://g1.example.test/manage.jsp?type=1&sip=%s&sid=%s&gid=%s&clienttype=%s",
                 config.m_strManageUrl);

    // The formats take the host's values in the order of their placeholders.
    CString page;
    page.Format(config.m_strManage0Url, L"1234", L"s1", L"Nick", L"1", L"Corvala");
    EXPECT_STREQ(L"http://g1.example.test/manage0.jsp?type=1&sip=1234&sid=s1&nick=Nick&sex=1&clienttype=Corvala", page);
}

TEST_F(MultiConfigFiles, MissingAndEmptyKeysGiveTheirDefaults)
{
    WriteBase(L"[roominfo]\r\nserverSip=\r\n[groupinfo]\r\nserverSip=\r\n");
    const CLangProRC* texts = LibraryTexts();
    ASSERT_NE(nullptr, texts);
    CMultiConfig config;
    const CString defaultSip = config.m_strSip;
    Load(config);

    EXPECT_EQ(defaultSip, config.m_strSip);
    EXPECT_TRUE(config.m_strGroupSip.IsEmpty());
    EXPECT_STREQ(L"?type=2&sip=%s&sid=%s&gid=%s&clienttype=%s", config.m_strNotesUrl);
    EXPECT_STREQ(L"?type=1&sip=%s&sid=%s&nick=%s&sex=%s&clienttype=%s", config.m_strManage0Url);
    EXPECT_EQ(0, config.m_nRoomPort);
    EXPECT_EQ(1, config.m_nHeadPage);
    EXPECT_FALSE(config.m_strRoomName.IsEmpty());
    EXPECT_EQ(texts->GetString(L"IDS_ROOMNAME"), config.m_strRoomName);
    EXPECT_EQ(texts->GetString(L"IDS_PLUGINNAME"), config.m_strPluginName);
    EXPECT_EQ(texts->GetString(L"IDS_CAPTION"), config.m_strCaption);
    EXPECT_EQ(texts->GetString(L"IDS_MULTICAPTION"), config.m_strMultiCaption);
    EXPECT_EQ(1, config.m_bRoomShowVideo);
    EXPECT_EQ(1, config.m_bGroupShowVideo);
}

TEST_F(MultiConfigFiles, MalformedAndOverLongValuesAreHandled)
{
    const std::wstring longAddress = L"http://rooms.example.test/" + std::wstring(5000, L'a');
    WriteBase(L"[roominfo]\r\nserverPort=seven\r\nserverUrl=" + longAddress +
              L"\r\n[groupinfo]\r\nserverPort= 7200 tcp\r\n[groupinfo1]\r\nserverPort=99999999999\r\n"
              L"[system]\r\nheadpage=first\r\n");
    WriteSaved(L"[roominfo]\r\nshowvideo=yes\r\n[groupinfo]\r\nshowvideo=0\r\n");
    CMultiConfig config;
    Load(config);

    EXPECT_EQ(0, config.m_nRoomPort);
    EXPECT_EQ(7200, config.m_nGroupPort);
    EXPECT_EQ(INT_MAX, config.m_nGroup1Port);
    EXPECT_EQ(1, config.m_nHeadPage);
    EXPECT_STREQ(longAddress.c_str(), config.m_strRoomUrl);
    EXPECT_EQ(1, config.m_bRoomShowVideo);
    EXPECT_EQ(0, config.m_bGroupShowVideo);
}

TEST_F(MultiConfigFiles, SavedFlagsAreWrittenAndReadBackByANewObject)
{
    WriteBase(kFullBaseFile);
    CMultiConfig config;
    Load(config);
    config.m_bRoomShowVideo = 1;
    config.m_bGroupShowVideo = 0;
    EXPECT_EQ(1, config.SaveConfig());

    wchar_t text[16] = {};
    GetPrivateProfileStringW(L"groupinfo", L"showvideo", L"", text, 16, config.GetSavedPath());
    EXPECT_STREQ(L"0", text);
    GetPrivateProfileStringW(L"roominfo", L"showvideo", L"", text, 16, config.GetSavedPath());
    EXPECT_STREQ(L"1", text);

    CMultiConfig reread;
    Load(reread);
    EXPECT_EQ(1, reread.m_bRoomShowVideo);
    EXPECT_EQ(0, reread.m_bGroupShowVideo);

    // A nonzero flag is written as "1" whatever its value.
    reread.m_bRoomShowVideo = 5;
    reread.m_bGroupShowVideo = -1;
    EXPECT_EQ(1, reread.SaveConfig());
    CMultiConfig third;
    Load(third);
    EXPECT_EQ(1, third.m_bRoomShowVideo);
    EXPECT_EQ(1, third.m_bGroupShowVideo);
}

TEST_F(MultiConfigFiles, SaveFailsWithoutASavedPathOrAWritableFolder)
{
    CMultiConfig config;
    Load(config);
    config.Empty();
    EXPECT_EQ(0, config.SaveConfig());

    CMultiConfig missingFolder;
    missingFolder.LoadConfig(m_folder.Path().c_str(), nullptr, (m_folder / L"no\\such\\user").c_str());
    EXPECT_EQ(0, missingFolder.SaveConfig());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((m_folder / L"no").c_str()));
}

TEST_F(MultiConfigFiles, CopyTakesEverythingAssignmentOnlyTheRoomVideoFlagAndSipAddress)
{
    WriteBase(kFullBaseFile);
    CMultiConfig source;
    Load(source);
    source.m_bRoomShowVideo = 0;
    source.m_bGroupShowVideo = 0;

    const CMultiConfig copy(source);
    EXPECT_EQ(1, copy.IsLoaded());
    EXPECT_EQ(source.GetSavedPath(), copy.GetSavedPath());
    EXPECT_EQ(source.m_strManageUrl, copy.m_strManageUrl);
    EXPECT_EQ(source.m_strRoomName, copy.m_strRoomName);
    EXPECT_EQ(7201, copy.m_nGroup1Port);
    EXPECT_EQ(0, copy.m_bGroupShowVideo);

    CMultiConfig target;
    EXPECT_EQ(0, target.m_strSip.Find(L"multichat@"));
    EXPECT_EQ(1, target.m_bRoomShowVideo);
    target.m_strNotesUrl = L"notes";
    target = source;
    EXPECT_EQ(0, target.m_bRoomShowVideo);
    EXPECT_STREQ(L"rooms@example.test", target.m_strSip);
    EXPECT_STREQ(L"notes", target.m_strNotesUrl);
    EXPECT_TRUE(target.m_strCaption.IsEmpty());
    EXPECT_EQ(1, target.m_bGroupShowVideo);
    EXPECT_EQ(0, target.m_nRoomPort);
    EXPECT_EQ(0, target.IsLoaded());
    EXPECT_TRUE(target.GetBasePath().IsEmpty());
}

// A host whose main window names the user folder, as the client does after its login.
class CUserFolderHost : public CWnd
{
public:
    explicit CUserFolderHost(const CString& folder) : m_strFolder(folder) {}

protected:
    afx_msg LRESULT OnUserFolder(WPARAM wParam, LPARAM)
    {
        *reinterpret_cast<CString*>(wParam) = m_strFolder;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    CString m_strFolder;
};

BEGIN_MESSAGE_MAP(CUserFolderHost, CWnd)
    ON_MESSAGE(WM_CONFIG_GET_USER_FOLDER, &CUserFolderHost::OnUserFolder)
END_MESSAGE_MAP()

TEST(MultiConfigGlobal, GetConfigLoadsTheInstallationFileOnceOnRequest)
{
    CMultiConfig& global = CMultiConfig::GetConfig(0);
    EXPECT_EQ(&global, &CMultiConfig::GetConfig(0));
    ASSERT_EQ(0, global.IsLoaded()) << "nothing else of this program loads the global configuration";

    TempFolder userFolder;
    ASSERT_TRUE(configtest::WriteTextFile(userFolder / L"savemultichat.ini", L"[groupinfo]\r\nshowvideo=0\r\n"));
    CWinApp app(L"ConfigTestHost");
    CUserFolderHost host(userFolder.Path().c_str());
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                              nullptr));
    app.m_pMainWnd = &host;

    CMultiConfig& loaded = CMultiConfig::GetConfig(1);
    EXPECT_EQ(&global, &loaded);
    EXPECT_EQ(1, loaded.IsLoaded());
    const std::wstring baseFile = configtest::ProgramFolder() + L"\\config\\multichat.ini";
    EXPECT_STREQ(baseFile.c_str(), loaded.GetBasePath());
    EXPECT_STREQ((userFolder / L"savemultichat.ini").c_str(), loaded.GetSavedPath());
    EXPECT_EQ(static_cast<int>(GetPrivateProfileIntW(L"roominfo", L"serverPort", -1, baseFile.c_str())),
              loaded.m_nRoomPort);
    EXPECT_EQ(0, loaded.m_bGroupShowVideo);

    // Loaded once: a later request with load set does not read the files again.
    loaded.m_nRoomPort = -5;
    EXPECT_EQ(-5, CMultiConfig::GetConfig(1).m_nRoomPort);

    app.m_pMainWnd = nullptr;
    host.DestroyWindow();
}

} // namespace
