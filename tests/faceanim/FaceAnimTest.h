// Shared by the component's tests: COM started, the test pictures written to a temporary folder,
// and objects of the registered component created by class identifier.
#pragma once

#include "../../components/faceanim/include/FaceAnimator.h"
#include "../common/MessagePump.h"
#include "../common/ResourceBytes.h"
#include "../common/TempFolder.h"
#include "FaceAnimTestIds.h"

#include <comdef.h>
#include <gtest/gtest.h>

#include <string>

_COM_SMARTPTR_TYPEDEF(IFaceAnimator, IID_IFaceAnimator);

class FaceAnimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ASSERT_TRUE(m_folder.IsReady());
        ASSERT_TRUE(m_folder.Write(L"frames.gif", ResourceBytes(IDR_TEST_FRAMES_GIF)));
        ASSERT_TRUE(m_folder.Write(L"animation.gif", ResourceBytes(IDR_TEST_ANIMATION_GIF)));
        ASSERT_TRUE(m_folder.Write(L"disc.gif", ResourceBytes(IDR_TEST_DISC_GIF)));
    }
    void TearDown() override { ::OleUninitialize(); }

    std::wstring Path(const wchar_t* name) const { return m_folder.Path(name); }

    // A new object of the component holding the picture file name (not loaded when empty).
    IFaceAnimatorPtr Create(const wchar_t* name = L"frames.gif")
    {
        IFaceAnimatorPtr animator;
        const HRESULT hr = animator.CreateInstance(CLSID_FaceAnimator, nullptr, CLSCTX_ALL);
        EXPECT_EQ(S_OK, hr) << "the component is registered in the test prefix";
        if (animator != nullptr && name != nullptr) {
            EXPECT_EQ(S_OK, animator->LoadFromFile(_bstr_t(Path(name).c_str())));
        }
        return animator;
    }

    CTempFolder m_folder;
};
