#include "ContactsDlg.h"

#include "DemoIds.h"

#include <MsgBox.h>
#include <Oem.h>

namespace {

const int kHeadSize = 16; // the edition's head images are 16 by 16
const COLORREF kTitleText = RGB(0, 70, 140);

struct Contact {
    const wchar_t* pszText; // name, and the status on a second line
    int nHead;
    bool bOnline;
};

const Contact kContacts[] = {
    {L"Alice Wang\r\nOnline - at the office", 0, true},
    {L"Bob Li\r\nAway since 10:20", 1, true},
    {L"Chen Jing\r\nOnline", 2, true},
    {L"Dave Miller\r\nOffline", 3, false},
    {L"Emma Zhou\r\nBusy - in a call", 4, true},
};
const int kSelectedContact = 0;

} // namespace

BEGIN_MESSAGE_MAP(CContactsDlg, CBkDialogBase)
    ON_BN_CLICKED(IDC_DEMO_MESSAGE, &CContactsDlg::OnSendMessage)
END_MESSAGE_MAP()

CContactsDlg::CContactsDlg(CWnd* pParent) : CBkDialogBase(IDD_DEMO_CONTACTS, pParent)
{
}

BOOL CContactsDlg::OnInitDialog()
{
    m_title.SubclassDlgItem(IDC_DEMO_TITLE, this);
    m_contacts.SubclassDlgItem(IDC_DEMO_CONTACTS, this);
    m_homePage.SubclassDlgItem(IDC_DEMO_HOMEPAGE, this);
    SetUpButton(m_btnMessage, IDC_DEMO_MESSAGE);
    SetUpButton(m_btnClose, IDCANCEL);
    // Subclassed first, so that the base makes the buttons transparent.
    CBkDialogBase::OnInitDialog();

    m_title.SetTextColor(kTitleText);
    m_homePage.SetURL(OEM.UrlGetHomePage());
    m_homePage.SetWindowText(OEM.m_strName + L" home page");
    m_homePage.SetAutoSize(TRUE);
    FillContacts();
    return TRUE;
}

void CContactsDlg::SetUpButton(CButtonST& button, UINT nID)
{
    button.SubclassDlgItem(nID, this);
    // Raised borders over the dialog's background, so that they read as buttons.
    button.SetFlat(FALSE, FALSE);
}

void CContactsDlg::FillContacts()
{
    if (m_heads.Create(kHeadSize, kHeadSize, ILC_COLOR24 | ILC_MASK, 8, 0))
        OEM.FriendImageAdd(&m_heads);
    m_contacts.SetImageList(&m_heads);
    for (const Contact& contact : kContacts) {
        const int nIndex = m_contacts.AddString(contact.pszText, contact.nHead);
        if (nIndex >= 0 && !contact.bOnline)
            m_contacts.EnableItem(nIndex, FALSE, FALSE);
    }
    m_contacts.SetCurSel(kSelectedContact);
}

int CContactsDlg::SendMessageBox(BOOL bModal)
{
    CString strName = L"your contact";
    const int nSelected = m_contacts.GetCurSel();
    if (nSelected >= 0) {
        m_contacts.GetText(nSelected, strName);
        const int nLineEnd = strName.Find(L'\r');
        if (nLineEnd >= 0)
            strName = strName.Left(nLineEnd);
    }
    return WMsgBox(L"Send \"Hello!\" to " + strName + L"?", 1, bModal, this);
}

void CContactsDlg::OnSendMessage()
{
    SendMessageBox(TRUE);
}
