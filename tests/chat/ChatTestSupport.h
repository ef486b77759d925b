// The chat view's tests: a CTavoRichEdit in a hidden framework window (the parent reflects
// EN_LINK back to it), the objects it holds, real clicks on character positions, the shell
// seam recording what would be opened, and an emoticon animation component that is "not
// installed" for the duration of a test.
#pragma once

#include <TavoRichEdit.h>

#include "../common/MessagePump.h"

#include <afxcmn.h>
#include <comdef.h>
#include <richole.h>

#include "../../components/faceanim/include/FaceAnimator.h"
#include <ShellOpen.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace chattest {

// Reaches the protected parts the tests look at.
class CTestRichEdit : public CTavoRichEdit {
public:
    using CTavoRichEdit::GetImage;
    using CTavoRichEdit::m_bEnLink;
    using CTavoRichEdit::m_listLinks;
    using CTavoRichEdit::m_nLastPos;
    IRichEditOle* Ole() const { return m_pRichEditOle; }
};

inline std::vector<std::wstring>& ShellCalls()
{
    static std::vector<std::wstring> calls;
    return calls;
}

inline BOOL WINAPI RecordShellCall(SHELLEXECUTEINFOW* pInfo)
{
    ShellCalls().push_back(pInfo->lpFile ? pInfo->lpFile : L"");
    return TRUE;
}

class ChatTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ShellCalls().clear();
        m_pfnShell = VoSetShellExecuteEx(&RecordShellCall);
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0), L"chat test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 10,
                                     10, 420, 300, nullptr, nullptr));
        ASSERT_TRUE(m_edit.Create(WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, CRect(0, 0, 400, 260), &m_frame, 100));
        ASSERT_NE(nullptr, m_edit.Ole());
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();
        CTavoKeyLink::releaseAll();
        VoSetShellExecuteEx(m_pfnShell);
        ::OleUninitialize();
    }

    std::wstring Text() const
    {
        CString text;
        m_edit.GetText(0, -1, text);
        return static_cast<LPCTSTR>(text);
    }
    // The embedded objects: their character positions, user values and flags.
    std::vector<REOBJECT> Objects() const
    {
        std::vector<REOBJECT> objects;
        for (LONG i = 0; i < m_edit.Ole()->GetObjectCount(); ++i) {
            REOBJECT reobject = {};
            reobject.cbStruct = sizeof(reobject);
            if (SUCCEEDED(m_edit.Ole()->GetObject(i, &reobject, REO_GETOBJ_NO_INTERFACES)))
                objects.push_back(reobject);
        }
        return objects;
    }
    // A left click on character cp, as the user makes it (the window is shown for the hit test).
    void ClickAt(long cp)
    {
        m_frame.ShowWindow(SW_SHOWNOACTIVATE);
        testpump::PumpPending();
        const CPoint pt = m_edit.GetCharPos(cp);
        m_edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x + 2, pt.y + 4));
        m_edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x + 2, pt.y + 4));
    }

    CWnd m_frame;
    CTestRichEdit m_edit;
    VO_SHELLEXECUTEEX m_pfnShell = nullptr;
};

// While it lives, creating the emoticon animation component fails in this process as it does
// where the component is not installed.
class CFaceAnimatorMissing : public IClassFactory {
public:
    CFaceAnimatorMissing()
    {
        m_hr = ::CoRegisterClassObject(CLSID_FaceAnimator, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_dwCookie);
    }
    ~CFaceAnimatorMissing()
    {
        if (SUCCEEDED(m_hr))
            ::CoRevokeClassObject(m_dwCookie);
    }
    bool IsActive() const { return SUCCEEDED(m_hr); }

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override
    {
        if (iid != IID_IUnknown && iid != IID_IClassFactory) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown*, REFIID, void** ppv) override
    {
        *ppv = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

private:
    HRESULT m_hr = E_FAIL;
    DWORD m_dwCookie = 0;
};

} // namespace chattest
