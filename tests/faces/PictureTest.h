// A fixture with COM started and the test pictures (the program's resources) written into a
// temporary folder.
#pragma once

#include "../common/TempFolder.h"
#include "FacesTestIds.h"

#include <gtest/gtest.h>

// The bytes of the program's RCDATA resource id (empty when missing).
inline std::string ResourceBytes(UINT id)
{
    HRSRC resource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL data = resource ? ::LoadResource(nullptr, resource) : nullptr;
    const char* bytes = data ? static_cast<const char*>(::LockResource(data)) : nullptr;
    return bytes ? std::string(bytes, ::SizeofResource(nullptr, resource)) : std::string();
}

class PictureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_TRUE(m_folder.IsReady());
        const struct { const wchar_t* name; UINT id; } pictures[] = {
            {L"quadrants.bmp", IDR_TEST_QUADRANTS_BMP}, {L"quadrants.jpg", IDR_TEST_QUADRANTS_JPG},
            {L"disc.gif", IDR_TEST_DISC_GIF},           {L"frames.gif", IDR_TEST_FRAMES_GIF}};
        for (const auto& picture : pictures) {
            const std::string bytes = ResourceBytes(picture.id);
            ASSERT_FALSE(bytes.empty());
            ASSERT_TRUE(m_folder.Write(picture.name, bytes));
        }
    }
    void TearDown() override { ::CoUninitialize(); }

    std::wstring Path(const wchar_t* name) const { return m_folder.Path(name); }

    CTempFolder m_folder;
};
