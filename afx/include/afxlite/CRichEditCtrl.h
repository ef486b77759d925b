// CRichEditCtrl: rich-edit controls (rich edit 2.0 or later, class RichEdit20W from riched20.dll).
// A thin view of the control: each method is one message of the control, named after it; ranges
// are character positions, formats the control's CHARFORMAT2W / PARAFORMAT2 structures.
#pragma once

#include "afxlite/CWnd.h"

#include <richedit.h>
#include <richole.h>

class AFX_API CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;

    // Loads riched20.dll (kept for the life of the process, as every control of the class
    // needs it) and creates a RichEdit20W window.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Loads riched20.dll once; FALSE when it cannot be loaded. Windows of the class can be
    // made from templates once it has run.
    static BOOL AFXAPI InitRichEdit2();

    // ---- Selection ----
    void SetSel(long nStartChar, long nEndChar)
    {
        CHARRANGE range = {nStartChar, nEndChar};
        SetSel(range);
    }
    void SetSel(CHARRANGE& cr) { SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr)); }
    void GetSel(CHARRANGE& cr) const { SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr)); }
    void GetSel(long& nStartChar, long& nEndChar) const
    {
        CHARRANGE range = {};
        GetSel(range);
        nStartChar = range.cpMin;
        nEndChar = range.cpMax;
    }
    // Replaces the selection; bCanUndo FALSE leaves no undo record.
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
    }
    CString GetSelText() const;
    void HideSelection(BOOL bHide, BOOL bPerm) { SendMessage(EM_HIDESELECTION, bHide, bPerm); }

    // ---- Text ----
    // Length as WM_GETTEXTLENGTH gives it: a paragraph break counts two (CR LF).
    long GetTextLength() const { return static_cast<long>(SendMessage(WM_GETTEXTLENGTH, 0, 0)); }
    long GetTextLengthEx(DWORD dwFlags, UINT uCodePage = 1200) const;
    // The number of character positions (a paragraph break counts one): the end of the text.
    long GetCharCount() const { return GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE); }
    // The plain text of [nFirst, nLast) (nLast -1: to the end) into rString; its length.
    int GetTextRange(long nFirst, long nLast, CString& rString) const;
    // Searches lpFindText->chrg for lpFindText->lpstrText; the found range goes to
    // lpFindText->chrgText. Without FR_DOWN in dwFlags the control searches backward.
    long FindText(DWORD dwFlags, FINDTEXTEXW* lpFindText) const
    {
        return static_cast<long>(SendMessage(EM_FINDTEXTEXW, dwFlags, reinterpret_cast<LPARAM>(lpFindText)));
    }
    // EM_EXLIMITTEXT: the most characters the user and EM_REPLACESEL may put in.
    void LimitText(long nChars = 0) { SendMessage(EM_EXLIMITTEXT, 0, nChars); }
    long GetLimitText() const { return static_cast<long>(SendMessage(EM_GETLIMITTEXT, 0, 0)); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, bReadOnly, 0)); }
    int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT, 0, 0)); }
    int GetFirstVisibleLine() const { return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE, 0, 0)); }
    long LineIndex(int nLine = -1) const { return static_cast<long>(SendMessage(EM_LINEINDEX, nLine, 0)); }
    // Client position of character nChar.
    CPoint GetCharPos(long lChar) const;

    // ---- Character and paragraph formats ----
    // Each sets cbSize for the structure it is given and returns the control's answer: the
    // getters the mask of the fields that hold one value over the whole selection, the setters
    // nonzero on success.
    DWORD GetSelectionCharFormat(CHARFORMATW& cf) const { return GetCharFormat(SCF_SELECTION, cf, sizeof(cf)); }
    DWORD GetSelectionCharFormat(CHARFORMAT2W& cf) const { return GetCharFormat(SCF_SELECTION, cf, sizeof(cf)); }
    DWORD GetDefaultCharFormat(CHARFORMATW& cf) const { return GetCharFormat(SCF_DEFAULT, cf, sizeof(cf)); }
    DWORD GetDefaultCharFormat(CHARFORMAT2W& cf) const { return GetCharFormat(SCF_DEFAULT, cf, sizeof(cf)); }
    BOOL SetSelectionCharFormat(CHARFORMATW& cf) { return SetCharFormat(SCF_SELECTION, cf, sizeof(cf)); }
    BOOL SetSelectionCharFormat(CHARFORMAT2W& cf) { return SetCharFormat(SCF_SELECTION, cf, sizeof(cf)); }
    BOOL SetDefaultCharFormat(CHARFORMATW& cf) { return SetCharFormat(SCF_DEFAULT, cf, sizeof(cf)); }
    BOOL SetDefaultCharFormat(CHARFORMAT2W& cf) { return SetCharFormat(SCF_DEFAULT, cf, sizeof(cf)); }
    DWORD GetParaFormat(PARAFORMAT& pf) const { return GetParaFormat(pf, sizeof(pf)); }
    DWORD GetParaFormat(PARAFORMAT2& pf) const { return GetParaFormat(pf, sizeof(pf)); }
    BOOL SetParaFormat(PARAFORMAT& pf) { return SetParaFormat(pf, sizeof(pf)); }
    BOOL SetParaFormat(PARAFORMAT2& pf) { return SetParaFormat(pf, sizeof(pf)); }
    // Sets the background colour (bSysColor: the system window colour); the colour before.
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr)
    {
        return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, bSysColor, cr));
    }

    // ---- Notifications, addresses, options ----
    DWORD GetEventMask() const { return static_cast<DWORD>(SendMessage(EM_GETEVENTMASK, 0, 0)); }
    DWORD SetEventMask(DWORD dwEventMask) { return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, dwEventMask)); }
    // EM_AUTOURLDETECT: addresses in the text become links (EN_LINK on clicks). 0 on success.
    BOOL SetAutoURLDetect(BOOL bEnable = TRUE) { return static_cast<BOOL>(SendMessage(EM_AUTOURLDETECT, bEnable, 0)); }
    BOOL GetAutoURLDetect() const { return static_cast<BOOL>(SendMessage(EM_GETAUTOURLDETECT, 0, 0)); }
    UINT SetOptions(WORD wOp, DWORD dwFlags) { return static_cast<UINT>(SendMessage(EM_SETOPTIONS, wOp, dwFlags)); }

    // ---- OLE ----
    // The control's IRichEditOle with a reference the caller releases; null on failure.
    IRichEditOle* GetIRichEditOle() const;

    // ---- Clipboard and undo ----
    BOOL CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO, 0, 0)); }
    BOOL Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO, 0, 0)); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER, 0, 0); }
    void Clear() { SendMessage(WM_CLEAR, 0, 0); }
    void Copy() { SendMessage(WM_COPY, 0, 0); }
    void Cut() { SendMessage(WM_CUT, 0, 0); }
    void Paste() { SendMessage(WM_PASTE, 0, 0); }

private:
    DWORD GetCharFormat(DWORD dwWhich, CHARFORMATW& cf, UINT cbSize) const;
    BOOL SetCharFormat(DWORD dwWhich, CHARFORMATW& cf, UINT cbSize);
    DWORD GetParaFormat(PARAFORMAT& pf, UINT cbSize) const;
    BOOL SetParaFormat(PARAFORMAT& pf, UINT cbSize);
};
