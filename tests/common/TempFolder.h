// A temporary folder removed with everything in it when the object goes, the file writing the
// tests fill it with, and the folder of the running program (where the data tree lies).
#pragma once

#include <windows.h>

#include <afxlite/AfxScoped.h>

#include <cstdio>
#include <string>

inline bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr)
        return false;
    const bool bWritten = fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return fclose(out) == 0 && bWritten;
}

// Creates path and the folders above it that are missing.
inline bool CreateFolders(const std::wstring& path)
{
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const size_t slash = path.rfind(L'\\');
    return (slash == std::wstring::npos || CreateFolders(path.substr(0, slash))) &&
           ::CreateDirectoryW(path.c_str(), nullptr);
}

// The running program's folder, without a closing separator.
inline std::wstring ProgramFolder()
{
    wchar_t name[MAX_PATH * 4] = {};
    const std::wstring path(name, ::GetModuleFileNameW(nullptr, name, MAX_PATH * 4));
    return path.substr(0, path.rfind(L'\\'));
}

class CTempFolder {
public:
    // Process ids are reused, and a folder an earlier run could not remove (a dialog left it as
    // the current directory) may still be there: such a name is skipped, never shared.
    CTempFolder()
    {
        static unsigned long counter = 0;
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        for (int attempt = 0; attempt < 100 && !m_bReady; ++attempt) {
            m_path = std::wstring(temp) + L"vo_test_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
                     std::to_wstring(++counter);
            m_bReady = ::CreateDirectoryW(m_path.c_str(), nullptr) != FALSE;
            if (!m_bReady && ::GetLastError() != ERROR_ALREADY_EXISTS)
                break;
        }
    }
    ~CTempFolder() { RemoveTree(m_path); }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    bool IsReady() const { return m_bReady; }
    const std::wstring& Path() const { return m_path; }
    std::wstring Path(const std::wstring& name) const { return m_path + L"\\" + name; }
    // Writes bytes to the file name (a path below the folder), creating the folders it lies in.
    bool Write(const std::wstring& name, const std::string& bytes) const
    {
        const std::wstring path = Path(name);
        return CreateFolders(path.substr(0, path.rfind(L'\\'))) && WriteFileBytes(path, bytes);
    }

    static void RemoveTree(const std::wstring& path)
    {
        WIN32_FIND_DATAW data = {};
        const CFindHandle search(::FindFirstFileW((path + L"\\*").c_str(), &data));
        if (search) {
            do {
                const std::wstring name = data.cFileName;
                const std::wstring child = path + L"\\" + name;
                if (name == L"." || name == L"..")
                    continue;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else
                    ::DeleteFileW(child.c_str());
            } while (::FindNextFileW(search.Get(), &data));
        }
        ::RemoveDirectoryW(path.c_str());
    }

private:
    std::wstring m_path;
    bool m_bReady = false;
};
