// The demo's "Contacts" dialog, a skinned CBkDialogBase: a transparent static title, the
// contacts in an owner-drawn list box with the edition's head images (one contact offline and
// greyed), a link to the edition's home page, and transparent flat buttons: one sends a message
// to the selected contact through the library's message box, one closes the dialog.
#pragma once

#include <BkDialogBase.h>
#include <ButtonST.h>
#include <HyperLink.h>
#include <ListBoxST.h>
#include <WStatic.h>

#include <afxcmn.h>

class CContactsDlg : public CBkDialogBase {
public:
    explicit CContactsDlg(CWnd* pParent = nullptr);

    // The message box about the selected contact (modal, or modeless for a screenshot); the
    // box's result.
    int SendMessageBox(BOOL bModal);

protected:
    BOOL OnInitDialog() override;

    afx_msg void OnSendMessage();
    DECLARE_MESSAGE_MAP()

private:
    CWStatic m_title;
    CListBoxST m_contacts;
    CHyperLink m_homePage;
    CButtonST m_btnMessage;
    CButtonST m_btnClose;
    CImageList m_heads;

    void FillContacts();
    void SetUpButton(CButtonST& button, UINT nID);
};
