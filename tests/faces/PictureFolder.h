// A temporary folder holding the test pictures (from the program's resources) and damaged
// variants of them; removed with everything in it when the object goes.
#pragma once

#include <afx.h>

#include <string>
#include <vector>

class CPictureFolder
{
public:
    CPictureFolder();
    ~CPictureFolder();
    CPictureFolder(const CPictureFolder&) = delete;
    CPictureFolder& operator=(const CPictureFolder&) = delete;

    bool IsReady() const { return !m_strFolder.IsEmpty(); }
    // Full path of a file in the folder (existing or not).
    CString Path(const wchar_t* name) const;
    // Writes the RCDATA resource id of the program as name; false on failure.
    bool WriteResource(const wchar_t* name, UINT id);
    // Writes bytes as name; false on failure.
    bool WriteBytes(const wchar_t* name, const std::string& bytes);
    // The bytes of the program's RCDATA resource id (empty when missing).
    static std::string ResourceBytes(UINT id);

private:
    CString m_strFolder;
    std::vector<CString> m_files;
};
