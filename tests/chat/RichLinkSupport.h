// Invitation and file-link tests: the chat view with the language library's texts loaded, the
// partner "Bob", clicks on answers by their captions, colours, and the state the file-transfer
// components show.
#pragma once

#include "ChatTestSupport.h"

#include <Oem.h>

#include "../common/DialogScript.h"

_COM_SMARTPTR_TYPEDEF(IDispatch, IID_IDispatch);

namespace chattest {

const COLORREF kDarkRed = RGB(102, 0, 0);
// A bitmap of the library's own resources (the second logo), the invitations' picture.
const UINT kInvitationBitmap = 6323;

class RichLinkTest : public ChatTest {
protected:
    void SetUp() override
    {
        ChatTest::SetUp();
        OEM.load(); // the host's start-up: brings the library's language texts
        CTavoRichLink::LoadAnswers();
        ASSERT_EQ(CString(L"接受"), CTavoRichLink::g_strAnswers[ANSWER_ACCEPT]);
        m_edit.SetDestUser(L"Bob");
    }

    // The text as the control holds it (each object one character).
    std::wstring Raw() const
    {
        CString text;
        m_edit.GetTextRange(0, -1, text);
        return static_cast<LPCTSTR>(text);
    }
    // A click on the last occurrence of caption.
    void Click(const wchar_t* caption)
    {
        const size_t at = Raw().rfind(caption);
        ASSERT_NE(std::wstring::npos, at) << caption;
        ClickAt(static_cast<long>(at) + 1);
    }
    // A click on the file offer's save-as link, its dialog answered by script.
    void SaveAs(const std::function<void(HWND)>& script)
    {
        RunDialogScript(
            [&] {
                Click(L"另存为");
                return 0;
            },
            script);
    }
    CHARFORMAT2W FormatAt(long cp)
    {
        m_edit.SetSel(cp, cp + 1);
        CHARFORMAT2W format = {};
        m_edit.GetSelectionCharFormat(format);
        return format;
    }
    // The colour of the last occurrence of text (CLR_DEFAULT for the automatic colour).
    COLORREF ColourOf(const wchar_t* text)
    {
        const size_t at = Raw().rfind(text);
        if (at == std::wstring::npos)
            return CLR_NONE;
        const CHARFORMAT2W format = FormatAt(static_cast<long>(at));
        return (format.dwEffects & CFE_AUTOCOLOR) ? CLR_DEFAULT : format.crTextColor;
    }
    bool IsLinkAt(const wchar_t* text)
    {
        const size_t at = Raw().rfind(text);
        return at != std::wstring::npos && (FormatAt(static_cast<long>(at)).dwEffects & CFE_LINK) != 0;
    }
    CTavoRichLink* LastLink() const
    {
        return m_edit.m_listLinks.IsEmpty() ? nullptr : static_cast<CTavoRichLink*>(m_edit.m_listLinks.GetTail());
    }

    // What the transfer component at object index shows.
    struct Shown {
        std::wstring strStatus;
        int nProgress = -1;
        bool bFinal = false;
        short nTransferId = 0;
    };
    Shown ComponentAt(LONG index) const
    {
        Shown shown;
        REOBJECT reobject = {};
        reobject.cbStruct = sizeof(reobject);
        if (FAILED(m_edit.Ole()->GetObject(index, &reobject, REO_GETOBJ_POLEOBJ)))
            return shown;
        IDispatchPtr ax;
        reobject.poleobj->QueryInterface(DIID_ITransFile, reinterpret_cast<void**>(&ax));
        reobject.poleobj->Release();
        if (ax == nullptr)
            return shown;
        shown.strStatus = static_cast<LPCWSTR>(_bstr_t(Read(ax, DISPID_TRANSFILE_STATUS)));
        shown.nProgress = static_cast<short>(Read(ax, DISPID_TRANSFILE_PROGRESS));
        shown.bFinal = static_cast<bool>(Read(ax, DISPID_TRANSFILE_FINAL));
        shown.nTransferId = static_cast<short>(Read(ax, DISPID_TRANSFILE_TRANSFERID));
        return shown;
    }
    static _variant_t Read(IDispatch* pAx, DISPID dispId)
    {
        DISPPARAMS none = {};
        _variant_t value;
        EXPECT_EQ(S_OK, pAx->Invoke(dispId, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr));
        return value;
    }
};

} // namespace chattest
