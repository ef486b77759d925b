// The chat view's tests: a CTavoRichEdit in a hidden framework window (the parent reflects
// EN_LINK back to it and records the link messages it is sent), the objects it holds, real
// clicks on character positions, the shell seam recording what would be opened, and outside
// components that are "not installed" for the duration of a test.
#pragma once

#include <TavoRichEdit.h>

#include "../common/FakeClassFactory.h"
#include "../common/MessagePump.h"

#include <afxcmn.h>
#include <comdef.h>
#include <richole.h>

#include "../../components/faceanim/include/FaceAnimator.h"
#include "../../components/transfile/include/TransFile.h"
#include <ShellOpen.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace chattest {

// Reaches the protected parts the tests look at.
class CTestRichEdit : public CTavoRichEdit {
public:
    using CTavoRichEdit::GetImage;
    using CTavoRichEdit::InsertTransFileAx;
    using CTavoRichEdit::m_bEnLink;
    using CTavoRichEdit::m_listFileAx;
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

// One WM_FILE_LINK or WM_AV_LINK the owner was sent, with the link's result at that moment.
struct LinkMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int nResult;
};

// The chat control's parent: records the link messages and runs onLink (if set) for each.
class CLinkOwner : public CWnd {
public:
    std::vector<LinkMessage> m_messages;
    std::function<void(CTavoRichLink*)> m_onLink;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_FILE_LINK && message != WM_AV_LINK)
            return CWnd::WindowProc(message, wParam, lParam);
        CTavoRichLink* pLink = reinterpret_cast<CTavoRichLink*>(wParam);
        m_messages.push_back({message, wParam, lParam, pLink->m_nResult});
        if (m_onLink)
            m_onLink(pLink);
        return 0;
    }
};

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

    CLinkOwner m_frame;
    CTestRichEdit m_edit;
    VO_SHELLEXECUTEEX m_pfnShell = nullptr;
};

// An object that cannot be made: its factory answers as for a component that is not installed.
class CNoObject : public CFakeComObject<CNoObject, IUnknown> {
public:
    STDMETHODIMP QueryInterface(REFIID, void** ppv) override
    {
        *ppv = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
};

// While it lives, creating the component of class clsid fails in this process as it does where
// the component is not installed.
class CComponentMissing {
public:
    explicit CComponentMissing(REFCLSID clsid)
    {
        m_hr = ::CoRegisterClassObject(clsid, &m_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_dwCookie);
    }
    ~CComponentMissing()
    {
        if (SUCCEEDED(m_hr))
            ::CoRevokeClassObject(m_dwCookie);
    }
    bool IsActive() const { return SUCCEEDED(m_hr); }

private:
    CFakeClassFactory<CNoObject> m_factory;
    HRESULT m_hr = E_FAIL;
    DWORD m_dwCookie = 0;
};

} // namespace chattest
