// CVoShareModule joins vo_share.dll to the host's framework as an extension module for as long
// as the object lives: the library's resources and runtime classes join the host's chains.
#pragma once

#include <afxdllx.h>

class CVoShareModule {
public:
    explicit CVoShareModule(HMODULE module);
    ~CVoShareModule();

    CVoShareModule(const CVoShareModule&) = delete;
    CVoShareModule& operator=(const CVoShareModule&) = delete;

    // False when the framework refused the module; the library's attach must then fail.
    bool IsJoined() const { return m_bJoined; }

    // Handle of the module this code is linked into (vo_share.dll itself).
    static HMODULE ThisModule();

private:
    AFX_EXTENSION_MODULE m_record;
    bool m_bJoined;
};

// The library's membership in the host's framework (constructed first, destroyed last).
extern CVoShareModule g_VoShareModule;
