#include <MultiConfig.h>

#include <VoHelpers.h>

#include <afxlite/AfxProfile.h>

#include "ConfigGlobals.h"
#include "frame/LangModule.h"

namespace {

const wchar_t kDefaultFileName[] = L"multichat.ini";
const wchar_t kDefaultRoomSip[] = L"multichat@corvala.net";

const wchar_t kRoomSection[] = L"roominfo";
const wchar_t kGroupSection[] = L"groupinfo";
const wchar_t kGroup1Section[] = L"groupinfo1";
const wchar_t kSystemSection[] = L"system";
const wchar_t kShowVideoKey[] = L"showvideo";

// The queries appended to the group web pages; the host fills the placeholders.
const wchar_t kNotesQuery[] = L"?type=2&sip=%s&sid=%s&gid=%s&clienttype=%s";
const wchar_t kContactsQuery[] = L"?type=3&sip=%s&sid=%s&gid=%s&clienttype=%s";
const wchar_t kAlbumQuery[] = L"?type=4&sip=%s&sid=%s&gid=%s&clienttype=%s";
const wchar_t kManage0Query[] = L"?type=1&sip=%s&sid=%s&nick=%s&sex=%s&clienttype=%s";
const wchar_t kManageQuery[] = L"?type=1&sip=%s&sid=%s&gid=%s&clienttype=%s";

// Reads one server block (address, web address, port) of a section.
void ReadServer(LPCTSTR file, LPCTSTR section, CString& addr, CString& url, int& port)
{
    addr = AfxGetProfileText(file, section, L"serverAddr");
    url = AfxGetProfileText(file, section, L"serverUrl");
    port = AfxGetProfileNumber(file, section, L"serverPort", 0);
}

// A SIP address is replaced only by a non-empty value, so that a default survives.
void ReadSip(LPCTSTR file, LPCTSTR section, CString& sip)
{
    const CString value = AfxGetProfileText(file, section, L"serverSip");
    if (!value.IsEmpty())
        sip = value;
}

CString ReadPage(LPCTSTR file, LPCTSTR key, LPCTSTR query)
{
    return AfxGetProfileText(file, kGroup1Section, key) + query;
}

// A name of the system section, defaulting to the localised text of its identifier.
CString ReadLocalisedName(LPCTSTR file, LPCTSTR key, LPCTSTR textId)
{
    return AfxGetProfileText(file, kSystemSection, key, GetLangModuleString(textId));
}

bool WriteFlag(LPCTSTR file, LPCTSTR section, int flag)
{
    return AfxWriteProfileText(file, section, kShowVideoKey, flag ? L"1" : L"0") != FALSE;
}

} // namespace

CMultiConfig::CMultiConfig()
    : m_strSip(kDefaultRoomSip), m_nRoomPort(0), m_nGroupPort(0), m_nGroup1Port(0), m_nHeadPage(1), m_bRoomShowVideo(1),
      m_bGroupShowVideo(1)
{
}

CMultiConfig::CMultiConfig(const CMultiConfig& other) = default;

CMultiConfig& CMultiConfig::operator=(const CMultiConfig& other)
{
    m_bRoomShowVideo = other.m_bRoomShowVideo;
    m_strSip = other.m_strSip;
    return *this;
}

CMultiConfig::~CMultiConfig() = default;

CMultiConfig& CMultiConfig::GetConfig(int load)
{
    if (load && !g_MultiConfig.IsLoaded())
        g_MultiConfig.LoadConfig(nullptr, nullptr, nullptr);
    return g_MultiConfig;
}

int CMultiConfig::LoadConfig(const wchar_t* folder, const wchar_t* name, const wchar_t* userFolder)
{
    CString exeFolder;
    if (folder == nullptr) {
        GetExePath(exeFolder);
        folder = exeFolder;
    }
    if (name == nullptr)
        name = kDefaultFileName;
    return CConfig::LoadConfig(folder, name, userFolder);
}

int CMultiConfig::LoadBase()
{
    FindLangModule();
    const CString& file = m_strBasePath;

    ReadServer(file, kRoomSection, m_strRoomAddr, m_strRoomUrl, m_nRoomPort);
    ReadSip(file, kRoomSection, m_strSip);
    ReadServer(file, kGroupSection, m_strGroupAddr, m_strGroupUrl, m_nGroupPort);
    ReadSip(file, kGroupSection, m_strGroupSip);
    ReadServer(file, kGroup1Section, m_strGroup1Addr, m_strGroup1Url, m_nGroup1Port);
    m_strBase = AfxGetProfileText(file, kGroup1Section, L"Base");
    m_strPlugin = AfxGetProfileText(file, kGroup1Section, L"Plugin");
    m_strNotesUrl = ReadPage(file, L"Notes", kNotesQuery);
    m_strContactsUrl = ReadPage(file, L"Contacts", kContactsQuery);
    m_strAlbumUrl = ReadPage(file, L"Album", kAlbumQuery);
    m_strManage0Url = ReadPage(file, L"Manage0", kManage0Query);
    m_strManageUrl = ReadPage(file, L"Manage", kManageQuery);

    m_strPluginName = ReadLocalisedName(file, L"pluginname", L"IDS_PLUGINNAME");
    m_strRoomName = ReadLocalisedName(file, L"roomname", L"IDS_ROOMNAME");
    m_strCaption = ReadLocalisedName(file, L"caption", L"IDS_CAPTION");
    m_strMultiCaption = ReadLocalisedName(file, L"multicaption", L"IDS_MULTICAPTION");
    m_nHeadPage = AfxGetProfileNumber(file, kSystemSection, L"headpage", 1);
    return 1;
}

int CMultiConfig::LoadSaved()
{
    m_bRoomShowVideo = AfxGetProfileNumber(m_strSavedPath, kRoomSection, kShowVideoKey, 1);
    m_bGroupShowVideo = AfxGetProfileNumber(m_strSavedPath, kGroupSection, kShowVideoKey, 1);
    return 1;
}

int CMultiConfig::SaveConfig()
{
    if (m_strSavedPath.IsEmpty())
        return 0;
    const bool roomWritten = WriteFlag(m_strSavedPath, kRoomSection, m_bRoomShowVideo);
    const bool groupWritten = WriteFlag(m_strSavedPath, kGroupSection, m_bGroupShowVideo);
    return roomWritten && groupWritten ? 1 : 0;
}
