// The demo's "Chat" window: a conversation in a CTavoRichEdit message view (names in colour,
// messages with playing emoticons, an address and a keyword link) above an input box that holds
// a message being typed. It deletes itself when its window goes.
#pragma once

#include <TavoRichEdit.h>

#include <afxwin.h>

class CChatWnd : public CWnd {
public:
    // Opens the window owned by pOwner with its conversation.
    BOOL CreateFor(CWnd* pOwner);

protected:
    void PostNcDestroy() override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CTavoRichEdit m_view;
    CTavoRichEdit m_input;

    void Say(const wchar_t* pszWho, COLORREF crName, const wchar_t* pszText);
};
