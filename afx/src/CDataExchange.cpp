// Dialog data exchange between controls and member variables.
#include "afxlite/CDataExchange.h"

#include "afxlite/CWnd.h"

#include <cerrno>
#include <climits>
#include <cwchar>
#include <cwctype>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr), m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!hWndCtrl) {
        TRACE(L"Data exchange: no control %d in the dialog\n", nIDC);
        ASSERT(FALSE);
        throw CFailure();
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CFailure();
}

namespace {

CString WindowText(HWND hWnd)
{
    CString text;
    const int length = ::GetWindowTextLengthW(hWnd);
    if (length > 0) {
        ::GetWindowTextW(hWnd, text.GetBufferSetLength(length), length + 1);
        text.ReleaseBuffer();
    }
    return text;
}

// Parses a whole text as a decimal number in [minValue, maxValue]; blanks around it allowed.
bool ParseNumber(const CString& text, long long minValue, long long maxValue, long long& result)
{
    const wchar_t* begin = text;
    wchar_t* end = nullptr;
    errno = 0;
    const long long value = wcstoll(begin, &end, 10);
    if (end == begin || errno == ERANGE || value < minValue || value > maxValue)
        return false;
    while (iswspace(*end))
        ++end;
    if (*end != L'\0')
        return false;
    result = value;
    return true;
}

void ExchangeNumber(CDataExchange* pDX, int nIDC, long long minValue, long long maxValue, long long& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        wchar_t text[32];
        _snwprintf(text, 32, L"%I64d", value);
        text[31] = L'\0';
        ::SetWindowTextW(hWndCtrl, text);
        return;
    }
    const CString text = WindowText(hWndCtrl);
    // A minus sign is not a valid start of an unsigned number (wcstoll would accept it).
    if ((minValue >= 0 && text.Find(L'-') >= 0) || !ParseNumber(text, minValue, maxValue, value))
        pDX->Fail();
}

bool IsRadioButton(HWND hWnd)
{
    return (::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

bool StartsGroup(HWND hWnd)
{
    return (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_GROUP) != 0;
}

} // namespace

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl)) {
        TRACE(L"Data exchange: control %d cannot be subclassed\n", nIDC);
        ASSERT(FALSE);
        throw CDataExchange::CFailure();
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        ::SetWindowTextW(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    long long number = value;
    ExchangeNumber(pDX, nIDC, INT_MIN, INT_MAX, number);
    value = static_cast<int>(number);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    long long number = value;
    ExchangeNumber(pDX, nIDC, 0, UINT_MAX, number);
    value = static_cast<UINT>(number);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    ASSERT(StartsGroup(hWndCtrl));
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    do {
        if (IsRadioButton(hWndCtrl)) {
            if (!pDX->m_bSaveAndValidate)
                ::SendMessageW(hWndCtrl, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            else if (::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
            ++index;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl && !StartsGroup(hWndCtrl));
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(hWndCtrl, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars)
            pDX->Fail();
        return;
    }
    // Applies to the control of the DDX_Text just before.
    if (pDX->m_hWndLastControl)
        ::SendMessageW(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
}
