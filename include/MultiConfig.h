// CMultiConfig: settings of the multi-party features (chat rooms, groups and their web pages,
// the names shown for rooms), read from <exe folder>\config\multichat.ini and the user's
// savemultichat.ini. One process-wide instance is reached through GetConfig.
#pragma once

#include "Config.h"

class VO_API CMultiConfig : public CConfig {
public:
    CMultiConfig();
    CMultiConfig(const CMultiConfig& other);
    // Copies only the room's show-video flag and SIP address; everything else of this
    // object, the file paths and load state included, stays as it was.
    CMultiConfig& operator=(const CMultiConfig& other);
    ~CMultiConfig();

    // The process-wide configuration; with load nonzero it is first loaded from the default
    // files unless it is loaded already.
    static CMultiConfig& GetConfig(int load);

    // A null folder means the executable's folder, a null name "multichat.ini"; otherwise as
    // CConfig::LoadConfig.
    int LoadConfig(const wchar_t* folder, const wchar_t* name, const wchar_t* userFolder) override;
    int LoadBase() override;
    // Reads the two show-video flags (default 1 each).
    int LoadSaved() override;
    // Writes the two show-video flags to the saved file. 0 when there is no saved path or
    // the file could not be written.
    int SaveConfig() override;

    CString m_strSip; // SIP address of the chat-room service
    CString m_strRoomUrl;
    CString m_strRoomAddr;
    int m_nRoomPort;
    CString m_strGroupSip;
    CString m_strGroupUrl;
    CString m_strGroupAddr;
    int m_nGroupPort;
    CString m_strGroup1Url;
    CString m_strGroup1Addr;
    int m_nGroup1Port;
    CString m_strBase;
    CString m_strPlugin;
    // Page addresses as formats: the file's value followed by a query with %s placeholders
    // (SIP identifier, session id, group id or nickname and gender code, client type).
    CString m_strNotesUrl;
    CString m_strAlbumUrl;
    CString m_strContactsUrl;
    CString m_strManage0Url;
    CString m_strManageUrl;
    CString m_strPluginName;
    CString m_strRoomName;
    CString m_strCaption;
    CString m_strMultiCaption;
    int m_nHeadPage;       // which page is shown first
    int m_bRoomShowVideo;  // per user: show video in rooms
    int m_bGroupShowVideo; // per user: show video in groups
};
