// CConfig: base of the library's settings objects. A settings object reads a base file shipped
// in <folder>\config\ and a per-user saved file save<name> in the user's folder; this class
// fixes the two paths and when each file is read, a derived class what it reads and writes.
#pragma once

#include "VoDef.h"

#include <afx.h>

// Sent to the calling thread's main window when LoadConfig is given no user folder: WPARAM
// points to an empty CString that the window fills with the user's data folder; LPARAM is 0.
const UINT WM_CONFIG_GET_USER_FOLDER = WM_USER + 17;

class VO_API CConfig {
public:
    CConfig();
    CConfig(const CConfig& other);
    CConfig& operator=(const CConfig& other);

    // Reads the base file folder\config\name once per object (again only after Empty), then
    // the saved file <user folder>\save<name> at most once per object. An empty or null
    // userFolder is asked of the calling thread's main window. Always returns 1.
    virtual int LoadConfig(const wchar_t* folder, const wchar_t* name, const wchar_t* userFolder);
    // Forgets both paths and the base file's load; the saved file is still not read again.
    virtual void Empty();
    // Reads the derived class's settings from GetBasePath(); nonzero on success.
    virtual int LoadBase() = 0;
    // Reads the derived class's settings from GetSavedPath(); the base version reads nothing.
    virtual int LoadSaved();
    // Writes the derived class's changeable settings to GetSavedPath(); the base version
    // writes nothing.
    virtual int SaveConfig();

    // Nonzero once the base file has been read.
    int IsLoaded() const { return m_bLoaded; }
    const CString& GetBasePath() const { return m_strBasePath; }
    const CString& GetSavedPath() const { return m_strSavedPath; }

protected:
    // Settings objects are destroyed through their own type, never through a CConfig
    // pointer, so the destructor is neither virtual nor public.
    ~CConfig();

    CString m_strBasePath;  // folder\config\name; empty until loaded
    CString m_strSavedPath; // user folder\save + name; empty until loaded
    int m_bLoaded;          // the base file has been read
    int m_bSaved;           // the saved file has been read

private:
    // The user's data folder as the calling thread's main window gives it; empty when the
    // thread has no main window or the window does not answer.
    static CString AskUserFolder();
};
