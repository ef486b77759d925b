// The demo host: a small application on the framework layer that loads vo_share.dll
// like the client's executables do and shows what the library knows about itself.
#pragma once

#include <afxwin.h>

class CDemoApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    // Folder given after "--shots": the main window saves its pictures there and the
    // application ends, so that scripts can show what a person would see.
    CString m_strShotFolder;

    void ParseCommandLine();
    void LoadBranding();
};
