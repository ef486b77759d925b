// TempLangTree: a scratch base folder for a CLangDB (lang.ini, language folders, module
// files) under the temporary folder, removed again when the object goes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TempLangTree
{
public:
    TempLangTree();
    ~TempLangTree();
    TempLangTree(const TempLangTree&) = delete;
    TempLangTree& operator=(const TempLangTree&) = delete;

    const std::wstring& Base() const { return m_base; }

    // Creates base\relative (a folder) / writes base\relative with the given bytes / copies
    // the file source to base\relative.
    void AddFolder(const std::wstring& relative);
    void WriteFile(const std::wstring& relative, const std::string& bytes);
    void CopyFrom(const std::wstring& source, const std::wstring& relative);

private:
    std::wstring m_base;
    std::vector<std::wstring> m_folders;  // created folders, base first
    std::vector<std::wstring> m_files;
};

// Folder of the running test program (where the shipped lang tree lies), without a backslash.
std::wstring ExeFolder();
