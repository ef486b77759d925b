// Dialogs: modal runs ended from handlers with their result, the owner disabled meanwhile,
// data exchange both ways with validation, subclassed controls, and modeless dialogs that
// navigate with IsDialogMessage and free themselves.
#include "AfxTestIds.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const UINT_PTR kEndTimer = 1;

// The data dialog of AfxTests.rc with a member per control kind. The test hooks run at
// the end of OnInitDialog and when the end timer fires.
class CDataDialog : public CDialog {
public:
    explicit CDataDialog(CWnd* pParent = nullptr) : CDialog(IDD_AFXTEST_DATA, pParent) {}

    CString m_strName;
    int m_nCount = 0;
    int m_nEnabled = 0;
    int m_nRadio = -1;
    int m_nChoice = -1;
    int m_nList = -1;
    CButton m_okButton;

    std::function<void(CDataDialog&)> m_onInit;
    std::function<void(CDataDialog&)> m_onTimer;
    int m_nInitDialogs = 0;
    int m_nNameChanges = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDOK, m_okButton);
        DDX_Text(pDX, IDC_AFXTEST_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 8);
        DDX_Text(pDX, IDC_AFXTEST_COUNT, m_nCount);
        DDX_Check(pDX, IDC_AFXTEST_ENABLED, m_nEnabled);
        DDX_Radio(pDX, IDC_AFXTEST_RADIO1, m_nRadio);
        DDX_CBIndex(pDX, IDC_AFXTEST_CHOICE, m_nChoice);
        DDX_LBIndex(pDX, IDC_AFXTEST_LIST, m_nList);
    }

    BOOL OnInitDialog() override
    {
        ++m_nInitDialogs;
        for (LPCTSTR item : {L"red", L"green", L"blue"}) {
            SendDlgItemMessageW(m_hWnd, IDC_AFXTEST_CHOICE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessageW(m_hWnd, IDC_AFXTEST_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        const BOOL bResult = CDialog::OnInitDialog();
        if (m_onInit)
            m_onInit(*this);
        return bResult;
    }

protected:
    afx_msg void OnNameChange() { ++m_nNameChanges; }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        if (m_onTimer)
            m_onTimer(*this);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDataDialog, CDialog)
    ON_WM_TIMER()
    ON_EN_CHANGE(IDC_AFXTEST_NAME, &CDataDialog::OnNameChange)
END_MESSAGE_MAP()

CString DlgItemText(CWnd& dlg, int nID)
{
    CString text;
    dlg.GetDlgItemText(nID, text);
    return text;
}

// A check state (BM_GETCHECK) or selected index (CB_GETCURSEL, LB_GETCURSEL) of a control.
int State(CWnd& dlg, int nID, UINT message)
{
    return static_cast<int>(::SendDlgItemMessageW(dlg.m_hWnd, nID, message, 0, 0));
}

void ClickButton(CWnd& dlg, int nID)
{
    ::SendMessageW(::GetDlgItem(dlg.m_hWnd, nID), BM_CLICK, 0, 0);
}

TEST(ModalDialogTest, EndDialogEndsDoModalWithItsCodeFreesTheOwnerAndFailedRunsGiveMinusOne)
{
    CWnd owner;
    ASSERT_TRUE(afxtest::CreateHiddenFrame(owner));
    CDataDialog dlg(&owner);
    BOOL bOwnerEnabledDuringRun = TRUE;
    BOOL bDialogVisibleDuringRun = FALSE;
    dlg.m_onInit = [](CDataDialog& d) { d.SetTimer(kEndTimer, 50); };
    dlg.m_onTimer = [&](CDataDialog& d) {
        bOwnerEnabledDuringRun = owner.IsWindowEnabled();
        bDialogVisibleDuringRun = d.IsWindowVisible();
        d.EndDialog(1234);
    };
    EXPECT_EQ(1234, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nInitDialogs);
    EXPECT_FALSE(bOwnerEnabledDuringRun);
    EXPECT_TRUE(bDialogVisibleDuringRun);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    owner.DestroyWindow();

    // Runs ended in OnInitDialog, without a template, or by a quit message.
    CDataDialog ended;
    ended.m_onInit = [](CDataDialog& d) { d.EndDialog(77); };
    EXPECT_EQ(77, ended.DoModal());
    EXPECT_EQ(nullptr, ended.m_hWnd);

    EXPECT_EQ(-1, CDialog(0x7BFF).DoModal());
    EXPECT_EQ(-1, CDialog(L"NO_SUCH_DIALOG").DoModal());

    CDataDialog quit;
    quit.m_onInit = [](CDataDialog&) { ::PostQuitMessage(3); };
    EXPECT_EQ(-1, quit.DoModal());
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit message was not posted again";
    EXPECT_EQ(3u, msg.wParam);
}

TEST(DataExchangeTest, LoadsControlsSavesThemBackOnOkAndInvalidValuesKeepTheDialogOpen)
{
    CDataDialog dlg;
    dlg.m_strName = L"Ada";
    dlg.m_nCount = 42;
    dlg.m_nEnabled = 1;
    dlg.m_nRadio = 1;
    dlg.m_nChoice = 2;
    dlg.m_nList = 1;

    CString loadedText;
    std::vector<int> loadedStates;
    BOOL bOkSubclassed = FALSE;
    int nChangesAfterLoad = -1;
    dlg.m_onInit = [&](CDataDialog& d) {
        nChangesAfterLoad = d.m_nNameChanges;
        loadedText = DlgItemText(d, IDC_AFXTEST_NAME) + L"|" + DlgItemText(d, IDC_AFXTEST_COUNT);
        loadedStates = {State(d, IDC_AFXTEST_ENABLED, BM_GETCHECK), State(d, IDC_AFXTEST_RADIO2, BM_GETCHECK),
                        State(d, IDC_AFXTEST_CHOICE, CB_GETCURSEL), State(d, IDC_AFXTEST_LIST, LB_GETCURSEL)};
        bOkSubclassed = CWnd::FromHandlePermanent(::GetDlgItem(d.m_hWnd, IDOK)) == &d.m_okButton;
        d.SetTimer(kEndTimer, 10);
    };
    dlg.m_onTimer = [](CDataDialog& d) {
        d.SetDlgItemText(IDC_AFXTEST_NAME, L"Bob");
        d.SetDlgItemText(IDC_AFXTEST_COUNT, L" -7 ");
        d.CheckDlgButton(IDC_AFXTEST_ENABLED, BST_UNCHECKED);
        d.CheckRadioButton(IDC_AFXTEST_RADIO1, IDC_AFXTEST_RADIO2, IDC_AFXTEST_RADIO1);
        ::SendDlgItemMessageW(d.m_hWnd, IDC_AFXTEST_CHOICE, CB_SETCURSEL, 0, 0);
        ::SendDlgItemMessageW(d.m_hWnd, IDC_AFXTEST_LIST, LB_SETCURSEL, 2, 0);
        ClickButton(d, IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ(L"Ada|42", loadedText);
    EXPECT_EQ((std::vector<int>{BST_CHECKED, BST_CHECKED, 2, 1}), loadedStates);
    EXPECT_TRUE(bOkSubclassed);
    EXPECT_EQ(0, nChangesAfterLoad) << "notifications of the loading were dispatched";
    EXPECT_EQ(1, dlg.m_nNameChanges);
    EXPECT_STREQ(L"Bob", dlg.m_strName);
    EXPECT_EQ((std::vector<int>{-7, 0, 0, 0, 2}),
              (std::vector<int>{dlg.m_nCount, dlg.m_nEnabled, dlg.m_nRadio, dlg.m_nChoice, dlg.m_nList}));
    EXPECT_EQ(nullptr, dlg.m_okButton.m_hWnd); // forgotten with the dialog

    // Invalid values keep the dialog open and the members unchanged.
    CDataDialog invalid;
    invalid.m_nCount = 5;
    BOOL bNumberAccepted = TRUE;
    BOOL bLongNameAccepted = TRUE;
    int nFocusAfterFailure = 0;
    invalid.m_onInit = [](CDataDialog& d) { d.SetTimer(kEndTimer, 10); };
    invalid.m_onTimer = [&](CDataDialog& d) {
        d.SetDlgItemText(IDC_AFXTEST_COUNT, L"12x");
        bNumberAccepted = d.UpdateData(TRUE);
        nFocusAfterFailure = ::GetDlgCtrlID(::GetFocus());
        ClickButton(d, IDOK); // refused: the dialog stays
        d.SetDlgItemText(IDC_AFXTEST_COUNT, L"12");
        d.SetDlgItemText(IDC_AFXTEST_NAME, L"far too long");
        bLongNameAccepted = d.UpdateData(TRUE);
        d.SetDlgItemText(IDC_AFXTEST_NAME, L"short");
        ClickButton(d, IDOK);
    };
    EXPECT_EQ(IDOK, invalid.DoModal());
    EXPECT_FALSE(bNumberAccepted);
    EXPECT_FALSE(bLongNameAccepted);
    EXPECT_EQ(IDC_AFXTEST_COUNT, nFocusAfterFailure);
    EXPECT_EQ(12, invalid.m_nCount);
    EXPECT_STREQ(L"short", invalid.m_strName);
}

// Modeless: closes itself on Cancel (Escape) and frees itself when its window goes.
class CSelfFreeingDialog : public CDialog {
public:
    static int s_nDeleted;

    CSelfFreeingDialog() : CDialog(IDD_AFXTEST_DATA) {}
    ~CSelfFreeingDialog() override { ++s_nDeleted; }
    void OnCancel() override { DestroyWindow(); }

protected:
    void PostNcDestroy() override { delete this; }
};
int CSelfFreeingDialog::s_nDeleted = 0;

TEST(ModelessDialogTest, EscapeClosesItAndItsWindowFreesTheObjectAndItsControls)
{
    CDialog missing;
    EXPECT_FALSE(missing.Create(0x7BFF));
    EXPECT_EQ(nullptr, missing.m_hWnd);

    CSelfFreeingDialog::s_nDeleted = 0;
    auto* pDlg = new CSelfFreeingDialog;
    ASSERT_TRUE(pDlg->Create(IDD_AFXTEST_DATA));
    HWND hWnd = pDlg->m_hWnd;
    EXPECT_FALSE(pDlg->IsWindowVisible()); // the template has no WS_VISIBLE
    CButton cancel;
    ASSERT_TRUE(cancel.SubclassDlgItem(IDCANCEL, pDlg));
    EXPECT_FALSE(CButton().SubclassDlgItem(0x7BFF, pDlg));
    // Escape in a control becomes Cancel only through the pump's IsDialogMessage.
    pDlg->ShowWindow(SW_SHOWNORMAL);
    ASSERT_TRUE(::PostMessageW(::GetDlgItem(hWnd, IDC_AFXTEST_NAME), WM_KEYDOWN, VK_ESCAPE, 0));
    EXPECT_TRUE(afxtest::PumpUntil([] { return CSelfFreeingDialog::s_nDeleted == 1; }));
    EXPECT_EQ(nullptr, cancel.m_hWnd);
    EXPECT_FALSE(::IsWindow(hWnd));
}

} // namespace
