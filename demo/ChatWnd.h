// The demo's "Chat" window: a conversation in a CTavoRichEdit message view (names in colour,
// messages with playing emoticons, an address and a keyword link, an incoming file offer whose
// progress moves, an audio invitation) above an input box that holds a message being typed, with
// a button beside it that opens the emoticon picker; the chosen emoticon goes into the input box.
// It answers the links as a host would and deletes itself when its window goes.
#pragma once

#include <ButtonST.h>
#include <TavoRichEdit.h>

#include <afxwin.h>

class CPopFaces;

class CChatWnd : public CWnd {
public:
    // Opens the window owned by pOwner with its conversation.
    BOOL CreateFor(CWnd* pOwner);
    // Opens the emoticon picker just above the picker button, as its click does; null when it
    // cannot be made. The picker frees itself when it closes.
    CPopFaces* OpenFacePicker();

protected:
    void PostNcDestroy() override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnFileLink(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFacesClicked();
    afx_msg LRESULT OnFaceSelect(WPARAM wParam, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    CTavoRichEdit m_view;
    CTavoRichEdit m_input;
    int m_nProgress = 0;      // of the offered file, in percent
    bool m_bAccepted = false; // the user accepted the file
    CButtonST m_btnFaces;

    BOOL CreateFacesButton(const CRect& rcButton);

    void Say(const wchar_t* pszWho, COLORREF crName, const wchar_t* pszText);
};
