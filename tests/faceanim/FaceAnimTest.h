// Shared by the component's tests: COM started, the test pictures written to a temporary folder,
// objects of the registered component created by class identifier, and a message pump that
// runs for a while or until a condition holds.
#pragma once

#include "../../components/faceanim/include/FaceAnimator.h"
#include "../common/TempFolder.h"
#include "FaceAnimTestIds.h"

#include <comdef.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

_COM_SMARTPTR_TYPEDEF(IFaceAnimator, IID_IFaceAnimator);

inline std::string ResourceBytes(UINT id)
{
    HRSRC resource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL data = resource ? ::LoadResource(nullptr, resource) : nullptr;
    const char* bytes = data ? static_cast<const char*>(::LockResource(data)) : nullptr;
    return bytes ? std::string(bytes, ::SizeofResource(nullptr, resource)) : std::string();
}

// Dispatches messages until done() holds or dwMilliseconds pass; whether done() held.
inline bool PumpUntil(DWORD dwMilliseconds, const std::function<bool()>& done)
{
    const ULONGLONG ullEnd = ::GetTickCount64() + dwMilliseconds;
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (done && done())
            return true;
        const ULONGLONG ullNow = ::GetTickCount64();
        if (ullNow >= ullEnd)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ullEnd - ullNow), QS_ALLINPUT);
    }
}

class FaceAnimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ASSERT_TRUE(m_folder.IsReady());
        ASSERT_TRUE(m_folder.Write(L"frames.gif", ResourceBytes(IDR_TEST_FRAMES_GIF)));
        ASSERT_TRUE(m_folder.Write(L"animation.gif", ResourceBytes(IDR_TEST_ANIMATION_GIF)));
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
