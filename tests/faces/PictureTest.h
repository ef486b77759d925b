// A fixture with COM started and the test pictures (the program's resources) written into a
// temporary folder. File dialogs make the chosen file's folder current: the start folder is made
// current again so that the temporary folder can be removed.
#pragma once

#include "../common/ResourceBytes.h"
#include "../common/TempFolder.h"
#include "FacesTestIds.h"

#include <gtest/gtest.h>

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::GetCurrentDirectoryW(MAX_PATH, m_szStartFolder);
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_TRUE(m_folder.IsReady());
        const struct {
            const wchar_t* name;
            UINT id;
        } pictures[] = {{L"quadrants.bmp", IDR_TEST_QUADRANTS_BMP},
                        {L"quadrants.jpg", IDR_TEST_QUADRANTS_JPG},
                        {L"disc.gif", IDR_TEST_DISC_GIF},
                        {L"frames.gif", IDR_TEST_FRAMES_GIF},
                        {L"animation.gif", IDR_TEST_ANIMATION_GIF}};
        for (const auto& picture : pictures) {
            const std::string bytes = ResourceBytes(picture.id);
            ASSERT_FALSE(bytes.empty());
            ASSERT_TRUE(m_folder.Write(picture.name, bytes));
        }
    }
    void TearDown() override
    {
        ::CoUninitialize();
        ::SetCurrentDirectoryW(m_szStartFolder);
    }

    std::wstring Path(const wchar_t* name) const { return m_folder.Path(name); }

    wchar_t m_szStartFolder[MAX_PATH] = {};
    CTempFolder m_folder;
};
