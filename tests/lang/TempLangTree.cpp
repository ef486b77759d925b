// Scratch language trees for the language database tests.
#include "TempLangTree.h"

#include <gtest/gtest.h>

TempLangTree::TempLangTree()
{
    static int s_nCount = 0;
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    m_base = std::wstring(temp) + L"vo_lang_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
             std::to_wstring(++s_nCount);
    EXPECT_TRUE(CreateDirectoryW(m_base.c_str(), nullptr)) << "cannot create the scratch folder";
    m_folders.push_back(m_base);
}

TempLangTree::~TempLangTree()
{
    for (auto it = m_files.rbegin(); it != m_files.rend(); ++it)
        DeleteFileW(it->c_str());
    for (auto it = m_folders.rbegin(); it != m_folders.rend(); ++it)
        RemoveDirectoryW(it->c_str());
}

void TempLangTree::AddFolder(const std::wstring& relative)
{
    const std::wstring path = m_base + L"\\" + relative;
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
    m_folders.push_back(path);
}

void TempLangTree::WriteFile(const std::wstring& relative, const std::string& bytes)
{
    const std::wstring path = m_base + L"\\" + relative;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    m_files.push_back(path);
    ASSERT_TRUE(ok && written == bytes.size());
}

void TempLangTree::CopyFrom(const std::wstring& source, const std::wstring& relative)
{
    const std::wstring path = m_base + L"\\" + relative;
    ASSERT_TRUE(CopyFileW(source.c_str(), path.c_str(), FALSE)) << "missing shipped file";
    m_files.push_back(path);
}

std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH * 4] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\'));
}
