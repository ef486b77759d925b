// CFileVersion reads the version resource of an executable or library file: the string values
// of its first translation (company, product, versions...) and its fixed version numbers.
#pragma once

#include "VoDef.h"

#include <afx.h>
#include <windows.h>

class VO_API CFileVersion {
public:
    CFileVersion();
    // A copy holds its own duplicate of the version block, so either object can be destroyed
    // or reopened without affecting the other.
    CFileVersion(const CFileVersion& other);
    CFileVersion& operator=(const CFileVersion& other);
    ~CFileVersion();

    // Reads the version block of file and its first translation entry. Any block held from
    // an earlier Open is released first. Returns 1 on success; 0 leaves nothing open.
    int Open(const wchar_t* file);

    // Value name of the string table langCharset (language << 16 | code page), or of the
    // file's first translation when langCharset is 0. Empty when nothing is open or not found.
    CString QueryValue(const wchar_t* name, unsigned long langCharset = 0) const;

    CString GetFileDescription() const;
    CString GetFileVersion() const;
    CString GetInternalName() const;
    CString GetCompanyName() const;
    CString GetLegalCopyright() const;
    CString GetOriginalFilename() const;
    CString GetProductName() const;
    CString GetProductVersion() const;

    // Copies the block's fixed information into info; 0 when nothing is open or it is missing.
    int GetFixedInfo(VS_FIXEDFILEINFO& info) const;
    // Fixed file / product version as "a,b,c,d" (commas); empty when not available.
    CString GetFixedFileVersion() const;
    CString GetFixedProductVersion() const;

protected:
    BYTE* m_lpVersionData; // the whole version-information block, or null
    DWORD m_dwLangCharset; // first translation: language << 16 | code page, or 0

private:
    DWORD m_dwVersionSize; // size of m_lpVersionData in bytes, needed to duplicate it

    void Close();
    void CopyFrom(const CFileVersion& other);
    static CString FormatVersion(DWORD mostSignificant, DWORD leastSignificant);
};
