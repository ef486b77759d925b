// CPictureFolder: test pictures in a temporary folder.
#include "PictureFolder.h"

CPictureFolder::CPictureFolder()
{
    wchar_t temp[MAX_PATH] = {};
    if (!::GetTempPathW(MAX_PATH, temp))
        return;
    CString folder;
    folder.Format(L"%svo_faces_%lu_%lu", temp, ::GetCurrentProcessId(), ::GetTickCount());
    if (::CreateDirectoryW(folder, nullptr))
        m_strFolder = folder;
}

CPictureFolder::~CPictureFolder()
{
    for (const CString& file : m_files)
        ::DeleteFileW(file);
    if (!m_strFolder.IsEmpty())
        ::RemoveDirectoryW(m_strFolder);
}

CString CPictureFolder::Path(const wchar_t* name) const
{
    return m_strFolder + L"\\" + name;
}

std::string CPictureFolder::ResourceBytes(UINT id)
{
    HRSRC resource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL data = resource ? ::LoadResource(nullptr, resource) : nullptr;
    const char* bytes = data ? static_cast<const char*>(::LockResource(data)) : nullptr;
    return bytes ? std::string(bytes, ::SizeofResource(nullptr, resource)) : std::string();
}

bool CPictureFolder::WriteResource(const wchar_t* name, UINT id)
{
    std::string bytes = ResourceBytes(id);
    return !bytes.empty() && WriteBytes(name, bytes);
}

bool CPictureFolder::WriteBytes(const wchar_t* name, const std::string& bytes)
{
    if (!IsReady())
        return false;
    CString path = Path(name);
    HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    m_files.push_back(path);
    DWORD written = 0;
    BOOL ok = bytes.empty() || ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == bytes.size();
}
